// The main dialog's "Help" button: shows the help text of the active page.
#include "dialogs/scrubwell_help_form.h"
#include "dialogs/scrubwell_ui_form.h"
#include "session/library_state.h"

namespace scrubwell {

bool TScrubwellUIForm::HelpButtonClick()
{
    TScrubwellHelpForm* help = ScrubwellHelpForm;
    if (!help || !help->Handle())
        return true;
    if (!help->CreateTextBoxes())
        return false;
    help->POPClickMemo.Show(false);
    help->HumMemo.Show(false);
    help->HissMemo.Show(false);
    help->NoiseReductionMemo.Show(false);

    const HWND active = EffectsPageControl.ActivePage();
    windowing::Memo* text = &help->NoiseReductionMemo;
    const char* title = "Noise Gate";
    if (active == POPClickTab) {
        text = &help->POPClickMemo;
        title = "Pop and Click Removal";
    } else if (active == HumTab) {
        text = &help->HumMemo;
        title = "Eliminate Hum";
    } else if (active == HissTab) {
        text = &help->HissMemo;
        title = "Reduce Hiss";
    }
    text->Show(true);
    help->HelpLabel.SetText(title);
    return help->ShowModal() != windowing::kModalFailed;
}

} // namespace scrubwell
