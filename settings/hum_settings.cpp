// Hum elimination: notch width and mains frequency <-> HumTrackBar and the two frequency buttons.
#include <string>

#include "block/humcommon.h"
#include "settings/effect_settings.h"
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

bool EffectSettings::LoadHumSettings(TEffectParamBlock* block)
{
    c_.HumTrackBar.SetMin(0);
    c_.HumTrackBar.SetMax(kHumSliderMax);
    if (!HumFrequencyValid(block->HumFrequency))
        block->HumFrequency = kHumDefaultFrequency;
    if (!HumWidthValid(block->HumWidthOctaves))
        block->HumWidthOctaves = kHumWidthNarrowest;

    const double width = block->HumWidthOctaves;
    c_.HumTrackBar.SetPosition(HumWidthToPosition(width));
    c_.HumBandWidthBox.SetText(Text(width) + kOctaves);

    if (!LowByteSet(block->Hum60Hz) && !LowByteSet(block->Hum50Hz))
        block->Hum60Hz = 1;
    if (LowByteSet(block->Hum60Hz))
        c_.HouseCurrentRadioButton.SetChecked(true);
    else
        c_.MainsPowerRadioButton.SetChecked(true);
    return true;
}

bool EffectSettings::StoreHumSettings(TEffectParamBlock* block)
{
    block->HumWidthOctaves = HumPositionToWidth(c_.HumTrackBar.Position());
    const bool sixty = c_.HouseCurrentRadioButton.Checked();
    block->Hum60Hz = sixty ? 1 : 0;
    block->Hum50Hz = c_.MainsPowerRadioButton.Checked() ? 1 : 0;
    block->HumFrequency = sixty ? kHum60Hz : kHum50Hz;
    return true;
}

void EffectSettings::HumTrackBarChange()
{
    Check(c_.EliminateHumCheckBox);
    const int position = c_.HumTrackBar.Position();
    c_.Hint.SetText(std::to_string(position));
    if (position >= 0 && position <= kHumSliderMax)
        c_.HumBandWidthBox.SetText(Text(HumReadoutWidth(position)) + kOctaves);
}

void EffectSettings::HouseCurrentRadioButtonClick()
{
    Check(c_.EliminateHumCheckBox);
}

void EffectSettings::MainsPowerRadioButtonClick()
{
    Check(c_.EliminateHumCheckBox);
}

} // namespace scrubwell
