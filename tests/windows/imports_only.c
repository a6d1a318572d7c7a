/* A DLL that imports from the system DLLs the library imports from and does
 * nothing: what loading and unloading it costs is the system loader's share,
 * which the library's own loads are measured against. */
#include <windows.h>

#include <commctrl.h>
#include <ntsecapi.h>
#include <stdlib.h>

/* Never called: one function from each system DLL makes the linker import it
 * (kernel32 and msvcrt come with the C runtime's start-up code as well). */
__declspec(dllexport) void ImportEach(void)
{
    INITCOMMONCONTROLSEX controls = { sizeof controls, ICC_BAR_CLASSES };
    char byte;
    InitCommonControlsEx(&controls);
    DeleteObject(GetStockObject(DEFAULT_GUI_FONT));
    GetFocus();
    RtlGenRandom(&byte, 1);
    free(malloc(1));
}
