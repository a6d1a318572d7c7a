#include "windowing/tab_control.h"

#include <commctrl.h>

namespace scrubwell::windowing {

int TabControl::PageCount() const
{
    return static_cast<int>(SendMessageA(handle_, TCM_GETITEMCOUNT, 0, 0));
}

int TabControl::ActivePageIndex() const
{
    return static_cast<int>(SendMessageA(handle_, TCM_GETCURSEL, 0, 0));
}

HWND TabControl::Page(int index) const
{
    TCITEMA item {};
    item.mask = TCIF_PARAM;
    if (!SendMessageA(handle_, TCM_GETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)))
        return nullptr;
    return reinterpret_cast<HWND>(item.lParam);
}

RECT TabControl::PageArea() const
{
    RECT area {};
    GetClientRect(handle_, &area);
    SendMessageA(handle_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    return area;
}

void TabControl::InsertTab(int index, const char* caption) const
{
    TCITEMA item {};
    item.mask = TCIF_TEXT | TCIF_PARAM;
    item.pszText = const_cast<char*>(caption);
    SendMessageA(handle_, TCM_INSERTITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

void TabControl::SetPage(int index, HWND page) const
{
    TCITEMA item {};
    item.mask = TCIF_PARAM;
    item.lParam = reinterpret_cast<LPARAM>(page);
    SendMessageA(handle_, TCM_SETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

void TabControl::SelectPage(int index) const
{
    SendMessageA(handle_, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
    ShowActivePage();
}

void TabControl::ShowActivePage() const
{
    const int active = ActivePageIndex();
    const HWND focus = GetFocus();
    for (int i = 0; i < PageCount(); ++i) {
        const HWND page = Page(i);
        if (i == active || !page)
            continue; // the active page, or one not made yet
        // A hidden page must not keep the focus: give it to the strip.
        if (focus && (focus == page || IsChild(page, focus)))
            SetFocus(handle_);
        ShowWindow(page, SW_HIDE);
    }
    if (const HWND page = Page(active))
        ShowWindow(page, SW_SHOWNA);
}

bool TabControl::Owns(HWND focus) const
{
    if (!focus)
        return false;
    if (focus == handle_)
        return true;
    return IsChild(handle_, focus) != FALSE;
}

} // namespace scrubwell::windowing
