// Noise gate: slider and the fixed values of a stored gate setting.
#pragma once

#include <cstdint>

namespace scrubwell {

inline constexpr int kGateSliderMax = 100;
inline constexpr int kGateDefaultPosition = 50;
inline constexpr int32_t kGatePresetA = 5;
inline constexpr int32_t kGatePresetB = 8;

} // namespace scrubwell
