// Number text: how the readouts write numbers.
#pragma once

#include <string>
#include <string_view>

#include "controls/short_text.h"

namespace scrubwell {

// General format with at most 15 significant digits: the exact value rounded
// (halves to even), trailing zeros dropped, fixed-point unless the magnitude is
// below 0.0001 or has more than 15 integer digits (then 1.5E20, 1E-5). Negative
// zero is written 0; NaN and the infinities as NAN, INF, -INF. The decimal
// separator has at most 3 characters, so every text fits a ShortText.
ShortText FormatNumber(long double value, const char* decimalSeparator = ".");

// The same as a string, for the tools and tests.
inline std::string NumberText(long double value, std::string_view decimalSeparator = ".")
{
    return FormatNumber(value, std::string(decimalSeparator).c_str()).c_str();
}

} // namespace scrubwell
