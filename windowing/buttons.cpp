#include "windowing/buttons.h"

namespace scrubwell::windowing {
namespace {

bool IsButtonChecked(HWND button)
{
    return SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void SetButtonCheck(HWND button, bool checked)
{
    SendMessageA(button, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

} // namespace

bool CheckBox::Checked() const
{
    return IsButtonChecked(handle_);
}

bool CheckBox::SetChecked(bool checked)
{
    SetButtonCheck(handle_, checked);
    return true;
}

bool RadioButton::Checked() const
{
    return IsButtonChecked(handle_);
}

bool RadioButton::SetChecked(bool checked)
{
    const bool wasChecked = Checked();
    if (checked) {
        for (HWND sibling = GetWindow(GetParent(handle_), GW_CHILD); sibling; sibling = GetWindow(sibling, GW_HWNDNEXT))
            if (sibling != handle_ && IsRadioButton(sibling))
                SetButtonCheck(sibling, false);
    }
    SetButtonCheck(handle_, checked);
    UpdateGroupTabStops(handle_);
    return !(checked && !wasChecked) || NotifyChanged();
}

bool RadioButton::IsRadioButton(HWND window)
{
    char className[16];
    if (!GetClassNameA(window, className, sizeof className) || lstrcmpiA(className, "Button") != 0)
        return false;
    const LONG type = GetWindowLongA(window, GWL_STYLE) & BS_TYPEMASK;
    return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

void RadioButton::UpdateGroupTabStops(HWND window)
{
    for (HWND sibling = GetWindow(GetParent(window), GW_CHILD); sibling; sibling = GetWindow(sibling, GW_HWNDNEXT)) {
        if (!IsRadioButton(sibling))
            continue;
        const LONG style = GetWindowLongA(sibling, GWL_STYLE);
        const LONG wanted = IsButtonChecked(sibling) ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP);
        if (wanted != style)
            SetWindowLongA(sibling, GWL_STYLE, wanted);
    }
}

} // namespace scrubwell::windowing
