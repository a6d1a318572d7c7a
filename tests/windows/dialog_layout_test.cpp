// The main dialog's window and every control at its designed place and size.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "tests/windows/dialog_driver.h"
#include "tests/windows/layout_check.h"

#include <commctrl.h>

namespace {

// The dialog as designed. Places are in the client area of the window that
// holds the control, the dialog or a page. What lies in a group box or the
// (drawn) panel is placed relative to that frame: its corner is added, "3 + 27".
// "More" and "Less" fit their text (24 and 22 wide as designed). Tab: the
// order among the holder's windows, each frame's contents following it.
enum Holder { kDialog, kPops, kHum, kHiss, kGate };
constexpr FontLook kHeadingFont { "MS Sans Serif", 13, true, false }, kBodyFont { "MS Sans Serif", 13, false, true };
constexpr const FontLook *kForm = &kFormFont, *kBold = &kHeadingFont, *kBody = &kBodyFont;

// clang-format off
const DesignedWindow kDesign[] = {
    { kDialog, kTabStrip, 4, 3, 534, 313, "", kForm, 0 },
    { kPops, kHeading, 100, 13, 419, 25, "Pop and Click Removal", kBold, -1 },
    { kPops, kLabel, 100, 48, 413, 40, "Use this if there are large pops or clicks in your recording.", kBody, -1 },
    { kPops, kLabel, 100, 94, 413, 65, "Higher slider settings will remove more pops and clicks, but they may remove "
        "more of the sound you want to keep.", kBody, -1 },
    { kPops, kLabel, 100, 170, 413, 47, "Try different settings until you get the best one for your file.", kBody, -1 },
    { kPops, kGroupBox, 3, 4, 85, 165, "", kForm, 0 },
    { kPops, kLabel, 3 + 27, 4 + 15, 0, 13, "More", kForm, -1 },
    { kPops, kLabel, 3 + 27, 4 + 121, 0, 13, "Less", kForm, -1 },
    { kPops, kReadout, 3 + 7, 4 + 139, 68, 17, nullptr, kForm, 2 },
    { kPops, kSlider, 3 + 29, 4 + 32, 26, 90, "", nullptr, 1 },
    { kHum, kHeading, 100, 13, 413, 21, "Eliminate Hum", kBold, -1 },
    { kHum, kLabel, 100, 54, 413, 33, "Low pitched hum can come from the power supply.", kBody, -1 },
    { kHum, kLabel, 100, 97, 413, 67, "The slider controls how many frequencies are removed, so start with it on the "
        "bottom and move it up until you find a setting that removes all of the hum.", kBody, -1 },
    { kHum, kGroupBox, 3, 4, 85, 165, "", kForm, 0 },
    { kHum, kLabel, 3 + 27, 4 + 15, 0, 13, "More", kForm, -1 },
    { kHum, kLabel, 3 + 27, 4 + 121, 0, 13, "Less", kForm, -1 },
    { kHum, kReadout, 3 + 7, 4 + 139, 68, 17, nullptr, kForm, 2 },
    { kHum, kSlider, 3 + 29, 4 + 32, 26, 90, "", nullptr, 1 },
    { kHum, kGroupBox, 93, 185, 431, 74, "[ &Frequency ]", kForm, 3 },
    { kHum, kRadio, 93 + 6, 185 + 46, 395, 17, "50 Hz Mains Power (&Europe and Asia)", kForm, 5 },
    { kHum, kRadio, 93 + 6, 185 + 21, 395, 17, "60 Hz House Current (&North America)", kForm, 4 },
    { kHiss, kHeading, 100, 14, 415, 25, "Reduce Hiss", kBold, -1 },
    { kHiss, kLabel, 100, 55, 415, 72, "This will reduce unwanted tape hiss or other high pitch noise in your "
        "recording by applying equalization to the highest bands.", kBody, -1 },
    { kHiss, kLabel, 100, 141, 415, 60, "Try it first with the slider near the bottom, and move it up until you find "
        "the best sound.", kBody, -1 },
    { kHiss, kGroupBox, 3, 4, 85, 165, "", kForm, 0 },
    { kHiss, kLabel, 3 + 27, 4 + 15, 0, 13, "More", kForm, -1 },
    { kHiss, kLabel, 3 + 27, 4 + 121, 0, 13, "Less", kForm, -1 },
    { kHiss, kReadout, 3 + 7, 4 + 139, 68, 17, nullptr, kForm, 2 },
    { kHiss, kSlider, 3 + 29, 4 + 32, 26, 90, "", nullptr, 1 },
    { kGate, kLabel, 162, 54, 354, 67, "A Noise Gate is a special kind of filter that measures the level of each "
        "frequency within the sound, and reduces the ones that are likely to be noise.", kForm, -1 },
    { kGate, kLabel, 162, 116, 354, 40, "You control the amount of sound to be removed by moving the slider at the "
        "left. ", kForm, -1 },
    { kGate, kHeading, 162, 14, 350, 19, "Noise Gate", kBold, -1 },
    { kGate, kLabel, 162, 159, 354, 72, "At the higher settings it will remove more sound, but it's likely that most "
        "of the sound it removes will be noise.  At the lower settings it will remove less sound, leaving more of "
        "the original sound.", kForm, -1 },
    { kGate, kGroupBox, 2, 4, 151, 138, "[ Amount of Reduction ]", kForm, 0 },
    { kGate, kLabel, 2 + 53, 4 + 13, 0, 13, "More", kForm, -1 },
    { kGate, kLabel, 2 + 53, 4 + 112, 0, 13, "Less", kForm, -1 },
    { kGate, kReadout, 2 + 6, 4 + 77, 39, 17, nullptr, kForm, 2 },
    { kGate, kSlider, 2 + 56, 4 + 29, 26, 83, "", nullptr, 1 },
    { kDialog, kPushButton, 210, 416, 120, 24, "Cancel", kForm, 11 },
    { kDialog, kDefaultButton, 85, 416, 120, 24, "&Start Processing", kForm, 10 },
    { kDialog, kGroupBox, 4 + 317, 319 + 2, 213, 85, "[ Stereo &Options ]", kForm, 6 },
    { kDialog, kRadio, 4 + 317 + 3, 319 + 2 + 41, 207, 17, "Apply to &Left Channel Only", kForm, 8 },
    { kDialog, kRadio, 4 + 317 + 3, 319 + 2 + 62, 206, 17, "Apply to &Right Channel Only", kForm, 9 },
    { kDialog, kRadio, 4 + 317 + 3, 319 + 2 + 20, 206, 17, "Apply to &Both Channels", kForm, 7 },
    { kDialog, kGroupBox, 4 + 3, 319 + 2, 313, 85, "[ E&ffect Options ]", kForm, 1 },
    { kDialog, kCheckBoxStop, 4 + 3 + 4, 319 + 2 + 21, 186, 17, "Remove &Pops and Clicks", kForm, 2 },
    { kDialog, kCheckBox, 4 + 3 + 192, 319 + 2 + 23, 116, 17, "Eliminate H&um", kForm, 3 },
    { kDialog, kCheckBox, 4 + 3 + 192, 319 + 2 + 60, 115, 17, "Reduce H&iss", kForm, 5 },
    { kDialog, kCheckBox, 4 + 3 + 5, 319 + 2 + 57, 158, 17, "&Noise Gate", kForm, 4 },
    { kDialog, kPushButton, 334, 416, 120, 24, "&Help", kForm, 12 },
};
// clang-format on

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
        ExpectWindowsAsDesigned(kDesign, std::size(kDesign), { d.dialog, d.Page(0), d.Page(1), d.Page(2), d.Page(3) });
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

TEST_F(DialogLayoutTest, SlidersHaveAFixedThumbTheirRangeAndSteps)
{
    RunDialog(plugin, host, block, [](DialogDriver& d) {
        const int maxima[] = { 20, 4, 100, 100 };
        for (int page = 0; page < 4; ++page) {
            ASSERT_TRUE(d.GoToPage(page));
            const HWND slider = d.Slider(page);
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
