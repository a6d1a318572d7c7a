// The arithmetic gives the same results whatever x87 state the caller runs
// with, and hands that state back unchanged.
#include <gtest/gtest.h>

#include <cmath>

#include "settings/floating_point_scope.h"
#include "settings/hiss_mapping.h"
#include "settings/hum_mapping.h"
#include "settings/pop_click_mapping.h"

namespace {

using namespace scrubwell;

constexpr uint16_t kDoublePrecision = 0x027F; // 53-bit significand, all masked
constexpr uint16_t kUnmaskedInvalidZero = 0x0372; // invalid, zero-divide, overflow unmasked
constexpr uint16_t kSingleTowardZero = 0x0C7F; // 24-bit significand, round toward zero

class CallerState {
public:
    explicit CallerState(uint16_t cw)
        : saved_(ReadX87ControlWord())
    {
        __asm__ __volatile__("fnclex");
        WriteX87ControlWord(cw);
    }
    ~CallerState() { WriteX87ControlWord(saved_); }

private:
    uint16_t saved_;
};

TEST(FloatingPointScope, ResultsDoNotDependOnTheCallersPrecision)
{
    for (uint16_t cw : { kDoublePrecision, kSingleTowardZero, kUnmaskedInvalidZero }) {
        SCOPED_TRACE(cw);
        int hum[6], hiss[4], click[3];
        double widths[5];
        {
            CallerState caller(cw);
            hum[0] = HumWidthToPosition(0.15);
            hum[1] = HumWidthToPosition(0.25);
            hum[2] = HumWidthToPosition(0.35);
            hum[3] = HumWidthToPosition(0.45);
            hum[4] = HumWidthToPosition(0.17);
            hum[5] = HumWidthValid(0.1);
            hiss[0] = HissGainToPosition(-5);
            hiss[1] = HissGainToPosition(-15);
            hiss[2] = HissGainToPosition(-12.345);
            hiss[3] = HissGainToPosition(std::nan(""));
            click[0] = ClickThresholdToPosition(1850);
            click[1] = ClickThresholdToPosition(2350);
            click[2] = ClickThresholdToPosition(3150);
            for (int p = 0; p <= 4; ++p)
                widths[p] = HumReadoutWidth(p);
            EXPECT_EQ(cw, ReadX87ControlWord());
            EXPECT_EQ(0, ReadX87StatusWord() & 0x3F) << "no exception flag left behind";
        }
        EXPECT_EQ(4, hum[0]);
        EXPECT_EQ(2, hum[1]);
        EXPECT_EQ(2, hum[2]);
        EXPECT_EQ(0, hum[3]);
        EXPECT_EQ(3, hum[4]);
        EXPECT_EQ(1, hum[5]);
        EXPECT_EQ(88, hiss[0]);
        EXPECT_EQ(62, hiss[1]);
        EXPECT_EQ(69, hiss[2]);
        EXPECT_EQ(100, hiss[3]);
        EXPECT_EQ(4, click[0]);
        EXPECT_EQ(9, click[1]);
        EXPECT_EQ(17, click[2]);
        for (int p = 0; p <= 4; ++p)
            EXPECT_EQ(HumReadoutWidth(p), widths[p]);
    }
}

TEST(FloatingPointScope, RestoresControlWordStatusFlagsAndMxcsr)
{
    const uint32_t savedCsr = ReadMxcsr();
    CallerState caller(kDoublePrecision);
    WriteMxcsr(0x9FC0); // flush to zero, denormals are zero
    {
        FloatingPointScope scope;
        EXPECT_EQ(kExtendedPrecisionControlWord, ReadX87ControlWord());
        EXPECT_EQ(kDefaultMxcsr, ReadMxcsr() & 0xFFC0);
        volatile long double zero = 0.0L;
        volatile long double raised = 1.0L / zero; // sets the zero-divide flag
        (void)raised;
    }
    EXPECT_EQ(kDoublePrecision, ReadX87ControlWord());
    EXPECT_EQ(0, ReadX87StatusWord() & 0x3F);
    EXPECT_EQ(0x9FC0u, ReadMxcsr());
    WriteMxcsr(savedCsr);
}

} // namespace
