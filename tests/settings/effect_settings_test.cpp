// Loading and storing whole blocks through the dialog's settings code, on the
// window-less model of its controls.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "dialogs/dialog_model.h"

namespace {

using namespace scrubwell;

// A block as the dialog session sees it: stamped, then loaded.
struct Session {
    explicit Session(const TEffectParamBlock& initial)
        : block(initial)
    {
        model.controller.Load(&block);
    }
    void Accept() { ASSERT_TRUE(model.controller.OKButtonClick()); }
    TEffectParamBlock block;
    DialogModel model;
};

TEffectParamBlock ZeroBlock(uint16_t channels = 2)
{
    TEffectParamBlock block;
    std::memset(&block, 0, sizeof block);
    block.WaveFormat.Channels = channels;
    return block;
}

TEST(DialogController, ZeroBlockLoadsWithDefaults)
{
    Session s(ZeroBlock());
    EXPECT_TRUE(s.model.BothChannelsRadioButton.Checked());
    EXPECT_FALSE(s.model.RemovePOPClicksCheckBox.Checked());
    EXPECT_FALSE(s.model.EliminateHumCheckBox.Checked());
    EXPECT_FALSE(s.model.ReduceHissCheckBox.Checked());
    EXPECT_FALSE(s.model.NoiseReductionCheckBox.Checked());
    EXPECT_EQ(10, s.model.POPClickTrackBar.Position());
    EXPECT_EQ("2500", std::string(s.model.POPClickThresholdBox.Text()));
    EXPECT_EQ(4, s.model.HumTrackBar.Position());
    EXPECT_EQ("0.1 Octaves", std::string(s.model.HumBandWidthBox.Text()));
    EXPECT_TRUE(s.model.HouseCurrentRadioButton.Checked());
    EXPECT_EQ(100, s.model.HissTrackBar.Position());
    EXPECT_EQ("0 dB", std::string(s.model.HissDBBox.Text()));
    EXPECT_EQ(50, s.model.NoiseThresholdTrackBar.Position());
    EXPECT_EQ("50", std::string(s.model.NoiseThresholdStaticText.Text()));

    // What the load wrote, and nothing else.
    TEffectParamBlock expected = ZeroBlock();
    expected.BothChosen = 1;
    expected.ClickPresetA1 = expected.ClickPresetA2 = expected.ClickPresetD = 5;
    expected.ClickPresetB1 = expected.ClickPresetB2 = 4;
    expected.ClickPresetC1 = expected.ClickPresetC2 = 10;
    expected.ClickThreshold = 2500;
    expected.HumFrequency = 50.0;
    expected.HumWidthOctaves = 0.1;
    expected.Hum60Hz = 1;
    const double bands[10] = { 31, 62, 125, 250, 500, 1000, 2000, 4000, 8000, 16000 };
    for (int i = 0; i < 10; ++i) {
        expected.EqGain[i] = 1.0;
        expected.EqFrequency[i] = expected.EqWidth[i] = bands[i];
        expected.GateFrequency[i] = expected.GateWidth[i] = bands[i];
    }
    expected.EqBandCount = 10;
    expected.GateBandCount = 10;
    EXPECT_EQ(0, std::memcmp(&expected, &s.block, sizeof expected));
}

TEST(DialogController, ZeroBlockAcceptedUnchangedStoresTheDefaults)
{
    Session s(ZeroBlock());
    s.Accept();
    EXPECT_EQ(1, s.block.DialogOutcome);
    EXPECT_EQ(3, s.block.ChannelCode);
    EXPECT_EQ(0u, s.block.EffectFlags);
    EXPECT_EQ(2500, s.block.ClickThreshold);
    EXPECT_EQ(1, s.block.Hum60Hz);
    EXPECT_EQ(0, s.block.Hum50Hz);
    EXPECT_EQ(60.0, s.block.HumFrequency);
    EXPECT_EQ(0.1, s.block.HumWidthOctaves);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(0.0, s.block.EqGainDb[i]);
        EXPECT_EQ(1.0, s.block.EqGain[i]);
    }
    EXPECT_EQ(50, s.block.GateThreshold);
    EXPECT_EQ(1, s.block.GateValid);
    EXPECT_EQ(5, s.block.GatePresetA);
    EXPECT_EQ(8, s.block.GatePresetB);
    EXPECT_EQ(0, s.block.LeftOnlyChosen);
    EXPECT_EQ(0, s.block.RightOnlyChosen);
    EXPECT_EQ(1, s.block.BothChosen);
}

