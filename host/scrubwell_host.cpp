// scrubwell-host: a small host that uses the library as an audio editor does.
//
//   scrubwell-host [--mono] [--tour OUTPUT_DIR] [BLOCK_FILE]
//
// A window with an Effects menu whose entry opens the dialog over a parameter
// block kept in BLOCK_FILE (default scrubwell-block.bin) between runs. After
// each call the window shows the return code and the block's named fields. A
// small "Host messages" window, on a thread of its own so that the modal
// dialog does not disable it, sends the dialog the three private messages.
// With --tour the host opens the dialog by itself, visits every page and its
// help, accepts, and leaves screenshots (BMP) and block dumps in OUTPUT_DIR.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "blocktool/block_commands.h"
#include "blocktool/block_file.h"
#include "contract/scrubwell_effect.h"
#include "host/screenshot.h"
#include "host/text_file.h"

namespace {

using scrubwell::blocktool::ReadBlockFile;
using scrubwell::blocktool::WriteBlockFile;

constexpr int kOpenEffect = 100;
constexpr UINT kStartTour = WM_APP + 1;

struct Host {
    HMODULE library = nullptr;
    decltype(&GetEffectInfo) getEffectInfo = nullptr;
    decltype(&ShowEffectDialog) showEffectDialog = nullptr;
    std::string effectName = "Scrubwell";
    std::string blockFile = "scrubwell-block.bin";
    std::string tourDirectory;
    bool mono = false;
    HWND window = nullptr;
    HWND report = nullptr;
    int paintRequests = 0;
    std::string lastResult = "The dialog has not been opened yet.";
} host;

HWND FindDialog()
{
    HWND dialog = nullptr;
    while ((dialog = FindWindowExA(nullptr, dialog, "ScrubwellForm", "Kestrune Scrubwell")))
        if (GetWindow(dialog, GW_OWNER) == host.window)
            return dialog;
    return nullptr;
}

// An edit control breaks lines at CR LF only.
std::string WithCarriageReturns(const std::string& text)
{
    std::string result;
    for (char c : text) {
        if (c == '\n')
            result += '\r';
        result += c;
    }
    return result;
}

void ShowReport()
{
    TEffectParamBlock block {};
    const bool loaded = ReadBlockFile(host.blockFile, block);
    std::string text = host.lastResult + "\r\nWM_PAINT requests received from the dialog: "
        + std::to_string(host.paintRequests) + "\r\nBlock file: " + host.blockFile + (loaded ? "" : " (new)")
        + "\r\n\r\n" + WithCarriageReturns(scrubwell::blocktool::Describe(block, false));
    SetWindowTextA(host.report, text.c_str());
}

int OpenEffect()
{
    TEffectParamBlock block {};
    ReadBlockFile(host.blockFile, block);
    TWaveFormat format {};
    format.FormatTag = 1;
    format.Channels = host.mono ? 1 : 2;
    format.SamplesPerSec = 44100;
    format.BitsPerSample = 16;
    format.BlockAlign = static_cast<uint16_t>(format.Channels * 2);
    format.AvgBytesPerSec = format.SamplesPerSec * format.BlockAlign;
    const int32_t result = host.showEffectDialog(host.window, 0, 0, format, &block);
    WriteBlockFile(host.blockFile, block);
    host.lastResult = "ShowEffectDialog returned " + std::to_string(result)
        + (result == 0        ? " (accepted)"
                : result == 2 ? " (not accepted)"
                              : " (failed)");
    ShowReport();
    return result;
}

// --- the tour -------------------------------------------------------------

int tourStep = 0;

void Capture(const char* name)
{
    const std::string path = host.tourDirectory + "\\" + name + ".bmp";
    if (!SaveScreenBitmap(path))
        std::fprintf(stderr, "scrubwell-host: could not write %s\n", path.c_str());
}

void PressKey(HWND target, WORD key)
{
    PostMessageA(target, WM_KEYDOWN, key, 1);
    PostMessageA(target, WM_KEYUP, key, 0xC0000001);
}

HWND FindHelp()
{
    HWND help = nullptr;
    const HWND dialog = FindDialog();
    while ((help = FindWindowExA(nullptr, help, "ScrubwellForm", "Kestrune Scrubwell")))
        if (GetWindow(help, GW_OWNER) == dialog && IsWindowVisible(help))
            return help;
    return nullptr;
}

HWND FindButton(HWND parent, const char* caption)
{
    return FindWindowExA(parent, nullptr, "Button", caption);
}

// One step per tick: a page, its screenshot, its help, the help's screenshot.
void CALLBACK TourTick(HWND, UINT, UINT_PTR timer, DWORD)
{
    const HWND dialog = FindDialog();
    if (!dialog)
        return;
    const HWND tabs = FindWindowExA(dialog, nullptr, "SysTabControl32", nullptr);
    static const char* pages[] = { "page1-pops-and-clicks", "page2-hum", "page3-hiss", "page4-noise-gate" };
    const int page = tourStep / 4;
    if (page < 4) {
        switch (tourStep % 4) {
        case 0:
            Capture(pages[page]);
            break;
        case 1:
            PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(FindButton(dialog, "&Help")), BN_CLICKED),
                reinterpret_cast<LPARAM>(FindButton(dialog, "&Help")));
            break;
        case 2:
            Capture((std::string(pages[page]) + "-help").c_str());
            break;
        case 3:
            if (const HWND help = FindHelp())
                PostMessageA(help, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(FindButton(help, "&Close")), BN_CLICKED),
                    reinterpret_cast<LPARAM>(FindButton(help, "&Close")));
            SetFocus(tabs);
            PressKey(tabs, VK_RIGHT);
            break;
        }
    } else {
        KillTimer(nullptr, timer);
        const HWND ok = FindButton(dialog, "&Start Processing");
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(ok), BN_CLICKED), reinterpret_cast<LPARAM>(ok));
    }
    ++tourStep;
}

