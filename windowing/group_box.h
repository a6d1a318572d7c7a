// GroupBox: a container whose first child is the framed caption.
#pragma once

#include "settings/effect_controls.h"
#include "windowing/control.h"

namespace scrubwell::windowing {

class GroupBox : public Control, public EnableControl {
public:
    using Control::Control;
    Control Frame() const { return Control(GetWindow(handle_, GW_CHILD)); }
    // Greys the caption and keeps the mouse away from the children; the
    // children themselves keep their own state.
    void SetEnabled(bool enabled) override
    {
        Enable(enabled);
        Frame().Enable(enabled);
    }
};

} // namespace scrubwell::windowing
