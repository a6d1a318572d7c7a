// The keyboard, the mouse on the tab strip and the host's private messages,
// through real input and messages while the dialog runs modally.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "tests/windows/dialog_driver.h"

namespace {

class DialogKeyboardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(plugin.Loaded());
        std::memset(&block, 0, sizeof block);
    }
    int32_t Run(const std::function<void(DialogDriver&)>& script, uint16_t channels = 2)
    {
        return RunDialog(plugin, host, block, script, channels);
    }
    PluginLibrary plugin { "TidwexUI.dll" };
    TestHost host;
    TEffectParamBlock block;
};

// A system-aware host, at the screen's DPI: 96, and 144 in a second run
// (SCRUBWELL_EXPECT_DPI). The keyboard alone picks two tools and accepts.
// Where a thread may take the GDI-scaled context (Windows 10 1809 on, and
// Wine 10), the dialog's window is unaware and the host sees its frame scaled
// by the screen's DPI, at 144 DPI 1.5 times the design. (Wine 10 keeps the
// caption and borders at their unscaled height within it, so there the client
// area comes out 684 pixels high, not 664.) Where that context is
// refused (older Windows, and Wine 8), the window keeps the host's context.
TEST_F(DialogKeyboardTest, AltPAltUAltSAcceptsInADpiAwareHost)
{
    const HMODULE user32 = GetModuleHandleA("user32.dll");
    const auto setContext = reinterpret_cast<HANDLE(WINAPI*)(HANDLE)>(
        reinterpret_cast<void (*)()>(GetProcAddress(user32, "SetThreadDpiAwarenessContext")));
    const auto windowContext = reinterpret_cast<HANDLE(WINAPI*)(HWND)>(
        reinterpret_cast<void (*)()>(GetProcAddress(user32, "GetWindowDpiAwarenessContext")));
    const auto sameContext = reinterpret_cast<BOOL(WINAPI*)(HANDLE, HANDLE)>(
        reinterpret_cast<void (*)()>(GetProcAddress(user32, "AreDpiAwarenessContextsEqual")));
    const auto awareness = reinterpret_cast<int(WINAPI*)(HANDLE)>(
        reinterpret_cast<void (*)()>(GetProcAddress(user32, "GetAwarenessFromDpiAwarenessContext")));
    ASSERT_TRUE(setContext && windowContext && sameContext && awareness);
    const HANDLE systemAware = reinterpret_cast<HANDLE>(-2);
    const HANDLE hostContext = setContext(systemAware);
    ASSERT_TRUE(hostContext);
    const bool gdiScaling = setContext(reinterpret_cast<HANDLE>(-5)) != nullptr;
    setContext(systemAware);
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    if (const char* expected = std::getenv("SCRUBWELL_EXPECT_DPI")) {
        EXPECT_EQ(std::atoi(expected), dpi);
    }
    const int32_t result = Run([&](DialogDriver& d) {
        if (gdiScaling) {
            EXPECT_EQ(0, awareness(windowContext(d.dialog))) << "DPI_AWARENESS_UNAWARE";
            RECT own, seen; // the frame in the dialog's context and as the host sees it
            const HANDLE driverContext = setContext(reinterpret_cast<HANDLE>(-1));
            GetWindowRect(d.dialog, &own);
            setContext(systemAware);
            GetWindowRect(d.dialog, &seen);
            setContext(driverContext);
            EXPECT_NEAR((own.right - own.left) * dpi / 96, seen.right - seen.left, 1);
            EXPECT_NEAR((own.bottom - own.top) * dpi / 96, seen.bottom - seen.top, 1);
        } else {
            EXPECT_TRUE(sameContext(systemAware, windowContext(d.dialog)));
        }
        d.Keys({ VK_MENU, 'P' });
        d.Keys({ VK_MENU, 'U' });
        d.Keys({ VK_MENU, 'S' });
    });
    setContext(hostContext);
    EXPECT_EQ(0, result);
    EXPECT_EQ(SCRUBWELL_FLAG_POP_CLICK | SCRUBWELL_FLAG_HUM, block.EffectFlags);
    EXPECT_EQ(1, block.PopClickOn);
    EXPECT_EQ(1, block.HumOn);
    EXPECT_EQ(0, block.HissOn);
    EXPECT_EQ(0, block.GateOn);
}

