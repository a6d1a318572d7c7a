#include "windowing/control.h"

namespace scrubwell::windowing {

bool Control::Visible() const
{
    return (GetWindowLongA(handle_, GWL_STYLE) & WS_VISIBLE) != 0;
}

} // namespace scrubwell::windowing
