// PushButton, CheckBox, RadioButton: the button-class controls.
#pragma once

#include "controls/control_interfaces.h"
#include "windowing/control.h"

namespace scrubwell::windowing {

class PushButton : public Control {
public:
    using Control::Control;
};

class CheckBox : public Control, public ToggleControl {
public:
    using Control::Control;
    bool Checked() const override;
    bool SetChecked(bool checked) override;
    void SetEnabled(bool enabled) override { Enable(enabled); }
};

// The radio buttons of one group (from a WS_GROUP window to the next) belong
// together. Only the checked button of a group is a tab stop, as the keyboard
// expects.
class RadioButton : public Control, public ToggleControl {
public:
    using Control::Control;
    bool Checked() const override;
    // Checking unchecks the group's other buttons and, when this button was not
    // checked, raises its click event; unchecking touches only this button.
    bool SetChecked(bool checked) override;
    void SetEnabled(bool enabled) override { Enable(enabled); }

    static bool IsRadioButton(HWND window);
    // Puts the tab stop on the checked button of window's group.
    static void UpdateGroupTabStops(HWND window);
};

} // namespace scrubwell::windowing