void RunTour()
{
    TEffectParamBlock block {};
    ReadBlockFile(host.blockFile, block);
    WriteTextFile(host.tourDirectory + "\\block-before.txt", scrubwell::blocktool::Describe(block, false));
    SetTimer(nullptr, 0, 700, TourTick);
    const int result = OpenEffect();
    ReadBlockFile(host.blockFile, block);
    WriteTextFile(host.tourDirectory + "\\block-after.txt",
        "ShowEffectDialog returned " + std::to_string(result) + "\n\n" + scrubwell::blocktool::Describe(block, false));
    RedrawWindow(host.window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Capture("host-after");
    std::printf("scrubwell-host: tour done, ShowEffectDialog returned %d\n", result);
    PostQuitMessage(result == 0 ? 0 : 1);
}

// --- the host's windows ---------------------------------------------------

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        host.report = CreateWindowExA(WS_EX_CLIENTEDGE, "Edit", "",
            WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY, 0, 0, 0, 0, window, nullptr, nullptr,
            nullptr);
        SendMessageA(host.report, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(ANSI_FIXED_FONT)), 0);
        return 0;
    case WM_SIZE:
        MoveWindow(host.report, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
    case WM_PAINT:
        // The dialog asks for a repaint after each page change the user makes;
        // the system itself paints only where something is invalid.
        if (wParam == 0 && lParam == 0 && !GetUpdateRect(window, nullptr, FALSE)) {
            ++host.paintRequests;
            ShowReport();
        }
        break;
    case WM_COMMAND:
        if (LOWORD(wParam) == kOpenEffect)
            OpenEffect();
        return 0;
    case kStartTour:
        RunTour();
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK RemoteProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        const UINT sent = LOWORD(wParam);
        const HWND dialog = FindDialog();
        std::string status = "No dialog is open.";
        if (dialog) {
            DWORD_PTR reply = 0;
            SendMessageTimeoutA(dialog, sent, 0, 0, SMTO_ABORTIFHUNG, 2000, &reply);
            status = "Sent " + std::to_string(sent) + ", reply " + std::to_string(reply);
        }
        SetWindowTextA(GetDlgItem(window, 1), status.c_str());
        return 0;
    }
    if (message == WM_CLOSE)
        return 0;
    return DefWindowProcA(window, message, wParam, lParam);
}

