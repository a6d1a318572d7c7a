#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>

#include "settings/number_text.h"
#include "settings/pop_click_mapping.h"

namespace {

using namespace scrubwell;

TEST(PopClickMapping, GridThresholdsGiveTheirPositions)
{
    for (int p = 0; p <= 20; ++p)
        EXPECT_EQ(p, ClickThresholdToPosition(static_cast<int16_t>(1500 + 100 * p))) << "position " << p;
}

TEST(PopClickMapping, ThresholdsBetweenGridValuesFollowTheDoubleRounding)
{
    const int cases[][2] = {
        { 1549, 0 },
        { 1551, 1 },
        { 2540, 10 },
        { 1550, 1 },
        { 1650, 1 },
        { 1750, 2 },
        { 1850, 4 },
        { 1950, 4 },
        { 2050, 6 },
        { 2150, 6 },
        { 2250, 8 },
        { 2350, 9 },
        { 2450, 9 },
        { 2550, 11 },
        { 2650, 12 },
        { 2750, 12 },
        { 2850, 13 },
        { 2950, 14 },
        { 3050, 15 },
        { 3150, 17 },
        { 3250, 18 },
        { 3350, 19 },
        { 3450, 19 },
    };
    for (const auto& c : cases)
        EXPECT_EQ(c[1], ClickThresholdToPosition(static_cast<int16_t>(c[0]))) << "threshold " << c[0];
}

TEST(PopClickMapping, EveryThresholdLoadsToTheNearestGridPosition)
{
    for (int t = INT16_MIN; t <= INT16_MAX; ++t) {
        const auto threshold = static_cast<int16_t>(t);
        if (!ClickThresholdInRange(threshold)) {
            EXPECT_TRUE(t < 1500 || t > 3500) << t;
            continue;
        }
        const int p = ClickThresholdToPosition(threshold);
        ASSERT_GE(p, 0) << t;
        ASSERT_LE(p, 20) << t;
        ASSERT_LE(std::abs(1500 + 100 * p - t), 50) << "threshold " << t << " position " << p;
    }
    EXPECT_TRUE(ClickThresholdInRange(1500));
    EXPECT_TRUE(ClickThresholdInRange(3500));
    EXPECT_FALSE(ClickThresholdInRange(1499));
    EXPECT_FALSE(ClickThresholdInRange(3501));
    EXPECT_FALSE(ClickThresholdInRange(-1));
}

TEST(PopClickMapping, StoreWritesTheGridAndLoadsBack)
{
    for (int p = 0; p <= 20; ++p) {
        const int16_t stored = ClickPositionToThreshold(p);
        EXPECT_EQ(1500 + 100 * p, stored) << "position " << p;
        EXPECT_EQ(p, ClickThresholdToPosition(stored)) << "position " << p;
    }
}

TEST(PopClickMapping, ReadoutShowsTheThresholdAStoreWouldWrite)
{
    for (int p = 0; p <= 20; ++p)
        EXPECT_EQ(std::to_string(1500 + 100 * p), NumberText(ClickReadoutValue(p))) << "position " << p;
}

} // namespace
