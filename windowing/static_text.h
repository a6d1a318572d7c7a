// StaticText: a label or a readout.
#pragma once

#include "windowing/control.h"

namespace scrubwell::windowing {

class StaticText : public Control {
public:
    using Control::Control;
    void SetText(const char* text) const { SetCaption(text); }
    // Resizes the control to its text in its font, keeping its left and top.
    void FitToText() const;
};

} // namespace scrubwell::windowing
