// The window classes of the windowing layer, registered by the module that
// holds this code.
#pragma once

#include <windows.h>

namespace scrubwell::windowing {

inline constexpr char kFormClass[] = "ScrubwellForm"; // dialog windows (DefDlgProc)
inline constexpr char kContainerClass[] = "ScrubwellContainer"; // pages, group boxes, panels
inline constexpr char kBevelClass[] = "ScrubwellBevel"; // lowered boxes drawn behind texts

HINSTANCE ModuleInstance();

// Registers the classes and the common controls once; false when Windows refuses.
bool RegisterWindowClasses();

// Unregisters them again (when the module is unloaded, so that a later load at
// another address does not meet classes whose procedures are gone).
void UnregisterWindowClasses();

// Edge drawn by a container, kept in its GWLP_USERDATA: 0 or EDGE_RAISED and the like.
void SetContainerEdge(HWND container, UINT edge);

} // namespace scrubwell::windowing
