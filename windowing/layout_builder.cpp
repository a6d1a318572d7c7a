// The layout plan made into windows. A batch of rows is made at once: the
// dialog's own with the form, a page and its rows when the page is first
// shown; each batch once. A tab control gets all its tab items with it, so
// that each page is made once at its final place in the display area.
#include "windowing/accessible_control.h"
#include "windowing/control_kinds.h"
#include "windowing/form.h"
#include "windowing/tab_control.h"
#include "windowing/window_classes.h"

namespace scrubwell::windowing {

bool Form::MakeRows(int batch)
{
    for (int i = 0; i < plan_.count && !creationFailed_; ++i) {
        const PlannedRow& planned = plan_.rows[i];
        const HWND parent = planned.holder == kOnForm ? handle_ : windows_[planned.holder];
        if (planned.batch != batch || !parent || windows_[planned.row])
            continue;
        if (planned.drawn) {
            creationFailed_ = !decorations_.Add(parent, planned.place, rows_[planned.row].kind);
            continue;
        }
        const HWND window = MakeRow(planned, parent);
        if (!window)
            break;
        // Later rows go to their place in the tab order among those made before.
        const HWND before = MadeBefore(planned);
        if (GetWindow(window, GW_HWNDPREV) != before)
            SetWindowPos(window, before ? before : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    return !creationFailed_;
}

HWND Form::MadeBefore(const PlannedRow& planned) const
{
    for (int i = planned.previous; i >= 0; i = plan_.rows[i].previous)
        if (const HWND window = windows_[plan_.rows[i].row])
            return window;
    return nullptr;
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
    if (item.kind == Kind::kTabControl)
        for (int index = 0, page; (page = PageRow(planned.row, index)) >= 0; ++index)
            TabControl(window).InsertTab(index, rows_[page].text);
    kind.setUp(window, item);
    if (ControlState* state = states_[planned.row]) {
        views_[planned.row] = ControlWindow(window, item.kind);
        state->Attach(&views_[planned.row]);
    }
    return window;
}

} // namespace scrubwell::windowing
