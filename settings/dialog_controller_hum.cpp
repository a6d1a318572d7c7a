// Hum elimination: notch width and mains frequency <-> HumTrackBar and the two frequency buttons.
#include "block/humcommon.h"
#include "settings/dialog_controller.h"
#include "settings/hum_mapping.h"

namespace scrubwell {
namespace {

constexpr char kOctaves[] = " Octaves";

// Only the low-order byte of a frequency word counts when the load reads it.
bool LowByteSet(uint16_t word)
{
    return (word & 0xFF) != 0;
}

} // namespace

bool DialogController::LoadHumSettings(TEffectParamBlock* block)
{
    if (!c_.HumTrackBar.SetMin(0) || !c_.HumTrackBar.SetMax(kHumSliderMax))
        return false;
    if (!HumFrequencyValid(block->HumFrequency))
        block->HumFrequency = kHumDefaultFrequency;
    if (!HumWidthValid(block->HumWidthOctaves))
        block->HumWidthOctaves = kHumWidthNarrowest;

    const double width = block->HumWidthOctaves;
    if (!c_.HumTrackBar.SetPosition(HumWidthToPosition(width)))
        return false;
    c_.HumBandWidthBox.SetText(Text(width, kOctaves).c_str());

    if (!LowByteSet(block->Hum60Hz) && !LowByteSet(block->Hum50Hz))
        block->Hum60Hz = 1;
    if (LowByteSet(block->Hum60Hz))
        return c_.HouseCurrentRadioButton.SetChecked(true);
    return c_.MainsPowerRadioButton.SetChecked(true);
}

bool DialogController::StoreHumSettings(TEffectParamBlock* block)
{
    block->HumWidthOctaves = HumPositionToWidth(c_.HumTrackBar.Position());
    const bool sixty = c_.HouseCurrentRadioButton.Checked();
    block->Hum60Hz = sixty ? 1 : 0;
    block->Hum50Hz = c_.MainsPowerRadioButton.Checked() ? 1 : 0;
    block->HumFrequency = sixty ? kHum60Hz : kHum50Hz;
    return true;
}

bool DialogController::HumTrackBarChange()
{
    if (!CheckToolBox(c_.EliminateHumCheckBox))
        return false;
    const int position = c_.HumTrackBar.Position();
    c_.Hint.SetText(Text(position).c_str());
    if (position >= 0 && position <= kHumSliderMax)
        c_.HumBandWidthBox.SetText(Text(HumReadoutWidth(position), kOctaves).c_str());
    return true;
}

bool DialogController::HouseCurrentRadioButtonClick()
{
    return CheckToolBox(c_.EliminateHumCheckBox);
}

bool DialogController::MainsPowerRadioButtonClick()
{
    return CheckToolBox(c_.EliminateHumCheckBox);
}

} // namespace scrubwell
