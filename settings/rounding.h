// Rounding of the settings arithmetic: to the nearest integer, halves to the even neighbour.
#pragma once

namespace scrubwell {

// Exact for every finite value, whatever the x87 rounding mode; NaN and
// infinities come back as they are.
long double RoundHalfEven(long double value);

// RoundHalfEven, then limited to lo..hi; NaN gives nanValue.
int RoundHalfEvenClamped(long double value, int lo, int hi, int nanValue);

} // namespace scrubwell
