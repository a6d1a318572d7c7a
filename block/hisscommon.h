// Hiss reduction: the slider and the cut of the two highest equalizer bands.
#pragma once

namespace scrubwell {

inline constexpr int kHissSliderMax = 100;
inline constexpr int kHissTopBand = 9; // cut by up to -40 dB
inline constexpr int kHissSecondBand = 8; // cut by up to -10 dB
inline constexpr long double kHissTopBandMaxCutDb = -40.0L;
inline constexpr long double kHissSecondBandScaleDb = -20.0L; // applied to half the cut

} // namespace scrubwell
