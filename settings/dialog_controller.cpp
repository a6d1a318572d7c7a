// Tool selection and channel choice, and the routines that load and store the whole block.
#include "settings/dialog_controller.h"
#include "block/common.h"
#include "settings/fault_point.h"
#include "settings/floating_point_scope.h"
#include "settings/number_text.h"

namespace scrubwell {

namespace {

uint16_t Switch(bool on)
{
    return on ? 1 : 0;
}

} // namespace

DialogController::DialogController(const EffectControls& controls, const char* decimalSeparator, bool* settingsLoaded)
    : c_(controls)
    , decimalSeparator_(decimalSeparator)
    , settingsLoaded_(settingsLoaded)
{
}

ShortText DialogController::Text(long double value, const char* unit) const
{
    FloatingPointScope fp;
    return FormatNumber(value, decimalSeparator_.c_str()).Append(unit);
}

ShortText DialogController::Text(double value, const char* unit) const
{
    FloatingPointScope fp;
    return FormatNumber(value, decimalSeparator_.c_str()).Append(unit);
}

bool DialogController::CheckToolBox(ToggleControl& toolCheckBox)
{
    return toolCheckBox.Checked() || toolCheckBox.SetChecked(true);
}

bool DialogController::Load(TEffectParamBlock* block)
{
    return LoadSettings(block) && LoadEffectOptions(block);
}

bool DialogController::LoadSettings(TEffectParamBlock* block)
{
    if (SCRUBWELL_FAULT_POINT("load"))
        return false;
    block_ = block;
    return SetDefaults(block) && LoadPopClickSettings(block) && LoadHumSettings(block) && LoadHissSettings(block)
        && LoadNoiseGateSettings(block);
}

bool DialogController::SetDefaults(TEffectParamBlock* block)
{
    if (!c_.BothChannelsRadioButton.SetChecked(true))
        return false;
    c_.LeftChannelRadioButton.SetEnabled(true);
    c_.RightChannelRadioButton.SetEnabled(true);
    c_.BothChannelsRadioButton.SetEnabled(true);
    c_.StereoOptionsGroupBox.SetEnabled(true);
    if (!c_.RemovePOPClicksCheckBox.SetChecked(false) || !c_.EliminateHumCheckBox.SetChecked(false)
        || !c_.ReduceHissCheckBox.SetChecked(false))
        return false;
    // Only the low-order bytes take part in this test.
    if ((block->LeftOnlyChosen & 0xFF) == 0 && (block->RightOnlyChosen & 0xFF) == 0 && (block->BothChosen & 0xFF) == 0)
        block->BothChosen = 1;
    block->EffectFlags = 0;
    if (settingsLoaded_)
        *settingsLoaded_ = true;
    return true;
}

bool DialogController::LoadEffectOptions(TEffectParamBlock* block)
{
    block_ = block;
    const bool stereo = block->WaveFormat.Channels > 1;
    // The whole word must be 1; any other value leaves the control unchecked.
    // The channels in this order, so that both wins over right and right over left.
    const bool loaded = c_.BothChannelsRadioButton.SetChecked(true)
        && c_.RemovePOPClicksCheckBox.SetChecked(block->PopClickOn == 1)
        && c_.EliminateHumCheckBox.SetChecked(block->HumOn == 1) && c_.ReduceHissCheckBox.SetChecked(block->HissOn == 1)
        && c_.NoiseReductionCheckBox.SetChecked(block->GateOn == 1)
        && c_.LeftChannelRadioButton.SetChecked(block->LeftOnlyChosen == 1)
        && c_.RightChannelRadioButton.SetChecked(block->RightOnlyChosen == 1)
        && c_.BothChannelsRadioButton.SetChecked(block->BothChosen == 1);
    if (!loaded)
        return false;
    c_.StereoOptionsGroupBox.SetEnabled(stereo);
    c_.LeftChannelRadioButton.SetEnabled(stereo);
    c_.RightChannelRadioButton.SetEnabled(stereo);
    c_.BothChannelsRadioButton.SetEnabled(stereo);
    return true;
}

bool DialogController::StoreSettings(TEffectParamBlock* block)
{
    if (SCRUBWELL_FAULT_POINT("store"))
        return false;
    StorePopClickSettings(block);
    StoreHumSettings(block);
    StoreHissSettings(block);
    StoreNoiseGateSettings(block);

    block->LeftOnlyChosen = Switch(c_.LeftChannelRadioButton.Checked());
    block->RightOnlyChosen = Switch(c_.RightChannelRadioButton.Checked());
    block->BothChosen = Switch(c_.BothChannelsRadioButton.Checked());
    block->PopClickOn = Switch(c_.RemovePOPClicksCheckBox.Checked());
    block->HumOn = Switch(c_.EliminateHumCheckBox.Checked());
    block->HissOn = Switch(c_.ReduceHissCheckBox.Checked());
    block->GateOn = Switch(c_.NoiseReductionCheckBox.Checked());

    block->ChannelCode = block->LeftOnlyChosen == 1 ? kChannelLeft
        : block->RightOnlyChosen == 1               ? kChannelRight
                                                    : kChannelBoth;
    uint32_t flags = 0;
    if (block->PopClickOn == 1)
        flags |= SCRUBWELL_FLAG_POP_CLICK;
    if (block->HumOn == 1)
        flags |= SCRUBWELL_FLAG_HUM;
    if (block->HissOn == 1)
        flags |= SCRUBWELL_FLAG_HISS;
    if (block->GateOn == 1)
        flags |= SCRUBWELL_FLAG_GATE;
    block->EffectFlags = flags;
    return true;
}

bool DialogController::OKButtonClick()
{
    if (!block_ || !StoreSettings(block_))
        return false;
    block_->DialogOutcome = kOutcomeAccepted;
    return true;
}

bool DialogController::CancelButtonClick()
{
    if (!block_)
        return false;
    block_->DialogOutcome = kOutcomeNotAccepted;
    return true;
}

} // namespace scrubwell
