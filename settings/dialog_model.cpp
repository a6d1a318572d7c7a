#include "settings/dialog_model.h"

namespace scrubwell {

bool ModelToggle::SetChecked(bool checked)
{
    const bool wasChecked = checked_;
    if (checked && group_) {
        for (ModelToggle* other : *group_)
            if (other != this)
                other->checked_ = false;
    }
    checked_ = checked;
    return !(checked && !wasChecked && OnClick) || OnClick();
}

DialogModel::DialogModel()
    : controller(
        EffectControls { POPClickTrackBar, POPClickThresholdBox, HumTrackBar, HumBandWidthBox, HouseCurrentRadioButton,
            MainsPowerRadioButton, Hint, HissTrackBar, HissDBBox, NoiseThresholdTrackBar, NoiseThresholdStaticText,
            RemovePOPClicksCheckBox, EliminateHumCheckBox, ReduceHissCheckBox, NoiseReductionCheckBox,
            StereoOptionsGroupBox, LeftChannelRadioButton, RightChannelRadioButton, BothChannelsRadioButton },
        ".")
    , humGroup_ { &HouseCurrentRadioButton, &MainsPowerRadioButton }
    , channelGroup_ { &LeftChannelRadioButton, &RightChannelRadioButton, &BothChannelsRadioButton }
{
    for (ModelToggle* radio : humGroup_)
        radio->JoinGroup(&humGroup_);
    for (ModelToggle* radio : channelGroup_)
        radio->JoinGroup(&channelGroup_);
    POPClickTrackBar.OnChange = [this] { return controller.POPClickTrackBarChange(); };
    HumTrackBar.OnChange = [this] { return controller.HumTrackBarChange(); };
    HouseCurrentRadioButton.OnClick = [this] { return controller.HouseCurrentRadioButtonClick(); };
    MainsPowerRadioButton.OnClick = [this] { return controller.MainsPowerRadioButtonClick(); };
    HissTrackBar.OnChange = [this] { return controller.HissTrackBarChange(); };
    NoiseThresholdTrackBar.OnChange = [this] { return controller.NoiseThresholdTrackBarChange(); };
}

} // namespace scrubwell
