#include "windowing/tab_control.h"

namespace scrubwell::windowing {

int TabControl::TabCount() const
{
    return static_cast<int>(SendMessageA(handle_, TCM_GETITEMCOUNT, 0, 0));
}

int TabControl::SelectedTab() const
{
    return static_cast<int>(SendMessageA(handle_, TCM_GETCURSEL, 0, 0));
}

RECT TabControl::PageArea() const
{
    RECT area {};
    GetClientRect(handle_, &area);
    SendMessageA(handle_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    return area;
}

bool TabControl::Owns(HWND focus) const
{
    if (!focus)
        return false;
    if (focus == handle_)
        return true;
    return IsChild(handle_, focus) != FALSE;
}

void TabControl::InsertTab(int index, const char* caption) const
{
    TCITEMA item {};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(caption);
    SendMessageA(handle_, TCM_INSERTITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

void TabControl::SelectTab(int index) const
{
    SendMessageA(handle_, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
}

} // namespace scrubwell::windowing
