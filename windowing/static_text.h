// StaticText: a label or a readout.
#pragma once

#include "windowing/control.h"
#include "windowing/layout.h"

namespace scrubwell::windowing {

class StaticText : public Control {
public:
    using Control::Control;

    // The kind's set-up of a new label: one designed without a width is sized
    // to its text in its font, keeping its left and top.
    static void SetUp(HWND window, const LayoutItem& item);
};

} // namespace scrubwell::windowing
