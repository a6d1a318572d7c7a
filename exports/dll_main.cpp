// The library's entry point: nothing happens at load; at unload the window
// classes go, so that a later load at another address registers them afresh.
#include <windows.h>

#include "windowing/window_classes.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved)
{
    if (reason == DLL_PROCESS_DETACH && reserved == nullptr)
        scrubwell::windowing::UnregisterWindowClasses();
    return TRUE;
}
