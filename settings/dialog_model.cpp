#include "settings/dialog_model.h"

namespace scrubwell {

void ModelSlider::SetMin(int min)
{
    min_ = min;
    if (max_ < min_)
        max_ = min_;
    Clamp(position_);
}

void ModelSlider::SetMax(int max)
{
    max_ = max;
    if (min_ > max_)
        min_ = max_;
    Clamp(position_);
}

void ModelSlider::SetPosition(int position)
{
    Clamp(position);
}

void ModelSlider::Clamp(int position)
{
    const int clamped = position < min_ ? min_ : position > max_ ? max_ : position;
    if (clamped == position_)
        return;
    position_ = clamped;
    if (OnChange)
        OnChange();
}

void ModelToggle::SetChecked(bool checked)
{
    const bool wasChecked = checked_;
    if (checked && group_) {
        for (ModelToggle* other : *group_)
            if (other != this)
                other->checked_ = false;
    }
    checked_ = checked;
    if (checked && !wasChecked && OnClick)
        OnClick();
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
    POPClickTrackBar.OnChange = [this] { settings.POPClickTrackBarChange(); };
    HumTrackBar.OnChange = [this] { settings.HumTrackBarChange(); };
    HouseCurrentRadioButton.OnClick = [this] { settings.HouseCurrentRadioButtonClick(); };
    MainsPowerRadioButton.OnClick = [this] { settings.MainsPowerRadioButtonClick(); };
    HissTrackBar.OnChange = [this] { settings.HissTrackBarChange(); };
    NoiseThresholdTrackBar.OnChange = [this] { settings.NoiseThresholdTrackBarChange(); };
}

} // namespace scrubwell
