// Blocks loaded into the real dialog and stored back: the controls show what
// the block says, and the bytes match the window-less model of the dialog.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

#include "dialogs/dialog_model.h"
#include "tests/windows/dialog_driver.h"

namespace {

using scrubwell::DialogModel;

TEffectParamBlock ZeroBlock()
{
    TEffectParamBlock block;
    std::memset(&block, 0, sizeof block);
    return block;
}

// The block as the library stamps it and the model then loads and, when
// accepted, stores it.
TEffectParamBlock ModelResult(TEffectParamBlock block, uint16_t channels, bool accept)
{
    block.DialogOutcome = 2;
    const TWaveFormat format = MakeWaveFormat(channels);
    std::memcpy(&block.WaveFormat, &format, sizeof format);
    const int32_t header[4] = { 1, 0, 2, 0 };
    std::memcpy(block.BlockHeader, header, sizeof header);
    DialogModel model;
    model.controller.Load(&block);
    if (accept)
        model.controller.OKButtonClick();
    return block;
}

void ExpectSameBytes(const TEffectParamBlock& expected, const TEffectParamBlock& actual, const char* what)
{
    const auto* e = reinterpret_cast<const unsigned char*>(&expected);
    const auto* a = reinterpret_cast<const unsigned char*>(&actual);
    for (size_t i = 0; i < sizeof expected; ++i)
        if (e[i] != a[i]) {
            ADD_FAILURE() << what << ": first difference at byte " << i << ": expected " << int(e[i]) << ", got "
                          << int(a[i]);
            return;
        }
}

struct BlockCase {
    const char* name;
    std::function<void(TEffectParamBlock&)> prepare;
    uint16_t channels;
};

std::vector<BlockCase> Cases()
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    return {
        { "zero block", [](TEffectParamBlock&) {}, 2 },
        { "left word 0x0100", [](TEffectParamBlock& b) { b.LeftOnlyChosen = 0x0100; }, 2 },
        { "left word 2", [](TEffectParamBlock& b) { b.LeftOnlyChosen = 2; }, 2 },
        { "left and right", [](TEffectParamBlock& b) { b.LeftOnlyChosen = b.RightOnlyChosen = 1; }, 2 },
        { "mono, left only", [](TEffectParamBlock& b) { b.LeftOnlyChosen = 1; }, 1 },
        { "no channels, right only", [](TEffectParamBlock& b) { b.RightOnlyChosen = 1; }, 0 },
        { "enable words",
            [](TEffectParamBlock& b) {
                b.PopClickOn = 0xFFFF;
                b.HumOn = 1;
                b.HissOn = 1;
                b.GateOn = 0x0101;
            },
            2 },
        { "hum 50 Hz word at 60 Hz",
            [](TEffectParamBlock& b) {
                b.Hum50Hz = 1;
                b.HumFrequency = 60.0;
            },
            2 },
        { "hum words 0x0100",
            [](TEffectParamBlock& b) {
                b.Hum60Hz = 0x0100;
                b.HumWidthOctaves = 0.25;
            },
            2 },
        { "hum not a number",
            [nan](TEffectParamBlock& b) {
                b.HumFrequency = nan;
                b.HumWidthOctaves = nan;
            },
            2 },
        { "gate valid 256, threshold 250",
            [](TEffectParamBlock& b) {
                b.GateValid = 256;
                b.GateThreshold = 250;
            },
            2 },
        { "gate threshold -5",
            [](TEffectParamBlock& b) {
                b.GateValid = 1;
                b.GateThreshold = -5;
                b.GateBandCount = 7;
            },
            2 },
        { "gate threshold 0",
            [](TEffectParamBlock& b) {
                b.GateValid = 1;
                b.GateThreshold = 0;
            },
            2 },
        { "click thresholds", [](TEffectParamBlock& b) { b.ClickThreshold = 1850; }, 2 },
        { "click out of range", [](TEffectParamBlock& b) { b.ClickThreshold = -1; }, 2 },
        { "hiss -12.345 dB",
            [](TEffectParamBlock& b) {
                b.EqGainDb[9] = -12.345;
                b.EqGainDb[2] = 3.0;
            },
            2 },
        { "hiss -40 dB",
            [](TEffectParamBlock& b) {
                b.EqGainDb[9] = -40.0;
                b.HissOn = 1;
            },
            2 },
        { "hiss not a number", [nan](TEffectParamBlock& b) { b.EqGainDb[9] = nan; }, 2 },
        { "all filled", [](TEffectParamBlock& b) { std::memset(&b, 0x5A, sizeof b); }, 2 },
    };
}

class DialogSettingsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(plugin.Loaded()); }
    PluginLibrary plugin { "TidwexUI.dll" };
    TestHost host;
};