TEST(DialogController, ReservedBytesSurviveLoadAndAccept)
{
    TEffectParamBlock initial;
    std::memset(&initial, 0xA5, sizeof initial);
    Session s(initial);
    s.Accept();
    const auto* before = reinterpret_cast<const unsigned char*>(&initial);
    const auto* after = reinterpret_cast<const unsigned char*>(&s.block);
    const struct {
        size_t offset, size;
    } reserved[] = { { 60, 530 }, { 598, 12 }, { 626, 8 }, { 640, 80 }, { 1040, 1048 }, { 2092, 38 }, { 2134, 10 },
        { 2160, 248 }, { 2410, 20 }, { 2590, 1912 }, { 4518, 16 } };
    for (const auto& span : reserved)
        EXPECT_EQ(0, std::memcmp(before + span.offset, after + span.offset, span.size)) << "span " << span.offset;
}

TEST(DialogController, ChannelWordsLoadAsThePartsSay)
{
    const struct {
        uint16_t left, right, both;
        bool leftChecked, rightChecked, bothChecked;
        uint16_t bothAfterLoad;
        int32_t channelCode;
    } cases[] = {
        { 0, 0, 0, false, false, true, 1, 3 },
        { 0x0100, 0, 0, false, false, true, 1, 3 },
        { 2, 0, 0, false, false, false, 0, 3 },
        { 1, 0, 1, false, false, true, 1, 3 },
        { 1, 1, 0, false, true, false, 0, 2 },
        { 1, 0, 0, true, false, false, 0, 1 },
        { 0, 1, 0, false, true, false, 0, 2 },
        { 0xFFFF, 0, 0, false, false, false, 0, 3 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.left << "/" << c.right << "/" << c.both);
        TEffectParamBlock block = ZeroBlock();
        block.LeftOnlyChosen = c.left;
        block.RightOnlyChosen = c.right;
        block.BothChosen = c.both;
        Session s(block);
        EXPECT_EQ(c.leftChecked, s.model.LeftChannelRadioButton.Checked());
        EXPECT_EQ(c.rightChecked, s.model.RightChannelRadioButton.Checked());
        EXPECT_EQ(c.bothChecked, s.model.BothChannelsRadioButton.Checked());
        EXPECT_EQ(c.bothAfterLoad, s.block.BothChosen);
        s.Accept();
        EXPECT_EQ(c.channelCode, s.block.ChannelCode);
        EXPECT_EQ(c.leftChecked, s.block.LeftOnlyChosen == 1);
    }
}

TEST(DialogController, MonoFormatsDisableTheStereoOptionsButKeepTheChoice)
{
    for (uint16_t channels : { 0, 1 }) {
        TEffectParamBlock block = ZeroBlock(channels);
        block.LeftOnlyChosen = 1;
        Session s(block);
        EXPECT_FALSE(s.model.StereoOptionsGroupBox.Enabled());
        EXPECT_FALSE(s.model.LeftChannelRadioButton.Enabled());
        EXPECT_FALSE(s.model.BothChannelsRadioButton.Enabled());
        EXPECT_TRUE(s.model.LeftChannelRadioButton.Checked());
        s.Accept();
        EXPECT_EQ(1, s.block.LeftOnlyChosen);
        EXPECT_EQ(1, s.block.ChannelCode);
    }
    Session stereo(ZeroBlock(65535));
    EXPECT_TRUE(stereo.model.StereoOptionsGroupBox.Enabled());
}

TEST(DialogController, ToolSwitchesMustBeExactlyOne)
{
    TEffectParamBlock block = ZeroBlock();
    block.PopClickOn = 1;
    block.HumOn = 0xFFFF;
    block.HissOn = 0x0101;
    block.GateOn = 1;
    Session s(block);
    EXPECT_TRUE(s.model.RemovePOPClicksCheckBox.Checked());
    EXPECT_FALSE(s.model.EliminateHumCheckBox.Checked());
    EXPECT_FALSE(s.model.ReduceHissCheckBox.Checked());
    EXPECT_TRUE(s.model.NoiseReductionCheckBox.Checked());
    s.Accept();
    EXPECT_EQ(0x1100u, s.block.EffectFlags);
    EXPECT_EQ(0, s.block.HumOn);
    EXPECT_EQ(0, s.block.HissOn);
}

TEST(DialogController, EffectFlagsFollowTheCheckedTools)
{
    Session s(ZeroBlock());
    s.model.RemovePOPClicksCheckBox.SetChecked(true);
    s.model.EliminateHumCheckBox.SetChecked(true);
    s.Accept();
    EXPECT_EQ(0x0110u, s.block.EffectFlags);
    s.model.ReduceHissCheckBox.SetChecked(true);
    s.model.NoiseReductionCheckBox.SetChecked(true);
    s.Accept();
    EXPECT_EQ(0x1111u, s.block.EffectFlags);
}

