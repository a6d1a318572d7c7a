// The pages of a form's tab controls: a tab control's pages are its page rows
// in plan order, as its tabs are. A page's windows are made at its first
// showing; the form's record of windows by row is the one record of which
// window is which page.
#include "windowing/form.h"
#include "windowing/tab_control.h"

namespace scrubwell::windowing {

int Form::PageRow(int tabsRow, int index) const
{
    for (int i = 0; i < plan_.count; ++i) {
        const int row = plan_.rows[i].row;
        if (rows_[row].kind == Kind::kPage && rows_[row].parent == tabsRow && index-- == 0)
            return row;
    }
    return -1;
}

bool Form::PreparePage(int tabsRow, int index)
{
    const int row = PageRow(tabsRow, index);
    if (row < 0 || windows_[row])
        return true;
    if (MakeRows(row) && PageCreated(row))
        return true;
    HandlerFailed();
    return false;
}

bool Form::PrepareSelectedPages()
{
    for (int row = 0; row < rowCount_; ++row)
        if (rows_[row].kind == Kind::kTabControl && windows_[row]
            && !PreparePage(row, TabControl(windows_[row]).SelectedTab()))
            return false;
    return true;
}

bool Form::ShowPage(int tabsRow, int index)
{
    if (!PreparePage(tabsRow, index))
        return false;
    TabControl(windows_[tabsRow]).SelectTab(index);
    ShowSelectedPage(tabsRow);
    return true;
}

void Form::ShowSelectedPage(int tabsRow) const
{
    const TabControl tabs(windows_[tabsRow]);
    const int selected = tabs.SelectedTab();
    const HWND focus = GetFocus();
    HWND shown = nullptr;
    for (int index = 0, row; (row = PageRow(tabsRow, index)) >= 0; ++index) {
        const HWND page = windows_[row];
        if (index == selected)
            shown = page;
        if (index == selected || !page)
            continue; // the selected page, or one not made yet
        // A hidden page must not keep the focus: give it to the strip.
        if (focus && (focus == page || IsChild(page, focus)))
            SetFocus(tabs.Handle());
        ShowWindow(page, SW_HIDE);
    }
    if (shown)
        ShowWindow(shown, SW_SHOWNA);
}

} // namespace scrubwell::windowing