TEST_F(DialogKeyboardTest, EscapeClosesWithoutStoringWhereverTheFocusIs)
{
    struct Case {
        const char* target;
        bool alt; // the handler does not look at the modifiers
    };
    const Case cases[] = { { "slider", false }, { "check box", false }, { "button", false }, { "button", true } };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.target) + (c.alt ? " with Alt" : ""));
        std::memset(&block, 0, sizeof block);
        const int32_t result = Run([&](DialogDriver& d) {
            HWND control = std::strcmp(c.target, "slider") == 0 ? d.Slider(0)
                : std::strcmp(c.target, "check box") == 0       ? d.Button("Remove &Pops and Clicks")
                                                                : d.Button("&Help");
            d.SetFocusTo(control);
            EXPECT_EQ(control, d.Focus());
            d.Keys({ VK_UP }); // moves the slider (or the focus), which a cancel must not store
            d.SetFocusTo(control);
            if (c.alt)
                d.Keys({ VK_MENU, VK_ESCAPE });
            else
                d.Keys({ VK_ESCAPE });
            EXPECT_TRUE(DialogDriver::WaitUntil([&] { return !IsWindowVisible(d.dialog); }));
        });
        EXPECT_EQ(2, result);
        EXPECT_EQ(2, block.DialogOutcome);
        EXPECT_EQ(0, block.GateValid) << "nothing stored";
        EXPECT_EQ(2500, block.ClickThreshold);
    }
}

TEST_F(DialogKeyboardTest, ArrowKeysOnAButtonMoveToTheNeighbourOfTheSameParent)
{
    struct Case {
        const char* from;
        WORD key;
        const char* to; // null: the tab strip
    };
    const Case cases[] = {
        { "&Start Processing", VK_LEFT, nullptr }, { "&Start Processing", VK_RIGHT, "Cancel" },
        { "&Help", VK_DOWN, nullptr }, // round to the first
        { "Remove &Pops and Clicks", VK_RIGHT, "Eliminate H&um" }, // not a tab stop
        { "Eliminate H&um", VK_DOWN, "&Noise Gate" },
        { "Remove &Pops and Clicks", VK_UP, "Reduce H&iss" }, // round to the last
    };
    const int32_t result = Run([&](DialogDriver& d) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.from) + " key " + std::to_string(c.key));
            d.SetFocusTo(d.Button(c.from));
            d.Keys({ c.key });
            EXPECT_EQ(c.to ? d.Button(c.to) : d.Tabs(), d.Focus());
        }
        d.Keys({ VK_ESCAPE });
    });
    EXPECT_EQ(2, result);
}

TEST_F(DialogKeyboardTest, EnterOnASliderOrCheckBoxPressesStartProcessing)
{
    for (int target = 0; target < 2; ++target) {
        std::memset(&block, 0, sizeof block);
        const int32_t result = Run([&](DialogDriver& d) {
            d.SetFocusTo(target == 0 ? d.Slider(0) : d.Button("Remove &Pops and Clicks"));
            d.Keys({ VK_RETURN });
        });
        EXPECT_EQ(0, result) << (target == 0 ? "slider" : "check box");
        EXPECT_EQ(1, block.DialogOutcome);
    }
}

TEST_F(DialogKeyboardTest, EnterOnCancelCancels)
{
    const int32_t result = Run([&](DialogDriver& d) {
        d.SetFocusTo(d.Button("Cancel"));
        d.Keys({ VK_RETURN });
    });
    EXPECT_EQ(2, result);
}

