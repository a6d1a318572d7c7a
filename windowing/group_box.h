// GroupBox: a frame with a caption around a group of controls, which are its
// siblings, not its children.
#pragma once

#include "controls/control_interfaces.h"
#include "windowing/control.h"

namespace scrubwell::windowing {

class GroupBox : public Control, public EnableControl {
public:
    using Control::Control;
    // Greys the caption; the controls inside keep their own state.
    void SetEnabled(bool enabled) override { Enable(enabled); }
};

} // namespace scrubwell::windowing
