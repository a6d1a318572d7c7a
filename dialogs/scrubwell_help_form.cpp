// The help dialog: four texts on top of one another, one shown at a time.
#include "dialogs/scrubwell_help_form.h"

#include "dialogs/help_texts.h"
#include "dialogs/scrubwell_help_layout.h"
#include "settings/fault_point.h"
#include "windowing/accessible_control.h"

namespace scrubwell {

const char kTutorialsAddress[] = "https://www.kestrune.com/howto/";

namespace {

using namespace help_layout;

constexpr windowing::FormDesign HelpDesign()
{
    windowing::FormDesign design {};
    design.style = WS_POPUP | WS_CAPTION; // no close box: only "Close" ends it
    design.clientWidth = 494;
    design.clientHeight = 362;
    design.centred = false;
    design.left = 279;
    design.top = 185;
    design.keyPreview = false;
    return design;
}

} // namespace

constexpr windowing::EventHandler TScrubwellHelpForm::kHandlers[] = {
    { kCloseButton, windowing::Event::kClick,
        windowing::Run<TScrubwellHelpForm, &TScrubwellHelpForm::CloseButtonClick> },
};

TScrubwellHelpForm::TScrubwellHelpForm()
    : Form(HelpDesign(), kRows, kRowCount, rowWindows_, kHandlers, 1)
{
    static_assert(windowing::HandlersFit(TScrubwellHelpForm::kHandlers, 1), "one handler a row, in row order");
    static_assert(kRowCount <= windowing::kMaxRows, "the form's capacity of rows");
}

void TScrubwellHelpForm::FormCreate()
{
    // The flags and the remembered focus belong to this window: a window made
    // again, after the host destroyed the last, gets each text and its address
    // line anew and starts at its first control.
    closeHadFocus_ = false;
    HumLinkAdded = false;
    HissLinkAdded = false;
    NoiseReductionLinkAdded = false;
    POPClickLinkAdded = false;
    SetCaption("Kestrune Scrubwell");
}

bool TScrubwellHelpForm::CreateControls()
{
    if (SCRUBWELL_FAULT_POINT("help window") || !MakeRows(windowing::kOnForm))
        return false;
    HelpLabel = windowing::StaticText(rowWindows_[kHelpLabel]);
    CloseButton = windowing::PushButton(rowWindows_[kCloseButton]);
    HumMemo = windowing::TextBox(rowWindows_[kHumMemo]);
    HissMemo = windowing::TextBox(rowWindows_[kHissMemo]);
    POPClickMemo = windowing::TextBox(rowWindows_[kPOPClickMemo]);
    NoiseReductionMemo = windowing::TextBox(rowWindows_[kNoiseReductionMemo]);
    // Each text box is named by the title above it.
    const windowing::TextBox* texts[] = { &HumMemo, &HissMemo, &POPClickMemo, &NoiseReductionMemo };
    for (const windowing::TextBox* text : texts)
        windowing::MakeAccessible(text->Handle(), { 0, nullptr, nullptr, HelpLabel.Handle() });
    FormCreate();
    return true;
}

bool TScrubwellHelpForm::ShowPageHelp(int page)
{
    // The window is made at the first showing: until then nobody sees it.
    if (!Create())
        return false;
    const struct {
        windowing::TextBox& text;
        const char* title;
    } pages[] = { { POPClickMemo, "Pop and Click Removal" }, { HumMemo, "Eliminate Hum" }, { HissMemo, "Reduce Hiss" },
        { NoiseReductionMemo, "Noise Gate" } };
    for (const auto& each : pages)
        each.text.Show(false);
    const auto& shown = pages[page >= 0 && page < 3 ? page : 3];
    shown.text.Show(true);
    HelpLabel.SetText(shown.title);
    return ShowModal() != windowing::kModalFailed;
}

bool TScrubwellHelpForm::FormShow()
{
    struct Text {
        windowing::TextBox& box;
        const char* text;
        bool& linkAdded;
    } texts[] = { { HissMemo, kHissHelpText, HissLinkAdded }, { HumMemo, kHumHelpText, HumLinkAdded },
        { POPClickMemo, kPopClickHelpText, POPClickLinkAdded },
        { NoiseReductionMemo, kNoiseGateHelpText, NoiseReductionLinkAdded } };
    for (Text& text : texts) {
        if (text.linkAdded || !text.box.Visible())
            continue;
        if (!text.box.SetText(text.text, kTutorialsAddress))
            return false;
        text.linkAdded = true;
    }
    return true;
}

HWND TScrubwellHelpForm::FirstFocus()
{
    return closeHadFocus_ ? CloseButton.Handle() : Form::FirstFocus();
}

bool TScrubwellHelpForm::CloseButtonClick()
{
    closeHadFocus_ = GetFocus() == CloseButton.Handle();
    SetModalResult(windowing::kModalOk);
    return true;
}

bool TScrubwellHelpForm::PreviewKey(const MSG& message)
{
    if (message.message != WM_KEYDOWN)
        return false;
    switch (message.wParam) {
    case VK_ESCAPE:
        return true; // no cancel button and no key handler: nothing happens
    case VK_RETURN:
        return windowing::IsReadOnlyTextBox(message.hwnd); // the text box takes the key and does nothing with it
    case VK_TAB:
        if (!windowing::IsReadOnlyTextBox(message.hwnd) || GetKeyState(VK_CONTROL) < 0)
            return false;
        SendMessageA(Handle(), WM_NEXTDLGCTL, GetKeyState(VK_SHIFT) < 0, FALSE);
        return true;
    default:
        return false;
    }
}

bool TScrubwellHelpForm::HandleMessage(UINT message, WPARAM, LPARAM, LRESULT& result)
{
    // Only "Close" ends the dialog.
    if (message != WM_CLOSE)
        return false;
    result = 0;
    return true;
}

} // namespace scrubwell
