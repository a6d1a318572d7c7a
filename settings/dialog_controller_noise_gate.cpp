// Noise gate: GateThreshold, the first-use band layout and the fixed values <-> NoiseThresholdTrackBar.
#include "block/equalizecommon.h"
#include "block/noisecommon.h"
#include "settings/dialog_controller.h"

namespace scrubwell {

bool DialogController::LoadNoiseGateSettings(TEffectParamBlock* block)
{
    if (!c_.NoiseThresholdTrackBar.SetMin(0) || !c_.NoiseThresholdTrackBar.SetMax(kGateSliderMax))
        return false;
    if (block->GateValid != 0)
        return c_.NoiseThresholdTrackBar.SetPosition(block->GateThreshold);
    // First use: the default position and the gate's band layout.
    if (!c_.NoiseThresholdTrackBar.SetPosition(kGateDefaultPosition))
        return false;
    for (int band = 0; band < kBandCount; ++band) {
        block->GateFrequency[band] = BandFrequencies[band];
        block->GateWidth[band] = BandWidths[band];
    }
    block->GateBandCount = kBandCount;
    return true;
}

bool DialogController::StoreNoiseGateSettings(TEffectParamBlock* block)
{
    block->GateThreshold = c_.NoiseThresholdTrackBar.Position();
    block->GatePresetA = kGatePresetA;
    block->GatePresetB = kGatePresetB;
    block->GateValid = 1;
    return true;
}

bool DialogController::NoiseThresholdTrackBarChange()
{
    if (!CheckToolBox(c_.NoiseReductionCheckBox))
        return false;
    const int position = c_.NoiseThresholdTrackBar.Position();
    if (position >= 0 && position <= kGateSliderMax)
        c_.NoiseThresholdStaticText.SetText(Text(kGateSliderMax - position).c_str());
    return true;
}

} // namespace scrubwell
