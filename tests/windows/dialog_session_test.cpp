// Whole sessions through ShowEffectDialog: the remembered page, the clean-up
// after every way a run can end, and what a host may do meanwhile.
#include <gtest/gtest.h>

#include <cstring>

#include "tests/windows/dialog_driver.h"

namespace {

constexpr UINT kCallAgain = WM_APP + 6;

class DialogSessionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(plugin.Loaded());
        std::memset(&block, 0, sizeof block);
    }
    void ExpectCleanedUp(const char* after)
    {
        EXPECT_TRUE(LibraryWindows().empty()) << "a window of the library is left after " << after;
        EXPECT_TRUE(ThreadWindowsEnabled()) << "a window of the host is left disabled after " << after;
    }
    int32_t Run(const std::function<void(DialogDriver&)>& script) { return RunDialog(plugin, host, block, script); }

    PluginLibrary plugin { "TidwexUI.dll" };
    TestHost host;
    TEffectParamBlock block;
};

TEST_F(DialogSessionTest, TheLastAcceptedPageOpensNextTime)
{
    int opened = -1;
    EXPECT_EQ(0, Run([&](DialogDriver& d) {
        opened = d.ActivePage();
        ASSERT_TRUE(d.GoToPage(1));
        d.Click(d.Button("&Start Processing"));
    }));
    EXPECT_EQ(0, opened) << "the first session opens on the pop and click page";
    ExpectCleanedUp("an accepted run");

    host.paintRequests = 0;
    EXPECT_EQ(2, Run([&](DialogDriver& d) {
        opened = d.ActivePage();
        EXPECT_TRUE(IsWindowVisible(d.Page(1)));
        EXPECT_FALSE(IsWindowVisible(d.Page(0)));
        EXPECT_EQ(0, host.paintRequests) << "the program's selection sends no WM_PAINT";
        ASSERT_TRUE(d.GoToPage(2));
        d.Click(d.Button("Cancel"));
    }));
    EXPECT_EQ(1, opened);
    ExpectCleanedUp("a cancelled run");

    EXPECT_EQ(2, Run([&](DialogDriver& d) {
        opened = d.ActivePage();
        d.Keys({ VK_ESCAPE });
    }));
    EXPECT_EQ(1, opened) << "a cancelled run does not change the page to open";
    ExpectCleanedUp("Escape");
}

