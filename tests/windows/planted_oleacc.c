/* A stand-in for oleacc.dll, planted in the test host's folder: it leaves a
 * mark in its process's environment when any of its code runs. */
#include <windows.h>

static void Ran(const char* what)
{
    SetEnvironmentVariableA("SCRUBWELL_PLANTED_CODE_RAN", what);
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved)
{
    (void)instance;
    (void)reserved;
    if (reason == DLL_PROCESS_ATTACH)
        Ran("DllMain");
    return TRUE;
}

__declspec(dllexport) HRESULT WINAPI CreateStdAccessibleObject(HWND window, LONG object, REFIID id, void** result)
{
    (void)window;
    (void)object;
    (void)id;
    (void)result;
    Ran("CreateStdAccessibleObject");
    return E_FAIL;
}
