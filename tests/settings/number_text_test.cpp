// Number text: the readouts' general format.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>

#include "settings/number_text.h"

namespace {

using scrubwell::NumberText;

struct TextCase {
    long double value;
    const char* text;
};

TEST(NumberText, WritesTheReadoutValuesOfEveryTool)
{
    const TextCase cases[] = {
        { 2500.0L, "2500" },
        { 2540.0L, "2540" },
        { 1500.0L, "1500" },
        { -26.8, "-26.8" },
        { -39.6, "-39.6" },
        { -39.2, "-39.2" },
        { -12.345, "-12.345" },
        { -0.4, "-0.4" },
        { -40.0L, "-40" },
        { 0.3, "0.3" },
        { 0.25, "0.25" },
        { 0.1, "0.1" },
        { 0.1L, "0.1" },
        { 10.0L, "10" },
        { -50.0L, "-50" },
    };
    for (const TextCase& c : cases)
        EXPECT_EQ(c.text, NumberText(c.value)) << "value " << static_cast<double>(c.value);
}

TEST(NumberText, RoundsToFifteenSignificantDigits)
{
    const TextCase cases[] = {
        { 1.0L / 3.0L, "0.333333333333333" },
        { 2.0L / 3.0L, "0.666666666666667" },
        { 123456789012345.6L, "123456789012346" },
        { 999999999999999.5L, "1E15" },
        { 0.1 + 0.2, "0.3" },
        { 1.00000000000000049L, "1" },
        { 1.0000000000000051L, "1.00000000000001" },
        { -0.000123456789012345678L, "-0.000123456789012346" },
    };
    for (const TextCase& c : cases)
        EXPECT_EQ(c.text, NumberText(c.value)) << "value " << static_cast<double>(c.value);
}

TEST(NumberText, UsesExponentOnlyForTinyOrHugeMagnitudes)
{
    const TextCase cases[] = {
        { 1e-5L, "1E-5" },
        { 0.0001L, "0.0001" },
        { 0.00012L, "0.00012" },
        { 0.000099L, "9.9E-5" },
        { -2.5e-7L, "-2.5E-7" },
        { 100000000000000.0L, "100000000000000" },
        { 999999999999999.0L, "999999999999999" },
        { 1e15L, "1E15" },
        { 1.5e20L, "1.5E20" },
        { 1e300, "1E300" },
        { DBL_MAX, "1.79769313486232E308" },
        { LDBL_MAX, "1.18973149535723E4932" },
        { 4.9406564584124654e-324, "4.94065645841247E-324" },
    };
    for (const TextCase& c : cases)
        EXPECT_EQ(c.text, NumberText(c.value)) << "value " << static_cast<double>(c.value);
}

TEST(NumberText, WritesZeroNanAndInfinities)
{
    EXPECT_EQ("0", NumberText(0.0L));
    EXPECT_EQ("0", NumberText(-0.0L));
    EXPECT_EQ("NAN", NumberText(std::numeric_limits<long double>::quiet_NaN()));
    EXPECT_EQ("INF", NumberText(std::numeric_limits<long double>::infinity()));
    EXPECT_EQ("-INF", NumberText(-std::numeric_limits<long double>::infinity()));
}

TEST(NumberText, UsesTheGivenDecimalSeparator)
{
    EXPECT_EQ("-26,8", NumberText(-26.8, ","));
    EXPECT_EQ("0,3", NumberText(0.3, ","));
    EXPECT_EQ("1,5E-5", NumberText(1.5e-5L, ","));
    EXPECT_EQ("2500", NumberText(2500.0L, ","));
}

#ifndef _WIN32
// glibc rounds long doubles to decimal exactly: the same 15 digits must come out.
long double ParseBack(const std::string& text, char separator)
{
    std::string plain = text;
    for (char& c : plain)
        if (c == separator)
            c = '.';
    return std::strtold(plain.c_str(), nullptr);
}

TEST(NumberText, AgreesWithAnExactDecimalConversion)
{
    std::mt19937_64 random(20261207);
    for (int i = 0; i < 200000; ++i) {
        long double value;
        if (i % 2 == 0) {
            const uint64_t bits = random();
            double d;
            std::memcpy(&d, &bits, sizeof d);
            value = d;
        } else {
            value = std::ldexp(static_cast<long double>(random()), static_cast<int>(random() % 200) - 130);
        }
        if (!std::isfinite(value))
            continue;
        char expected[64];
        std::snprintf(expected, sizeof expected, "%.14Le", value);
        const std::string text = NumberText(value, ",");
        ASSERT_EQ(std::strtold(expected, nullptr), ParseBack(text, ',')) << "value " << expected << " written " << text;
        ASSERT_EQ(std::string::npos, text.find("0E")) << text;
    }
}
#endif

} // namespace
