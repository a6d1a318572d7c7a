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

// Leaves window and the windows in it with no procedure of this module's, for
// a window that could not be destroyed: from then on the system's default
// procedures answer it, and nothing reaches the module or its state.
void DetachFromModule(HWND window);

// Unregisters them again (when the module is unloaded, so that a later load at
// another address does not meet classes whose procedures are gone).
void UnregisterWindowClasses();

} // namespace scrubwell::windowing
