// Values shared by the entry points, the session and the settings of every tool.
#pragma once

#include <cstdint>

namespace scrubwell {

// How the dialog ended, as DialogOutcome records it.
enum DialogOutcomeValue : int32_t {
    kOutcomeNone = 0,
    kOutcomeAccepted = 1,
    kOutcomeNotAccepted = 2,
};

// Stamped into BlockHeader on every call that passes the argument checks.
inline constexpr int32_t kBlockHeader[4] = { 1, 0, 2, 0 };

// ChannelCode values.
inline constexpr int32_t kChannelLeft = 1;
inline constexpr int32_t kChannelRight = 2;
inline constexpr int32_t kChannelBoth = 3;

// Pop and click removal: threshold range and the fixed values stamped at load.
inline constexpr int16_t kClickThresholdStrongest = 1500;
inline constexpr int16_t kClickThresholdWeakest = 3500;
inline constexpr int16_t kClickThresholdDefault = 2500;
inline constexpr int kClickSliderMax = 20;
inline constexpr int32_t kClickPresetA = 5;
inline constexpr int32_t kClickPresetB = 4;
inline constexpr int32_t kClickPresetC = 10;
inline constexpr int32_t kClickPresetD = 5;

} // namespace scrubwell
