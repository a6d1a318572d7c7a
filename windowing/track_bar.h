// TrackBar: a vertical slider, minimum at the top.
#pragma once

#include "windowing/control.h"

namespace scrubwell::windowing {

class TrackBar : public Control {
public:
    using Control::Control;
    int Position() const;
};

} // namespace scrubwell::windowing
