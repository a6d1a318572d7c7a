// Hiss reduction: the top band's gain <-> slider position, and the gains a
// store writes into the two highest bands (kHissSecondBand, kHissTopBand).
#pragma once

namespace scrubwell {

// Slider position for the top band's gain in dB, limited to 0..100 as the
// slider limits it. NaN counts as 0 dB.
int HissGainToPosition(double topBandGainDb);

// Gains in dB that a store writes for a slider position (zero as +0.0).
double HissSecondBandGainDb(int position); // 0 .. -10 dB
double HissTopBandGainDb(int position); // 0 .. -40 dB

// Linear amplitude factor of a gain in dB: 10^(dB/20) with dB/20 in extended
// precision, the power correctly rounded to extended, then rounded to double.
double DbToLinear(double gainDb);

// The value the readout shows while the slider stands at position.
long double HissReadoutValue(int position);

} // namespace scrubwell
