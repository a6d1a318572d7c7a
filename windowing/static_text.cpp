#include "windowing/static_text.h"

namespace scrubwell::windowing {

void StaticText::SetUp(HWND window, const LayoutItem& item)
{
    if (item.bounds.width)
        return;
    char text[64];
    const int length = GetWindowTextA(window, text, sizeof text);
    HDC dc = GetDC(window);
    const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)));
    SIZE extent {};
    GetTextExtentPoint32A(dc, text, length, &extent);
    SelectObject(dc, old);
    ReleaseDC(window, dc);
    SetWindowPos(window, nullptr, 0, 0, extent.cx, extent.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace scrubwell::windowing
