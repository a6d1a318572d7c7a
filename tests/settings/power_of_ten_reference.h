// The power of ten and the linear gain as MPFR computes them: the reference
// for the library's own arithmetic (native builds only).
#pragma once

namespace scrubwell {

// 10^y correctly rounded to the x87 extended format, its subnormals included.
long double ReferencePowerOfTen(long double y);

// 10^(g/20): g/20 rounded to extended, the power correctly rounded to
// extended, that rounded to double.
double ReferenceLinearGain(double gainDb);

} // namespace scrubwell
