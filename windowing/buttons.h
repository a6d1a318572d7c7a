// PushButton, RadioButton: the button-class controls the form handles itself.
#pragma once

#include "windowing/control.h"

namespace scrubwell::windowing {

// The BS_* type of a button-class window (push button, check box, radio
// button, group box); -1 for a window of another class.
LONG ButtonTypeOf(HWND window);

class PushButton : public Control {
public:
    using Control::Control;
};

// The radio buttons of one group (from a WS_GROUP window to the next) belong
// together. Only the checked button of a group is a tab stop, as the keyboard
// expects. What is checked is the control's state's: the window shows it.
class RadioButton : public Control {
public:
    using Control::Control;
    bool Checked() const;

    static bool IsRadioButton(HWND window);
    // Puts the tab stop on the checked button of window's group.
    static void UpdateGroupTabStops(HWND window);
};

} // namespace scrubwell::windowing
