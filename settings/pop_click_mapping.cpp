#include "settings/pop_click_mapping.h"

#include "block/common.h"
#include "settings/floating_point_scope.h"
#include "settings/rounding.h"

namespace scrubwell {

bool ClickThresholdInRange(int16_t threshold)
{
    return threshold >= kClickThresholdStrongest && threshold <= kClickThresholdWeakest;
}

int ClickThresholdToPosition(int16_t threshold)
{
    FloatingPointScope fp;
    const double q = static_cast<double>((static_cast<long double>(threshold) - kClickThresholdWeakest) / -2000.0L);
    const long double r = RoundHalfEven(kClickSliderMax * static_cast<long double>(q));
    return kClickSliderMax - static_cast<int>(r);
}

int16_t ClickPositionToThreshold(int position)
{
    FloatingPointScope fp;
    const long double n = kClickSliderMax - position;
    const long double t
        = kClickThresholdWeakest + (n / kClickSliderMax) * (kClickThresholdStrongest - kClickThresholdWeakest);
    return static_cast<int16_t>(RoundHalfEven(t));
}

long double ClickReadoutValue(int position)
{
    FloatingPointScope fp;
    const long double n = kClickSliderMax - position;
    return n / kClickSliderMax * -2000.0L + kClickThresholdWeakest;
}

} // namespace scrubwell
