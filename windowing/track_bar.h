// TrackBar: a vertical slider, minimum at the top.
#pragma once

#include "settings/effect_controls.h"
#include "windowing/control.h"

namespace scrubwell::windowing {

class TrackBar : public Control, public SliderControl {
public:
    using Control::Control;

    // Attributes
    int Position() const override;

    // Operations: each clamps as the native control does and raises the
    // change event when the position moved.
    void SetMin(int min) override;
    void SetMax(int max) override;
    void SetPosition(int position) override;
};

} // namespace scrubwell::windowing