DWORD WINAPI RemoteThread(LPVOID)
{
    WNDCLASSA remoteClass {};
    remoteClass.lpfnWndProc = RemoteProc;
    remoteClass.hInstance = GetModuleHandleA(nullptr);
    remoteClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    remoteClass.lpszClassName = "ScrubwellHostRemote";
    RegisterClassA(&remoteClass);
    HWND remote = CreateWindowExA(WS_EX_TOOLWINDOW, remoteClass.lpszClassName, "Host messages", WS_CAPTION | WS_VISIBLE,
        620, 40, 260, 170, nullptr, nullptr, nullptr, nullptr);
    const struct {
        const char* caption;
        UINT message;
    } buttons[] = { { "1029 Disable Start", SCRUBWELL_UM_DISABLESTART },
        { "1030 Query loaded", SCRUBWELL_UM_QUERYLOADED }, { "1031 Show dialog", SCRUBWELL_UM_SHOWDIALOG } };
    int top = 8;
    for (const auto& button : buttons) {
        CreateWindowExA(0, "Button", button.caption, WS_CHILD | WS_VISIBLE, 8, top, 236, 24, remote,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(button.message)), nullptr, nullptr);
        top += 30;
    }
    CreateWindowExA(0, "Static", "", WS_CHILD | WS_VISIBLE, 8, top + 4, 236, 20, remote, reinterpret_cast<HMENU>(1),
        nullptr, nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}

bool LoadLibraryExports()
{
    host.library = LoadLibraryA("TidwexUI.dll");
    if (!host.library)
        return false;
    host.getEffectInfo = reinterpret_cast<decltype(&GetEffectInfo)>(
        reinterpret_cast<void*>(GetProcAddress(host.library, "GetEffectInfo")));
    host.showEffectDialog = reinterpret_cast<decltype(&ShowEffectDialog)>(
        reinterpret_cast<void*>(GetProcAddress(host.library, "ShowEffectDialog")));
    if (!host.getEffectInfo || !host.showEffectDialog)
        return false;
    char name[64], second[64], icon[64], engine[64];
    int32_t size = 0;
    if (host.getEffectInfo(name, second, icon, engine, &size) != 0 || size != SCRUBWELL_BLOCK_SIZE)
        return false;
    host.effectName = name;
    std::printf(
        "Effect: %s (%s), icon %s, engine %s, block %d bytes\n", name, second, icon, engine, static_cast<int>(size));
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--mono")
            host.mono = true;
        else if (argument == "--tour" && i + 1 < argc)
            host.tourDirectory = argv[++i];
        else
            host.blockFile = argument;
    }
    if (!LoadLibraryExports()) {
        std::fprintf(stderr, "scrubwell-host: cannot use TidwexUI.dll\n");
        return 1;
    }

    WNDCLASSA hostClass {};
    hostClass.lpfnWndProc = HostProc;
    hostClass.hInstance = GetModuleHandleA(nullptr);
    hostClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    hostClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    hostClass.lpszClassName = "ScrubwellHost";
    RegisterClassA(&hostClass);
    HMENU effects = CreatePopupMenu();
    AppendMenuA(effects, MF_STRING, kOpenEffect, (host.effectName + "...").c_str());
    HMENU menu = CreateMenu();
    AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(effects), "&Effects");
    host.window = CreateWindowExA(0, hostClass.lpszClassName, "Scrubwell demo host", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
        20, 20, 600, 700, nullptr, menu, hostClass.hInstance, nullptr);
    ShowReport();
    if (host.tourDirectory.empty())
        CreateThread(nullptr, 0, RemoteThread, nullptr, 0, nullptr);
    else
        PostMessageA(host.window, kStartTour, 0, 0);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    FreeLibrary(host.library);
    return static_cast<int>(message.wParam);
}