TEST_F(DialogKeyboardTest, AfterDisableStartNeitherEnterNorAltSAccepts)
{
    const int32_t result = Run([&](DialogDriver& d) {
        EXPECT_EQ(0, SendMessageA(d.dialog, 1029, 0, 0));
        EXPECT_FALSE(IsWindowEnabled(d.Button("&Start Processing")));
        d.SetFocusTo(d.Slider(0));
        d.Keys({ VK_RETURN });
        d.Keys({ VK_MENU, 'S' });
        d.Click(d.Button("&Start Processing")); // not even a message presses it
        EXPECT_TRUE(IsWindowVisible(d.dialog)) << "still open";
        d.Click(d.Button("Cancel"));
    });
    EXPECT_EQ(2, result);
    EXPECT_EQ(2, block.DialogOutcome);
}

TEST_F(DialogKeyboardTest, PrivateMessagesReply)
{
    int32_t result = Run([&](DialogDriver& d) {
        EXPECT_EQ(1, SendMessageA(d.dialog, 1030, 0, 0));
        EXPECT_EQ(0, SendMessageA(d.dialog, 1031, 0, 0));
        EXPECT_TRUE(IsWindowVisible(d.dialog));
        d.Click(d.Button("Cancel"));
    });
    EXPECT_EQ(2, result);
    // A second session of the same loaded library answers 1 too.
    result = Run([&](DialogDriver& d) {
        EXPECT_EQ(1, SendMessageA(d.dialog, 1030, 0, 0));
        d.Keys({ VK_ESCAPE });
    });
    EXPECT_EQ(2, result);
}

TEST_F(DialogKeyboardTest, AltNDependsOnTheShowingPage)
{
    const int32_t result = Run([&](DialogDriver& d) {
        // First page: Alt+N toggles the noise gate.
        d.Keys({ VK_MENU, 'N' });
        EXPECT_TRUE(d.Checked(d.Button("&Noise Gate")));
        // Hum page: Alt+N chooses 60 Hz, whose click checks "Eliminate Hum".
        d.SetFocusTo(d.Tabs());
        d.Keys({ VK_RIGHT });
        ASSERT_EQ(1, d.ActivePage());
        d.Keys({ VK_MENU, 'E' });
        EXPECT_TRUE(d.Checked(d.Button("50 Hz Mains Power (&Europe and Asia)")));
        EXPECT_TRUE(d.Checked(d.Button("Eliminate H&um")));
        d.Click(d.Button("Eliminate H&um"));
        EXPECT_FALSE(d.Checked(d.Button("Eliminate H&um")));
        d.Keys({ VK_MENU, 'N' });
        EXPECT_TRUE(d.Checked(d.Button("60 Hz House Current (&North America)")));
        EXPECT_FALSE(d.Checked(d.Button("50 Hz Mains Power (&Europe and Asia)")));
        EXPECT_TRUE(d.Checked(d.Button("Eliminate H&um")));
        EXPECT_TRUE(d.Checked(d.Button("&Noise Gate"))) << "left alone on the hum page";
        d.Click(d.Button("&Start Processing"));
    });
    EXPECT_EQ(0, result);
    EXPECT_EQ(0x1010u, block.EffectFlags);
    EXPECT_EQ(1, block.Hum60Hz);
}

