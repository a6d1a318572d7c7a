// The main dialog's layout: every control, where it lies within its parent,
// its text, font and tab order. The dialog is made from it, and the layout
// test holds the live windows against it.
#pragma once

#include "windowing/layout.h"

namespace scrubwell::main_layout {

using windowing::kCentred;
using windowing::kDefaultButton;
using windowing::Kind;
using windowing::kNoTab;
using windowing::kOnForm;
using windowing::kTabStop;

inline constexpr windowing::FontStyle kHeadingFont { "MS Sans Serif", 13, true, false };
inline constexpr windowing::FontStyle kBodyFont { "MS Sans Serif", 13, false, true };

// clang-format off
#define SCRUBWELL_MAIN_ROWS(X) \
    X(EffectsPageControl) \
    X(POPClickTab) \
    X(Bevel1) \
    X(Label5) \
    X(POPClicksLabel) \
    X(Label3) \
    X(Label4) \
    X(POPClickGroupBox) \
    X(POPClickMoreLabel) \
    X(POPClickWeakerLabel) \
    X(POPClickThresholdBox) \
    X(POPClickTrackBar) \
    X(HumTab) \
    X(Bevel2) \
    X(Label1) \
    X(Label6) \
    X(Label7) \
    X(HumGroupBox) \
    X(HumMoreLabel) \
    X(HumLessLabel) \
    X(HumBandWidthBox) \
    X(HumTrackBar) \
    X(HumOptions) \
    X(MainsPowerRadioButton) \
    X(HouseCurrentRadioButton) \
    X(HissTab) \
    X(Bevel3) \
    X(Label2) \
    X(Label8) \
    X(Label10) \
    X(HissGroupBox) \
    X(HissMoreLabel) \
    X(HissLessLabel) \
    X(HissDBBox) \
    X(HissTrackBar) \
    X(NoiseReductionTab) \
    X(Bevel4) \
    X(Label12) \
    X(Label13) \
    X(Label15) \
    X(Label14) \
    X(GroupBox1) \
    X(Label9) \
    X(Label11) \
    X(NoiseThresholdStaticText) \
    X(NoiseThresholdTrackBar) \
    X(CancelButton) \
    X(OKButton) \
    X(StereoOptionsPanel) \
    X(StereoOptionsGroupBox) \
    X(LeftChannelRadioButton) \
    X(RightChannelRadioButton) \
    X(BothChannelsRadioButton) \
    X(EffectOptionGroupBox) \
    X(RemovePOPClicksCheckBox) \
    X(EliminateHumCheckBox) \
    X(ReduceHissCheckBox) \
    X(NoiseReductionCheckBox) \
    X(HelpButton)

SCRUBWELL_LAYOUT_ROWS(SCRUBWELL_MAIN_ROWS)

inline constexpr windowing::LayoutItem kRows[kRowCount] = {
    { "EffectsPageControl", Kind::kTabControl, kOnForm, { 4, 3, 534, 313 }, "", 0, nullptr, 0 },

    { "POPClickTab", Kind::kPage, kEffectsPageControl, {}, "Remove Pops and Clicks Settings", 0, nullptr, kNoTab },
    { "Bevel1", Kind::kBevel, kPOPClickTab, { 93, 10, 430, 247 }, "", 0, nullptr, kNoTab },
    { "Label5", Kind::kLabel, kPOPClickTab, { 100, 13, 419, 25 }, "Pop and Click Removal", kCentred, &kHeadingFont, kNoTab },
    { "POPClicksLabel", Kind::kLabel, kPOPClickTab, { 100, 48, 413, 40 },
        "Use this if there are large pops or clicks in your recording.", 0, &kBodyFont, kNoTab },
    { "Label3", Kind::kLabel, kPOPClickTab, { 100, 94, 413, 65 },
        "Higher slider settings will remove more pops and clicks, but they may remove more of the sound you want to keep.",
        0, &kBodyFont, kNoTab },
    { "Label4", Kind::kLabel, kPOPClickTab, { 100, 170, 413, 47 },
        "Try different settings until you get the best one for your file.", 0, &kBodyFont, kNoTab },
    { "POPClickGroupBox", Kind::kGroupBox, kPOPClickTab, { 3, 4, 85, 165 }, "", 0, nullptr, 0 },
    { "POPClickMoreLabel", Kind::kLabel, kPOPClickGroupBox, { 27, 15, 0, 0 }, "More", 0, nullptr, kNoTab },
    { "POPClickWeakerLabel", Kind::kLabel, kPOPClickGroupBox, { 27, 121, 0, 0 }, "Less", 0, nullptr, kNoTab },
    { "POPClickThresholdBox", Kind::kReadout, kPOPClickGroupBox, { 7, 139, 68, 17 }, "", 0, nullptr, 1 },
    { "POPClickTrackBar", Kind::kTrackBar, kPOPClickGroupBox, { 29, 32, 26, 90 }, "", 0, nullptr, 0, 4 },

    { "HumTab", Kind::kPage, kEffectsPageControl, {}, "Eliminate Hum Settings", 0, nullptr, kNoTab },
    { "Bevel2", Kind::kBevel, kHumTab, { 93, 10, 430, 174 }, "", 0, nullptr, kNoTab },
    { "Label1", Kind::kLabel, kHumTab, { 100, 13, 413, 21 }, "Eliminate Hum", kCentred, &kHeadingFont, kNoTab },
    { "Label6", Kind::kLabel, kHumTab, { 100, 54, 413, 33 }, "Low pitched hum can come from the power supply.", 0,
        &kBodyFont, kNoTab },
    { "Label7", Kind::kLabel, kHumTab, { 100, 97, 413, 67 },
        "The slider controls how many frequencies are removed, so start with it on the bottom and move it up until you "
        "find a setting that removes all of the hum.", 0, &kBodyFont, kNoTab },
    { "HumGroupBox", Kind::kGroupBox, kHumTab, { 3, 4, 85, 165 }, "", 0, nullptr, 0 },
    { "HumMoreLabel", Kind::kLabel, kHumGroupBox, { 27, 15, 0, 0 }, "More", 0, nullptr, kNoTab },
    { "HumLessLabel", Kind::kLabel, kHumGroupBox, { 27, 121, 0, 0 }, "Less", 0, nullptr, kNoTab },
    { "HumBandWidthBox", Kind::kReadout, kHumGroupBox, { 7, 139, 68, 17 }, "", 0, nullptr, 1 },
    { "HumTrackBar", Kind::kTrackBar, kHumGroupBox, { 29, 32, 26, 90 }, "", 0, nullptr, 0, 4 },
    { "HumOptions", Kind::kGroupBox, kHumTab, { 93, 185, 431, 74 }, "[ &Frequency ]", 0, nullptr, 1 },
    { "MainsPowerRadioButton", Kind::kRadioButton, kHumOptions, { 6, 46, 395, 17 }, "50 Hz Mains Power (&Europe and Asia)",
        0, nullptr, 1 },
    { "HouseCurrentRadioButton", Kind::kRadioButton, kHumOptions, { 6, 21, 395, 17 },
        "60 Hz House Current (&North America)", 0, nullptr, 0, 0, true },

    { "HissTab", Kind::kPage, kEffectsPageControl, {}, "Reduce Hiss Settings", 0, nullptr, kNoTab },
    { "Bevel3", Kind::kBevel, kHissTab, { 93, 10, 430, 251 }, "", 0, nullptr, kNoTab },
    { "Label2", Kind::kLabel, kHissTab, { 100, 14, 415, 25 }, "Reduce Hiss", kCentred, &kHeadingFont, kNoTab },
    { "Label8", Kind::kLabel, kHissTab, { 100, 55, 415, 72 },
        "This will reduce unwanted tape hiss or other high pitch noise in your recording by applying equalization to "
        "the highest bands.", 0, &kBodyFont, kNoTab },
    { "Label10", Kind::kLabel, kHissTab, { 100, 141, 415, 60 },
        "Try it first with the slider near the bottom, and move it up until you find the best sound.", 0, &kBodyFont,
        kNoTab },
    { "HissGroupBox", Kind::kGroupBox, kHissTab, { 3, 4, 85, 165 }, "", 0, nullptr, 0 },
    { "HissMoreLabel", Kind::kLabel, kHissGroupBox, { 27, 15, 0, 0 }, "More", 0, nullptr, kNoTab },
    { "HissLessLabel", Kind::kLabel, kHissGroupBox, { 27, 121, 0, 0 }, "Less", 0, nullptr, kNoTab },
    { "HissDBBox", Kind::kReadout, kHissGroupBox, { 7, 139, 68, 17 }, "", 0, nullptr, 1 },
    { "HissTrackBar", Kind::kTrackBar, kHissGroupBox, { 29, 32, 26, 90 }, "", 0, nullptr, 0, 100 },

    { "NoiseReductionTab", Kind::kPage, kEffectsPageControl, {}, "Noise Gate Settings", 0, nullptr, kNoTab },
    { "Bevel4", Kind::kBevel, kNoiseReductionTab, { 155, 10, 367, 247 }, "", 0, nullptr, kNoTab },
    { "Label12", Kind::kLabel, kNoiseReductionTab, { 162, 54, 354, 67 },
        "A Noise Gate is a special kind of filter that measures the level of each frequency within the sound, and "
        "reduces the ones that are likely to be noise.", 0, nullptr, kNoTab },
    { "Label13", Kind::kLabel, kNoiseReductionTab, { 162, 116, 354, 40 },
        "You control the amount of sound to be removed by moving the slider at the left. ", 0, nullptr, kNoTab },
    { "Label15", Kind::kLabel, kNoiseReductionTab, { 162, 14, 350, 19 }, "Noise Gate", kCentred, &kHeadingFont, kNoTab },
    { "Label14", Kind::kLabel, kNoiseReductionTab, { 162, 159, 354, 72 },
        "At the higher settings it will remove more sound, but it's likely that most of the sound it removes will be "
        "noise.  At the lower settings it will remove less sound, leaving more of the original sound.", 0, nullptr,
        kNoTab },
    { "GroupBox1", Kind::kGroupBox, kNoiseReductionTab, { 2, 4, 151, 138 }, "[ Amount of Reduction ]", 0, nullptr, 0 },
    { "Label9", Kind::kLabel, kGroupBox1, { 53, 13, 0, 0 }, "More", 0, nullptr, kNoTab },
    { "Label11", Kind::kLabel, kGroupBox1, { 53, 112, 0, 0 }, "Less", 0, nullptr, kNoTab },
    { "NoiseThresholdStaticText", Kind::kReadout, kGroupBox1, { 6, 77, 39, 17 }, "000", 0, nullptr, 1 },
    { "NoiseThresholdTrackBar", Kind::kTrackBar, kGroupBox1, { 56, 29, 26, 83 }, "", 0, nullptr, 0, 100 },

    { "CancelButton", Kind::kPushButton, kOnForm, { 210, 416, 120, 24 }, "Cancel", 0, nullptr, 3 },
    { "OKButton", Kind::kPushButton, kOnForm, { 85, 416, 120, 24 }, "&Start Processing", kDefaultButton, nullptr, 2 },
    { "StereoOptionsPanel", Kind::kPanel, kOnForm, { 4, 319, 534, 94 }, "", 0, nullptr, 1 },
    { "StereoOptionsGroupBox", Kind::kGroupBox, kStereoOptionsPanel, { 317, 2, 213, 85 }, "[ Stereo &Options ]", 0,
        nullptr, 1 },
    { "LeftChannelRadioButton", Kind::kRadioButton, kStereoOptionsGroupBox, { 3, 41, 207, 17 },
        "Apply to &Left Channel Only", 0, nullptr, 1 },
    { "RightChannelRadioButton", Kind::kRadioButton, kStereoOptionsGroupBox, { 3, 62, 206, 17 },
        "Apply to &Right Channel Only", 0, nullptr, 2 },
    { "BothChannelsRadioButton", Kind::kRadioButton, kStereoOptionsGroupBox, { 3, 20, 206, 17 },
        "Apply to &Both Channels", 0, nullptr, 0, 0, true },
    { "EffectOptionGroupBox", Kind::kGroupBox, kStereoOptionsPanel, { 3, 2, 313, 85 }, "[ E&ffect Options ]", 0, nullptr,
        0 },
    { "RemovePOPClicksCheckBox", Kind::kCheckBox, kEffectOptionGroupBox, { 4, 21, 186, 17 }, "Remove &Pops and Clicks",
        kTabStop, nullptr, 0 },
    { "EliminateHumCheckBox", Kind::kCheckBox, kEffectOptionGroupBox, { 192, 23, 116, 17 }, "Eliminate H&um", 0, nullptr,
        1 },
    { "ReduceHissCheckBox", Kind::kCheckBox, kEffectOptionGroupBox, { 192, 60, 115, 17 }, "Reduce H&iss", 0, nullptr, 3 },
    { "NoiseReductionCheckBox", Kind::kCheckBox, kEffectOptionGroupBox, { 5, 57, 158, 17 }, "&Noise Gate", 0, nullptr, 2 },
    { "HelpButton", Kind::kPushButton, kOnForm, { 334, 416, 120, 24 }, "&Help", 0, nullptr, 4 },
};
// clang-format on
static_assert(windowing::RowsNamed(kRows, kRowNames, kRowCount), "the rows in the order of their enum");

} // namespace scrubwell::main_layout
