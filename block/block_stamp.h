// What a ShowEffectDialog call writes into the block before the dialog loads
// it, in two steps: the entry point stamps every block that passes the
// argument checks, and the session marks it not accepted once its dialog
// exists, so that only a closing button's store can say otherwise.
#pragma once

#include <cstring>

#include "block/common.h"
#include "block/effect_param_block.h"

namespace scrubwell {

inline void StampBlock(TEffectParamBlock& block, const TWaveFormat& waveFormat)
{
    block.DialogOutcome = kOutcomeNone;
    std::memcpy(&block.WaveFormat, &waveFormat, sizeof waveFormat);
    std::memcpy(block.BlockHeader, kBlockHeader, sizeof kBlockHeader);
}

inline void MarkNotAccepted(TEffectParamBlock& block)
{
    block.DialogOutcome = kOutcomeNotAccepted;
}

} // namespace scrubwell
