// Robustness: random and extreme blocks through whole sessions, with hosts
// that run other floating-point settings.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>

#include "settings/floating_point_scope.h"
#include "tests/windows/block_oracle.h"
#include "tests/windows/dialog_driver.h"
#include "tests/windows/quick_session.h"

namespace {

// How many blocks; SCRUBWELL_STRESS_BLOCKS asks for more (make stress).
int BlockCount()
{
    const char* count = std::getenv("SCRUBWELL_STRESS_BLOCKS");
    return count ? std::atoi(count) : 2000;
}

// Which share of the blocks this process runs: SCRUBWELL_BLOCK_SHARE=K/N
// runs the blocks whose number leaves K when divided by N, so that N
// processes side by side run the blocks of one.
struct BlockShare {
    int part = 0, parts = 1;
};

BlockShare ShareOfBlocks()
{
    BlockShare share;
    const char* text = std::getenv("SCRUBWELL_BLOCK_SHARE");
    if (text && (std::sscanf(text, "%d/%d", &share.part, &share.parts) != 2 || share.parts < 1))
        share = BlockShare {};
    return share;
}

uint32_t Seed()
{
    const char* seed = std::getenv("SCRUBWELL_SEED");
    return seed ? static_cast<uint32_t>(std::strtoul(seed, nullptr, 10)) : 20261207u;
}

class BlockMaker {
public:
    explicit BlockMaker(uint32_t seed)
        : random_(seed)
    {
    }

    // Random bytes, a zero block, or either with extremes in the named fields.
    TEffectParamBlock Make()
    {
        TEffectParamBlock block;
        auto* bytes = reinterpret_cast<unsigned char*>(&block);
        const unsigned kind = Pick(4);
        for (size_t i = 0; i < sizeof block; ++i)
            bytes[i] = kind == 0 ? 0 : static_cast<unsigned char>(random_());
        if (kind == 3)
            return block;
        uint16_t* switches[] = { &block.LeftOnlyChosen, &block.RightOnlyChosen, &block.BothChosen, &block.PopClickOn,
            &block.HumOn, &block.HissOn, &block.GateOn, &block.Hum60Hz, &block.Hum50Hz, &block.GateValid };
        for (uint16_t* word : switches)
            *word = Word();
        const int16_t thresholds[]
            = { 1499, 1500, 1501, 1549, 1550, 2500, 3449, 3450, 3499, 3500, 3501, 0, -1, -32768, 32767 };
        block.ClickThreshold = thresholds[Pick(sizeof thresholds / sizeof *thresholds)];
        block.HumFrequency = Real();
        block.HumWidthOctaves = Real();
        for (double& gain : block.EqGainDb)
            gain = Real();
        const int32_t gates[] = { INT32_MIN, -5, -1, 0, 1, 50, 99, 100, 101, 250, INT32_MAX };
        block.GateThreshold = gates[Pick(sizeof gates / sizeof *gates)];
        return block;
    }

    uint16_t Channels()
    {
        const uint16_t counts[] = { 0, 1, 2, 65535 };
        return counts[Pick(4)];
    }

private:
    unsigned Pick(unsigned n) { return static_cast<unsigned>(random_() % n); }

    uint16_t Word()
    {
        const uint16_t words[] = { 0, 1, 0x0100, 0xFFFF, 2, 0x0101 };
        return Pick(5) == 0 ? static_cast<uint16_t>(random_()) : words[Pick(6)];
    }

    double Real()
    {
        const double values[] = { std::numeric_limits<double>::quiet_NaN(), -std::numeric_limits<double>::quiet_NaN(),
            std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
            std::numeric_limits<double>::denorm_min(), -std::numeric_limits<double>::denorm_min(), DBL_MIN, -0.0, 0.0,
            1e308, -1e308, DBL_MAX, 0.1, std::nextafter(0.1, 0.0), 0.5, std::nextafter(0.5, 1.0), 0.15, 60.0, 50.0,
            -40.0, -40.000001, -12.345, 10.0 };
        if (Pick(5) == 0) {
            const uint64_t bits = random_();
            double value;
            std::memcpy(&value, &bits, sizeof value);
            return value;
        }
        return values[Pick(sizeof values / sizeof *values)];
    }

    std::mt19937 random_;
};

// Clears the flags first: unmasking an exception whose flag is set would trap.
void SetControlWord(uint16_t cw)
{
    __asm__ __volatile__("fnclex");
    scrubwell::WriteX87ControlWord(cw);
}

class RobustnessTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(plugin.Loaded()); }
    PluginLibrary plugin { "TidwexUI.dll" };
    TestHost host;
};

