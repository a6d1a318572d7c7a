// LoadSystemLibrary: a DLL loaded from the system folder and nowhere else.
#pragma once

#include <windows.h>

namespace scrubwell::windowing {

// Loads the named DLL (a bare file name, "oleacc.dll") from the system folder
// only, never from the host application's folder or the current one, where a
// planted file of that name would run its code in the host. 0 on failure.
HMODULE LoadSystemLibrary(const wchar_t* name);

} // namespace scrubwell::windowing
