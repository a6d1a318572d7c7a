// The main dialog's window and every control at its designed place and size.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <vector>

#include "tests/windows/dialog_driver.h"

#include <commctrl.h>

namespace {

struct Placement {
    const char* name;
    std::function<HWND(DialogDriver&)> find;
    int left, top, width, height; // width and height 0: sized by its text
};

// A titled group box: the container that holds the framed caption.
HWND Group(DialogDriver& d, const char* caption)
{
    return GetParent(FindChild(d.dialog, "Button", caption));
}

RECT InParent(HWND window)
{
    RECT bounds;
    GetWindowRect(window, &bounds);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&bounds), 2);
    return bounds;
}

std::vector<Placement> Layout()
{
    auto button = [](const char* caption) { return [caption](DialogDriver& d) { return d.Button(caption); }; };
    auto label
        = [](const char* text) { return [text](DialogDriver& d) { return FindChild(d.dialog, "Static", text); }; };
    auto slider = [](int page) { return [page](DialogDriver& d) { return d.Slider(page); }; };
    auto sliderBox = [](int page) { return [page](DialogDriver& d) { return GetParent(d.Slider(page)); }; };
    auto readout = [](int page) { return [page](DialogDriver& d) { return d.Readout(page); }; };
    auto bevel = [](int n) { return [n](DialogDriver& d) { return ChildrenOfClass(d.dialog, "ScrubwellBevel")[n]; }; };
    auto more = [](int page) {
        return [page](DialogDriver& d) { return FindChild(GetParent(d.Slider(page)), "Static", "More"); };
    };
    auto less = [](int page) {
        return [page](DialogDriver& d) { return FindChild(GetParent(d.Slider(page)), "Static", "Less"); };
    };
    return {
        { "EffectsPageControl", [](DialogDriver& d) { return d.Tabs(); }, 4, 3, 534, 313 },
        { "Bevel1", bevel(0), 93, 10, 430, 247 },
        { "Label5", label("Pop and Click Removal"), 100, 13, 419, 25 },
        { "POPClicksLabel", label("Use this if there are large pops or clicks in your recording."), 100, 48, 413, 40 },
        { "Label4", label("Try different settings until you get the best one for your file."), 100, 170, 413, 47 },
        { "POPClickGroupBox", sliderBox(0), 3, 4, 85, 165 },
        { "POPClickMoreLabel", more(0), 27, 15, 0, 0 },
        { "POPClickWeakerLabel", less(0), 27, 121, 0, 0 },
        { "POPClickThresholdBox", readout(0), 7, 139, 68, 17 },
        { "POPClickTrackBar", slider(0), 29, 32, 26, 90 },
        { "Bevel2", bevel(1), 93, 10, 430, 174 },
        { "Label1", label("Eliminate Hum"), 100, 13, 413, 21 },
        { "Label6", label("Low pitched hum can come from the power supply."), 100, 54, 413, 33 },
        { "HumGroupBox", sliderBox(1), 3, 4, 85, 165 },
        { "HumBandWidthBox", readout(1), 7, 139, 68, 17 },
        { "HumTrackBar", slider(1), 29, 32, 26, 90 },
        { "HumOptions", [](DialogDriver& d) { return Group(d, "[ &Frequency ]"); }, 93, 185, 431, 74 },
        { "MainsPowerRadioButton", button("50 Hz Mains Power (&Europe and Asia)"), 6, 46, 395, 17 },
        { "HouseCurrentRadioButton", button("60 Hz House Current (&North America)"), 6, 21, 395, 17 },
        { "Bevel3", bevel(2), 93, 10, 430, 251 },
        { "Label2", label("Reduce Hiss"), 100, 14, 415, 25 },
        { "HissGroupBox", sliderBox(2), 3, 4, 85, 165 },
        { "HissDBBox", readout(2), 7, 139, 68, 17 },
        { "HissTrackBar", slider(2), 29, 32, 26, 90 },
        { "Bevel4", bevel(3), 155, 10, 367, 247 },
        { "Label15", label("Noise Gate"), 162, 14, 350, 19 },
        { "Label13", label("You control the amount of sound to be removed by moving the slider at the left. "), 162,
            116, 354, 40 },
        { "GroupBox1", [](DialogDriver& d) { return Group(d, "[ Amount of Reduction ]"); }, 2, 4, 151, 138 },
        { "Label9", more(3), 53, 13, 0, 0 },
        { "Label11", less(3), 53, 112, 0, 0 },
        { "NoiseThresholdStaticText", readout(3), 6, 77, 39, 17 },
        { "NoiseThresholdTrackBar", slider(3), 56, 29, 26, 83 },
        { "CancelButton", button("Cancel"), 210, 416, 120, 24 },
        { "OKButton", button("&Start Processing"), 85, 416, 120, 24 },
        { "StereoOptionsPanel", [](DialogDriver& d) { return GetParent(Group(d, "[ Stereo &Options ]")); }, 4, 319, 534,
            94 },
        { "StereoOptionsGroupBox", [](DialogDriver& d) { return Group(d, "[ Stereo &Options ]"); }, 317, 2, 213, 85 },
        { "LeftChannelRadioButton", button("Apply to &Left Channel Only"), 3, 41, 207, 17 },
        { "RightChannelRadioButton", button("Apply to &Right Channel Only"), 3, 62, 206, 17 },
        { "BothChannelsRadioButton", button("Apply to &Both Channels"), 3, 20, 206, 17 },
        { "EffectOptionGroupBox", [](DialogDriver& d) { return Group(d, "[ E&ffect Options ]"); }, 3, 2, 313, 85 },
        { "RemovePOPClicksCheckBox", button("Remove &Pops and Clicks"), 4, 21, 186, 17 },
        { "EliminateHumCheckBox", button("Eliminate H&um"), 192, 23, 116, 17 },
        { "ReduceHissCheckBox", button("Reduce H&iss"), 192, 60, 115, 17 },
        { "NoiseReductionCheckBox", button("&Noise Gate"), 5, 57, 158, 17 },
        { "HelpButton", button("&Help"), 334, 416, 120, 24 },
    };
}

