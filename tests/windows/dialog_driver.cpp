#include "tests/windows/dialog_driver.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>

namespace {

constexpr char kHostClass[] = "ScrubwellTestHost";

TestHost* currentHost = nullptr;

// The message the driver waits for the dialog's thread to take from its queue.
struct AwaitedMessage {
    std::atomic<UINT> message { 0 }, alsoMessage { 0 };
    std::atomic<WPARAM> wParam { 0 };
    std::atomic<bool> taken { false };
} awaited;

LRESULT CALLBACK NoteRetrieval(int code, WPARAM removal, LPARAM lParam)
{
    const auto* message = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && removal == PM_REMOVE && message->wParam == awaited.wParam
        && (message->message == awaited.message || message->message == awaited.alsoMessage))
        awaited.taken = true;
    return CallNextHookEx(nullptr, code, removal, lParam);
}

LRESULT CALLBACK TestHostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (currentHost) {
        // The system paints only where something is invalid; a WM_PAINT that
        // finds nothing to paint was sent by someone.
        if (message == WM_PAINT && wParam == 0 && lParam == 0 && !GetUpdateRect(window, nullptr, FALSE))
            ++currentHost->paintRequests;
        if (currentHost->onMessage)
            currentHost->onMessage(message, wParam, lParam);
    }
    if (message == kHostDestroysWindow)
        DestroyWindow(reinterpret_cast<HWND>(wParam));
    return DefWindowProcA(window, message, wParam, lParam);
}

struct Search {
    std::function<bool(HWND)> match;
    std::vector<HWND> found;
};

BOOL CALLBACK Collect(HWND window, LPARAM context)
{
    auto* search = reinterpret_cast<Search*>(context);
    if (search->match(window))
        search->found.push_back(window);
    return TRUE;
}

