#include "tests/windows/quick_session.h"

#include "tests/windows/dialog_driver.h"

#include <commctrl.h>

namespace {

struct Script {
    HWND host = nullptr;
    TEffectParamBlock* block = nullptr;
    const std::vector<Press>* presses = nullptr;
    size_t next = 0;
} script;

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

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
{
    const HWND dialog = OwnedFormOf(script.host);
    if (!dialog || script.next >= script.presses->size())
        return;
    const HWND help = OwnedFormOf(dialog);
    const Press press = (*script.presses)[script.next];
    if ((press == Press::CloseHelp) != (help != nullptr))
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
    case Press::Escape:
        PostMessageA(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1);
        break;
    case Press::MoveSlider: {
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

} // namespace

int32_t RunQuickSession(
    PluginLibrary& plugin, HWND host, TEffectParamBlock& block, const std::vector<Press>& presses, uint16_t channels)
{
    script = Script { host, &block, &presses, 0 };
    const UINT_PTR timer = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, Tick);
    const int32_t result = plugin.showEffectDialog(host, 0, 0, MakeWaveFormat(channels), &block);
    KillTimer(nullptr, timer);
    return result;
}