TEST_F(DialogKeyboardTest, AltFAndAltOFocusTheFirstControlOfTheirGroup)
{
    int32_t result = Run([&](DialogDriver& d) {
        d.Keys({ VK_MENU, 'F' });
        EXPECT_EQ(d.Button("Remove &Pops and Clicks"), d.Focus());
        d.SetFocusTo(d.Tabs());
        d.Keys({ VK_RIGHT });
        d.Keys({ VK_MENU, 'F' });
        EXPECT_EQ(d.Button("60 Hz House Current (&North America)"), d.Focus());
        d.Keys({ VK_MENU, 'O' });
        EXPECT_EQ(d.Button("Apply to &Both Channels"), d.Focus());
        d.Keys({ VK_DOWN });
        EXPECT_EQ(d.Button("Apply to &Left Channel Only"), d.Focus());
        EXPECT_TRUE(d.Checked(d.Button("Apply to &Left Channel Only")));
        d.Keys({ VK_ESCAPE });
    });
    EXPECT_EQ(2, result);
    // A block can leave every channel button unchecked: Alt+O then goes to the
    // first of them, not on to "Start Processing".
    std::memset(&block, 0, sizeof block);
    block.LeftOnlyChosen = 2;
    result = Run([&](DialogDriver& d) {
        d.Keys({ VK_MENU, 'O' });
        EXPECT_EQ(d.Button("Apply to &Both Channels"), d.Focus());
        d.Keys({ VK_ESCAPE });
    });
    EXPECT_EQ(2, result);
}

TEST_F(DialogKeyboardTest, EveryUserPageChangeAsksTheHostToRepaintOnce)
{
    const int32_t result = Run([&](DialogDriver& d) {
        EXPECT_EQ(0, host.paintRequests) << "opening sends none";
        d.SelectPageByMouse(2);
        EXPECT_EQ(2, d.ActivePage());
        EXPECT_EQ(1, host.paintRequests);
        d.SetFocusTo(d.Tabs());
        d.Keys({ VK_LEFT });
        EXPECT_EQ(1, d.ActivePage());
        EXPECT_EQ(2, host.paintRequests);
        d.Keys({ VK_CONTROL, VK_TAB });
        EXPECT_EQ(2, d.ActivePage());
        EXPECT_EQ(3, host.paintRequests);
        d.Keys({ VK_CONTROL, VK_SHIFT, VK_TAB });
        EXPECT_EQ(1, d.ActivePage());
        EXPECT_EQ(4, host.paintRequests);
        EXPECT_TRUE(IsWindowVisible(d.Page(1)));
        EXPECT_FALSE(IsWindowVisible(d.Page(2)));
        d.Keys({ VK_ESCAPE });
    });
    EXPECT_EQ(2, result);
}

TEST_F(DialogKeyboardTest, SlidersMoveByOneAndTwoAndCheckTheirTools)
{
    const int32_t result = Run([&](DialogDriver& d) {
        const HWND slider = d.Slider(0);
        ASSERT_EQ(10, d.Position(slider));
        d.SetFocusTo(slider);
        d.Keys({ VK_DOWN });
        EXPECT_EQ(11, d.Position(slider));
        d.Keys({ VK_PRIOR });
        EXPECT_EQ(9, d.Position(slider));
        EXPECT_TRUE(d.Checked(d.Button("Remove &Pops and Clicks")));
        EXPECT_EQ("2400", DialogDriver::Text(d.Readout(0)));
        d.Keys({ VK_RETURN });
    });
    EXPECT_EQ(0, result);
    EXPECT_EQ(2400, block.ClickThreshold);
    EXPECT_EQ(0x0100u, block.EffectFlags);
}

TEST_F(DialogKeyboardTest, TabCyclesThroughTheTabStops)
{
    const int32_t result = Run([&](DialogDriver& d) {
        EXPECT_EQ(d.Tabs(), d.Focus()) << "the strip has the focus at first";
        const HWND expected[] = { d.Slider(0), d.Button("Remove &Pops and Clicks"), d.Button("Apply to &Both Channels"),
            d.Button("&Start Processing"), d.Button("Cancel"), d.Button("&Help"), d.Tabs() };
        for (HWND control : expected) {
            d.Keys({ VK_TAB });
            EXPECT_EQ(control, d.Focus()) << DialogDriver::Text(control);
        }
        d.Keys({ VK_SHIFT, VK_TAB });
        EXPECT_EQ(d.Button("&Help"), d.Focus());
        d.Keys({ VK_ESCAPE });
    });
    EXPECT_EQ(2, result);
}

} // namespace
