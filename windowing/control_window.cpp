#include "windowing/control_window.h"

#include <commctrl.h>

#include "windowing/accessible_control.h"
#include "windowing/buttons.h"

namespace scrubwell::windowing {

void ControlWindow::ShowRange(const SliderRange& range)
{
    if (kind_ != Kind::kTrackBar)
        return;
    SendMessageA(window_, TBM_SETRANGEMIN, TRUE, range.min);
    SendMessageA(window_, TBM_SETRANGEMAX, TRUE, range.max);
    SendMessageA(window_, TBM_SETPOS, TRUE, range.position);
}

void ControlWindow::ShowChecked(bool checked)
{
    if (kind_ != Kind::kRadioButton && kind_ != Kind::kCheckBox)
        return;
    SendMessageA(window_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    // Only the checked button of a radio group is a tab stop.
    if (kind_ == Kind::kRadioButton)
        RadioButton::UpdateGroupTabStops(window_);
}

void ControlWindow::ShowEnabled(bool enabled)
{
    if (kind_ == Kind::kRadioButton || kind_ == Kind::kCheckBox || kind_ == Kind::kGroupBox
        || kind_ == Kind::kPushButton)
        EnableWindow(window_, enabled ? TRUE : FALSE);
}

void ControlWindow::ShowText(const char* text)
{
    if (kind_ == Kind::kLabel || kind_ == Kind::kReadout)
        SetWindowTextA(window_, text);
}

void ControlWindow::Moved()
{
    NotifyValueChanged(window_);
}

} // namespace scrubwell::windowing