TEST(DialogController, SlidersCheckTheirToolsButTheBlockDecidesAtLoad)
{
    TEffectParamBlock block = ZeroBlock();
    block.ClickThreshold = 1500; // moves the slider during the load
    Session s(block);
    EXPECT_FALSE(s.model.RemovePOPClicksCheckBox.Checked());
    s.model.POPClickTrackBar.SetPosition(3);
    EXPECT_TRUE(s.model.RemovePOPClicksCheckBox.Checked());
    EXPECT_EQ("1800", std::string(s.model.POPClickThresholdBox.Text()));
    s.model.HumTrackBar.SetPosition(1);
    EXPECT_TRUE(s.model.EliminateHumCheckBox.Checked());
    EXPECT_EQ("0.4 Octaves", std::string(s.model.HumBandWidthBox.Text()));
    EXPECT_EQ("1", std::string(s.model.Hint.Text()));
    s.model.HissTrackBar.SetPosition(33);
    EXPECT_TRUE(s.model.ReduceHissCheckBox.Checked());
    EXPECT_EQ("-26.8 dB", std::string(s.model.HissDBBox.Text()));
    s.model.NoiseThresholdTrackBar.SetPosition(25);
    EXPECT_TRUE(s.model.NoiseReductionCheckBox.Checked());
    EXPECT_EQ("75", std::string(s.model.NoiseThresholdStaticText.Text()));

    s.model.EliminateHumCheckBox.SetChecked(false);
    s.model.MainsPowerRadioButton.SetChecked(true);
    EXPECT_TRUE(s.model.EliminateHumCheckBox.Checked());
}

TEST(DialogController, PopClickThresholdsAreCorrectedAndReadOut)
{
    const struct {
        int16_t threshold, afterLoad;
        int position;
        const char* readout;
        int16_t stored;
    } cases[] = {
        { 1499, 2500, 10, "2500", 2500 },
        { 3501, 2500, 10, "2500", 2500 },
        { 0, 2500, 10, "2500", 2500 },
        { -1, 2500, 10, "2500", 2500 },
        { 1500, 1500, 0, "1500", 1500 },
        { 3500, 3500, 20, "3500", 3500 },
        { 2540, 2540, 10, "2540", 2500 },
        { 1850, 1850, 4, "1850", 1900 },
    };
    for (const auto& c : cases) {
        TEffectParamBlock block = ZeroBlock();
        std::memset(&block.ClickPresetA1, 0xEE, 4);
        block.ClickThreshold = c.threshold;
        Session s(block);
        EXPECT_EQ(c.afterLoad, s.block.ClickThreshold) << c.threshold;
        EXPECT_EQ(c.position, s.model.POPClickTrackBar.Position()) << c.threshold;
        EXPECT_EQ(c.readout, std::string(s.model.POPClickThresholdBox.Text())) << c.threshold;
        EXPECT_EQ(5, s.block.ClickPresetA1);
        s.Accept();
        EXPECT_EQ(c.stored, s.block.ClickThreshold) << c.threshold;
    }
}

TEST(DialogController, HumFieldsAreCorrectedAndTheButtonsFollowTheWords)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double frequency, width;
        uint16_t sixty, fifty;
        double frequencyAfterLoad, widthAfterLoad;
        int position;
        bool sixtyChecked;
        const char* readout;
        double storedFrequency, storedWidth;
    } cases[] = {
        { 60.0, 0.5, 1, 0, 60.0, 0.5, 0, true, "0.5 Octaves", 60.0, 0.5 },
        { 55.0, 0.09, 0, 0, 50.0, 0.1, 4, true, "0.1 Octaves", 60.0, 0.1 },
        { 0.0, 0.55, 1, 1, 50.0, 0.1, 4, true, "0.1 Octaves", 60.0, 0.1 },
        { 60.0, 0.25, 0, 1, 60.0, 0.25, 2, false, "0.25 Octaves", 50.0, 0.3 },
        { 50.0, -1.0, 0x0100, 0, 50.0, 0.1, 4, true, "0.1 Octaves", 60.0, 0.1 },
        { nan, nan, 0, 0x0100, 50.0, 0.1, 4, true, "0.1 Octaves", 60.0, 0.1 },
        { inf, inf, 0, 2, 50.0, 0.1, 4, false, "0.1 Octaves", 50.0, 0.1 },
        { 50.0, -inf, 0, 1, 50.0, 0.1, 4, false, "0.1 Octaves", 50.0, 0.1 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(
            testing::Message() << c.frequency << " Hz, " << c.width << " octaves, words " << c.sixty << "/" << c.fifty);
        TEffectParamBlock block = ZeroBlock();
        block.HumFrequency = c.frequency;
        block.HumWidthOctaves = c.width;
        block.Hum60Hz = c.sixty;
        block.Hum50Hz = c.fifty;
        Session s(block);
        EXPECT_EQ(c.frequencyAfterLoad, s.block.HumFrequency);
        EXPECT_EQ(c.widthAfterLoad, s.block.HumWidthOctaves);
        EXPECT_EQ(c.position, s.model.HumTrackBar.Position());
        EXPECT_EQ(c.sixtyChecked, s.model.HouseCurrentRadioButton.Checked());
        EXPECT_EQ(!c.sixtyChecked, s.model.MainsPowerRadioButton.Checked());
        EXPECT_EQ(c.readout, std::string(s.model.HumBandWidthBox.Text()));
        s.Accept();
        EXPECT_EQ(c.storedFrequency, s.block.HumFrequency);
        EXPECT_EQ(c.storedWidth, s.block.HumWidthOctaves);
        EXPECT_EQ(c.sixtyChecked ? 1 : 0, s.block.Hum60Hz);
        EXPECT_EQ(c.sixtyChecked ? 0 : 1, s.block.Hum50Hz);
    }
}

