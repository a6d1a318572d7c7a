#include "windowing/window_classes.h"

#include <commctrl.h>

#include "windowing/form.h"

namespace scrubwell::windowing {
namespace {

bool registered = false;

// Passes the children's notifications on to the form, which dispatches them.
LRESULT CALLBACK ContainerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_VSCROLL:
    case WM_HSCROLL:
        return SendMessageA(GetAncestor(window, GA_ROOT), message, wParam, lParam);
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        if (const UINT edge = static_cast<UINT>(GetWindowLongPtrA(window, GWLP_USERDATA))) {
            RECT bounds;
            GetClientRect(window, &bounds);
            DrawEdge(dc, &bounds, edge, BF_RECT);
        }
        EndPaint(window, &paint);
        return 0;
    }
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

// A lowered box: it lies below its siblings and clips them out, so it may fill
// its inside without painting over the texts it frames.
LRESULT CALLBACK BevelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCHITTEST:
        return HTTRANSPARENT;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        RECT bounds;
        GetClientRect(window, &bounds);
        FillRect(dc, &bounds, GetSysColorBrush(COLOR_BTNFACE));
        DrawEdge(dc, &bounds, BDR_SUNKENOUTER, BF_RECT);
        EndPaint(window, &paint);
        return 0;
    }
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

bool Register(const char* name, WNDPROC procedure, int extraBytes)
{
    WNDCLASSEXA windowClass {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.cbWndExtra = extraBytes;
    windowClass.hInstance = ModuleInstance();
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = name;
    return RegisterClassExA(&windowClass) || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

void UnregisterAll()
{
    const char* const names[] = { kFormClass, kContainerClass, kBevelClass };
    for (const char* name : names)
        UnregisterClassA(name, ModuleInstance());
}

} // namespace

HINSTANCE ModuleInstance()
{
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        reinterpret_cast<LPCSTR>(&ModuleInstance), &module);
    return module;
}

bool RegisterWindowClasses()
{
    if (registered)
        return true;
    INITCOMMONCONTROLSEX controls { sizeof controls, ICC_BAR_CLASSES | ICC_TAB_CLASSES | ICC_STANDARD_CLASSES };
    InitCommonControlsEx(&controls);
    registered = Register(kFormClass, Form::WindowProcedure, DLGWINDOWEXTRA)
        && Register(kContainerClass, ContainerProc, 0) && Register(kBevelClass, BevelProc, 0);
    if (!registered)
        UnregisterAll(); // none may outlive the module's code
    return registered;
}

void UnregisterWindowClasses()
{
    if (registered)
        UnregisterAll();
    registered = false;
}

void SetContainerEdge(HWND container, UINT edge)
{
    SetWindowLongPtrA(container, GWLP_USERDATA, edge);
}

} // namespace scrubwell::windowing
