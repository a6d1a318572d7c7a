#include "windowing/buttons.h"

namespace scrubwell::windowing {
namespace {

bool IsButtonChecked(HWND button)
{
    return SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

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

LONG ButtonTypeOf(HWND window)
{
    char className[16];
    if (!GetClassNameA(window, className, sizeof className) || lstrcmpiA(className, "Button") != 0)
        return -1;
    return GetWindowLongA(window, GWL_STYLE) & BS_TYPEMASK;
}

bool RadioButton::Checked() const
{
    return IsButtonChecked(handle_);
}

bool RadioButton::IsRadioButton(HWND window)
{
    const LONG type = ButtonTypeOf(window);
    return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

void RadioButton::UpdateGroupTabStops(HWND window)
{
    for (HWND sibling = GroupStart(window); sibling; sibling = NextInGroup(sibling)) {
        if (!IsRadioButton(sibling))
            continue;
        const LONG style = GetWindowLongA(sibling, GWL_STYLE);
        const LONG wanted = IsButtonChecked(sibling) ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP);
        if (wanted != style)
            SetWindowLongA(sibling, GWL_STYLE, wanted);
    }
}

} // namespace scrubwell::windowing
