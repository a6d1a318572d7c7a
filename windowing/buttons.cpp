#include "windowing/buttons.h"

namespace scrubwell::windowing {
namespace {

// The first window of window's group: the nearest at or before it with WS_GROUP.
HWND GroupStart(HWND window)
{
    HWND start = window;
    while (!(GetWindowLongA(start, GWL_STYLE) & WS_GROUP))
        if (const HWND previous = GetWindow(start, GW_HWNDPREV))
            start = previous;
        else
            break;
    return start;
}

// The window after window in its group, or 0 after the last.
HWND NextInGroup(HWND window)
{
    const HWND next = GetWindow(window, GW_HWNDNEXT);
    return next && !(GetWindowLongA(next, GWL_STYLE) & WS_GROUP) ? next : nullptr;
}

} // namespace

LONG Button::Type() const
{
    char className[16];
    if (!GetClassNameA(handle_, className, sizeof className) || lstrcmpiA(className, "Button") != 0)
        return -1;
    return GetWindowLongA(handle_, GWL_STYLE) & BS_TYPEMASK;
}

bool Button::IsRadioButton() const
{
    const LONG type = Type();
    return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

bool Button::Checked() const
{
    return SendMessageA(handle_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Button::ShowChecked(bool checked, Kind kind) const
{
    SendMessageA(handle_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    if (kind != Kind::kRadioButton)
        return;
    for (HWND sibling = GroupStart(handle_); sibling; sibling = NextInGroup(sibling)) {
        const Button button(sibling);
        if (!button.IsRadioButton())
            continue;
        const LONG style = GetWindowLongA(sibling, GWL_STYLE);
        const LONG wanted = button.Checked() ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP);
        if (wanted != style)
            SetWindowLongA(sibling, GWL_STYLE, wanted);
    }
}

void Button::Click() const
{
    SendMessageA(handle_, BM_CLICK, 0, 0);
}

void Button::Press() const
{
    SendMessageA(GetParent(handle_), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(handle_), BN_CLICKED),
        reinterpret_cast<LPARAM>(handle_));
}

bool Button::Clicked(Kind kind, ControlState& state) const
{
    if (kind == Kind::kRadioButton)
        return state.SetChecked(true);
    if (kind == Kind::kCheckBox)
        state.UserToggled(Checked());
    return true;
}

} // namespace scrubwell::windowing
