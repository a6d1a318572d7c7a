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
    }

    // A session with the fault armed, run by a host with 53-bit precision and
    // unmasked exceptions; then a clean session over a fresh block.
    void ExpectFailureThenRecovery(const char* where, int skip, const std::vector<Press>& presses)
    {
        SCOPED_TRACE(where);
        TEffectParamBlock block;
        std::memset(&block, 0, sizeof block);
        arm(where, skip);
        const uint16_t saved = scrubwell::ReadX87ControlWord();
        const uint16_t host = 0x0272;
        __asm__ __volatile__("fnclex\n\tfldcw %0" ::"m"(host));
        const int32_t result = RunQuickSession(plugin, hostWindow.window, block, presses);
        const uint16_t after = scrubwell::ReadX87ControlWord();
        __asm__ __volatile__("fldcw %0" ::"m"(saved));
        arm("", 0);
        EXPECT_EQ(4097, result);
        EXPECT_EQ(host, after) << "the host's control word";
        EXPECT_TRUE(LibraryWindows().empty()) << "library windows left behind";
        EXPECT_TRUE(ThreadWindowsEnabled()) << "host windows left disabled";

        std::memset(&block, 0, sizeof block);
        EXPECT_EQ(0, RunQuickSession(plugin, hostWindow.window, block, { Press::Accept })) << "the next session";
        EXPECT_EQ(1, block.DialogOutcome);
    }

    PluginLibrary plugin { "TidwexUI_faults.dll" };
    TestHost hostWindow;
    ArmFaultFunction arm = nullptr;
};

TEST_F(FaultTest, FailureInTheLoad)
{
    ExpectFailureThenRecovery("load", 0, {});
}

TEST_F(FaultTest, FailureInASliderHandlerDuringTheLoad)
{
    ExpectFailureThenRecovery("slider", 0, {});
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
    // The help's modal run ends with the main dialog's.
    ExpectFailureThenRecovery("store", 0, { Press::Help, Press::CloseHelp, Press::Accept });
}

} // namespace
