// Hosts' habits that the system's own modal dialogs take in their stride: a
// call from inside the host's own modal box or from a second copy of the
// library, hooks and subclasses on the dialog's windows, private messages as
// soon as the window exists, and the system's messages to top-level windows.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "tests/windows/dialog_driver.h"

namespace {

constexpr UINT kCallAgain = WM_APP + 6;

// A copy of the library under test in a folder of its own: a second module
// with library-wide state of its own, as a host that loads it from two places has.
struct LibraryCopy {
    explicit LibraryCopy(const char* name)
    {
        char path[MAX_PATH];
        GetModuleFileNameA(nullptr, path, sizeof path);
        const std::string beside = std::string(path, std::strrchr(path, '\\') + 1) + "TidwexUI.dll";
        GetTempPathA(sizeof path, path);
        folder = std::string(path) + name + "-" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(folder.c_str(), nullptr);
        file = folder + "\\TidwexUI.dll";
        CopyFileA(beside.c_str(), file.c_str(), FALSE);
    }
    ~LibraryCopy()
    {
        DeleteFileA(file.c_str());
        RemoveDirectoryA(folder.c_str());
    }
    std::string folder, file;
};

// A hook of this thread's for as long as it lives.
struct Hook {
    Hook(int type, HOOKPROC procedure)
        : handle(SetWindowsHookExA(type, procedure, nullptr, GetCurrentThreadId()))
    {
    }
    ~Hook() { UnhookWindowsHookEx(handle); }
    HHOOK handle;
};

// The host's modal box from which the host calls the library, in a timer of
// the box's message loop; after the call, what has activation and the focus.
struct FromTheHostsBox {
    PluginLibrary* plugin;
    HWND frame;
    bool parentIsTheBox;
    int32_t result = -1;
    HWND box = nullptr, active = nullptr;
    bool focusInBox = false;
}* fromBox = nullptr;

void CALLBACK CallFromTheBox(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    FromTheHostsBox& call = *fromBox;
    call.box = FindWindowA("#32770", "Host box");
    TEffectParamBlock block;
    std::memset(&block, 0, sizeof block);
    call.result = RunDialogOver(call.plugin->showEffectDialog, call.parentIsTheBox ? call.box : call.frame, block,
        [](DialogDriver& d) { d.Click(d.Button("Cancel")); });
    call.active = GetActiveWindow();
    const HWND focus = GetFocus();
    call.focusInBox = focus && (focus == call.box || IsChild(call.box, focus));

    EndDialog(call.box, IDOK);
}

TEST(HostHabits, ActivationGoesBackToTheWindowThatHadIt)
{
    PluginLibrary plugin { "TidwexUI.dll" };
    ASSERT_TRUE(plugin.Loaded());
    for (const bool parentIsTheBox : { false, true }) {
        SCOPED_TRACE(parentIsTheBox ? "parent: the host's box" : "parent: the host's frame, called from its box");
        TestHost host;
        FromTheHostsBox call { &plugin, host.window, parentIsTheBox };
        fromBox = &call;
        SetTimer(nullptr, 0, 1, CallFromTheBox);
        MessageBoxA(host.window, "The host's own modal box", "Host box", MB_OK);
        fromBox = nullptr;
        EXPECT_EQ(2, call.result);
        ASSERT_TRUE(call.box);
        EXPECT_EQ(call.box, call.active) << "the host's box is active again";
        EXPECT_TRUE(call.focusInBox) << "and has the focus";
    }

    // A second copy of the library, called while the first copy's dialog runs.
    LibraryCopy copy("scrubwell-second-copy");
    PluginLibrary second { copy.file.c_str() };
    ASSERT_TRUE(second.Loaded());
    TestHost host;
    HWND first = nullptr, active = nullptr;
    bool focusInFirst = false, firstEnabled = false, hostEnabled = true;
    int32_t nested = -1;
    host.onMessage = [&](UINT message, WPARAM, LPARAM) {
        if (message != kCallAgain)
            return;
        TEffectParamBlock block;
        std::memset(&block, 0, sizeof block);
        const int32_t result = RunDialogOver(
            second.showEffectDialog, host.window, block, [](DialogDriver& d) { d.Click(d.Button("Cancel")); });
        active = GetActiveWindow();
        focusInFirst = IsChild(first, GetFocus()) != FALSE;
        firstEnabled = IsWindowEnabled(first);
        hostEnabled = IsWindowEnabled(host.window);
        nested = result;
    };
    TEffectParamBlock block;
    std::memset(&block, 0, sizeof block);
    EXPECT_EQ(0, RunDialog(plugin, host, block, [&](DialogDriver& d) {
        first = d.dialog;
        PostMessageA(d.host, kCallAgain, 0, 0);
        EXPECT_TRUE(DialogDriver::WaitUntil([&] { return nested != -1; }, 60000));
        d.Click(d.Button("&Start Processing"));
    }));
    EXPECT_EQ(2, nested);
    EXPECT_EQ(first, active) << "the first copy's dialog is active again after the nested call";
    EXPECT_TRUE(focusInFirst) << "and has the focus";
    EXPECT_TRUE(firstEnabled);
    EXPECT_FALSE(hostEnabled) << "the host's window stays as the first dialog left it";
}

// Refuses to destroy the library's dialogs.
LRESULT CALLBACK KeepForms(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_DESTROYWND && HasClass(reinterpret_cast<HWND>(wParam), "ScrubwellForm"))
        return 1;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(HostHabits, AWindowTheHostWouldNotLetGoNoLongerReachesTheLibrary)
{
    LibraryCopy copy("scrubwell-kept-windows");
    // The host's own controls keep the common controls loaded, whose windows
    // the kept dialogs hold.
    const HMODULE commonControls = LoadLibraryA("comctl32.dll");
    TestHost host;
    std::vector<HWND> kept;
    HMODULE library = nullptr;
    {
        PluginLibrary plugin { copy.file.c_str() };
        ASSERT_TRUE(plugin.Loaded());
        library = plugin.Module();
        const Hook hook(WH_CBT, KeepForms);
        TEffectParamBlock block;
        std::memset(&block, 0, sizeof block);
        EXPECT_EQ(2, RunDialog(plugin, host, block, [](DialogDriver& d) {
            const HWND help = d.OpenHelp();
            d.Click(d.Button("&Close", help));
            EXPECT_TRUE(DialogDriver::WaitUntil([&] { return !IsWindowVisible(help); }));
            d.Click(d.Button("Cancel"));
        }));
        EXPECT_EQ(0, RunDialog(plugin, host, block, [](DialogDriver& d) { d.Click(d.Button("&Start Processing")); }))
            << "the next call works";
        EXPECT_EQ(1, block.DialogOutcome);
        for (HWND window : LibraryWindows()) {
            kept.push_back(window);
            for (HWND child : ChildrenOfClass(window, nullptr))
                kept.push_back(child);
        }
        ASSERT_GE(kept.size(), 3u) << "the dialogs of both calls, kept, with their controls";
        const auto base = reinterpret_cast<LONG_PTR>(plugin.Module());
        const auto* headers = reinterpret_cast<const IMAGE_NT_HEADERS*>(
            base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
        for (HWND window : kept) {
            const LONG_PTR procedure = GetWindowLongPtrA(window, GWLP_WNDPROC);
            char className[32] = {};
            GetClassNameA(window, className, sizeof className);
            EXPECT_FALSE(procedure >= base && procedure < base + headers->OptionalHeader.SizeOfImage)
                << "a kept window of class " << className << " calls into the library";
        }
    }
    // The library is unloaded: the windows answer and go without it.
    for (HWND window : kept)
        SendMessageA(window, WM_PAINT, 0, 0);
    for (HWND window : kept)
        if (IsWindow(window) && HasClass(window, "ScrubwellForm")) {
            EXPECT_TRUE(DestroyWindow(window));
        }
    // The classes that the unloaded copy could not unregister while its windows
    // were kept: another library loaded at the same address must not meet them.
    for (const char* name : { "ScrubwellForm", "ScrubwellContainer" }) {
        EXPECT_TRUE(UnregisterClassA(name, library)) << name;
    }
    FreeLibrary(commonControls);
}

// A skinning layer's subclass that takes itself off at WM_NCDESTROY and keeps
// the message from the window's own procedure.
std::map<HWND, WNDPROC> subclassed;

LRESULT CALLBACK KeepNcDestroy(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const WNDPROC original = subclassed[window];
    if (message != WM_NCDESTROY)
        return CallWindowProcA(original, window, message, wParam, lParam);
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
    subclassed.erase(window);
    return 0;
}

LRESULT CALLBACK SubclassForms(int code, WPARAM wParam, LPARAM lParam)
{
    const auto window = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_CREATEWND && HasClass(window, "ScrubwellForm"))
        subclassed[window] = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(KeepNcDestroy)));
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