TEST_F(RobustnessTest, RandomAndExtremeBlocksLoadAndStoreByTheContract)
{
    const uint32_t seed = Seed();
    const BlockShare share = ShareOfBlocks();
    std::printf("random blocks: seed %u, %d blocks, share %d/%d (SCRUBWELL_SEED, SCRUBWELL_STRESS_BLOCKS, "
                "SCRUBWELL_BLOCK_SHARE)\n",
        seed, BlockCount(), share.part, share.parts);
    BlockMaker maker(seed);
    // The host's floating-point settings: as the process starts, 53-bit
    // precision, and 53-bit with invalid, zero-divide and overflow unmasked.
    const uint16_t hostControlWords[] = { scrubwell::ReadX87ControlWord(), 0x027F, 0x0272 };
    const uint16_t saved = scrubwell::ReadX87ControlWord();
    int failures = 0;
    for (int i = 0; i < BlockCount() && failures < 3; ++i) {
        const TEffectParamBlock original = maker.Make();
        const uint16_t channels = maker.Channels();
        if (i % share.parts != share.part)
            continue;
        const bool accept = i % 2 == 0;
        const TEffectParamBlock expected = ExpectedAfterLoad(original, MakeWaveFormat(channels));
        TEffectParamBlock block = original;

        const uint16_t hostCw = hostControlWords[i % 3];
        SetControlWord(hostCw);
        const uint32_t csrBefore = scrubwell::ReadMxcsr();
        const int32_t result
            = RunQuickSession(plugin, host.window, block, { accept ? Press::Accept : Press::Cancel }, channels);
        const uint16_t cwAfter = scrubwell::ReadX87ControlWord();
        const uint32_t csrAfter = scrubwell::ReadMxcsr();
        SetControlWord(saved);

        std::string problem;
        if (result != (accept ? 0 : 2))
            problem = "ShowEffectDialog returned " + std::to_string(result);
        else if (cwAfter != hostCw || csrAfter != csrBefore)
            problem = "the host's floating-point state changed";
        else
            problem = accept ? CheckAccepted(expected, block) : CompareCancelled(expected, block);
        if (!problem.empty()) {
            ++failures;
            ADD_FAILURE() << "block " << i << " (seed " << seed << ", " << channels << " channels, "
                          << (accept ? "accepted" : "cancelled") << "): " << problem << "\nblock as given:\n"
                          << HexDump(original);
        }
    }
    EXPECT_TRUE(LibraryWindows().empty());
}

// Every double of the block holding each value that a comparison or a load
// under the host's state could trap on, in a host that unmasks invalid,
// zero-divide and overflow for both x87 and SSE: the session ends as the
// oracle says and the host gets its state back with no flag raised.
TEST_F(RobustnessTest, EveryDoubleFieldHoldsEveryTrappingValueUnderUnmaskedExceptions)
{
    const struct {
        const char* name;
        size_t offset;
        size_t count;
    } fields[] = {
        { "EqGainDb", offsetof(TEffectParamBlock, EqGainDb), 10 },
        { "EqGain", offsetof(TEffectParamBlock, EqGain), 10 },
        { "EqFrequency", offsetof(TEffectParamBlock, EqFrequency), 10 },
        { "EqWidth", offsetof(TEffectParamBlock, EqWidth), 10 },
        { "HumFrequency", offsetof(TEffectParamBlock, HumFrequency), 1 },
        { "HumWidthOctaves", offsetof(TEffectParamBlock, HumWidthOctaves), 1 },
        { "GateFrequency", offsetof(TEffectParamBlock, GateFrequency), 10 },
        { "GateWidth", offsetof(TEffectParamBlock, GateWidth), 10 },
    };
    const double huge = 1e308;
    uint64_t hugeBits;
    std::memcpy(&hugeBits, &huge, sizeof hugeBits);
    const struct {
        const char* name;
        uint64_t bits;
    } values[] = { { "signalling NaN", 0x7FF0000000000001u }, { "quiet NaN", 0x7FF8000000000000u },
        { "+inf", 0x7FF0000000000000u }, { "-inf", 0xFFF0000000000000u }, { "denormal", 0x0000000000000001u },
        { "1e308", hugeBits } };
    constexpr uint16_t kHostCw = 0x0272;
    constexpr uint32_t kHostMxcsr = 0x1900;
    const uint16_t savedCw = scrubwell::ReadX87ControlWord();
    const uint32_t savedMxcsr = scrubwell::ReadMxcsr();
    for (const auto& field : fields)
        for (const auto& value : values)
            for (const bool accept : { true, false }) {
                TEffectParamBlock block;
                std::memset(&block, 0, sizeof block);
                for (size_t i = 0; i < field.count; ++i)
                    std::memcpy(reinterpret_cast<char*>(&block) + field.offset + i * sizeof(double), &value.bits,
                        sizeof(double));
                const TEffectParamBlock original = block;
                const TEffectParamBlock expected = ExpectedAfterLoad(original, MakeWaveFormat(2));

                SetControlWord(kHostCw);
                scrubwell::WriteMxcsr(kHostMxcsr);
                const int32_t result
                    = RunQuickSession(plugin, host.window, block, { accept ? Press::Accept : Press::Cancel });
                const uint16_t cw = scrubwell::ReadX87ControlWord();
                const uint16_t flags = scrubwell::ReadX87StatusWord() & 0x3F;
                const uint32_t mxcsr = scrubwell::ReadMxcsr();
                SetControlWord(savedCw);
                scrubwell::WriteMxcsr(savedMxcsr);

                SCOPED_TRACE(std::string(field.name) + " = " + value.name + (accept ? ", accepted" : ", cancelled"));
                EXPECT_EQ(accept ? 0 : 2, result);
                EXPECT_EQ(kHostCw, cw);
                EXPECT_EQ(0, flags) << "x87 exception flags raised";
                EXPECT_EQ(kHostMxcsr, mxcsr);
                EXPECT_EQ("", accept ? CheckAccepted(expected, block) : CompareCancelled(expected, block));
            }
    EXPECT_TRUE(LibraryWindows().empty());
}

} // namespace
