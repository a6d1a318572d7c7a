#include "windowing/static_text.h"

namespace scrubwell::windowing {

void StaticText::FitToText() const
{
    const std::string text = Text();
    HDC dc = GetDC(handle_);
    const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(handle_, WM_GETFONT, 0, 0)));
    SIZE extent {};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    SelectObject(dc, old);
    ReleaseDC(handle_, dc);
    SetWindowPos(handle_, nullptr, 0, 0, extent.cx, extent.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace scrubwell::windowing
