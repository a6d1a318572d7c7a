#include "settings/dialog_model.h"

namespace scrubwell {

bool ModelSlider::SetMin(int min)
{
    min_ = min;
    if (max_ < min_)
        max_ = min_;
    return Clamp(position_);
}

bool ModelSlider::SetMax(int max)
{
    max_ = max;
    if (min_ > max_)
        min_ = max_;
    return Clamp(position_);
}

bool ModelSlider::SetPosition(int position)
{
    return Clamp(position);
}

bool ModelSlider::Clamp(int position)
{
    const int clamped = position < min_ ? min_ : position > max_ ? max_ : position;
    if (clamped == position_)
        return true;
    position_ = clamped;
    return !OnChange || OnChange();
}

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
    : settings(
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
    POPClickTrackBar.OnChange = [this] { return settings.POPClickTrackBarChange(); };
    HumTrackBar.OnChange = [this] { return settings.HumTrackBarChange(); };
    HouseCurrentRadioButton.OnClick = [this] { return settings.HouseCurrentRadioButtonClick(); };
    MainsPowerRadioButton.OnClick = [this] { return settings.MainsPowerRadioButtonClick(); };
    HissTrackBar.OnChange = [this] { return settings.HissTrackBarChange(); };
    NoiseThresholdTrackBar.OnChange = [this] { return settings.NoiseThresholdTrackBarChange(); };
}

} // namespace scrubwell