// Children of parent in depth-first Z order (which is the dialog's tab order).
std::vector<HWND> Children(HWND parent, const std::function<bool(HWND)>& match)
{
    Search search { match, {} };
    EnumChildWindows(parent, Collect, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

BOOL CALLBACK CollectLibraryWindows(HWND window, LPARAM context)
{
    if (HasClass(window, "ScrubwellForm"))
        reinterpret_cast<std::vector<HWND>*>(context)->push_back(window);
    return TRUE;
}

BOOL CALLBACK CheckEnabled(HWND window, LPARAM context)
{
    if (IsWindowVisible(window) && !IsWindowEnabled(window))
        *reinterpret_cast<bool*>(context) = false;
    return TRUE;
}

} // namespace

TestHost::TestHost()
{
    WNDCLASSA hostClass {};
    hostClass.lpfnWndProc = TestHostProc;
    hostClass.hInstance = GetModuleHandleA(nullptr);
    hostClass.lpszClassName = kHostClass;
    RegisterClassA(&hostClass);
    // In a corner, clear of the centred dialog.
    window = CreateWindowExA(0, kHostClass, "Test host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 120, nullptr,
        nullptr, hostClass.hInstance, nullptr);
    UpdateWindow(window);
    currentHost = this;
}

TestHost::~TestHost()
{
    currentHost = nullptr;
    if (IsWindow(window))
        DestroyWindow(window);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        if (message.message != WM_QUIT)
            DispatchMessageA(&message);
}

DialogDriver::DialogDriver(HWND hostWindow, DWORD thread, HMODULE library)
    : host(hostWindow)
    , hostThread(thread)
    , retrievals_(SetWindowsHookExA(WH_GETMESSAGE, NoteRetrieval, nullptr, thread))
{
    WaitUntil(
        [&] {
            HWND candidate = nullptr;
            while ((candidate = FindWindowExA(nullptr, candidate, "ScrubwellForm", nullptr)))
                if (GetWindow(candidate, GW_OWNER) == host && IsWindowVisible(candidate)
                    && (!library || reinterpret_cast<HMODULE>(GetClassLongPtrA(candidate, GCLP_HMODULE)) == library)) {
                    dialog = candidate;
                    return true;
                }
            return false;
        },
        10000);
    // The modal run has begun once the dialog is active with the focus inside.
    WaitUntil([&] {
        GUITHREADINFO info {};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(hostThread, &info);
        return dialog && info.hwndActive == dialog && info.hwndFocus && IsChild(dialog, info.hwndFocus);
    });
}

DialogDriver::~DialogDriver()
{
    if (retrievals_)
        UnhookWindowsHookEx(retrievals_);
}

HWND DialogDriver::Button(const std::string& caption, HWND parent) const
{
    return FindChild(parent ? parent : dialog, "Button", caption);
}

HWND DialogDriver::Slider(int page) const
{
    const auto found = Children(Page(page), [](HWND w) { return HasClass(w, TRACKBAR_CLASSA); });
    return found.empty() ? nullptr : found.front();
}

HWND DialogDriver::Readout(int page) const
{
    const auto found = Children(
        Page(page), [](HWND w) { return HasClass(w, "Static") && (GetWindowLongA(w, GWL_STYLE) & SS_SUNKEN); });
    return found.empty() ? nullptr : found.front();
}

HWND DialogDriver::Tabs() const
{
    return FindWindowExA(dialog, nullptr, WC_TABCONTROLA, nullptr);
}

HWND DialogDriver::Page(int index) const
{
    return PageOfTab(Tabs(), index);
}

HWND DialogDriver::Focus() const
{
    GUITHREADINFO info {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(hostThread, &info);
    return info.hwndFocus;
}

HWND DialogDriver::HelpDialog() const
{
    HWND candidate = nullptr;
    while ((candidate = FindWindowExA(nullptr, candidate, "ScrubwellForm", nullptr)))
        if (GetWindow(candidate, GW_OWNER) == dialog && IsWindowVisible(candidate))
            return candidate;
    return nullptr;
}

int DialogDriver::Position(HWND slider) const
{
    return static_cast<int>(SendMessageA(slider, TBM_GETPOS, 0, 0));
}

int DialogDriver::PageCount() const
{
    return static_cast<int>(SendMessageA(Tabs(), TCM_GETITEMCOUNT, 0, 0));
}

int DialogDriver::ActivePage() const
{
    return static_cast<int>(SendMessageA(Tabs(), TCM_GETCURSEL, 0, 0));
}

std::string DialogDriver::Text(HWND window)
{
    char text[4096] = {};
    SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

void DialogDriver::SetFocusTo(HWND control) const
{
    SendMessageA(GetAncestor(control, GA_ROOT), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
    WaitUntil([&] { return Focus() == control; });
}

void DialogDriver::SelectPageByMouse(int index) const
{
    RECT item {};
    SendMessageA(Tabs(), TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    const LPARAM point = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    PostMessageA(Tabs(), WM_LBUTTONDOWN, MK_LBUTTON, point);
    ExpectRetrieval(WM_LBUTTONUP, 0);
    PostMessageA(Tabs(), WM_LBUTTONUP, 0, point);
    AwaitHandled();
}

HWND DialogDriver::OpenHelp() const
{
    Press(Button("&Help"));
    HWND help = nullptr;
    WaitUntil([&] { return (help = HelpDialog()) != nullptr; });
    // The help's modal run has begun once it holds the focus.
    WaitUntil([&] { return IsChild(help, Focus()); });
    return help;
}

bool DialogDriver::GoToPage(int index) const
{
    SetFocusTo(Tabs());
    for (int step = 0; step < 4 && ActivePage() != index; ++step)
        Keys({ static_cast<WORD>(ActivePage() < index ? VK_RIGHT : VK_LEFT) });
    return ActivePage() == index;
}

bool DialogDriver::ShowEveryPage() const
{
    for (int page = PageCount() - 1; page >= 0; --page)
        if (!GoToPage(page))
            return false;
    return true;
}

void DialogDriver::Keys(std::initializer_list<WORD> chord) const
{
    std::vector<INPUT> inputs;
    for (WORD key : chord) {
        INPUT input {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        inputs.push_back(input);
    }
    for (auto key = chord.end(); key != chord.begin();) {
        INPUT input {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = *--key;
        input.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    // The first key is released last; with Alt held its release may be a
    // system key message.
    ExpectRetrieval(WM_KEYUP, *chord.begin(), WM_SYSKEYUP);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    AwaitHandled();
}

namespace {

// The bound of a wait: 3 s, or SCRUBWELL_WAIT_MS on a slow (emulated) machine.
int DefaultBound()
{
    static const char* const slowMachineBound = std::getenv("SCRUBWELL_WAIT_MS");
    return slowMachineBound ? std::atoi(slowMachineBound) : 3000;
}

} // namespace

bool DialogDriver::WaitUntil(const std::function<bool()>& condition, int milliseconds)
{
    if (milliseconds == 0)
        milliseconds = DefaultBound();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        Sleep(5);
    }
    return true;
}

void DialogDriver::ExpectRetrieval(UINT message, WPARAM wParam, UINT alsoMessage) const
{
    awaited.taken = false;
    awaited.message = message;
    awaited.alsoMessage = alsoMessage;
    awaited.wParam = wParam;
}

void DialogDriver::AwaitHandled() const
{
    if (!WaitUntil([&] { return awaited.taken || !IsWindowVisible(dialog); }))
        ADD_FAILURE() << "the dialog's thread did not take message " << awaited.message;
    // A sent message is handled only when the thread asks for its next
    // message, so its answer comes after the taken one has been dispatched.
    DWORD_PTR ignored;
    if (IsWindowVisible(dialog))
        SendMessageTimeoutA(dialog, WM_NULL, 0, 0, SMTO_NORMAL, DefaultBound(), &ignored);
}

namespace {

DWORD WINAPI RunFunction(void* function)
{
    (*static_cast<const std::function<void()>*>(function))();
    return 0;
}

} // namespace

int32_t RunDialog(PluginLibrary& plugin, TestHost& host, TEffectParamBlock& block,
    const std::function<void(DialogDriver&)>& script, uint16_t channels)
{
    return RunDialogOver(plugin.showEffectDialog, host.window, block, script, channels);
}

int32_t RunDialogOver(ShowEffectDialogFunction show, HWND parent, TEffectParamBlock& block,
    const std::function<void(DialogDriver&)>& script, uint16_t channels)
{
    const DWORD hostThread = GetCurrentThreadId();
    HMODULE library = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        reinterpret_cast<const char*>(show), &library);
    const std::function<void()> user = [&] {
        DialogDriver driver(parent, hostThread, library);
        if (driver.dialog)
            script(driver);
        // A script that failed half-way must not leave the call hanging.
        if (driver.dialog && !DialogDriver::WaitUntil([&] { return !IsWindowVisible(driver.dialog); }, 2000)) {
            ADD_FAILURE() << "the script left the dialog open";
            if (const HWND help = driver.HelpDialog())
                driver.Click(driver.Button("&Close", help));
            PostMessageA(driver.dialog, WM_CLOSE, 0, 0);
        }
    };
    const HANDLE thread = CreateThread(nullptr, 0, RunFunction, const_cast<std::function<void()>*>(&user), 0, nullptr);
    const int32_t result = show(parent, 0, 0, MakeWaveFormat(channels), &block);
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
    return result;
}

bool HasClass(HWND window, const char* name)
{
    char className[64];
    return GetClassNameA(window, className, sizeof className) && lstrcmpiA(className, name) == 0;
}

HWND FindChild(HWND root, const char* className, const std::string& text)
{
    const auto found = Children(root,
        [&](HWND window) { return (!className || HasClass(window, className)) && DialogDriver::Text(window) == text; });
    return found.empty() ? nullptr : found.front();
}

HWND PageOfTab(HWND tabs, int index)
{
    const char* headings[] = { "Pop and Click Removal", "Eliminate Hum", "Reduce Hiss", "Noise Gate" };
    for (HWND page = GetWindow(tabs, GW_CHILD); page; page = GetWindow(page, GW_HWNDNEXT))
        if (FindChild(page, "Static", headings[index]))
            return page;
    return nullptr;
}

std::vector<HWND> ChildrenOfClass(HWND root, const char* className)
{
    return Children(root, [&](HWND window) { return !className || HasClass(window, className); });
}

std::vector<HWND> LibraryWindows()
{
    std::vector<HWND> windows;
    EnumThreadWindows(GetCurrentThreadId(), CollectLibraryWindows, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

bool ThreadWindowsEnabled()
{
    bool enabled = true;
    EnumThreadWindows(GetCurrentThreadId(), CheckEnabled, reinterpret_cast<LPARAM>(&enabled));
    return enabled;
}
