#include "session/dialog_session.h"

#include <memory>

#include "block/common.h"
#include "dialogs/scrubwell_help_form.h"
#include "dialogs/scrubwell_ui_form.h"
#include "session/library_state.h"

namespace scrubwell {
namespace {

constexpr char kCaption[] = "Kestrune Scrubwell";

// Owns the session's two dialogs and, whatever way the session ends, destroys
// them and clears the library-wide references to them.
class SessionDialogs {
public:
    ~SessionDialogs()
    {
        help.reset();
        main.reset();
        HostWindow = nullptr;
        ScrubwellHelpForm = nullptr;
        ScrubwellUIForm = nullptr;
    }
    std::unique_ptr<TScrubwellUIForm> main;
    std::unique_ptr<TScrubwellHelpForm> help;
};

} // namespace

int32_t RunDialogSession(void* parent, TEffectParamBlock* block)
{
    try {
        SessionDialogs dialogs;
        dialogs.main = std::make_unique<TScrubwellUIForm>();
        ScrubwellUIForm = dialogs.main.get();
        dialogs.main->SetParentWindow(static_cast<HWND>(parent));
        HostWindow = static_cast<HWND>(parent);
        dialogs.help = std::make_unique<TScrubwellHelpForm>();
        ScrubwellHelpForm = dialogs.help.get();
        // Asking for the main dialog's window creates it now, under the host's
        // window. The help's own window follows when it is first shown: laying
        // out its long texts is most of what it costs.
        dialogs.help->SetParentWindow(dialogs.main->Handle());
        dialogs.main->SetCaption(kCaption);

        block->DialogOutcome = kOutcomeNotAccepted;
        EffectSettings& settings = dialogs.main->Settings();
        settings.LoadSettings(block);
        // After the tool loads: their sliders and buttons check the tools'
        // boxes, and the block has the last word on those.
        settings.LoadEffectOptions(block);
        dialogs.main->OpenPage(LastPageIndex);

        if (dialogs.main->ShowModal() == windowing::kModalOk)
            LastPageIndex = dialogs.main->ActivePageIndex();
        dialogs.help->Close();
        return kSessionCompleted;
    } catch (const windowing::WindowCreationError&) {
        return kSessionNoDialog;
    } catch (...) {
        return kSessionFailed;
    }
}

} // namespace scrubwell
