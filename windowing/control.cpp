#include "windowing/control.h"

#include "windowing/messages.h"

namespace scrubwell::windowing {

bool Control::Visible() const
{
    return (GetWindowLongA(handle_, GWL_STYLE) & WS_VISIBLE) != 0;
}

bool Control::NotifyChanged() const
{
    return SendMessageA(GetAncestor(handle_, GA_ROOT), WM_CONTROL_CHANGED, 0, reinterpret_cast<LPARAM>(handle_)) != 0;
}

} // namespace scrubwell::windowing