bool watchdogFired = false;

void CALLBACK Watchdog(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    watchdogFired = true;
    PostQuitMessage(0); // ends a run that would otherwise wait for ever
}

TEST(HostHabits, ASubclassThatKeepsNcDestroyFromTheDialogDoesNotHangTheRun)
{
    PluginLibrary plugin { "TidwexUI_faults.dll" };
    ASSERT_TRUE(plugin.Loaded());
    const auto live = plugin.Export<void (*)(int*, int*)>("LiveObjectCounts");
    ASSERT_TRUE(live);
    const struct {
        const char* way;
        int32_t result;
        std::function<void(DialogDriver&)> script;
    } ways[] = {
        { "accept", 0, [](DialogDriver& d) { d.Click(d.Button("&Start Processing")); } },
        { "cancel", 2, [](DialogDriver& d) { d.Click(d.Button("Cancel")); } },
        { "Escape", 2, [](DialogDriver& d) { d.Keys({ VK_ESCAPE }); } },
        { "the host destroyed its window", 2,
            [](DialogDriver& d) { PostMessageA(d.host, kHostDestroysWindow, reinterpret_cast<WPARAM>(d.host), 0); } },
        { "the host destroyed the dialog", 2,
            [](DialogDriver& d) { PostMessageA(d.host, kHostDestroysWindow, reinterpret_cast<WPARAM>(d.dialog), 0); } },
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.way);
        TestHost host;
        TEffectParamBlock block;
        std::memset(&block, 0, sizeof block);
        watchdogFired = false;
        const UINT_PTR watchdog = SetTimer(nullptr, 0, 60000, Watchdog);
        {
            const Hook hook(WH_CBT, SubclassForms);
            EXPECT_EQ(way.result, RunDialog(plugin, host, block, way.script));
        }
        KillTimer(nullptr, watchdog);
        EXPECT_FALSE(watchdogFired) << "the run waited until the host quit";
        MSG quit;
        PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
        int windows = -1, fonts = -1;
        live(&windows, &fonts);
        EXPECT_EQ(0, windows) << "the library still holds a dialog";
        EXPECT_EQ(0, fonts) << "the library still holds fonts";
        for (auto& [window, original] : subclassed)
            if (IsWindow(window))
                DestroyWindow(window);
        subclassed.clear();
    }
}