TEST_F(DialogSettingsTest, AcceptedBlocksMatchTheModelByteForByte)
{
    for (const BlockCase& c : Cases()) {
        TEffectParamBlock block = ZeroBlock();
        c.prepare(block);
        const TEffectParamBlock expected = ModelResult(block, c.channels, true);
        const int32_t result = RunDialog(
            plugin, host, block, [](DialogDriver& d) { d.Click(d.Button("&Start Processing")); }, c.channels);
        EXPECT_EQ(0, result) << c.name;
        ExpectSameBytes(expected, block, c.name);
    }
}

TEST_F(DialogSettingsTest, CancelledBlocksKeepOnlyTheLoadTimeWrites)
{
    for (const BlockCase& c : Cases()) {
        TEffectParamBlock block = ZeroBlock();
        c.prepare(block);
        const TEffectParamBlock expected = ModelResult(block, c.channels, false);
        const int32_t result = RunDialog(
            plugin, host, block,
            [](DialogDriver& d) {
                d.SetFocusTo(d.Slider(0));
                d.Keys({ VK_HOME }); // a change that must not be stored
                d.Click(d.Button("Cancel"));
            },
            c.channels);
        EXPECT_EQ(2, result) << c.name;
        ExpectSameBytes(expected, block, c.name);
    }
}

TEST_F(DialogSettingsTest, ZeroBlockOpensWithTheDefaultsShowing)
{
    TEffectParamBlock block = ZeroBlock();
    RunDialog(plugin, host, block, [](DialogDriver& d) {
        EXPECT_EQ(0, d.ActivePage());
        // A page's windows are made with what the load left in them.
        ASSERT_TRUE(d.ShowEveryPage());
        const int positions[] = { 10, 4, 100, 50 };
        const char* readouts[] = { "2500", "0.1 Octaves", "0 dB", "50" };
        for (int page = 0; page < 4; ++page) {
            EXPECT_EQ(positions[page], d.Position(d.Slider(page))) << "page " << page;
            EXPECT_EQ(readouts[page], DialogDriver::Text(d.Readout(page))) << "page " << page;
            EXPECT_FALSE(IsWindowVisible(d.Readout(page))) << "page " << page;
            EXPECT_FALSE(GetWindowLongA(d.Readout(page), GWL_STYLE) & WS_VISIBLE) << "page " << page;
        }
        EXPECT_TRUE(d.Checked(d.Button("Apply to &Both Channels")));
        EXPECT_TRUE(d.Checked(d.Button("60 Hz House Current (&North America)")));
        for (const char* tool : { "Remove &Pops and Clicks", "Eliminate H&um", "Reduce H&iss", "&Noise Gate" })
            EXPECT_FALSE(d.Checked(d.Button(tool))) << tool;
        d.Click(d.Button("Cancel"));
    });
}

TEST_F(DialogSettingsTest, MonoDisablesTheChannelChoiceButKeepsIt)
{
    TEffectParamBlock block = ZeroBlock();
    block.LeftOnlyChosen = 1;
    RunDialog(
        plugin, host, block,
        [](DialogDriver& d) {
            const HWND left = d.Button("Apply to &Left Channel Only");
            EXPECT_TRUE(d.Checked(left));
            EXPECT_FALSE(IsWindowEnabled(left));
            EXPECT_FALSE(IsWindowEnabled(d.Button("Apply to &Both Channels")));
            EXPECT_FALSE(IsWindowEnabled(d.Button("[ Stereo &Options ]")));
            d.Keys({ VK_MENU, 'B' }); // a disabled button cannot be chosen
            EXPECT_TRUE(d.Checked(left));
            d.Click(d.Button("&Start Processing"));
        },
        1);
    EXPECT_EQ(1, block.ChannelCode);
}

TEST_F(DialogSettingsTest, EverySliderAndHumButtonChecksItsTool)
{
    TEffectParamBlock block = ZeroBlock();
    block.PopClickOn = 1; // checked at load; moving its slider keeps it checked
    RunDialog(plugin, host, block, [](DialogDriver& d) {
        const char* tools[] = { "Remove &Pops and Clicks", "Eliminate H&um", "Reduce H&iss", "&Noise Gate" };
        const char* readouts[] = { "2400", "0.2 Octaves", "-0.4 dB", "51" };
        EXPECT_TRUE(d.Checked(d.Button(tools[0])));
        for (int page = 0; page < 4; ++page) {
            SCOPED_TRACE(tools[page]);
            ASSERT_TRUE(d.GoToPage(page))
                << "focus " << d.Focus() << " tabs " << d.Tabs() << " page " << d.ActivePage();
            d.SetFocusTo(d.Slider(page));
            d.Keys({ VK_UP });
            EXPECT_TRUE(d.Checked(d.Button(tools[page])));
            EXPECT_EQ(readouts[page], DialogDriver::Text(d.Readout(page)));
        }
        // Unchecked by the user, then a frequency button checks the hum tool again.
        d.Click(d.Button(tools[1]));
        EXPECT_FALSE(d.Checked(d.Button(tools[1])));
        ASSERT_TRUE(d.GoToPage(1));
        d.Click(d.Button("50 Hz Mains Power (&Europe and Asia)"));
        EXPECT_TRUE(d.Checked(d.Button(tools[1])));
        d.Click(d.Button("&Start Processing"));
    });
    EXPECT_EQ(0x1111u, block.EffectFlags);
    EXPECT_EQ(2400, block.ClickThreshold);
    EXPECT_EQ(0.2, block.HumWidthOctaves);
    EXPECT_EQ(50.0, block.HumFrequency);
    EXPECT_EQ(-0.4, block.EqGainDb[9]);
    EXPECT_EQ(49, block.GateThreshold);
}

