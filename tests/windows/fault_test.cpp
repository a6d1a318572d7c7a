// Failures inside the dialog: each ends the call with a defined code, leaves
// no window of the library and no disabled window of the host behind, hands
// the host's floating-point state back, and the next session works.
#include <gtest/gtest.h>

#include <cstring>

#include "settings/floating_point_scope.h"
#include "tests/windows/dialog_driver.h"
#include "tests/windows/quick_session.h"

namespace {

using ArmFaultFunction = void (*)(const char*, int);

class FaultTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(plugin.Loaded());
        arm = plugin.Export<ArmFaultFunction>("ArmFault");
        ASSERT_TRUE(arm);
        ASSERT_TRUE(block);
    }
    void TearDown() override { VirtualFree(block, 0, MEM_RELEASE); }

    // A session with the fault armed, run by a host with 53-bit precision and
    // unmasked exceptions over a zero block; then a clean session over a fresh
    // one. Returns the block as the failed session left it.
    TEffectParamBlock ExpectFailureThenRecovery(
        const char* where, int skip, const std::vector<Press>& presses, int32_t expected = 4097)
    {
        SCOPED_TRACE(where);
        ResetBlock();
        arm(where, skip);
        const uint16_t saved = scrubwell::ReadX87ControlWord();
        const uint16_t host = 0x0272;
        __asm__ __volatile__("fnclex\n\tfldcw %0" ::"m"(host));
        const int32_t result = RunQuickSession(plugin, hostWindow.window, *block, presses);
        const uint16_t after = scrubwell::ReadX87ControlWord();
        __asm__ __volatile__("fldcw %0" ::"m"(saved));
        arm("", 0);
        EXPECT_EQ(expected, result);
        EXPECT_EQ(host, after) << "the host's control word";
        EXPECT_TRUE(LibraryWindows().empty()) << "library windows left behind";
        EXPECT_TRUE(ThreadWindowsEnabled()) << "host windows left disabled";
        const TEffectParamBlock failed = *block;

        ResetBlock();
        EXPECT_EQ(0, RunQuickSession(plugin, hostWindow.window, *block, { Press::Accept })) << "the next session";
        EXPECT_EQ(1, block->DialogOutcome);
        return failed;
    }

    // The block on pages of its own, so that the host can make it read-only.
    void ResetBlock()
    {
        DWORD old;
        VirtualProtect(block, sizeof *block, PAGE_READWRITE, &old);
        std::memset(block, 0, sizeof *block);
    }

    PluginLibrary plugin { "TidwexUI_faults.dll" };
    TestHost hostWindow;
    ArmFaultFunction arm = nullptr;
    TEffectParamBlock* block = static_cast<TEffectParamBlock*>(
        VirtualAlloc(nullptr, sizeof(TEffectParamBlock), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
};

TEST_F(FaultTest, FailureInTheLoad)
{
    ExpectFailureThenRecovery("load", 0, {});
}

TEST_F(FaultTest, FailureInASliderHandlerDuringTheLoadStopsTheLoad)
{
    // The pop and click slider is the first the load moves: what the load
    // writes after it stays as it was.
    const TEffectParamBlock failed = ExpectFailureThenRecovery("slider", 0, {});
    EXPECT_EQ(2500, failed.ClickThreshold) << "written before the slider moved";
    EXPECT_EQ(0, failed.Hum60Hz);
    EXPECT_EQ(0.0, failed.HumFrequency);
    EXPECT_EQ(0.0, failed.EqGain[0]);
    EXPECT_EQ(0, failed.EqBandCount);
    EXPECT_EQ(0, failed.GateBandCount);
}

TEST_F(FaultTest, FailureInASliderHandlerWhileTheUserMovesIt)
{
    // The load moves the slider once; the user's move is the second pass.
    ExpectFailureThenRecovery("slider", 1, { Press::MoveSlider, Press::Cancel });
}

TEST_F(FaultTest, FailureInTheStore)
{
    ExpectFailureThenRecovery("store", 0, { Press::Accept });
}

TEST_F(FaultTest, FailureWhileTheHelpIsOpen)
{
    // The host moves the main dialog's slider while the help is up: the help's
    // modal run ends with the main dialog's.
    ExpectFailureThenRecovery("slider", 1, { Press::Help, Press::MoveSliderUnderHelp });
}

TEST_F(FaultTest, AHelpWindowThatCannotBeMadeWhenAskedForEndsTheCall)
{
    // The help's window is made at its first showing; the main dialog's run
    // ends with the failure and nothing is stored.
    const TEffectParamBlock failed = ExpectFailureThenRecovery("help window", 0, { Press::Help });
    EXPECT_EQ(2, failed.DialogOutcome) << "the session's outcome stays";
    EXPECT_EQ(0, failed.GateValid) << "the store ran";
}

TEST_F(FaultTest, ABlockTheHostMadeReadOnlyIsNotStored)
{
    const TEffectParamBlock failed = ExpectFailureThenRecovery("", 0, { Press::ProtectBlock, Press::Accept });
    EXPECT_EQ(2, failed.DialogOutcome) << "the store wrote the outcome";
    EXPECT_EQ(0, failed.GateValid) << "the store ran";
    EXPECT_EQ(0u, failed.EffectFlags) << "the store ran";
}

} // namespace
