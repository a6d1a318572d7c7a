// Noise gate: GateThreshold, the first-use band layout and the fixed values <-> NoiseThresholdTrackBar.
#include <string>

#include "block/equalizecommon.h"
#include "block/noisecommon.h"
#include "settings/effect_settings.h"

namespace scrubwell {

bool EffectSettings::LoadNoiseGateSettings(TEffectParamBlock* block)
{
    c_.NoiseThresholdTrackBar.SetMin(0);
    c_.NoiseThresholdTrackBar.SetMax(kGateSliderMax);
    if (block->GateValid != 0) {
        c_.NoiseThresholdTrackBar.SetPosition(block->GateThreshold);
        return true;
    }
    // First use: the default position and the gate's band layout.
    c_.NoiseThresholdTrackBar.SetPosition(kGateDefaultPosition);
    for (int band = 0; band < kBandCount; ++band) {
        block->GateFrequency[band] = BandFrequencies[band];
        block->GateWidth[band] = BandWidths[band];
    }
    block->GateBandCount = kBandCount;
    return true;
}

bool EffectSettings::StoreNoiseGateSettings(TEffectParamBlock* block)
{
    block->GateThreshold = c_.NoiseThresholdTrackBar.Position();
    block->GatePresetA = kGatePresetA;
    block->GatePresetB = kGatePresetB;
    block->GateValid = 1;
    return true;
}

void EffectSettings::NoiseThresholdTrackBarChange()
{
    Check(c_.NoiseReductionCheckBox);
    const int position = c_.NoiseThresholdTrackBar.Position();
    if (position >= 0 && position <= kGateSliderMax)
        c_.NoiseThresholdStaticText.SetText(std::to_string(kGateSliderMax - position));
}

} // namespace scrubwell
