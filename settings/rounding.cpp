#include "settings/rounding.h"

#include <cmath>

namespace scrubwell {

long double RoundHalfEven(long double value)
{
    if (!std::isfinite(value))
        return value;
    const long double below = std::floor(value);
    const long double fraction = value - below; // exact: both lie in the same binade or closer
    if (fraction > 0.5L)
        return below + 1.0L;
    if (fraction < 0.5L)
        return below;
    return std::fmod(below, 2.0L) == 0.0L ? below : below + 1.0L;
}

int RoundHalfEvenClamped(long double value, int lo, int hi, int nanValue)
{
    if (std::isnan(value))
        return nanValue;
    const long double rounded = RoundHalfEven(value);
    if (rounded <= lo)
        return lo;
    if (rounded >= hi)
        return hi;
    return static_cast<int>(rounded);
}

} // namespace scrubwell
