// Drives the real dialog as a host and a user would: the test's thread is the
// host (a window, a ShowEffectDialog call), a second thread is the user
// (finds the dialog's windows, sends messages and synthesized input).
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "tests/windows/plugin_library.h"

// Posted to a TestHost's window: the host destroys the window in wParam on
// its own thread, as a host that found the library's window does.
inline constexpr UINT kHostDestroysWindow = WM_APP + 9;

// A host's top-level window on the calling thread. It counts the WM_PAINT
// requests that other code sends it.
class TestHost {
public:
    TestHost();
    ~TestHost();
    HWND window = nullptr;
    std::atomic<int> paintRequests { 0 };
    // Called from the host's window procedure for every message, when set.
    std::function<void(UINT, WPARAM, LPARAM)> onMessage;
};

// The user's side, on the second thread.
class DialogDriver {
public:
    // library: the module whose dialog this is, where two copies may run one
    // inside the other; null: any.
    DialogDriver(HWND host, DWORD hostThread, HMODULE library = nullptr);
    ~DialogDriver();

    // Attributes of the dialog, read through messages.
    HWND dialog = nullptr; // the main dialog, visible
    HWND host;
    DWORD hostThread;
    // A button-class control by caption, in the main dialog or in parent.
    HWND Button(const std::string& caption, HWND parent = nullptr) const;
    // On a page (0 pop and click .. 3 noise gate) that has been shown; 0 before.
    HWND Slider(int page) const;
    HWND Readout(int page) const;
    HWND Tabs() const;
    HWND Page(int index) const;
    HWND Focus() const;
    HWND HelpDialog() const; // the visible help dialog, or 0
    bool Checked(HWND button) const { return SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }
    int Position(HWND slider) const;
    int ActivePage() const;
    int PageCount() const;
    static std::string Text(HWND window);

    // Operations
    void Click(HWND button) const { SendMessageA(button, BM_CLICK, 0, 0); }
    // Clicks without waiting: for buttons that open a modal window.
    void Press(HWND button) const { PostMessageA(button, BM_CLICK, 0, 0); }
    // Presses "Help" and waits for the help dialog.
    HWND OpenHelp() const;
    void SetFocusTo(HWND control) const;
    void SelectPageByMouse(int index) const;
    // Goes to a page as a user does, with the arrow keys on the tab strip.
    bool GoToPage(int index) const;
    // Shows every page once, so that all their windows exist, and ends on the first.
    bool ShowEveryPage() const;
    // Real keyboard input: the keys go through the dialog's message loop.
    void Keys(std::initializer_list<WORD> chord) const;
    // Waits for a condition; false after the timeout: by default 3 s, or
    // SCRUBWELL_WAIT_MS on a slow (emulated) machine.
    static bool WaitUntil(const std::function<bool()>& condition, int milliseconds = 0);

private:
    // Before sending input or posting: the message to wait for.
    void ExpectRetrieval(UINT message, WPARAM wParam, UINT alsoMessage = 0) const;
    // Waits until the dialog's thread has taken the expected message from its
    // queue and handled it, or the dialog has closed.
    void AwaitHandled() const;
    HHOOK retrievals_ = nullptr;
};

// Runs ShowEffectDialog over block on this thread while script drives the
// dialog from a second thread. The script must end the dialog.
int32_t RunDialog(PluginLibrary& plugin, TestHost& host, TEffectParamBlock& block,
    const std::function<void(DialogDriver&)>& script, uint16_t channels = 2);
// The same with any parent window, and show, the ShowEffectDialog of a library.
int32_t RunDialogOver(ShowEffectDialogFunction show, HWND parent, TEffectParamBlock& block,
    const std::function<void(DialogDriver&)>& script, uint16_t channels = 2);

bool HasClass(HWND window, const char* name);
// The first window below root, in tab order, of the class (any when null) and
// with the text; 0 if none.
HWND FindChild(HWND root, const char* className, const std::string& text);
// The main dialog's page at index (0 to 3), found by its heading; 0 until it is made.
HWND PageOfTab(HWND tabs, int index);
// Every window below root of the class (any when null), in tab order.
std::vector<HWND> ChildrenOfClass(HWND root, const char* className);

// Every window of the library that still exists (top-level, of its class).
std::vector<HWND> LibraryWindows();
// True when every visible top-level window of this thread is enabled.
bool ThreadWindowsEnabled();
