#include "settings/hum_mapping.h"

#include <cmath>
#include <cstring>

#include "block/humcommon.h"
#include "settings/floating_point_scope.h"
#include "settings/rounding.h"

namespace scrubwell {

// Bit patterns, not a comparison: comparing a signalling NaN raises the
// invalid-operation exception, which traps in a host that unmasks it.
bool HumFrequencyValid(const double& frequency)
{
    return std::memcmp(&frequency, &kHum60Hz, sizeof frequency) == 0
        || std::memcmp(&frequency, &kHum50Hz, sizeof frequency) == 0;
}

bool HumWidthValid(double widthOctaves)
{
    FloatingPointScope fp;
    return !std::isnan(widthOctaves) && !(widthOctaves < kHumWidthNarrowestX) && !(widthOctaves > kHumWidthWidest);
}

int HumWidthToPosition(double widthOctaves)
{
    FloatingPointScope fp;
    const double q = static_cast<double>((widthOctaves - kHumWidthNarrowestX) / kHumWidthSpanX);
    const int r = RoundHalfEvenClamped(kHumSliderMax * static_cast<long double>(q), 0, kHumSliderMax, 0);
    return kHumSliderMax - r;
}

double HumPositionToWidth(int position)
{
    FloatingPointScope fp;
    const long double n = kHumSliderMax - position;
    const long double span = static_cast<long double>(kHumWidthWidest) - kHumWidthNarrowest;
    return static_cast<double>(n / kHumSliderMax * span + kHumWidthNarrowest);
}

double HumReadoutWidth(int position)
{
    FloatingPointScope fp;
    double w = static_cast<double>(static_cast<long double>(kHumSliderMax - position) / kHumSliderMax);
    w = static_cast<double>(kHumWidthSpanX * w);
    w = static_cast<double>(kHumWidthNarrowestX + w);
    return w;
}

} // namespace scrubwell
