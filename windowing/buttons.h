// Button: the button-class controls (push button, check box, radio button,
// group box): the messages the form sends them, and the clicks it turns into
// their states' changes. The radio buttons of one group (from a WS_GROUP
// window to the next) belong together; only the checked button of a group is
// a tab stop, as the keyboard expects. What is checked is the control's
// state's: the window shows it.
#pragma once

#include "controls/control_state.h"
#include "windowing/control.h"
#include "windowing/layout.h"

namespace scrubwell::windowing {

class Button : public Control {
public:
    using Control::Control;

    // The BS_* type of a button-class window; -1 for a window of another class.
    LONG Type() const;
    bool IsRadioButton() const;
    bool Checked() const;

    // Shows checked; a radio button (kind) moves its group's tab stop to the
    // checked one.
    void ShowChecked(bool checked, Kind kind) const;
    // Clicked as the user clicks it: it takes the focus, and toggles or checks.
    void Click() const;
    // Pressed where the focus is, without taking it (a push button's mnemonic).
    void Press() const;
    // What a click changed in the button's state: a radio button becomes
    // checked here rather than by the control, so that its state raises the
    // click event only when it becomes checked; a check box has toggled itself.
    // False when the state's event failed.
    bool Clicked(Kind kind, ControlState& state) const;
};

} // namespace scrubwell::windowing