// Sends a private message to the first window of a class when the hook sees it.
struct EarlyMessage {
    int code; // HCBT_CREATEWND or HCBT_ACTIVATE
    const char* windowClass;
    UINT message;
    HWND dialog = nullptr; // where it went
    LRESULT answer = -1;
}* early = nullptr;

LRESULT CALLBACK SendEarly(int code, WPARAM wParam, LPARAM lParam)
{
    const auto window = reinterpret_cast<HWND>(wParam);
    if (early && !early->dialog && code == early->code && HasClass(window, early->windowClass)) {
        early->dialog = HasClass(window, "ScrubwellForm") ? window : GetAncestor(window, GA_ROOT);
        early->answer = SendMessageA(early->dialog, early->message, 0, 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(HostHabits, PrivateMessagesSentAsSoonAsTheDialogExistsTakeEffect)
{
    // A copy of its own: the first case is the first session of a loaded library.
    LibraryCopy copy("scrubwell-early-messages");
    PluginLibrary plugin { copy.file.c_str() };
    ASSERT_TRUE(plugin.Loaded());
    TestHost host;
    const struct {
        const char* what;
        EarlyMessage message;
        LRESULT answer;
        int32_t result; // 2: "Start Processing" did not accept
    } cases[] = {
        { "1030 as the dialog's window is made, before any load", { HCBT_CREATEWND, "ScrubwellForm", 1030 }, 0, 0 },
        { "1030 as the dialog's window is made, after a load", { HCBT_CREATEWND, "ScrubwellForm", 1030 }, 1, 0 },
        { "1029 as the dialog's window is made", { HCBT_CREATEWND, "ScrubwellForm", 1029 }, 0, 2 },
        { "1029 as the dialog is activated", { HCBT_ACTIVATE, "ScrubwellForm", 1029 }, 0, 2 },
        { "1031 before the first page is made", { HCBT_CREATEWND, "SysTabControl32", 1031 }, 0, 0 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EarlyMessage sent = c.message;
        early = &sent;
        TEffectParamBlock block;
        std::memset(&block, 0, sizeof block);
        int32_t result;
        {
            const Hook hook(WH_CBT, SendEarly);
            result = RunDialog(plugin, host, block, [](DialogDriver& d) {
                // Shown early by 1031, the dialog may still be making its buttons.
                HWND start = nullptr;
                EXPECT_TRUE(
                    DialogDriver::WaitUntil([&] { return (start = d.Button("&Start Processing")) != nullptr; }));
                const bool enabled = IsWindowEnabled(start);
                d.Click(start);
                if (!enabled)
                    d.Click(d.Button("Cancel"));
            });
        }
        early = nullptr;
        ASSERT_TRUE(sent.dialog) << "the hook saw no such window";
        EXPECT_EQ(c.answer, sent.answer);
        EXPECT_EQ(c.result, result);
    }
}

// The messages this thread's windows were sent, as a hook sees them.
struct Sent {
    HWND window;
    UINT message;
    WPARAM wParam;
};
std::vector<Sent> sent;

LRESULT CALLBACK NoteSent(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION
        && (message->message == WM_CHANGEUISTATE || message->message == WM_SHOWWINDOW
            || message->message == WM_SYSCOLORCHANGE))
        sent.push_back({ message->hwnd, message->message, message->wParam });
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

int FirstSent(HWND window, UINT message, WPARAM wParam)
{
    for (size_t i = 0; i < sent.size(); ++i)
        if (sent[i].window == window && sent[i].message == message && sent[i].wParam == wParam)
            return static_cast<int>(i);
    return -1;
}

class SystemMessagesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(plugin.Loaded());
        std::memset(&block, 0, sizeof block);
        sent.clear();
    }
    PluginLibrary plugin { "TidwexUI.dll" };
    TestHost host;
    TEffectParamBlock block;
};

TEST_F(SystemMessagesTest, AColourChangeReachesTheCommonControls)
{
    HWND tabs = nullptr, slider = nullptr;
    {
        const Hook hook(WH_CALLWNDPROC, NoteSent);
        EXPECT_EQ(2, RunDialog(plugin, host, block, [&](DialogDriver& d) {
            tabs = d.Tabs();
            slider = d.Slider(0);
            SendMessageA(d.dialog, WM_SYSCOLORCHANGE, 0, 0);
            d.Click(d.Button("Cancel"));
        }));
    }
    EXPECT_NE(-1, FirstSent(tabs, WM_SYSCOLORCHANGE, 0)) << "the tab control";
    EXPECT_NE(-1, FirstSent(slider, WM_SYSCOLORCHANGE, 0)) << "a slider";
}

TEST_F(SystemMessagesTest, KeyboardCuesAreInitialisedBeforeTheFirstShowingAndFollowAlt)
{
    HWND dialog = nullptr;
    LRESULT cues = -1;
    {
        const Hook hook(WH_CALLWNDPROC, NoteSent);
        EXPECT_EQ(2, RunDialog(plugin, host, block, [&](DialogDriver& d) {
            dialog = d.dialog;
            d.Keys({ VK_MENU, 'L' }); // "Apply to &Left Channel Only"
            cues = SendMessageA(d.dialog, WM_QUERYUISTATE, 0, 0);
            d.Click(d.Button("Cancel"));
        }));
    }
    const int initialised = FirstSent(dialog, WM_CHANGEUISTATE, MAKEWPARAM(UIS_INITIALIZE, 0));
    const int shown = FirstSent(dialog, WM_SHOWWINDOW, TRUE);
    EXPECT_NE(-1, initialised) << "UIS_INITIALIZE was not sent";
    EXPECT_LT(initialised, shown) << "UIS_INITIALIZE comes before the dialog is first shown";
    EXPECT_EQ(0, cues & UISF_HIDEACCEL) << "after Alt the accelerators show";
}

} // namespace
