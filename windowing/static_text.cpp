#include "windowing/static_text.h"

namespace scrubwell::windowing {

void StaticText::FitToText() const
{
    char text[64];
    const int length = GetWindowTextA(handle_, text, sizeof text);
    HDC dc = GetDC(handle_);
    const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(handle_, WM_GETFONT, 0, 0)));
    SIZE extent {};
    GetTextExtentPoint32A(dc, text, length, &extent);
    SelectObject(dc, old);
    ReleaseDC(handle_, dc);
    SetWindowPos(handle_, nullptr, 0, 0, extent.cx, extent.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace scrubwell::windowing
