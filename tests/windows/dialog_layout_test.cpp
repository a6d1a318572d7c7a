// The main dialog's window and every control at its designed place and size.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "dialogs/scrubwell_ui_layout.h"
#include "tests/windows/dialog_driver.h"

#include <commctrl.h>

namespace {

using scrubwell::windowing::Kind;
using scrubwell::windowing::kNoTab;
using scrubwell::windowing::kOnForm;
using scrubwell::windowing::LayoutItem;
namespace main_layout = scrubwell::main_layout;

RECT InParent(HWND window)
{
    RECT bounds;
    GetWindowRect(window, &bounds);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&bounds), 2);
    return bounds;
}

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

LOGFONTA FontOf(HWND window)
{
    LOGFONTA font {};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font;
}

// Finds each row's window among root's (of its kind's class and text, at its
// designed place) and checks its size, style and font; returns the windows by
// row, 0 for rows that have none.
std::vector<HWND> MatchRows(const LayoutItem* rows, int count, HWND root, HWND tabs)
{
    std::vector<HWND> windows(static_cast<size_t>(count));
    for (int row = 0; row < count; ++row) {
        const LayoutItem& item = rows[row];
        // Pages are the tab control's items; panels and bevels are drawn.
        const char* className = scrubwell::windowing::WindowClassOf(item.kind);
        if (!className || item.kind == Kind::kPage)
            continue;
        SCOPED_TRACE(item.name);
        const POINT corner = DesignedCorner(rows, row, root, tabs);
        // The pages lie on top of one another: a page's rows are looked for on it.
        HWND within = root;
        for (int parent = item.parent; parent != kOnForm; parent = rows[parent].parent)
            if (rows[parent].kind == Kind::kPage) {
                TCITEMA page {};
                page.mask = TCIF_PARAM;
                const auto index
                    = std::count_if(rows, rows + parent, [](const LayoutItem& r) { return r.kind == Kind::kPage; });
                SendMessageA(tabs, TCM_GETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&page));
                within = reinterpret_cast<HWND>(page.lParam);
            }
        for (HWND candidate : ChildrenOfClass(within, className)) {
            RECT r;
            GetWindowRect(candidate, &r);
            // A readout's text is the tool's value, not the designed one.
            if (r.left == corner.x && r.top == corner.y
                && (item.kind == Kind::kReadout || DialogDriver::Text(candidate) == item.text)) {
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
        EXPECT_EQ(item.style, static_cast<DWORD>(style) & item.style);
        EXPECT_EQ(item.kind != Kind::kReadout, (style & WS_VISIBLE) != 0);
        if (item.kind == Kind::kTrackBar)
            continue; // shows no text
        const LOGFONTA font = FontOf(window);
        EXPECT_STREQ(item.font ? item.font->face : "MS Sans Serif", font.lfFaceName);
        EXPECT_EQ(item.font ? -item.font->height : -11, font.lfHeight);
        EXPECT_EQ(item.font && item.font->bold ? FW_BOLD : FW_NORMAL, font.lfWeight);
    }
    return windows;
}

// The tab order as designed: among the children of one parent, those with a
// tab order follow it; and what lies inside a group box follows its frame,
// before anything else.
void ExpectTabOrder(const LayoutItem* rows, int count, const std::vector<HWND>& windows, HWND root)
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

class DialogLayoutTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(plugin.Loaded());
        std::memset(&block, 0, sizeof block);
    }
    PluginLibrary plugin { "TidwexUI.dll" };
    TestHost host;
    TEffectParamBlock block;
};

TEST_F(DialogLayoutTest, WindowIsAFixedCentredDialogWithACloseBoxOnly)
{
    RunDialog(plugin, host, block, [](DialogDriver& d) {
        EXPECT_EQ("Kestrune Scrubwell", DialogDriver::Text(d.dialog));
        RECT client;
        GetClientRect(d.dialog, &client);
        EXPECT_EQ(540, client.right);
        EXPECT_EQ(443, client.bottom);
        const LONG style = GetWindowLongA(d.dialog, GWL_STYLE);
        EXPECT_TRUE(style & WS_SYSMENU);
        EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
        EXPECT_FALSE(GetWindowLongA(d.dialog, GWL_EXSTYLE) & WS_EX_CONTEXTHELP);
        EXPECT_EQ(d.host, GetWindow(d.dialog, GW_OWNER));
        RECT frame;
        GetWindowRect(d.dialog, &frame);
        EXPECT_NEAR(GetSystemMetrics(SM_CXSCREEN) / 2, (frame.left + frame.right) / 2, 1);
        EXPECT_NEAR(GetSystemMetrics(SM_CYSCREEN) / 2, (frame.top + frame.bottom) / 2, 1);
        d.Click(d.Button("Cancel"));
    });
}

TEST_F(DialogLayoutTest, EveryControlStandsWhereTheLayoutPutsItInTabOrder)
{
    RunDialog(plugin, host, block, [](DialogDriver& d) {
        ASSERT_TRUE(d.ShowEveryPage());
        const std::vector<HWND> windows = MatchRows(main_layout::kRows, main_layout::kRowCount, d.dialog, d.Tabs());
        ExpectTabOrder(main_layout::kRows, main_layout::kRowCount, windows, d.dialog);
        d.Click(d.Button("Cancel"));
    });
}

