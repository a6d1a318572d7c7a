#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "settings/hum_mapping.h"
#include "settings/number_text.h"

namespace {

using namespace scrubwell;

TEST(HumMapping, OnlySixtyAndFiftyHertzAreValid)
{
    EXPECT_TRUE(HumFrequencyValid(60.0));
    EXPECT_TRUE(HumFrequencyValid(50.0));
    EXPECT_FALSE(HumFrequencyValid(55.0));
    EXPECT_FALSE(HumFrequencyValid(0.0));
    EXPECT_FALSE(HumFrequencyValid(std::nan("")));
    EXPECT_FALSE(HumFrequencyValid(std::numeric_limits<double>::infinity()));
}

TEST(HumMapping, WidthRangeUsesTheExtendedLowerBound)
{
    EXPECT_TRUE(HumWidthValid(0.1));
    EXPECT_TRUE(HumWidthValid(0.5));
    EXPECT_TRUE(HumWidthValid(0.3));
    EXPECT_FALSE(HumWidthValid(std::nextafter(0.1, 0.0))); // 0.09999999999999999167...
    EXPECT_FALSE(HumWidthValid(std::nextafter(0.5, 1.0)));
    EXPECT_FALSE(HumWidthValid(0.09));
    EXPECT_FALSE(HumWidthValid(0.0));
    EXPECT_FALSE(HumWidthValid(-1.0));
    EXPECT_FALSE(HumWidthValid(0.55));
    EXPECT_FALSE(HumWidthValid(std::nan("")));
    EXPECT_FALSE(HumWidthValid(std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(HumWidthValid(-std::numeric_limits<double>::infinity()));
}

TEST(HumMapping, WidthsLoadToTheNearestPosition)
{
    const struct {
        double width;
        int position;
    } cases[] = {
        { 0.5, 0 },
        { 0.4, 1 },
        { 0.3, 2 },
        { 0.2, 3 },
        { 0.1, 4 },
        { 0.15, 4 },
        { 0.25, 2 },
        { 0.35, 2 },
        { 0.45, 0 },
        { 0.12, 4 },
        { 0.17, 3 },
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.position, HumWidthToPosition(c.width)) << "width " << c.width;
}

TEST(HumMapping, StoreWritesTheNearestDoublesAndLoadsBack)
{
    const double stored[] = { 0.5, 0.4, 0.3, 0.2, 0.1 };
    for (int p = 0; p <= 4; ++p) {
        EXPECT_EQ(stored[p], HumPositionToWidth(p)) << "position " << p;
        EXPECT_EQ(p, HumWidthToPosition(HumPositionToWidth(p))) << "position " << p;
    }
}

TEST(HumMapping, ReadoutReadsTheFiveWidths)
{
    const char* texts[] = { "0.5", "0.4", "0.3", "0.2", "0.1" };
    for (int p = 0; p <= 4; ++p)
        EXPECT_EQ(texts[p], NumberText(HumReadoutWidth(p))) << "position " << p;
}

} // namespace
