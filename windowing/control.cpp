#include "windowing/control.h"

#include "windowing/messages.h"

namespace scrubwell::windowing {

bool Control::Visible() const
{
    return (GetWindowLongA(handle_, GWL_STYLE) & WS_VISIBLE) != 0;
}

std::string Control::Text() const
{
    const int length = GetWindowTextLengthA(handle_);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(handle_, text.data(), length + 1)));
    return text;
}

void Control::NotifyChanged() const
{
    SendMessageA(GetAncestor(handle_, GA_ROOT), WM_CONTROL_CHANGED, 0, reinterpret_cast<LPARAM>(handle_));
}

} // namespace scrubwell::windowing
