// The linear gains and the power of ten under them against MPFR, over random
// and boundary inputs (native only).
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <mpfr.h>
#include <random>

#include "settings/hiss_mapping.h"
#include "settings/power_of_ten.h"
#include "tests/settings/power_of_ten_reference.h"

namespace {

using namespace scrubwell;

// The same bits (the 80 of an extended number), or both NaN.
template <class Real> bool SameBits(Real expected, Real actual)
{
    const size_t size = sizeof(Real) == sizeof(double) ? 8 : 10;
    return std::isnan(expected) ? std::isnan(actual) : std::memcmp(&expected, &actual, size) == 0;
}

double DoubleOf(uint64_t bits)
{
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// Counts the gains whose linear gain or power differs from MPFR's, and
// describes the first few.
class Mismatches {
public:
    void CheckGain(double gainDb)
    {
        const double expected = ReferenceLinearGain(gainDb);
        const double actual = DbToLinear(gainDb);
        if (!SameBits(expected, actual))
            Report(gainDb, "linear gain", expected, actual);
        CheckPower(gainDb / 20.0L);
    }

    void CheckPower(long double y)
    {
        const long double expected = ReferencePowerOfTen(y);
        const long double actual = PowerOfTen(y);
        if (!SameBits(expected, actual))
            Report(static_cast<double>(y * 20), "power", expected, actual);
    }

    int count = 0;

private:
    void Report(double gainDb, const char* what, long double expected, long double actual)
    {
        if (++count <= 5)
            ADD_FAILURE() << std::hexfloat << what << " of gain " << gainDb << ": MPFR " << expected << ", got "
                          << actual;
    }
};

TEST(PowerOfTen, MatchesMpfrOnRandomAndBoundaryGains)
{
    std::mt19937_64 random(20261208);
    auto uniform = [&](double low, double high) { return std::uniform_real_distribution<double>(low, high)(random); };
    Mismatches m;

    for (int i = 0; i < 200000; ++i)
        m.CheckGain(uniform(-200, 200));
    for (int i = 0; i < 100000; ++i)
        m.CheckGain(DoubleOf(random()));
    // Gains of double results near overflow, near the subnormals and among them.
    for (int i = 0; i < 20000; ++i) {
        m.CheckGain(uniform(6150, 6170));
        m.CheckGain(uniform(-6480, -6140));
    }
    // Tiny gains: results next to 1.
    for (int e = 1; e <= 1074; ++e) {
        const double magnitude = std::ldexp(uniform(1, 2), -e);
        m.CheckGain(magnitude);
        m.CheckGain(-magnitude);
    }
    // Whole multiples of 20 dB (exact powers up to 10^27) and their neighbours.
    for (int k = -340; k <= 340; ++k) {
        double g = std::nextafter(std::nextafter(20.0 * k, -DBL_MAX), -DBL_MAX);
        for (int step = 0; step < 5; ++step, g = std::nextafter(g, DBL_MAX))
            m.CheckGain(g);
    }
    for (double g :
        { 0.0, -0.0, 1e308, -1e308, DBL_MAX, -DBL_MAX, DBL_TRUE_MIN, -DBL_TRUE_MIN, HUGE_VAL, -HUGE_VAL, std::nan("") })
        m.CheckGain(g);
    // The extended format's own overflow and subnormal results.
    for (int i = 0; i < 20000; ++i) {
        m.CheckPower(uniform(4931, 4933));
        m.CheckPower(uniform(-4952, -4930));
    }
    // 10^y within some 2^-128 of a midpoint next to 1: y = log10(1 + (2k+1) 2^-64)
    // and log10(1 - (2k+1) 2^-65), rounded to extended.
    mpfr_t exact;
    mpfr_init2(exact, 256);
    for (int k = 0; k < 2000; ++k) {
        for (int side : { 1, -1 }) {
            mpfr_set_si_2exp(exact, side * (2 * k + 1), side > 0 ? -64 : -65, MPFR_RNDN);
            mpfr_add_ui(exact, exact, 1, MPFR_RNDN);
            mpfr_log10(exact, exact, MPFR_RNDN);
            const long double nearMidpoint = mpfr_get_ld(exact, MPFR_RNDN);
            m.CheckPower(nearMidpoint);
            m.CheckPower(std::nextafter(nearMidpoint, 1.0L));
            m.CheckPower(std::nextafter(nearMidpoint, -1.0L));
        }
    }
    mpfr_clear(exact);
    EXPECT_EQ(0, m.count) << "gains or powers that differ from MPFR";
}

} // namespace
