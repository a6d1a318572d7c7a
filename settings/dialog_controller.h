// DialogController: the main dialog's controller. Loads the parameter
// block into the dialog's controls, stores them back, and holds the change
// handlers that keep the tools' check boxes and readouts current.
#pragma once

#include "block/effect_param_block.h"
#include "controls/control_interfaces.h"
#include "controls/short_text.h"

namespace scrubwell {

// The controls the settings routines read and write, by their dialog names.
struct EffectControls {
    SliderControl& POPClickTrackBar;
    TextControl& POPClickThresholdBox;

    SliderControl& HumTrackBar;
    TextControl& HumBandWidthBox;
    ToggleControl& HouseCurrentRadioButton;
    ToggleControl& MainsPowerRadioButton;
    TextControl& Hint; // the dialog's hint text, never shown

    SliderControl& HissTrackBar;
    TextControl& HissDBBox;

    SliderControl& NoiseThresholdTrackBar;
    TextControl& NoiseThresholdStaticText;

    ToggleControl& RemovePOPClicksCheckBox;
    ToggleControl& EliminateHumCheckBox;
    ToggleControl& ReduceHissCheckBox;
    ToggleControl& NoiseReductionCheckBox;

    EnableControl& StereoOptionsGroupBox;
    ToggleControl& LeftChannelRadioButton;
    ToggleControl& RightChannelRadioButton;
    ToggleControl& BothChannelsRadioButton;
};

class DialogController {
public:
    // decimalSeparator: at most 3 characters. settingsLoaded: the flag that
    // SetDefaults sets, which lives as long as the library; null where nobody asks.
    DialogController(const EffectControls& controls, const char* decimalSeparator, bool* settingsLoaded = nullptr);

    // Load and store: each returns true, or false as soon as a change handler
    // that it raised has failed; a failed load writes nothing after that point.
    // Load: the whole block, as a session opens it. The effect options come
    // after the tool loads: their sliders and buttons check the tools' boxes,
    // and the block has the last word on those.
    bool Load(TEffectParamBlock* block);
    bool LoadSettings(TEffectParamBlock* block);
    bool SetDefaults(TEffectParamBlock* block);
    bool LoadPopClickSettings(TEffectParamBlock* block);
    bool LoadHumSettings(TEffectParamBlock* block);
    bool LoadHissSettings(TEffectParamBlock* block);
    bool LoadNoiseGateSettings(TEffectParamBlock* block);
    bool LoadEffectOptions(TEffectParamBlock* block);

    bool StoreSettings(TEffectParamBlock* block);
    bool StorePopClickSettings(TEffectParamBlock* block);
    bool StoreHumSettings(TEffectParamBlock* block);
    bool StoreHissSettings(TEffectParamBlock* block);
    bool StoreNoiseGateSettings(TEffectParamBlock* block);

    // The closing buttons: true when the modal run should end (with OK or
    // Cancel); false, doing nothing, while no block is loaded.
    bool OKButtonClick();
    bool CancelButtonClick();

    // Change and click handlers, wired to the controls' events; false when
    // they failed.
    bool POPClickTrackBarChange();
    bool HumTrackBarChange();
    bool HouseCurrentRadioButtonClick();
    bool MainsPowerRadioButtonClick();
    bool HissTrackBarChange();
    bool NoiseThresholdTrackBarChange();

    // The parameter block that the last load set, which the closing buttons
    // store into; not owned. Null before any load.
    TEffectParamBlock* Block() const { return block_; }

private:
    // A readout: the value in number text, then the unit. A block's double is
    // widened inside the library's floating-point state, where a signalling
    // NaN or a denormal cannot trap a host that unmasks exceptions.
    ShortText Text(long double value, const char* unit = "") const;
    ShortText Text(double value, const char* unit = "") const;
    ShortText Text(int value) const { return Text(static_cast<long double>(value)); }
    // Checks a tool's check box, if it is not checked yet.
    static bool CheckToolBox(ToggleControl& toolCheckBox);

    EffectControls c_;
    ShortText decimalSeparator_;
    bool* settingsLoaded_;
    TEffectParamBlock* block_ = nullptr;
};

} // namespace scrubwell
