// Private window messages of the windowing layer.
#pragma once

#include <windows.h>

namespace scrubwell::windowing {

// Sent to a form by a control wrapper after the program changed the control
// (lParam: the control's handle).
inline constexpr UINT WM_CONTROL_CHANGED = WM_APP + 0x51;

} // namespace scrubwell::windowing
