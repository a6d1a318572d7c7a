#include "dialogs/dialog_model.h"

namespace scrubwell {
namespace {

using namespace main_layout;

ControlDesign Designed(int row)
{
    return ControlDesign { 0, kRows[row].max, kRows[row].checked, kRows[row].text };
}

struct StateRow {
    int row;
    ControlState DialogModel::*state;
    bool (DialogController::*handler)(); // null: no change event
};

const StateRow kStateRows[] = {
    { kPOPClickThresholdBox, &DialogModel::POPClickThresholdBox, nullptr },
    { kPOPClickTrackBar, &DialogModel::POPClickTrackBar, &DialogController::POPClickTrackBarChange },
    { kHumBandWidthBox, &DialogModel::HumBandWidthBox, nullptr },
    { kHumTrackBar, &DialogModel::HumTrackBar, &DialogController::HumTrackBarChange },
    { kMainsPowerRadioButton, &DialogModel::MainsPowerRadioButton, &DialogController::MainsPowerRadioButtonClick },
    { kHouseCurrentRadioButton, &DialogModel::HouseCurrentRadioButton,
        &DialogController::HouseCurrentRadioButtonClick },
    { kHissDBBox, &DialogModel::HissDBBox, nullptr },
    { kHissTrackBar, &DialogModel::HissTrackBar, &DialogController::HissTrackBarChange },
    { kNoiseThresholdStaticText, &DialogModel::NoiseThresholdStaticText, nullptr },
    { kNoiseThresholdTrackBar, &DialogModel::NoiseThresholdTrackBar, &DialogController::NoiseThresholdTrackBarChange },
    { kStereoOptionsGroupBox, &DialogModel::StereoOptionsGroupBox, nullptr },
    { kLeftChannelRadioButton, &DialogModel::LeftChannelRadioButton, nullptr },
    { kRightChannelRadioButton, &DialogModel::RightChannelRadioButton, nullptr },
    { kBothChannelsRadioButton, &DialogModel::BothChannelsRadioButton, nullptr },
    { kRemovePOPClicksCheckBox, &DialogModel::RemovePOPClicksCheckBox, nullptr },
    { kEliminateHumCheckBox, &DialogModel::EliminateHumCheckBox, nullptr },
    { kReduceHissCheckBox, &DialogModel::ReduceHissCheckBox, nullptr },
    { kNoiseReductionCheckBox, &DialogModel::NoiseReductionCheckBox, nullptr },
};

const StateRow* Find(int row)
{
    for (const StateRow& each : kStateRows)
        if (each.row == row)
            return &each;
    return nullptr;
}

bool Run(void* model, int row)
{
    return static_cast<DialogModel*>(model)->Handle(row);
}

} // namespace

DialogModel::DialogModel(const char* decimalSeparator)
    : POPClickTrackBar(Designed(kPOPClickTrackBar))
    , POPClickThresholdBox(Designed(kPOPClickThresholdBox))
    , HumTrackBar(Designed(kHumTrackBar))
    , HumBandWidthBox(Designed(kHumBandWidthBox))
    , HouseCurrentRadioButton(Designed(kHouseCurrentRadioButton))
    , MainsPowerRadioButton(Designed(kMainsPowerRadioButton))
    , HissTrackBar(Designed(kHissTrackBar))
    , HissDBBox(Designed(kHissDBBox))
    , NoiseThresholdTrackBar(Designed(kNoiseThresholdTrackBar))
    , NoiseThresholdStaticText(Designed(kNoiseThresholdStaticText))
    , StereoOptionsGroupBox(Designed(kStereoOptionsGroupBox))
    , LeftChannelRadioButton(Designed(kLeftChannelRadioButton))
    , RightChannelRadioButton(Designed(kRightChannelRadioButton))
    , BothChannelsRadioButton(Designed(kBothChannelsRadioButton))
    , controller(EffectControls { POPClickTrackBar, POPClickThresholdBox, HumTrackBar, HumBandWidthBox,
                     HouseCurrentRadioButton, MainsPowerRadioButton, Hint, HissTrackBar, HissDBBox,
                     NoiseThresholdTrackBar, NoiseThresholdStaticText, RemovePOPClicksCheckBox, EliminateHumCheckBox,
                     ReduceHissCheckBox, NoiseReductionCheckBox, StereoOptionsGroupBox, LeftChannelRadioButton,
                     RightChannelRadioButton, BothChannelsRadioButton },
          decimalSeparator)
{
    HouseCurrentRadioButton.GroupWith(MainsPowerRadioButton);
    LeftChannelRadioButton.GroupWith(RightChannelRadioButton);
    LeftChannelRadioButton.GroupWith(BothChannelsRadioButton);
    for (const StateRow& each : kStateRows)
        if (each.handler)
            (this->*each.state).OnChange(Run, this, each.row);
}

ControlState* DialogModel::StateOf(int row)
{
    const StateRow* found = Find(row);
    return found ? &(this->*found->state) : nullptr;
}

bool DialogModel::Handle(int row)
{
    const StateRow* found = Find(row);
    return !found || !found->handler || (controller.*found->handler)();
}

} // namespace scrubwell