TEST_F(DialogLayoutTest, PagesAreMadeWhenFirstShown)
{
    RunDialog(plugin, host, block, [](DialogDriver& d) {
        EXPECT_TRUE(d.Slider(0));
        EXPECT_FALSE(GetWindow(d.Page(2), GW_CHILD));
        ASSERT_TRUE(d.GoToPage(2));
        EXPECT_TRUE(d.Slider(2));
        EXPECT_FALSE(GetWindow(d.Page(3), GW_CHILD));
        d.Click(d.Button("Cancel"));
    });
}

TEST_F(DialogLayoutTest, PagesFillTheTabControlsDisplayArea)
{
    RunDialog(plugin, host, block, [](DialogDriver& d) {
        RECT area;
        GetClientRect(d.Tabs(), &area);
        SendMessageA(d.Tabs(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
        const char* captions[] = { "Remove Pops and Clicks Settings", "Eliminate Hum Settings", "Reduce Hiss Settings",
            "Noise Gate Settings" };
        for (int i = 0; i < 4; ++i) {
            char text[64] = {};
            TCITEMA item {};
            item.mask = TCIF_TEXT;
            item.pszText = text;
            item.cchTextMax = sizeof text;
            SendMessageA(d.Tabs(), TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
            EXPECT_STREQ(captions[i], text);
            EXPECT_EQ(d.Tabs(), GetParent(d.Page(i))) << i;
            const RECT page = InParent(d.Page(i));
            EXPECT_EQ(area.left, page.left) << i;
            EXPECT_EQ(area.top, page.top) << i;
            EXPECT_EQ(area.right, page.right) << i;
            EXPECT_EQ(area.bottom, page.bottom) << i;
            EXPECT_EQ(i == 0, IsWindowVisible(d.Page(i)) != FALSE) << i;
        }
        d.Click(d.Button("Cancel"));
    });
}

// The pixels the dialog shows where window is, read back from the dialog's
// window.
std::vector<COLORREF> PixelsOf(HWND dialog, HWND window)
{
    RECT bounds;
    GetWindowRect(window, &bounds);
    MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&bounds), 2);
    std::vector<COLORREF> pixels;
    const HDC dc = GetDC(dialog);
    for (int y = bounds.top; y < bounds.bottom; ++y)
        for (int x = bounds.left; x < bounds.right; ++x)
            pixels.push_back(GetPixel(dc, x, y));
    ReleaseDC(dialog, dc);
    return pixels;
}

TEST_F(DialogLayoutTest, ARepaintOfTheTabControlAloneLeavesThePageShowing)
{
    RunDialog(plugin, host, block, [](DialogDriver& d) {
        const HWND heading = FindChild(d.dialog, "Static", "Pop and Click Removal");
        const COLORREF face = GetSysColor(COLOR_BTNFACE);
        std::vector<COLORREF> shown;
        // Once the dialog has painted everything it had to.
        ASSERT_TRUE(DialogDriver::WaitUntil([&] {
            for (HWND window : { d.dialog, d.Tabs(), d.Page(0), heading })
                if (GetUpdateRect(window, nullptr, FALSE))
                    return false;
            shown = PixelsOf(d.dialog, heading);
            return std::count(shown.begin(), shown.end(), face) < static_cast<ptrdiff_t>(shown.size());
        })) << "the heading's text is on the screen";
        RedrawWindow(d.Tabs(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        EXPECT_TRUE(DialogDriver::WaitUntil([&] { return !GetUpdateRect(d.Tabs(), nullptr, FALSE); }));
        // A page painted over stays so: nothing repaints it until the page changes.
        EXPECT_TRUE(DialogDriver::WaitUntil([&] { return shown == PixelsOf(d.dialog, heading); }))
            << "the heading is painted over";
        d.Click(d.Button("Cancel"));
    });
}

TEST_F(DialogLayoutTest, SlidersAreVerticalWithoutTicksWithAFixedThumb)
{
    RunDialog(plugin, host, block, [](DialogDriver& d) {
        const int maxima[] = { 20, 4, 100, 100 };
        for (int page = 0; page < 4; ++page) {
            ASSERT_TRUE(d.GoToPage(page));
            const HWND slider = d.Slider(page);
            const LONG style = GetWindowLongA(slider, GWL_STYLE);
            EXPECT_TRUE(style & TBS_VERT) << page;
            EXPECT_TRUE(style & TBS_NOTICKS) << page;
            EXPECT_TRUE(style & TBS_FIXEDLENGTH) << page;
            EXPECT_EQ(20, SendMessageA(slider, TBM_GETTHUMBLENGTH, 0, 0)) << page;
            EXPECT_EQ(0, SendMessageA(slider, TBM_GETRANGEMIN, 0, 0)) << page;
            EXPECT_EQ(maxima[page], SendMessageA(slider, TBM_GETRANGEMAX, 0, 0)) << page;
            EXPECT_EQ(1, SendMessageA(slider, TBM_GETLINESIZE, 0, 0)) << page;
            EXPECT_EQ(2, SendMessageA(slider, TBM_GETPAGESIZE, 0, 0)) << page;
        }
        d.Click(d.Button("Cancel"));
    });
}

} // namespace
