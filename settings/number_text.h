// Number text: how the readouts write numbers.
#pragma once

#include <string>
#include <string_view>

namespace scrubwell {

// General format with at most 15 significant digits: the exact value rounded
// (halves to even), trailing zeros dropped, fixed-point unless the magnitude is
// below 0.0001 or has more than 15 integer digits (then 1.5E20, 1E-5). Negative
// zero is written 0; NaN and the infinities as NAN, INF, -INF.
std::string NumberText(long double value, std::string_view decimalSeparator = ".");

} // namespace scrubwell
