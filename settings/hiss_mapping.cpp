#include "settings/hiss_mapping.h"

#include <cmath>

#include "block/hisscommon.h"
#include "settings/floating_point_scope.h"
#include "settings/power_of_ten.h"
#include "settings/rounding.h"

namespace scrubwell {
namespace {

// Gains are stored as positive zero, never -0.0.
double PositiveZero(double value)
{
    return value == 0 ? 0.0 : value;
}

int CutAmount(int position)
{
    return kHissSliderMax - position;
}

} // namespace

int HissGainToPosition(double topBandGainDb)
{
    FloatingPointScope fp;
    if (std::isnan(topBandGainDb))
        return kHissSliderMax;
    const double f = static_cast<double>(topBandGainDb / kHissTopBandMaxCutDb);
    const int r = RoundHalfEvenClamped(100.0L * f, 0, kHissSliderMax, 0);
    return kHissSliderMax - r;
}

double HissSecondBandGainDb(int position)
{
    FloatingPointScope fp;
    const int halfCut = CutAmount(position) / 2;
    return PositiveZero(static_cast<double>(kHissSecondBandScaleDb * halfCut / 100.0L));
}

double HissTopBandGainDb(int position)
{
    FloatingPointScope fp;
    return PositiveZero(static_cast<double>(kHissTopBandMaxCutDb * CutAmount(position) / 100.0L));
}

double DbToLinear(double gainDb)
{
    FloatingPointScope fp;
    return static_cast<double>(PowerOfTen(gainDb / 20.0L));
}

long double HissReadoutValue(int position)
{
    FloatingPointScope fp;
    const double fraction = static_cast<double>(static_cast<long double>(CutAmount(position)) / 100.0L);
    const long double value = kHissTopBandMaxCutDb * fraction;
    return value == 0 ? 0.0L : value;
}

} // namespace scrubwell
