// Hiss reduction: the ten equalizer bands <-> HissTrackBar.
#include "block/equalizecommon.h"
#include "block/hisscommon.h"
#include "settings/dialog_controller.h"
#include "settings/hiss_mapping.h"

namespace scrubwell {
namespace {

constexpr char kDecibels[] = " dB";

} // namespace

bool DialogController::LoadHissSettings(TEffectParamBlock* block)
{
    for (int band = 0; band < kBandCount; ++band) {
        block->EqGain[band] = DbToLinear(block->EqGainDb[band]);
        block->EqFrequency[band] = BandFrequencies[band];
        block->EqWidth[band] = BandWidths[band];
    }
    const double topGain = block->EqGainDb[kHissTopBand];
    if (!c_.HissTrackBar.SetMin(0) || !c_.HissTrackBar.SetMax(kHissSliderMax)
        || !c_.HissTrackBar.SetPosition(HissGainToPosition(topGain)))
        return false;
    // The block's own value, replacing what the change handler may just have written.
    c_.HissDBBox.SetText(Text(topGain, kDecibels).c_str());
    block->EqBandCount = kBandCount;
    return true;
}

bool DialogController::StoreHissSettings(TEffectParamBlock* block)
{
    int position = c_.HissTrackBar.Position();
    position = position < 0 ? 0 : position > kHissSliderMax ? kHissSliderMax : position;
    for (int band = 0; band < kBandCount; ++band)
        block->EqGainDb[band] = 0.0;
    block->EqGainDb[kHissSecondBand] = HissSecondBandGainDb(position);
    block->EqGainDb[kHissTopBand] = HissTopBandGainDb(position);
    for (int band = 0; band < kBandCount; ++band)
        block->EqGain[band] = DbToLinear(block->EqGainDb[band]);
    block->EqBandCount = kBandCount;
    return true;
}

bool DialogController::HissTrackBarChange()
{
    if (!CheckToolBox(c_.ReduceHissCheckBox))
        return false;
    const int position = c_.HissTrackBar.Position();
    if (position >= 0 && position <= kHissSliderMax)
        c_.HissDBBox.SetText(Text(HissReadoutValue(position), kDecibels).c_str());
    return true;
}

} // namespace scrubwell
