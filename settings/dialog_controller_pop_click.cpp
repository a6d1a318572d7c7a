// Pop and click removal: ClickThreshold and the seven fixed values <-> POPClickTrackBar.
#include "block/common.h"
#include "settings/dialog_controller.h"
#include "settings/fault_point.h"
#include "settings/pop_click_mapping.h"

namespace scrubwell {

bool DialogController::LoadPopClickSettings(TEffectParamBlock* block)
{
    block->ClickPresetB1 = kClickPresetB;
    block->ClickPresetB2 = kClickPresetB;
    block->ClickPresetA2 = kClickPresetA;
    block->ClickPresetA1 = kClickPresetA;
    block->ClickPresetC1 = kClickPresetC;
    block->ClickPresetC2 = kClickPresetC;
    block->ClickPresetD = kClickPresetD;
    if (!ClickThresholdInRange(block->ClickThreshold))
        block->ClickThreshold = kClickThresholdDefault;

    const int16_t threshold = block->ClickThreshold;
    if (!c_.POPClickTrackBar.SetMin(0) || !c_.POPClickTrackBar.SetMax(kClickSliderMax)
        || !c_.POPClickTrackBar.SetPosition(ClickThresholdToPosition(threshold)))
        return false;
    // The block's own value, which may lie between two slider positions.
    c_.POPClickThresholdBox.SetText(Text(threshold).c_str());
    return true;
}

bool DialogController::StorePopClickSettings(TEffectParamBlock* block)
{
    block->ClickThreshold = ClickPositionToThreshold(c_.POPClickTrackBar.Position());
    return true;
}

bool DialogController::POPClickTrackBarChange()
{
    if (SCRUBWELL_FAULT_POINT("slider") || !CheckToolBox(c_.RemovePOPClicksCheckBox))
        return false;
    const int position = c_.POPClickTrackBar.Position();
    if (position >= 0 && position <= kClickSliderMax)
        c_.POPClickThresholdBox.SetText(Text(ClickReadoutValue(position)).c_str());
    return true;
}

} // namespace scrubwell
