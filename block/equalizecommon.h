// The 10-band layout shared by the hiss equalizer and the noise gate.
#pragma once

#include <cstdint>

namespace scrubwell {

inline constexpr int kBandCount = 10;

// Centre frequency and width of each band in Hz, band 0 lowest. Two tables
// that happen to hold the same values.
extern const uint32_t BandFrequencies[kBandCount];
extern const uint32_t BandWidths[kBandCount];

} // namespace scrubwell
