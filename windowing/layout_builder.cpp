// The layout plan made into windows. A batch of rows is made at once: the
// dialog's own with the form, a page and its rows when the page is first
// shown; each batch once. A tab control gets all its tab items with it, so
// that each page is made once at its final place in the display area.
#include "windowing/accessible_control.h"
#include "windowing/control_kinds.h"
#include "windowing/form.h"
#include "windowing/window_classes.h"

namespace scrubwell::windowing {

bool Form::MakeRows(int batch)
{
    // For each window that holds rows (index 0 the form, row + 1 a page or
    // the tab control): the last row in tab order that has a window in it.
    int lastIn[kMaxRows + 1];
    for (int& last : lastIn)
        last = -1;
    for (int i = 0; i < plan_.count && !creationFailed_; ++i) {
        const PlannedRow& planned = plan_.rows[i];
        const int holder = planned.holder + 1;
        const HWND parent = planned.holder == kOnForm ? handle_ : windows_[planned.holder];
        if (planned.batch == batch && parent && !windows_[planned.row]) {
            if (planned.drawn) {
                creationFailed_ = !decorations_.Add(parent, planned.place, rows_[planned.row].kind);
                continue;
            }
            const HWND window = MakeRow(planned, parent);
            if (!window)
                break;
            // Later rows go to their place in the tab order among those made before.
            const HWND before = lastIn[holder] < 0 ? nullptr : windows_[lastIn[holder]];
            if (GetWindow(window, GW_HWNDPREV) != before)
                SetWindowPos(window, before ? before : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
        if (!planned.drawn && windows_[planned.row])
            lastIn[holder] = planned.row;
    }
    return !creationFailed_;
}

HWND Form::MakeRow(const PlannedRow& planned, HWND parent)
{
    const LayoutItem& item = rows_[planned.row];
    const ControlKind& kind = KindOf(item.kind);
    Rect place = planned.place;
    if (item.kind == Kind::kPage) {
        // The tab items are all there: the display area is final.
        const RECT area = TabControl(parent).PageArea();
        place = Rect { area.left, area.top, area.right - area.left, area.bottom - area.top };
    }
    // No WM_PARENTNOTIFY: nothing here listens for it, and it costs a round
    // trip to the parent at every creation and destruction.
    const HWND window = CreateWindowExA(kind.exStyle | WS_EX_NOPARENTNOTIFY, kind.className,
        item.kind == Kind::kPage ? "" : item.text, StyleOf(item, planned.startsGroup), place.left, place.top,
        place.width, place.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + planned.row)),
        ModuleInstance(), nullptr);
    if (!window) {
        creationFailed_ = true;
        return nullptr;
    }
    windows_[planned.row] = window;
    if (item.kind != Kind::kPage) {
        const HFONT font = fonts_.Get(item.font ? *item.font : formFont_);
        if (!font)
            creationFailed_ = true;
        Control(window).SetFont(font);
    }
    if (kind.role)
        MakeAccessible(window, { kind.role, kind.namedByText && *item.text ? item.text : nullptr });
    if (item.kind == Kind::kTabControl) {
        int count = 0;
        for (int i = 0; i < plan_.count; ++i)
            if (IsPageOf(plan_.rows[i].row, planned.row))
                TabControl(window).InsertTab(count++, rows_[plan_.rows[i].row].text);
    } else if (item.kind == Kind::kPage) {
        TabControl(parent).SetPage(PageIndexOf(planned.row), window);
    }
    kind.setUp(window, item);
    if (ControlState* state = states_[planned.row]) {
        views_[planned.row] = ControlWindow(window, item.kind);
        state->Attach(&views_[planned.row]);
    }
    return window;
}

// A tab control's pages are its page rows in plan order, as its tabs are.
bool Form::IsPageOf(int row, int tabRow) const
{
    return rows_[row].kind == Kind::kPage && rows_[row].parent == tabRow;
}

int Form::PageIndexOf(int pageRow) const
{
    int index = 0;
    for (int i = 0; i < plan_.count && plan_.rows[i].row != pageRow; ++i)
        index += IsPageOf(plan_.rows[i].row, rows_[pageRow].parent);
    return index;
}

bool Form::PreparePage(const TabControl& tabs, int index)
{
    const int tabRow = RowOf(tabs.Handle());
    int row = -1;
    for (int i = 0; i < plan_.count && row < 0; ++i)
        if (IsPageOf(plan_.rows[i].row, tabRow) && index-- == 0)
            row = plan_.rows[i].row;
    if (row < 0 || (pagesMade_ >> row & 1))
        return true;
    pagesMade_ |= 1ull << row;
    if (MakeRows(row) && PageCreated(row))
        return true;
    HandlerFailed();
    return false;
}

bool Form::PrepareActivePages()
{
    for (int row = 0; row < rowCount_; ++row) {
        if (rows_[row].kind != Kind::kTabControl || !windows_[row])
            continue;
        const TabControl tabs(windows_[row]);
        if (!PreparePage(tabs, tabs.ActivePageIndex()))
            return false;
    }
    return true;
}

bool Form::ShowPage(const TabControl& tabs, int index)
{
    if (!PreparePage(tabs, index))
        return false;
    tabs.SelectPage(index);
    return true;
}

} // namespace scrubwell::windowing
