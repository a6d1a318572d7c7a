#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "settings/hiss_mapping.h"
#include "settings/number_text.h"

namespace {

using namespace scrubwell;

bool IsPositiveZero(double value)
{
    const double zero = 0.0;
    return std::memcmp(&value, &zero, sizeof value) == 0;
}

TEST(HissMapping, TopBandGainsLoadToPositionsWithHalvesToEven)
{
    const struct {
        double gainDb;
        int position;
    } cases[] = {
        { 0.0, 100 },
        { -40.0, 0 },
        { -20.0, 50 },
        { -5.0, 88 },
        { -15.0, 62 },
        { -25.0, 38 },
        { -35.0, 12 },
        { -12.345, 69 },
        { 10.0, 100 },
        { -50.0, 0 },
        { -0.0, 100 },
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.position, HissGainToPosition(c.gainDb)) << "gain " << c.gainDb;
}

TEST(HissMapping, NonFiniteGainsGiveDefinedPositions)
{
    EXPECT_EQ(100, HissGainToPosition(std::nan("")));
    EXPECT_EQ(100, HissGainToPosition(std::numeric_limits<double>::infinity()));
    EXPECT_EQ(0, HissGainToPosition(-std::numeric_limits<double>::infinity()));
    EXPECT_EQ(0, HissGainToPosition(-1e308));
}

TEST(HissMapping, StoreFollowsTheWorkedValues)
{
    const struct {
        int position;
        double secondDb, secondLinear, topDb, topLinear;
        const char* readout;
    } cases[] = {
        { 0, -10, 0.316227766017, -40, 0.01, "-40" },
        { 1, -9.8, 0.323593656930, -39.6, 0.0104712854805, "-39.6" },
        { 2, -9.8, 0.323593656930, -39.2, 0.0109647819614, "-39.2" },
        { 50, -5, 0.562341325190, -20, 0.1, "-20" },
        { 99, 0, 1, -0.4, 0.954992586021, "-0.4" },
        { 100, 0, 1, 0, 1, "0" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.position);
        EXPECT_EQ(c.secondDb, HissSecondBandGainDb(c.position));
        EXPECT_EQ(c.topDb, HissTopBandGainDb(c.position));
        EXPECT_NEAR(c.secondLinear, DbToLinear(HissSecondBandGainDb(c.position)), 1e-12);
        EXPECT_NEAR(c.topLinear, DbToLinear(HissTopBandGainDb(c.position)), 1e-12);
        EXPECT_EQ(c.readout, NumberText(HissReadoutValue(c.position)));
    }
    EXPECT_EQ(1.0, DbToLinear(0.0));
    EXPECT_EQ(0.1, DbToLinear(-20.0));
    EXPECT_EQ(0.01, DbToLinear(-40.0));
}

TEST(HissMapping, EveryPositionStoresNearestDoublesAndLoadsBack)
{
    for (int p = 0; p <= 100; ++p) {
        const int v = 100 - p;
        const double top = HissTopBandGainDb(p);
        const double second = HissSecondBandGainDb(p);
        EXPECT_EQ(-40.0 * v / 100.0, top) << p; // correctly rounded quotient
        EXPECT_EQ(-20.0 * (v / 2) / 100.0, second) << p; // integer half of the cut
        EXPECT_GE(second, -10.0) << p;
        EXPECT_EQ(p, HissGainToPosition(top)) << p;
        if (v == 0) {
            EXPECT_TRUE(IsPositiveZero(top));
        }
        if (v < 2) {
            EXPECT_TRUE(IsPositiveZero(second));
        }
        // The readout of a position equals the text a load of the stored value shows.
        EXPECT_EQ(NumberText(top), NumberText(HissReadoutValue(p))) << p;
    }
    EXPECT_EQ("-26.8", NumberText(HissReadoutValue(33)));
    EXPECT_TRUE(std::signbit(HissReadoutValue(100)) == false);
}

TEST(HissMapping, StoringALoadedInBetweenGainSnapsToTheGrid)
{
    const int p = HissGainToPosition(-12.345);
    EXPECT_EQ(-12.4, HissTopBandGainDb(p));
}

} // namespace