TEST_F(DialogSettingsTest, LoadTimeChecksAreOverriddenByTheBlock)
{
    TEffectParamBlock block = ZeroBlock();
    block.ClickThreshold = 1500; // the slider moves at load, the switch says off
    block.Hum50Hz = 1; // the 50 Hz button's click runs at load
    block.EqGainDb[9] = -20.0;
    block.GateValid = 1;
    block.GateThreshold = 30;
    RunDialog(plugin, host, block, [](DialogDriver& d) {
        ASSERT_TRUE(d.ShowEveryPage());
        for (const char* tool : { "Remove &Pops and Clicks", "Eliminate H&um", "Reduce H&iss", "&Noise Gate" })
            EXPECT_FALSE(d.Checked(d.Button(tool))) << tool;
        EXPECT_EQ("1500", DialogDriver::Text(d.Readout(0)));
        EXPECT_EQ("-20 dB", DialogDriver::Text(d.Readout(2)));
        EXPECT_EQ("70", DialogDriver::Text(d.Readout(3)));
        d.Click(d.Button("Cancel"));
    });
}

TEST_F(DialogSettingsTest, ReadoutsUseTheUsersDecimalSeparator)
{
    char saved[8] = {};
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, saved, sizeof saved);
    ASSERT_TRUE(SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, ","));
    TEffectParamBlock block = ZeroBlock();
    block.EqGainDb[9] = -12.345;
    block.HumWidthOctaves = 0.25;
    RunDialog(plugin, host, block, [](DialogDriver& d) {
        ASSERT_TRUE(d.ShowEveryPage());
        EXPECT_EQ("0,25 Octaves", DialogDriver::Text(d.Readout(1)));
        EXPECT_EQ("-12,345 dB", DialogDriver::Text(d.Readout(2)));
        d.SetFocusTo(d.Slider(2));
        d.Keys({ VK_END });
        EXPECT_EQ("0 dB", DialogDriver::Text(d.Readout(2)));
        d.Keys({ VK_UP });
        EXPECT_EQ("-0,4 dB", DialogDriver::Text(d.Readout(2)));
        d.Click(d.Button("Cancel"));
    });
    SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, saved);
}

TEST_F(DialogSettingsTest, APositionThatStaysRaisesNoChange)
{
    TEffectParamBlock block = ZeroBlock();
    block.GateValid = 1;
    block.GateThreshold = 0; // the slider already stands at 0
    RunDialog(plugin, host, block, [](DialogDriver& d) {
        ASSERT_TRUE(d.ShowEveryPage());
        EXPECT_EQ(0, d.Position(d.Slider(3)));
        EXPECT_EQ("000", DialogDriver::Text(d.Readout(3))) << "the designed text: no change handler ran";
        d.SetFocusTo(d.Slider(3));
        d.Keys({ VK_UP }); // at the top already
        EXPECT_EQ("000", DialogDriver::Text(d.Readout(3)));
        EXPECT_FALSE(d.Checked(d.Button("&Noise Gate")));
        d.Keys({ VK_DOWN });
        EXPECT_EQ("99", DialogDriver::Text(d.Readout(3)));
        EXPECT_TRUE(d.Checked(d.Button("&Noise Gate")));
        d.Click(d.Button("Cancel"));
    });
}

TEST_F(DialogSettingsTest, UnstoredReadoutShowsTheBlockValueUntilTheSliderMoves)
{
    TEffectParamBlock block = ZeroBlock();
    block.ClickThreshold = 2540;
    block.HumWidthOctaves = 0.25;
    block.EqGainDb[9] = -12.345;
    RunDialog(plugin, host, block, [](DialogDriver& d) {
        ASSERT_TRUE(d.ShowEveryPage());
        EXPECT_EQ("2540", DialogDriver::Text(d.Readout(0)));
        EXPECT_EQ("0.25 Octaves", DialogDriver::Text(d.Readout(1)));
        EXPECT_EQ("-12.345 dB", DialogDriver::Text(d.Readout(2)));
        EXPECT_EQ(69, d.Position(d.Slider(2)));
        d.Click(d.Button("&Start Processing"));
    });
    EXPECT_EQ(2500, block.ClickThreshold);
    EXPECT_EQ(0.3, block.HumWidthOctaves);
    EXPECT_EQ(-12.4, block.EqGainDb[9]);
}

} // namespace
