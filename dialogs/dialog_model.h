// DialogModel: the main dialog's settings controls as their states, in their
// designed state from the layout rows, wired to a DialogController through the
// dialog's one event table. Without windows it is the dialog for tests and
// tools: loading and storing a block through it writes the same bytes as the
// dialog, whose windows are views of these same states.
#pragma once

#include "controls/control_state.h"
#include "dialogs/scrubwell_ui_layout.h"
#include "settings/dialog_controller.h"
#include "windowing/events.h"

namespace scrubwell {

// The handlers of the event table that need the dialog's windows: the page
// change and the three push buttons. Without windows those rows do nothing.
class MainDialogWindow {
public:
    virtual bool EffectsPageControlChange() = 0;
    virtual bool OKButtonClick() = 0;
    virtual bool CancelButtonClick() = 0;
    virtual bool HelpButtonClick() = 0;

protected:
    ~MainDialogWindow() = default;
};

class DialogModel {
public:
    // settingsLoaded: the flag that SetDefaults sets; null where nobody asks.
    explicit DialogModel(const char* decimalSeparator = ".", bool* settingsLoaded = nullptr);
    DialogModel(const DialogModel&) = delete;
    DialogModel& operator=(const DialogModel&) = delete;

    // The state of a row of the main layout, or null.
    ControlState* StateOf(int row);
    // Runs row's handler for event, if the table has one; false when it failed.
    bool Raise(int row, windowing::Event event);
    // The window whose handlers the table's window rows run.
    void ShowIn(MainDialogWindow* window) { window_ = window; }
    MainDialogWindow* Window() const { return window_; }

    ControlState POPClickTrackBar, POPClickThresholdBox;
    ControlState HumTrackBar, HumBandWidthBox, HouseCurrentRadioButton, MainsPowerRadioButton;
    ControlState Hint; // the hum slider's hint text, which nothing shows
    ControlState HissTrackBar, HissDBBox;
    ControlState NoiseThresholdTrackBar, NoiseThresholdStaticText;
    ControlState RemovePOPClicksCheckBox, EliminateHumCheckBox, ReduceHissCheckBox, NoiseReductionCheckBox;
    ControlState StereoOptionsGroupBox, LeftChannelRadioButton, RightChannelRadioButton, BothChannelsRadioButton;

    DialogController controller;

private:
    MainDialogWindow* window_ = nullptr;
};

} // namespace scrubwell
