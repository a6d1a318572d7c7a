#include "tests/windows/layout_check.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/windows/dialog_driver.h"
#include "windowing/control_kinds.h"

#include <commctrl.h>

using scrubwell::windowing::Kind;
using scrubwell::windowing::kNoTab;
using scrubwell::windowing::kOnForm;
using scrubwell::windowing::LayoutItem;

namespace {

// Where a row's top left corner lies on the screen as designed: the places of
// its parents added up from the dialog's client area, a page's from its tab
// control's display area.
POINT DesignedCorner(const LayoutItem* rows, int row, HWND dialog, HWND tabs)
{
    POINT corner { 0, 0 };
    for (; row != kOnForm; row = rows[row].parent) {
        RECT area { 0, 0, 0, 0 };
        if (rows[row].kind == Kind::kPage) {
            GetClientRect(tabs, &area);
            SendMessageA(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
        }
        corner.x += rows[row].bounds.left + area.left;
        corner.y += rows[row].bounds.top + area.top;
    }
    ClientToScreen(dialog, &corner);
    return corner;
}

} // namespace

std::vector<HWND> MatchLayout(
    const LayoutItem* rows, int count, HWND root, HWND tabs, std::initializer_list<int> replacedTexts)
{
    std::vector<HWND> windows(static_cast<size_t>(count));
    for (int row = 0; row < count; ++row) {
        const LayoutItem& item = rows[row];
        // Pages are the tab control's items; panels and bevels are drawn.
        const char* className = scrubwell::windowing::KindOf(item.kind).className;
        if (!className || item.kind == Kind::kPage)
            continue;
        SCOPED_TRACE(item.name);
        const POINT corner = DesignedCorner(rows, row, root, tabs);
        // The pages lie on top of one another: a page's rows are looked for on it.
        HWND within = root;
        for (int parent = item.parent; parent != kOnForm; parent = rows[parent].parent)
            if (rows[parent].kind == Kind::kPage)
                within = PageOfTab(tabs, static_cast<int>(std::count_if(rows, rows + parent, [](const LayoutItem& r) {
                    return r.kind == Kind::kPage;
                })));
        for (HWND candidate : ChildrenOfClass(within, className)) {
            RECT r;
            GetWindowRect(candidate, &r);
            // A readout's text is the tool's value, a text box's the help's.
            const bool textAsDesigned = item.kind == Kind::kReadout || item.kind == Kind::kTextBox
                || std::count(replacedTexts.begin(), replacedTexts.end(), row)
                || DialogDriver::Text(candidate) == item.text;
            if (r.left == corner.x && r.top == corner.y && textAsDesigned
                && std::find(windows.begin(), windows.end(), candidate) == windows.end()) {
                windows[static_cast<size_t>(row)] = candidate;
                break;
            }
        }
        const HWND window = windows[static_cast<size_t>(row)];
        if (!window) {
            ADD_FAILURE() << "no window at its place";
            continue;
        }
        RECT r;
        GetWindowRect(window, &r);
        if (item.bounds.width) {
            EXPECT_EQ(item.bounds.width, r.right - r.left);
            EXPECT_EQ(item.bounds.height, r.bottom - r.top);
        } else {
            EXPECT_GT(r.right - r.left, 10) << "sized to its text";
        }
        const LONG style = GetWindowLongA(window, GWL_STYLE);
        const DWORD extra = scrubwell::windowing::ExtraStyleOf(item);
        EXPECT_EQ(extra, static_cast<DWORD>(style) & extra);
        if (item.kind != Kind::kTextBox) { // the help shows one of its texts at a time
            EXPECT_EQ(item.kind != Kind::kReadout, (style & WS_VISIBLE) != 0);
        }
        if (item.kind == Kind::kTrackBar)
            continue; // shows no text
        LOGFONTA font {};
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)), sizeof font, &font);
        EXPECT_STREQ(item.font ? item.font->face : "MS Sans Serif", font.lfFaceName);
        EXPECT_EQ(item.font ? -item.font->height : -11, font.lfHeight);
        EXPECT_EQ(item.font && item.font->bold ? FW_BOLD : FW_NORMAL, font.lfWeight);
    }
    return windows;
}

void ExpectLayoutTabOrder(const LayoutItem* rows, int count, const std::vector<HWND>& windows, HWND root)
{
    const std::vector<HWND> walk = ChildrenOfClass(root, nullptr);
    auto place = [&](int row) {
        return std::find(walk.begin(), walk.end(), windows[static_cast<size_t>(row)]) - walk.begin();
    };
    for (int a = 0; a < count; ++a) {
        if (!windows[static_cast<size_t>(a)])
            continue;
        for (int b = 0; b < count; ++b) {
            if (!windows[static_cast<size_t>(b)] || rows[a].parent != rows[b].parent)
                continue;
            if (rows[a].tab != kNoTab && rows[b].tab != kNoTab && rows[a].tab < rows[b].tab) {
                EXPECT_LT(place(a), place(b)) << rows[a].name << " before " << rows[b].name;
            }
        }
        if (rows[a].kind != Kind::kGroupBox)
            continue;
        int inside = 0;
        for (int b = 0; b < count; ++b)
            inside += rows[b].parent == a && windows[static_cast<size_t>(b)];
        for (int b = 0; b < count; ++b)
            if (rows[b].parent == a && windows[static_cast<size_t>(b)]) {
                EXPECT_GT(place(b), place(a)) << rows[b].name << " after its frame";
                EXPECT_LE(place(b), place(a) + inside) << rows[b].name << " right after its frame";
            }
    }
}

namespace {

RECT ScreenRect(HWND window)
{
    RECT r;
    GetWindowRect(window, &r);
    return r;
}

RECT ClientOnScreen(HWND window)
{
    RECT r;
    GetClientRect(window, &r);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

bool Inside(const RECT& inner, const RECT& outer)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right
        && inner.bottom <= outer.bottom;
}

bool Within(const LayoutItem* rows, int row, int frame)
{
    for (int parent = rows[row].parent; parent != kOnForm; parent = rows[parent].parent)
        if (parent == frame)
            return true;
    return false;
}

} // namespace

void ExpectInsideAndApart(const LayoutItem* rows, int count, const std::vector<HWND>& windows,
    std::initializer_list<std::pair<int, int>> designed)
{
    for (int a = 0; a < count; ++a) {
        const HWND window = windows[static_cast<size_t>(a)];
        if (!window)
            continue;
        EXPECT_TRUE(Inside(ScreenRect(window), ClientOnScreen(GetParent(window))))
            << rows[a].name << " inside its parent's client area";
        for (int b = a + 1; b < count; ++b) {
            const HWND other = windows[static_cast<size_t>(b)];
            if (!other || GetParent(other) != GetParent(window) || Within(rows, a, b) || Within(rows, b, a)
                || std::count(designed.begin(), designed.end(), std::make_pair(a, b)))
                continue;
            RECT overlap;
            const RECT ra = ScreenRect(window), rb = ScreenRect(other);
            EXPECT_FALSE(IntersectRect(&overlap, &ra, &rb)) << rows[a].name << " and " << rows[b].name << " overlap";
        }
    }
}
