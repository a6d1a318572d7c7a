// Pop and click removal: threshold <-> slider position (0 top = 1500, 20 bottom = 3500).
#pragma once

#include <cstdint>

namespace scrubwell {

bool ClickThresholdInRange(int16_t threshold);

// Nearest slider position for a threshold; thresholds between grid values
// go where the load's double rounding puts them (1550 -> 1, 1850 -> 4).
int ClickThresholdToPosition(int16_t threshold);

// The threshold a store writes: 1500 + 100 * position.
int16_t ClickPositionToThreshold(int position);

// The value the readout shows while the slider stands at position.
long double ClickReadoutValue(int position);

} // namespace scrubwell
