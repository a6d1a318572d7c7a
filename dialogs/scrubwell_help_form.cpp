// The help dialog: four texts on top of one another, one shown at a time.
#include "dialogs/scrubwell_help_form.h"

#include "dialogs/shared_design.h"
#include "settings/fault_point.h"
#include "windowing/accessible_control.h"
#include "windowing/text_box.h"

namespace scrubwell {

const char kTutorialsAddress[] = "https://www.kestrune.com/howto/";

namespace {

using namespace help_layout;
using Self = TScrubwellHelpForm;

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
    design.caption = kDialogCaption;
    return design;
}

} // namespace

constexpr windowing::EventHandler<Self> TScrubwellHelpForm::kEvents[] = {
    { kCloseButton, windowing::Event::kClick, windowing::Call<Self, &Self::CloseButtonClick> },
};

TScrubwellHelpForm::TScrubwellHelpForm()
    : Form(HelpDesign(), kRows, rowWindows_)
{
}

void TScrubwellHelpForm::FormCreate()
{
    // The flags and the remembered focus belong to this window: a window made
    // again, after the host destroyed the last, gets each text and its address
    // line anew and starts at its first control.
    closeHadFocus_ = false;
    for (const EffectPage& page : kEffectPages)
        this->*page.linkAdded = false;
}

bool TScrubwellHelpForm::CreateControls()
{
    if (SCRUBWELL_FAULT_POINT("help window") || !MakeRows(windowing::kOnForm))
        return false;
    // Each text box is named by the title above it.
    for (const EffectPage& page : kEffectPages)
        windowing::MakeAccessible(rowWindows_[page.helpBox], { 0, nullptr, nullptr, rowWindows_[kHelpLabel] });
    FormCreate();
    return true;
}

bool TScrubwellHelpForm::ShowPageHelp(int page)
{
    // The window is made at the first showing: until then nobody sees it.
    if (!Create())
        return false;
    const EffectPage& shown = kEffectPages[page >= 0 && page < kEffectPageCount ? page : kEffectPageCount - 1];
    for (const EffectPage& each : kEffectPages)
        ShowWindow(rowWindows_[each.helpBox], SW_HIDE);
    ShowWindow(rowWindows_[shown.helpBox], SW_SHOWNA);
    SetWindowTextA(rowWindows_[kHelpLabel], main_layout::kRows[shown.heading].text);
    return ShowModal() != windowing::kModalFailed;
}

bool TScrubwellHelpForm::FormShow()
{
    // The visible text gets the address once.
    for (const EffectPage& page : kEffectPages) {
        const windowing::TextBox box(rowWindows_[page.helpBox]);
        if (this->*page.linkAdded || !box.Visible())
            continue;
        if (!box.SetText(page.helpText, kTutorialsAddress))
            return false;
        this->*page.linkAdded = true;
    }
    return true;
}

HWND TScrubwellHelpForm::FirstFocus()
{
    return closeHadFocus_ ? rowWindows_[kCloseButton] : Form::FirstFocus();
}

bool TScrubwellHelpForm::RowEvent(int row, windowing::Event event)
{
    return windowing::RaiseIn(kEvents, *this, row, event);
}

bool TScrubwellHelpForm::CloseButtonClick()
{
    closeHadFocus_ = GetFocus() == rowWindows_[kCloseButton];
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
