// DialogModel: the main dialog's settings controls as their states, in their
// designed state from the layout rows, wired to a DialogController. Without
// windows it is the dialog for tests and tools: loading and storing a block
// through it writes the same bytes as the dialog, whose windows are views of
// these same states.
#pragma once

#include "controls/control_state.h"
#include "dialogs/scrubwell_ui_layout.h"
#include "settings/dialog_controller.h"

namespace scrubwell {

class DialogModel {
public:
    explicit DialogModel(const char* decimalSeparator = ".");
    DialogModel(const DialogModel&) = delete;
    DialogModel& operator=(const DialogModel&) = delete;

    // The state of a row of the main layout, or null.
    ControlState* StateOf(int row);
    // Runs the controller's handler of a row's change event; false when it failed.
    bool Handle(int row);

    ControlState POPClickTrackBar, POPClickThresholdBox;
    ControlState HumTrackBar, HumBandWidthBox, HouseCurrentRadioButton, MainsPowerRadioButton;
    ControlState Hint; // the hum slider's hint text, which nothing shows
    ControlState HissTrackBar, HissDBBox;
    ControlState NoiseThresholdTrackBar, NoiseThresholdStaticText;
    ControlState RemovePOPClicksCheckBox, EliminateHumCheckBox, ReduceHissCheckBox, NoiseReductionCheckBox;
    ControlState StereoOptionsGroupBox, LeftChannelRadioButton, RightChannelRadioButton, BothChannelsRadioButton;

    DialogController controller;
};

} // namespace scrubwell
