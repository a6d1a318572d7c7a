// DialogModel: the main dialog's settings controls without any window, in
// their designed state, wired to the same DialogController as the dialog.
// Loading and storing a block through it writes the same bytes as the dialog.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "settings/dialog_controller.h"
#include "controls/slider_range.h"

namespace scrubwell {

class ModelSlider final : public SliderControl {
public:
    ModelSlider(int min, int max)
        : range_ { min, max, 0 }
    {
    }
    bool SetMin(int min) override { return Moved(range_.SetMin(min)); }
    bool SetMax(int max) override { return Moved(range_.SetMax(max)); }
    bool SetPosition(int position) override { return Moved(range_.MoveTo(position)); }
    int Position() const override { return range_.position; }
    std::function<bool()> OnChange;

private:
    bool Moved(bool moved) { return !moved || !OnChange || OnChange(); }
    SliderRange range_;
};

class ModelText final : public TextControl {
public:
    explicit ModelText(std::string text = "")
        : text(std::move(text))
    {
    }
    void SetText(const char* value) override { text = value; }
    std::string text;
};

class ModelEnable final : public EnableControl {
public:
    void SetEnabled(bool value) override { enabled = value; }
    bool enabled = true;
};

// A check box, or a radio button when it belongs to a group.
class ModelToggle final : public ToggleControl {
public:
    explicit ModelToggle(bool checked = false)
        : checked_(checked)
    {
    }
    bool Checked() const override { return checked_; }
    bool SetChecked(bool checked) override;
    void SetEnabled(bool value) override { enabled = value; }
    void JoinGroup(std::vector<ModelToggle*>* group) { group_ = group; }
    std::function<bool()> OnClick;
    bool enabled = true;

private:
    bool checked_;
    std::vector<ModelToggle*>* group_ = nullptr;
};

class DialogModel {
public:
    DialogModel();
    DialogModel(const DialogModel&) = delete;
    DialogModel& operator=(const DialogModel&) = delete;

    ModelSlider POPClickTrackBar { 0, 4 };
    ModelText POPClickThresholdBox;
    ModelSlider HumTrackBar { 0, 4 };
    ModelText HumBandWidthBox;
    ModelToggle HouseCurrentRadioButton { true };
    ModelToggle MainsPowerRadioButton;
    ModelText Hint;
    ModelSlider HissTrackBar { 0, 100 };
    ModelText HissDBBox;
    ModelSlider NoiseThresholdTrackBar { 0, 100 };
    ModelText NoiseThresholdStaticText { "000" };
    ModelToggle RemovePOPClicksCheckBox;
    ModelToggle EliminateHumCheckBox;
    ModelToggle ReduceHissCheckBox;
    ModelToggle NoiseReductionCheckBox;
    ModelEnable StereoOptionsGroupBox;
    ModelToggle LeftChannelRadioButton;
    ModelToggle RightChannelRadioButton;
    ModelToggle BothChannelsRadioButton { true };

    DialogController controller;

private:
    std::vector<ModelToggle*> humGroup_;
    std::vector<ModelToggle*> channelGroup_;
};

} // namespace scrubwell