TEST(DialogController, HissGainsLoadToTheSliderAndTheStoreReplacesThem)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double topGain;
        int position;
        const char* readout;
        double storedTop;
    } cases[] = {
        { -40.0, 0, "-40 dB", -40.0 },
        { -12.345, 69, "-12.345 dB", -12.4 },
        { -5.0, 88, "-5 dB", -4.8 },
        { 10.0, 100, "10 dB", 0.0 },
        { -50.0, 0, "-50 dB", -40.0 },
        { nan, 100, "NAN dB", 0.0 },
        { inf, 100, "INF dB", 0.0 },
        { -inf, 0, "-INF dB", -40.0 },
        { -0.0, 100, "0 dB", 0.0 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.topGain);
        TEffectParamBlock block = ZeroBlock();
        block.EqGainDb[9] = c.topGain;
        block.EqGainDb[3] = -6.0; // a curve on the lower bands does not survive a store
        Session s(block);
        EXPECT_EQ(c.position, s.model.HissTrackBar.Position());
        EXPECT_EQ(c.readout, std::string(s.model.HissDBBox.Text()));
        EXPECT_EQ(-6.0, s.block.EqGainDb[3]) << "the load leaves the gains alone";
        s.Accept();
        EXPECT_EQ(c.storedTop, s.block.EqGainDb[9]);
        EXPECT_FALSE(std::signbit(s.block.EqGainDb[9]) && s.block.EqGainDb[9] == 0);
        EXPECT_EQ(0.0, s.block.EqGainDb[3]);
        EXPECT_EQ(1.0, s.block.EqGain[3]);
    }
}

TEST(DialogController, GateLoadsItsStoredThresholdOrTheFirstUseDefaults)
{
    const struct {
        uint16_t valid;
        int32_t threshold;
        int position;
        bool tablesWritten;
    } cases[] = {
        { 0, 7, 50, true },
        { 1, 25, 25, false },
        { 256, 30, 30, false },
        { 1, 250, 100, false },
        { 1, -5, 0, false },
        { 1, 0, 0, false },
        { 1, INT32_MIN, 0, false },
        { 1, INT32_MAX, 100, false },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "valid " << c.valid << " threshold " << c.threshold);
        TEffectParamBlock block = ZeroBlock();
        block.GateValid = c.valid;
        block.GateThreshold = c.threshold;
        block.GatePresetA = 99;
        Session s(block);
        EXPECT_EQ(c.position, s.model.NoiseThresholdTrackBar.Position());
        EXPECT_EQ(c.tablesWritten ? 10 : 0, s.block.GateBandCount);
        EXPECT_EQ(c.tablesWritten ? 16000.0 : 0.0, s.block.GateWidth[9]);
        EXPECT_EQ(c.valid, s.block.GateValid) << "only the store sets it";
        s.Accept();
        EXPECT_EQ(c.position, s.block.GateThreshold);
        EXPECT_EQ(5, s.block.GatePresetA);
        EXPECT_EQ(8, s.block.GatePresetB);
        EXPECT_EQ(1, s.block.GateValid);
    }
}

TEST(DialogController, CancelMarksTheBlockOnly)
{
    TEffectParamBlock block = ZeroBlock();
    Session s(block);
    s.model.POPClickTrackBar.SetPosition(0);
    const TEffectParamBlock loaded = s.block;
    ASSERT_TRUE(s.model.controller.CancelButtonClick());
    TEffectParamBlock expected = loaded;
    expected.DialogOutcome = 2;
    EXPECT_EQ(0, std::memcmp(&expected, &s.block, sizeof expected));
}

TEST(DialogController, ClosingButtonsDoNothingBeforeALoad)
{
    DialogModel model;
    EXPECT_FALSE(model.controller.OKButtonClick());
    EXPECT_FALSE(model.controller.CancelButtonClick());
}

} // namespace
