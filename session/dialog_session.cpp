#include "session/dialog_session.h"

#include <new>

#include "block/block_stamp.h"
#include "block/common.h"
#include "dialogs/scrubwell_help_form.h"
#include "dialogs/scrubwell_ui_form.h"
#include "session/library_state.h"

namespace scrubwell {
namespace {

// Owns the session's two dialogs and, whatever way the session ends, destroys
// them and clears the host's window.
class SessionDialogs {
public:
    SessionDialogs() = default;
    SessionDialogs(const SessionDialogs&) = delete;
    SessionDialogs& operator=(const SessionDialogs&) = delete;
    ~SessionDialogs()
    {
        delete help;
        delete main;
        HostWindow = nullptr;
    }
    TScrubwellUIForm* main = nullptr;
    TScrubwellHelpForm* help = nullptr;
};

} // namespace

int32_t RunDialogSession(
    void* parent, TEffectParamBlock* block, bool (*hostMemory)(const void* address, size_t size, bool writable))
{
    SessionDialogs dialogs;
    HostWindow = static_cast<HWND>(parent);
    dialogs.help = new (std::nothrow) TScrubwellHelpForm();
    if (!dialogs.help)
        return kSessionNoDialog;
    dialogs.main
        = new (std::nothrow) TScrubwellUIForm(MainFormLinks { HostWindow, dialogs.help, &SettingsLoaded, hostMemory });
    if (!dialogs.main)
        return kSessionNoDialog;
    dialogs.main->SetParentWindow(HostWindow);
    // The main window exists before the block is touched: a dialog that
    // cannot be created leaves the block as the host stamped it. The help's
    // window is made under it when the user first asks for the help.
    if (!dialogs.main->Create())
        return kSessionNoDialog;
    dialogs.help->SetParentWindow(dialogs.main->Handle());

    MarkNotAccepted(*block);
    // A failed load stops at once; the defaults it set count.
    if (!dialogs.main->Controller().Load(block))
        return kSessionFailed;
    if (!dialogs.main->OpenPage(LastPageIndex))
        return kSessionFailed;

    switch (dialogs.main->ShowModal()) {
    case windowing::kModalFailed:
        return kSessionFailed;
    case windowing::kModalOk:
        LastPageIndex = dialogs.main->ActivePageIndex();
        break;
    default:
        break;
    }
    dialogs.help->Hide();
    return kSessionCompleted;
}

} // namespace scrubwell
