#include "tests/windows/quick_session.h"

#include "tests/windows/dialog_driver.h"

#include <commctrl.h>

namespace {

// Each press is made when the dialog's thread takes this message from its
// queue; it is posted again after every attempt until the script is done, so
// that the presses follow one another as fast as the dialog handles them.
constexpr UINT kNextPress = WM_APP + 7;

struct Script {
    HWND host = nullptr;
    TEffectParamBlock* block = nullptr;
    const std::vector<Press>* presses = nullptr;
    size_t next = 0;
    bool pressPending = false;
} script;

void PostNextPress()
{
    if (script.pressPending || script.next >= script.presses->size())
        return;
    script.pressPending = true;
    PostThreadMessageA(GetCurrentThreadId(), kNextPress, 0, 0);
}

HWND OwnedFormOf(HWND owner)
{
    HWND form = nullptr;
    while ((form = FindWindowExA(nullptr, form, "ScrubwellForm", nullptr)))
        if (GetWindow(form, GW_OWNER) == owner && IsWindowVisible(form))
            return form;
    return nullptr;
}

HWND ButtonOf(HWND parent, const char* caption)
{
    return FindChild(parent, nullptr, caption);
}

void TryNextPress()
{
    const HWND dialog = OwnedFormOf(script.host);
    if (!dialog || script.next >= script.presses->size())
        return;
    const HWND help = OwnedFormOf(dialog);
    const Press press = (*script.presses)[script.next];
    if ((press == Press::CloseHelp || press == Press::MoveSliderUnderHelp) != (help != nullptr))
        return; // wait until the help is up, or gone
    ++script.next;
    switch (press) {
    case Press::Accept:
        PostMessageA(ButtonOf(dialog, "&Start Processing"), BM_CLICK, 0, 0);
        break;
    case Press::Cancel:
        PostMessageA(ButtonOf(dialog, "Cancel"), BM_CLICK, 0, 0);
        break;
    case Press::Help:
        PostMessageA(ButtonOf(dialog, "&Help"), BM_CLICK, 0, 0);
        break;
    case Press::CloseHelp:
        PostMessageA(ButtonOf(help, "&Close"), BM_CLICK, 0, 0);
        break;
    case Press::Escape: {
        // While another process is in front, this thread may hold no focus:
        // the dialog's key preview sees the key on the dialog itself too.
        const HWND focus = GetFocus();
        PostMessageA(focus && IsChild(dialog, focus) ? focus : dialog, WM_KEYDOWN, VK_ESCAPE, 1);
        break;
    }
    case Press::MoveSlider:
    case Press::MoveSliderUnderHelp: {
        const HWND slider = FindWindowExA(GetParent(ButtonOf(dialog, "More")), nullptr, TRACKBAR_CLASSA, nullptr);
        SendMessageA(slider, TBM_SETPOS, TRUE, SendMessageA(slider, TBM_GETPOS, 0, 0) + 1);
        SendMessageA(GetParent(slider), WM_VSCROLL, MAKEWPARAM(TB_ENDTRACK, 0), reinterpret_cast<LPARAM>(slider));
        break;
    }
    case Press::ProtectBlock: {
        DWORD old;
        VirtualProtect(script.block, sizeof *script.block, PAGE_READONLY, &old);
        break;
    }
    }
}

LRESULT CALLBACK OnRetrieval(int code, WPARAM removal, LPARAM lParam)
{
    const auto* message = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && removal == PM_REMOVE && !message->hwnd && message->message == kNextPress) {
        script.pressPending = false;
        TryNextPress();
        PostNextPress();
    }
    return CallNextHookEx(nullptr, code, removal, lParam);
}

} // namespace

int32_t RunQuickSession(
    PluginLibrary& plugin, HWND host, TEffectParamBlock& block, const std::vector<Press>& presses, uint16_t channels)
{
    script = Script { host, &block, &presses, 0, false };
    const HHOOK hook = SetWindowsHookExA(WH_GETMESSAGE, OnRetrieval, nullptr, GetCurrentThreadId());
    PostNextPress();
    const int32_t result = plugin.showEffectDialog(host, 0, 0, MakeWaveFormat(channels), &block);
    UnhookWindowsHookEx(hook);
    return result;
}
