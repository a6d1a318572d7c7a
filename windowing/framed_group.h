// FramedGroup: a container window that holds a group of controls; its first
// child is the group-box frame with the caption, drawn over its whole area.
#pragma once

#include "settings/effect_controls.h"
#include "windowing/control.h"

namespace scrubwell::windowing {

class FramedGroup : public Control, public EnableControl {
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
