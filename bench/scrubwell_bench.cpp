// scrubwell-bench: how long the dialog takes to come up and to go, against a
// bare Win32 dialog with the same number and kinds of controls, measured in
// the same process. Usage: scrubwell-bench [SESSIONS] [DLL_DIRECTORY...]
// With --count instead it runs a few untimed sessions and marks where each
// open and close begins and ends, for a count of the system calls in between
// (tools/count-server-requests.sh).
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "contract/scrubwell_effect.h"

namespace {

constexpr UINT kProbe = WM_APP + 1;

LARGE_INTEGER frequency;

double Now()
{
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

struct Timing {
    std::vector<double> shown; // call until shown and painted
    std::vector<double> closed; // cancel until the call returns
};

struct Probe {
    HWND host = nullptr;
    double start = 0;
    double cancelAt = 0;
    Timing* timing = nullptr;
    bool baseline = false;
    bool marking = false;
} probe;

// A lookup of an atom that does not exist: one request to the Wine server
// that names its argument in the server's trace, and changes nothing.
void Mark(const char* phase)
{
    if (!probe.marking)
        return;
    char name[64];
    std::snprintf(name, sizeof name, "scrubwell-bench:%s:%s", probe.baseline ? "bare" : "TidwexUI", phase);
    GlobalFindAtomA(name);
}

HWND VisibleOwnedWindow(HWND owner)
{
    for (HWND window = GetWindow(GetDesktopWindow(), GW_CHILD); window; window = GetWindow(window, GW_HWNDNEXT))
        if (GetWindow(window, GW_OWNER) == owner && IsWindowVisible(window))
            return window;
    return nullptr;
}

// Both dialogs are shown with a WM_SHOWWINDOW; the probe is posted then and
// runs as the next message of the dialog's modal loop.
LRESULT CALLBACK ShowHook(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call->message == WM_SHOWWINDOW && call->wParam
        && GetWindow(call->hwnd, GW_OWNER) == probe.host)
        PostMessageA(probe.host, kProbe, 0, 0);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The dialog's first paint is done here, synchronously, then it is cancelled.
LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kProbe) {
        const HWND dialog = VisibleOwnedWindow(window);
        if (!dialog)
            return 0;
        RedrawWindow(dialog, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        probe.timing->shown.push_back(Now() - probe.start);
        Mark("close");
        probe.cancelAt = Now();
        if (probe.baseline) {
            EndDialog(dialog, IDCANCEL);
        } else {
            const HWND cancel = FindWindowExA(dialog, nullptr, "Button", "Cancel");
            SendMessageA(cancel, BM_CLICK, 0, 0);
        }
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// --- the baseline: an in-memory dialog template ---------------------------

class TemplateBuilder {
public:
    TemplateBuilder(const char* title, short cx, short cy, int items)
    {
        Dword(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_CENTER);
        Dword(0);
        Word(static_cast<WORD>(items));
        Word(0), Word(0), Word(static_cast<WORD>(cx)), Word(static_cast<WORD>(cy));
        Word(0), Word(0);
        Text(title);
        Word(8);
        Text("MS Sans Serif");
    }
    void Item(DWORD style, short x, short y, short cx, short cy, const char* className, WORD atom, const char* text)
    {
        Align();
        Dword(style | WS_CHILD | WS_VISIBLE);
        Dword(0);
        Word(static_cast<WORD>(x)), Word(static_cast<WORD>(y)), Word(static_cast<WORD>(cx)),
            Word(static_cast<WORD>(cy));
        Word(static_cast<WORD>(next_++));
        if (className) {
            Text(className);
        } else {
            Word(0xFFFF);
            Word(atom);
        }
        Text(text);
        Word(0);
    }
    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

private:
    void Word(WORD w) { words_.push_back(w); }
    void Dword(DWORD d) { Word(LOWORD(d)), Word(HIWORD(d)); }
    void Text(const char* s)
    {
        while (*s)
            Word(static_cast<WORD>(static_cast<unsigned char>(*s++)));
        Word(0);
    }
    void Align()
    {
        if (words_.size() % 2)
            Word(0);
    }
    std::vector<WORD> words_;
    int next_ = 100;
};

INT_PTR CALLBACK BaselineProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

// The main dialog's controls by kind: one tab control, four track bars, four
// check boxes, five radio buttons, seven group boxes, four readouts, 24 labels
// and three push buttons (52 in all).
TemplateBuilder MakeBaseline()
{
    TemplateBuilder b("Baseline", 360, 288, 1 + 4 * 9 + 3 + 5 + 4 + 3);
    b.Item(WS_TABSTOP | TCS_MULTILINE, 3, 2, 356, 203, "SysTabControl32", 0, "");
    for (int i = 0; i < 4; ++i) {
        b.Item(BS_GROUPBOX, 5, 30, 56, 107, nullptr, 0x0080, "");
        b.Item(WS_TABSTOP | TBS_VERT | TBS_NOTICKS, 20, 50, 17, 58, "msctls_trackbar32", 0, "");
        b.Item(SS_CENTER | SS_SUNKEN, 8, 120, 45, 11, nullptr, 0x0082, "");
        b.Item(0, 20, 38, 16, 8, nullptr, 0x0082, "More");
        b.Item(0, 20, 110, 16, 8, nullptr, 0x0082, "Less");
        b.Item(SS_CENTER, 70, 32, 270, 16, nullptr, 0x0082, "Heading");
        b.Item(0, 70, 55, 270, 26, nullptr, 0x0082, "Body text of the page");
        b.Item(0, 70, 90, 270, 40, nullptr, 0x0082, "More body text of the page");
        b.Item(0, 70, 140, 270, 30, nullptr, 0x0082, "Last body text of the page");
    }
    b.Item(BS_GROUPBOX, 64, 150, 280, 48, nullptr, 0x0080, "[ &Frequency ]");
    b.Item(WS_TABSTOP | BS_AUTORADIOBUTTON | WS_GROUP, 70, 163, 257, 11, nullptr, 0x0080, "60 Hz");
    b.Item(BS_AUTORADIOBUTTON, 70, 180, 257, 11, nullptr, 0x0080, "50 Hz");
    b.Item(BS_GROUPBOX, 5, 210, 203, 55, nullptr, 0x0080, "[ E&ffect Options ]");
    b.Item(WS_TABSTOP | BS_AUTOCHECKBOX | WS_GROUP, 10, 224, 120, 11, nullptr, 0x0080, "Remove &Pops and Clicks");
    b.Item(BS_AUTOCHECKBOX, 130, 224, 75, 11, nullptr, 0x0080, "Eliminate H&um");
    b.Item(BS_AUTOCHECKBOX, 10, 247, 100, 11, nullptr, 0x0080, "&Noise Gate");
    b.Item(BS_AUTOCHECKBOX, 130, 247, 75, 11, nullptr, 0x0080, "Reduce H&iss");
    b.Item(BS_GROUPBOX, 210, 210, 138, 55, nullptr, 0x0080, "[ Stereo &Options ]");
    b.Item(WS_TABSTOP | BS_AUTORADIOBUTTON | WS_GROUP, 214, 222, 134, 11, nullptr, 0x0080, "Apply to &Both Channels");
    b.Item(BS_AUTORADIOBUTTON, 214, 236, 134, 11, nullptr, 0x0080, "Apply to &Left Channel Only");
    b.Item(BS_AUTORADIOBUTTON, 214, 250, 134, 11, nullptr, 0x0080, "Apply to &Right Channel Only");
    b.Item(WS_TABSTOP | BS_DEFPUSHBUTTON, 55, 270, 78, 15, nullptr, 0x0080, "&Start Processing");
    b.Item(WS_TABSTOP, 136, 270, 78, 15, nullptr, 0x0080, "Cancel");
    b.Item(WS_TABSTOP, 217, 270, 78, 15, nullptr, 0x0080, "&Help");
    return b;
}

const DLGTEMPLATE* BaselineTemplate()
{
    static const TemplateBuilder baseline = MakeBaseline();
    return baseline.Get();
}

// --- measurements -----------------------------------------------------------

struct Summary {
    double median, low, high;
};

Summary Summarise(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return { values[n / 2], values[n / 10], values[n - 1 - n / 10] };
}

void Print(const char* what, const std::vector<double>& values)
{
    const Summary s = Summarise(values);
    std::printf("  %-44s median %7.2f ms   (10%%..90%%: %.2f .. %.2f)\n", what, s.median, s.low, s.high);
}

constexpr int kCountedSessions = 5;

// Interleaved, so that both see the same state of the machine; only the
// sessions after the warm-up ones are recorded, and marked if asked.
void RunSessions(decltype(&ShowEffectDialog) show, int warmUps, int sessions, bool mark, Timing& ours, Timing& bare)
{
    TEffectParamBlock block;
    std::memset(&block, 0, sizeof block);
    TWaveFormat format {};
    format.Channels = 2;
    for (int i = 0; i < warmUps + sessions; ++i) {
        Timing scratch;
        const bool warmUp = i < warmUps;
        probe.marking = mark && !warmUp;
        probe.baseline = false;
        probe.timing = warmUp ? &scratch : &ours;
        Mark("open");
        probe.start = Now();
        show(probe.host, 0, 0, format, &block);
        probe.timing->closed.push_back(Now() - probe.cancelAt);
        Mark("end");

        probe.baseline = true;
        probe.timing = warmUp ? &scratch : &bare;
        Mark("open");
        probe.start = Now();
        DialogBoxIndirectParamA(GetModuleHandleA(nullptr), BaselineTemplate(), probe.host, BaselineProc, 0);
        probe.timing->closed.push_back(Now() - probe.cancelAt);
        Mark("end");
    }
    probe.marking = false;
}

long FileSize(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    return GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) ? static_cast<long>(data.nFileSizeLow) : -1;
}

} // namespace

int main(int argc, char** argv)
{
    QueryPerformanceFrequency(&frequency);
    const bool counting = argc > 1 && std::strcmp(argv[1], "--count") == 0;
    const int sessions = argc > 1 ? std::max(10, std::atoi(argv[1])) : 200;
    INITCOMMONCONTROLSEX controls { sizeof controls, ICC_BAR_CLASSES | ICC_TAB_CLASSES };
    InitCommonControlsEx(&controls);

    WNDCLASSA hostClass {};
    hostClass.lpfnWndProc = HostProc;
    hostClass.hInstance = GetModuleHandleA(nullptr);
    hostClass.lpszClassName = "ScrubwellBenchHost";
    RegisterClassA(&hostClass);
    probe.host = CreateWindowExA(0, hostClass.lpszClassName, "Bench host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200,
        100, nullptr, nullptr, hostClass.hInstance, nullptr);

    UpdateWindow(probe.host);
    SetWindowsHookExA(WH_CALLWNDPROC, ShowHook, nullptr, GetCurrentThreadId());

    // LoadLibrary plus GetEffectInfo, from nothing loaded.
    std::vector<double> loads;
    for (int i = 0; i < (counting ? 0 : 50); ++i) {
        const double start = Now();
        HMODULE library = LoadLibraryA("TidwexUI.dll");
        auto info = reinterpret_cast<decltype(&GetEffectInfo)>(
            reinterpret_cast<void*>(GetProcAddress(library, "GetEffectInfo")));
        char a[32], b[32], c[32], d[32];
        int32_t size;
        info(a, b, c, d, &size);
        loads.push_back(Now() - start);
        FreeLibrary(library);
    }

    HMODULE library = LoadLibraryA("TidwexUI.dll");
    auto show = reinterpret_cast<decltype(&ShowEffectDialog)>(
        reinterpret_cast<void*>(GetProcAddress(library, "ShowEffectDialog")));

    Timing ours, bare;
    if (counting) {
        RunSessions(show, 2, kCountedSessions, true, ours, bare);
        std::printf(
            "Scrubwell dialog request count: %d sessions each, interleaved, after 2 to warm up\n", kCountedSessions);
        FreeLibrary(library);
        DestroyWindow(probe.host);
        return 0;
    }
    RunSessions(show, 5, sessions, false, ours, bare);
    FreeLibrary(library);

    std::printf("Scrubwell dialog benchmark: %d sessions each, interleaved, after 5 to warm up\n", sessions);
    Print("LoadLibrary + GetEffectInfo", loads);
    Print("TidwexUI: call until shown and painted", ours.shown);
    Print("bare dialog: call until shown and painted", bare.shown);
    Print("TidwexUI: Cancel until the call returns", ours.closed);
    Print("bare dialog: Cancel until the call returns", bare.closed);
    const double ratioShown = Summarise(ours.shown).median / Summarise(bare.shown).median;
    const double ratioClosed = Summarise(ours.closed).median / Summarise(bare.closed).median;
    std::printf(
        "  ratio of medians, ours over bare: show %.2f, close %.2f (aim: 0.90 or less)\n", ratioShown, ratioClosed);
    for (int i = 2; i < argc; ++i) {
        const std::string path = std::string(argv[i]) + "\\TidwexUI.dll";
        std::printf("  size of %s: %ld bytes\n", path.c_str(), FileSize(path));
    }
    DestroyWindow(probe.host);
    return 0;
}
