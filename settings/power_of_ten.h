// PowerOfTen: 10^y correctly rounded to the x87 extended format.
#pragma once

namespace scrubwell {

// 10 to the power y, correctly rounded to the x87 extended format (64-bit
// significand, round to nearest): the nearest extended number to the exact
// value, with the format's subnormals, +0.0 below them and +INF above its
// range. NaN gives NaN. Uses integer arithmetic only, so it returns the same
// bits on every build, whatever the floating-point state.
long double PowerOfTen(long double y);

} // namespace scrubwell
