#include "windowing/window_classes.h"

#include <commctrl.h>

#include "windowing/accessible_control.h"
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
        const HDC dc = BeginPaint(window, &paint);
        if (const Form* form = Form::OfWindow(GetAncestor(window, GA_ROOT)))
            form->PaintDecorations(window, dc);
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

BOOL CALLBACK DetachChild(HWND child, LPARAM)
{
    ForgetAccessible(child);
    if (GetWindowLongPtrA(child, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(ContainerProc))
        SetWindowLongPtrA(child, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DefWindowProcA));
    return TRUE;
}

void UnregisterAll()
{
    const char* const names[] = { kFormClass, kContainerClass };
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
    registered
        = Register(kFormClass, Form::WindowProcedure, DLGWINDOWEXTRA) && Register(kContainerClass, ContainerProc, 0);
    if (!registered)
        UnregisterAll(); // none may outlive the module's code
    return registered;
}

void DetachFromModule(HWND window)
{
    EnumChildWindows(window, DetachChild, 0);
    ForgetAccessible(window);
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DefDlgProcA));
}

void UnregisterWindowClasses()
{
    if (registered)
        UnregisterAll();
    registered = false;
}

} // namespace scrubwell::windowing
