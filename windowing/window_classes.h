// The window classes of the windowing layer, registered by the module that
// holds this code.
#pragma once

#include <windows.h>

namespace scrubwell::windowing {

inline constexpr char kFormClass[] = "ScrubwellForm"; // dialog windows (DefDlgProc)
inline constexpr char kContainerClass[] = "ScrubwellContainer"; // tab pages

HINSTANCE ModuleInstance();

// Registers the classes and the common controls once; false when Windows refuses.
bool RegisterWindowClasses();

// Unregisters them again (when the module is unloaded, so that a later load at
// another address does not meet classes whose procedures are gone).
void UnregisterWindowClasses();

} // namespace scrubwell::windowing
