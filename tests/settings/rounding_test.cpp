#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "settings/rounding.h"

namespace {

using scrubwell::RoundHalfEven;
using scrubwell::RoundHalfEvenClamped;

TEST(Rounding, HalvesGoToTheEvenNeighbour)
{
    const long double cases[][2] = {
        { 0.5L, 0 },
        { 1.5L, 2 },
        { 2.5L, 2 },
        { 3.5L, 4 },
        { -0.5L, 0 },
        { -1.5L, -2 },
        { -2.5L, -2 },
        { 12.5L, 12 },
        { -12.5L, -12 },
        { 87.5L, 88 },
        { 0.49999999L, 0 },
        { 0.50000001L, 1 },
        { 2.4L, 2 },
        { 2.6L, 3 },
        { -2.6L, -3 },
        { 1e18L + 0.5L, 1e18L },
    };
    for (const auto& c : cases)
        EXPECT_EQ(c[1], RoundHalfEven(c[0])) << static_cast<double>(c[0]);
}

TEST(Rounding, IgnoresTheX87RoundingMode)
{
    // Round toward zero would turn 2.6 into 2 if the code relied on the mode.
    unsigned short saved;
    __asm__ __volatile__("fnstcw %0" : "=m"(saved));
    const unsigned short towardZero = saved | 0x0C00;
    __asm__ __volatile__("fldcw %0" : : "m"(towardZero));
    const long double up = RoundHalfEven(2.6L);
    const long double half = RoundHalfEven(3.5L);
    __asm__ __volatile__("fldcw %0" : : "m"(saved));
    EXPECT_EQ(3, up);
    EXPECT_EQ(4, half);
}

TEST(Rounding, ClampedVariantLimitsAndMapsNan)
{
    EXPECT_EQ(0, RoundHalfEvenClamped(-7.0L, 0, 100, 50));
    EXPECT_EQ(100, RoundHalfEvenClamped(1e300L, 0, 100, 50));
    EXPECT_EQ(100, RoundHalfEvenClamped(std::numeric_limits<long double>::infinity(), 0, 100, 50));
    EXPECT_EQ(0, RoundHalfEvenClamped(-std::numeric_limits<long double>::infinity(), 0, 100, 50));
    EXPECT_EQ(50, RoundHalfEvenClamped(std::numeric_limits<long double>::quiet_NaN(), 0, 100, 50));
    EXPECT_EQ(12, RoundHalfEvenClamped(12.5L, 0, 100, 50));
}

} // namespace
