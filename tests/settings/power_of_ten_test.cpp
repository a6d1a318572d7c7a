#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>

#include "settings/floating_point_scope.h"
#include "settings/hiss_mapping.h"
#include "settings/power_of_ten.h"

namespace {

using namespace scrubwell;

// Gains with their power of ten and linear gain computed by MPFR: every build
// must give these bytes.
TEST(PowerOfTen, LinearGainsMatchTheReferenceTable)
{
    const struct {
        uint64_t gain;
        uint16_t powerSignExponent;
        uint64_t powerSignificand;
        uint64_t linear;
    } rows[] = {
#include "tests/settings/linear_gain_table.inc"
    };
    for (const auto& row : rows) {
        double gain;
        std::memcpy(&gain, &row.gain, sizeof gain);
        SCOPED_TRACE(testing::Message() << std::hexfloat << "gain " << gain);
        long double power;
        {
            FloatingPointScope fp;
            power = PowerOfTen(gain / 20.0L);
        }
        const double linear = DbToLinear(gain);
        uint64_t significand, linearBits;
        uint16_t signExponent;
        std::memcpy(&significand, &power, sizeof significand);
        std::memcpy(&signExponent, reinterpret_cast<const char*>(&power) + 8, sizeof signExponent);
        std::memcpy(&linearBits, &linear, sizeof linearBits);
        if (std::isnan(gain)) {
            EXPECT_TRUE(std::isnan(power));
            EXPECT_TRUE(std::isnan(linear));
            continue;
        }
        EXPECT_TRUE(row.powerSignExponent == signExponent && row.powerSignificand == significand)
            << std::hex << "power " << signExponent << ' ' << significand << ", expected " << row.powerSignExponent
            << ' ' << row.powerSignificand;
        EXPECT_EQ(row.linear, linearBits) << std::hexfloat << "linear gain " << linear;
    }
}

} // namespace