TEST_F(DialogSessionTest, TheCloseBoxEndsTheRunLikeEscape)
{
    EXPECT_EQ(2, Run([&](DialogDriver& d) { PostMessageA(d.dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }));
    EXPECT_EQ(2, block.DialogOutcome);
    EXPECT_EQ(0, block.GateValid);
    ExpectCleanedUp("the close box");
}

TEST_F(DialogSessionTest, AcceptedBlockHoldsEveryInvariant)
{
    block.LeftOnlyChosen = 1;
    block.Hum50Hz = 1;
    EXPECT_EQ(0, Run([&](DialogDriver& d) {
        d.Click(d.Button("Reduce H&iss"));
        d.Click(d.Button("&Noise Gate"));
        d.Click(d.Button("&Start Processing"));
    }));
    const int32_t header[4] = { 1, 0, 2, 0 };
    EXPECT_EQ(0, std::memcmp(header, block.BlockHeader, sizeof header));
    EXPECT_EQ(1, block.DialogOutcome);
    EXPECT_EQ(1, block.ChannelCode);
    EXPECT_EQ(0x1001u, block.EffectFlags);
    EXPECT_EQ(0, block.Hum60Hz);
    EXPECT_EQ(1, block.Hum50Hz);
    EXPECT_EQ(50.0, block.HumFrequency);
    EXPECT_EQ(1, block.GateValid);
    EXPECT_EQ(5, block.GatePresetA);
    EXPECT_EQ(8, block.GatePresetB);
    EXPECT_EQ(10, block.EqBandCount);
    EXPECT_EQ(2, block.WaveFormat.Channels);
}

TEST_F(DialogSessionTest, QuitDuringTheRunEndsItAndReachesTheHostsLoop)
{
    for (bool withHelp : { false, true }) {
        SCOPED_TRACE(withHelp ? "help open" : "main dialog");
        const int32_t result = Run([&](DialogDriver& d) {
            if (withHelp) {
                ASSERT_TRUE(d.OpenHelp());
            }
            PostThreadMessageA(d.hostThread, WM_QUIT, 42, 0);
            EXPECT_TRUE(DialogDriver::WaitUntil([&] { return !IsWindowVisible(d.dialog); }));
        });
        EXPECT_EQ(2, result);
        ExpectCleanedUp("WM_QUIT");
        MSG message;
        int quits = 0;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            if (message.message == WM_QUIT) {
                ++quits;
                EXPECT_EQ(42u, message.wParam);
            }
        EXPECT_EQ(1, quits) << "the host's loop sees the quit once";
    }
}

TEST_F(DialogSessionTest, HostWindowDestroyedDuringTheRun)
{
    for (bool withHelp : { false, true }) {
        SCOPED_TRACE(withHelp ? "help open" : "main dialog");
        TestHost doomed;
        const int32_t result = RunDialog(plugin, doomed, block, [&](DialogDriver& d) {
            if (withHelp) {
                ASSERT_TRUE(d.OpenHelp());
            }
            PostMessageA(d.host, kHostDestroysWindow, reinterpret_cast<WPARAM>(d.host), 0);
            EXPECT_TRUE(DialogDriver::WaitUntil([&] { return !IsWindow(d.dialog); }));
        });
        EXPECT_EQ(2, result);
        EXPECT_FALSE(IsWindow(doomed.window));
        ExpectCleanedUp("the host's window went");
    }
    // The library still works afterwards.
    EXPECT_EQ(0, Run([](DialogDriver& d) { d.Click(d.Button("&Start Processing")); }));
}

TEST_F(DialogSessionTest, ACallFromTheHostWhileOneRunsIsRefused)
{
    TEffectParamBlock nested;
    std::memset(&nested, 0x3C, sizeof nested);
    const TEffectParamBlock untouched = nested;
    int32_t nestedResult = -1;
    host.onMessage = [&](UINT message, WPARAM, LPARAM) {
        if (message == kCallAgain)
            nestedResult = plugin.showEffectDialog(host.window, 0, 0, MakeWaveFormat(), &nested);
    };
    EXPECT_EQ(0, Run([&](DialogDriver& d) {
        PostMessageA(d.host, kCallAgain, 0, 0);
        EXPECT_TRUE(DialogDriver::WaitUntil([&] { return nestedResult != -1; }));
        EXPECT_TRUE(IsWindowVisible(d.dialog)) << "the running session goes on";
        d.Click(d.Button("&Start Processing"));
    }));
    EXPECT_EQ(4097, nestedResult);
    EXPECT_EQ(0, std::memcmp(&untouched, &nested, sizeof nested));
    EXPECT_EQ(1, block.DialogOutcome);
    ExpectCleanedUp("a refused nested call");
}

TEST_F(DialogSessionTest, ActivationRaisesTheHostThenTheDialog)
{
    EXPECT_EQ(2, Run([&](DialogDriver& d) {
        SendMessageA(d.dialog, WM_ACTIVATEAPP, TRUE, 0);
        // The dialog ends up directly above the host's window.
        HWND above = d.host;
        while ((above = GetWindow(above, GW_HWNDPREV)) && !IsWindowVisible(above)) { }
        EXPECT_EQ(d.dialog, above);
        EXPECT_EQ(0, SendMessageA(d.dialog, WM_ACTIVATEAPP, FALSE, 0));
        d.Click(d.Button("Cancel"));
    }));
}

} // namespace
