#include "dialogs/dialog_model.h"

namespace scrubwell {
namespace {

using namespace main_layout;
using windowing::Event;

ControlDesign Designed(int row)
{
    return ControlDesign { 0, kRows[row].max, kRows[row].checked, kRows[row].text };
}

template <bool (DialogController::*Method)()> bool OnController(DialogModel& model)
{
    return (model.controller.*Method)();
}

template <bool (MainDialogWindow::*Method)()> bool OnWindow(DialogModel& model)
{
    MainDialogWindow* window = model.Window();
    return !window || (window->*Method)();
}

// The main dialog's events: what each row runs when the user or the program
// changes it. The sliders' and hum radio buttons' events are raised by their
// states, the others by the form.
constexpr windowing::EventHandler<DialogModel> kEvents[] = {
    { kEffectsPageControl, Event::kPageChange, OnWindow<&MainDialogWindow::EffectsPageControlChange> },
    { kPOPClickTrackBar, Event::kChange, OnController<&DialogController::POPClickTrackBarChange> },
    { kHumTrackBar, Event::kChange, OnController<&DialogController::HumTrackBarChange> },
    { kMainsPowerRadioButton, Event::kClick, OnController<&DialogController::MainsPowerRadioButtonClick> },
    { kHouseCurrentRadioButton, Event::kClick, OnController<&DialogController::HouseCurrentRadioButtonClick> },
    { kHissTrackBar, Event::kChange, OnController<&DialogController::HissTrackBarChange> },
    { kNoiseThresholdTrackBar, Event::kChange, OnController<&DialogController::NoiseThresholdTrackBarChange> },
    { kCancelButton, Event::kClick, OnWindow<&MainDialogWindow::CancelButtonClick> },
    { kOKButton, Event::kClick, OnWindow<&MainDialogWindow::OKButtonClick> },
    { kHelpButton, Event::kClick, OnWindow<&MainDialogWindow::HelpButtonClick> },
};
static_assert(windowing::InRowOrder(kEvents, sizeof kEvents / sizeof *kEvents), "one handler a row, in row order");

// The rows that have a state.
struct StateRow {
    int row;
    ControlState DialogModel::*state;
};

constexpr StateRow kStateRows[] = {
    { kPOPClickThresholdBox, &DialogModel::POPClickThresholdBox },
    { kPOPClickTrackBar, &DialogModel::POPClickTrackBar },
    { kHumBandWidthBox, &DialogModel::HumBandWidthBox },
    { kHumTrackBar, &DialogModel::HumTrackBar },
    { kMainsPowerRadioButton, &DialogModel::MainsPowerRadioButton },
    { kHouseCurrentRadioButton, &DialogModel::HouseCurrentRadioButton },
    { kHissDBBox, &DialogModel::HissDBBox },
    { kHissTrackBar, &DialogModel::HissTrackBar },
    { kNoiseThresholdStaticText, &DialogModel::NoiseThresholdStaticText },
    { kNoiseThresholdTrackBar, &DialogModel::NoiseThresholdTrackBar },
    { kStereoOptionsGroupBox, &DialogModel::StereoOptionsGroupBox },
    { kLeftChannelRadioButton, &DialogModel::LeftChannelRadioButton },
    { kRightChannelRadioButton, &DialogModel::RightChannelRadioButton },
    { kBothChannelsRadioButton, &DialogModel::BothChannelsRadioButton },
    { kRemovePOPClicksCheckBox, &DialogModel::RemovePOPClicksCheckBox },
    { kEliminateHumCheckBox, &DialogModel::EliminateHumCheckBox },
    { kReduceHissCheckBox, &DialogModel::ReduceHissCheckBox },
    { kNoiseReductionCheckBox, &DialogModel::NoiseReductionCheckBox },
};

// A state's change event: its row's handler.
bool StateChanged(void* model, int row)
{
    return windowing::FindHandler(kEvents, row)->run(*static_cast<DialogModel*>(model));
}

} // namespace

DialogModel::DialogModel(const char* decimalSeparator, bool* settingsLoaded)
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
          decimalSeparator, settingsLoaded)
{
    HouseCurrentRadioButton.GroupWith(MainsPowerRadioButton);
    LeftChannelRadioButton.GroupWith(RightChannelRadioButton);
    LeftChannelRadioButton.GroupWith(BothChannelsRadioButton);
    for (const auto& handler : kEvents)
        if (ControlState* state = StateOf(handler.row))
            state->OnChange(StateChanged, this, handler.row);
}

ControlState* DialogModel::StateOf(int row)
{
    for (const StateRow& each : kStateRows)
        if (each.row == row)
            return &(this->*each.state);
    return nullptr;
}

bool DialogModel::Raise(int row, windowing::Event event)
{
    return windowing::RaiseIn(kEvents, *this, row, event);
}

} // namespace scrubwell
