// TrackBar: a vertical slider, minimum at the top.
#pragma once

#include "controls/control_interfaces.h"
#include "windowing/control.h"

namespace scrubwell::windowing {

class TrackBar : public Control, public SliderControl {
public:
    using Control::Control;

    // Attributes
    int Position() const override;

    // Operations: each clamps as the native control does and raises the
    // change event when the position moved.
    bool SetMin(int min) override;
    bool SetMax(int max) override;
    bool SetPosition(int position) override;
};

} // namespace scrubwell::windowing
