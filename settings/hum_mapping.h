// Hum elimination: notch width <-> slider position (0 top = 0.5 octaves, 4 bottom = 0.1).
#pragma once

namespace scrubwell {

// 60.0 and 50.0 are the only frequencies a block may hold. By reference: the
// block's bytes are compared without loading them as a double.
bool HumFrequencyValid(const double& frequency);

// 0.1 (as its nearest extended value) to 0.5; NaN is not valid.
bool HumWidthValid(double widthOctaves);

int HumWidthToPosition(double widthOctaves);

// The width a store writes: 0.5, 0.4, 0.3, 0.2, 0.1 for positions 0 to 4.
double HumPositionToWidth(int position);

// The width the readout shows while the slider stands at position.
double HumReadoutWidth(int position);

} // namespace scrubwell
