// The main dialog's window and every control at its designed place and size.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "dialogs/scrubwell_ui_layout.h"
#include "tests/windows/dialog_driver.h"
#include "tests/windows/layout_check.h"

#include <commctrl.h>

namespace {

namespace main_layout = scrubwell::main_layout;

RECT InParent(HWND window)
{
    RECT bounds;
    GetWindowRect(window, &bounds);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&bounds), 2);
    return bounds;
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
        const std::vector<HWND> windows = MatchLayout(main_layout::kRows, main_layout::kRowCount, d.dialog, d.Tabs());
        ExpectLayoutTabOrder(main_layout::kRows, main_layout::kRowCount, windows, d.dialog);
        // The design lets the sliders' lower labels touch them, and two texts of the noise gate.
        using namespace main_layout;
        ExpectInsideAndApart(kRows, kRowCount, windows,
            { { kPOPClickWeakerLabel, kPOPClickTrackBar }, { kHumLessLabel, kHumTrackBar },
                { kHissLessLabel, kHissTrackBar }, { kLabel12, kLabel13 } });
        d.Click(d.Button("Cancel"));
    });
}

TEST_F(DialogLayoutTest, PagesAreMadeWhenFirstShown)
{
    RunDialog(plugin, host, block, [](DialogDriver& d) {
        EXPECT_TRUE(d.Slider(0));
        EXPECT_FALSE(d.Page(2));
        ASSERT_TRUE(d.GoToPage(2));
        EXPECT_TRUE(d.Slider(2));
        EXPECT_FALSE(d.Page(3));
        d.Click(d.Button("Cancel"));
    });
}

TEST_F(DialogLayoutTest, PagesFillTheTabControlsDisplayArea)
{
    RunDialog(plugin, host, block, [](DialogDriver& d) {
        ASSERT_TRUE(d.ShowEveryPage());
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