LOGFONTA FontOf(HWND window)
{
    LOGFONTA font {};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font;
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

TEST_F(DialogLayoutTest, EveryControlStandsWhereTheLayoutPutsIt)
{
    RunDialog(plugin, host, block, [](DialogDriver& d) {
        for (const Placement& p : Layout()) {
            const HWND window = p.find(d);
            ASSERT_TRUE(window) << p.name << " not found";
            const RECT r = InParent(window);
            EXPECT_EQ(p.left, r.left) << p.name;
            EXPECT_EQ(p.top, r.top) << p.name;
            if (p.width) {
                EXPECT_EQ(p.width, r.right - r.left) << p.name;
                EXPECT_EQ(p.height, r.bottom - r.top) << p.name;
            } else {
                EXPECT_GT(r.right - r.left, 10) << p.name << " sized to its text";
            }
        }
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
        ASSERT_TRUE(DialogDriver::WaitUntil([&] {
            shown = PixelsOf(d.dialog, heading);
            return std::count(shown.begin(), shown.end(), face) < static_cast<ptrdiff_t>(shown.size());
        })) << "the heading's text is on the screen";
        RedrawWindow(d.Tabs(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        EXPECT_TRUE(DialogDriver::WaitUntil([&] { return !GetUpdateRect(d.Tabs(), nullptr, FALSE); }));
        EXPECT_TRUE(shown == PixelsOf(d.dialog, heading)) << "the heading is painted over";
        d.Click(d.Button("Cancel"));
    });
}

TEST_F(DialogLayoutTest, FontsAreSansSerifAtTheirPixelHeights)
{
    RunDialog(plugin, host, block, [](DialogDriver& d) {
        const LOGFONTA heading = FontOf(FindChild(d.dialog, "Static", "Pop and Click Removal"));
        EXPECT_STREQ("MS Sans Serif", heading.lfFaceName);
        EXPECT_EQ(-13, heading.lfHeight);
        EXPECT_EQ(FW_BOLD, heading.lfWeight);
        const LOGFONTA body = FontOf(FindChild(d.dialog, "Static", "Low pitched hum can come from the power supply."));
        EXPECT_EQ(-13, body.lfHeight);
        EXPECT_EQ(FW_NORMAL, body.lfWeight);
        EXPECT_EQ(FIXED_PITCH, body.lfPitchAndFamily & 3);
        const LOGFONTA form = FontOf(d.Button("&Start Processing"));
        EXPECT_STREQ("MS Sans Serif", form.lfFaceName);
        EXPECT_EQ(-11, form.lfHeight);
        EXPECT_EQ(FW_BOLD, FontOf(FindChild(d.dialog, "Static", "Noise Gate")).lfWeight);
        EXPECT_EQ(-11,
            FontOf(FindChild(d.dialog, "Static",
                       "You control the amount of sound to be removed by moving the "
                       "slider at the left. "))
                .lfHeight);
        EXPECT_EQ(-11, FontOf(FindChild(GetParent(d.Slider(0)), "Static", "More")).lfHeight);
        d.Click(d.Button("Cancel"));
    });
}

TEST_F(DialogLayoutTest, SlidersAreVerticalWithoutTicksWithAFixedThumb)
{
    RunDialog(plugin, host, block, [](DialogDriver& d) {
        const int maxima[] = { 20, 4, 100, 100 };
        for (int page = 0; page < 4; ++page) {
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
