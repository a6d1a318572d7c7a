// The main dialog: layout, event wiring, keyboard and host messages.
#include "dialogs/scrubwell_ui_form.h"

#include <commctrl.h>

#include "contract/scrubwell_effect.h"
#include "dialogs/shared_design.h"
#include "windowing/accessible_control.h"
#include "windowing/locale_text.h"
#include "windowing/tab_control.h"
#include "windowing/window_classes.h"

namespace scrubwell {

namespace {

using namespace main_layout;

// A slider is named by its page's heading and then this: which end gives more.
constexpr char kSliderEnds[] = ", More at the top, Less at the bottom";

constexpr windowing::FormDesign MainDesign()
{
    windowing::FormDesign design {};
    design.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    design.clientWidth = 540;
    design.clientHeight = 443;
    design.centred = true;
    design.left = 250; // where it stood if it were not centred
    design.top = 130;
    design.keyPreview = true;
    design.caption = kDialogCaption;
    return design;
}

} // namespace

TScrubwellUIForm::TScrubwellUIForm(const MainFormLinks& links)
    : Form(MainDesign(), kRows, rowWindows_)
    , links_(links)
    , model_(windowing::UserDecimalSeparator().c_str(), links.settingsLoaded)
{
    model_.ShowIn(this);
    for (int row = 0; row < kRowCount; ++row)
        if (ControlState* state = model_.StateOf(row))
            BindState(row, *state);
    BindState(kOKButton, OKButton);
}

TScrubwellUIForm::~TScrubwellUIForm()
{
    Destroy(); // while the states its windows show still exist
}

bool TScrubwellUIForm::CreateControls()
{
    return MakeRows(windowing::kOnForm);
}

bool TScrubwellUIForm::PageCreated(int pageRow)
{
    // The page's heading names its slider, and its box where the box has no caption.
    for (const EffectPage& page : kEffectPages) {
        if (page.page != pageRow)
            continue;
        const char* heading = kRows[page.heading].text;
        if (!*kRows[page.box].text)
            windowing::MakeAccessible(rowWindows_[page.box], { ROLE_SYSTEM_GROUPING, heading });
        // A screen reader hears the readout's text, unit included, as the slider's value.
        windowing::MakeAccessible(
            rowWindows_[page.slider], { 0, heading, kSliderEnds, nullptr, rowWindows_[page.readout] });
    }
    return true;
}

int TScrubwellUIForm::ActivePageIndex() const
{
    // The pages are the tabs, in their order.
    const int tab = windowing::TabControl(rowWindows_[kEffectsPageControl]).SelectedTab();
    return tab >= 0 && tab < kEffectPageCount ? tab : 0;
}

bool TScrubwellUIForm::OpenPage(int number)
{
    return ShowPage(kEffectsPageControl, number >= 0 && number < kEffectPageCount ? number : 0);
}

bool TScrubwellUIForm::EffectsPageControlChange()
{
    if (links_.hostWindow)
        SendMessageA(links_.hostWindow, WM_PAINT, 0, 0);
    return true;
}

bool TScrubwellUIForm::HelpButtonClick()
{
    return !links_.help || links_.help->ShowPageHelp(ActivePageIndex());
}

bool TScrubwellUIForm::BlockWritable() const
{
    const TEffectParamBlock* block = model_.controller.Block();
    return !block || links_.hostMemory(block, sizeof *block, true);
}

bool TScrubwellUIForm::OKButtonClick()
{
    if (!model_.controller.Block())
        return true; // nothing loaded, nothing to store
    if (!BlockWritable() || !model_.controller.OKButtonClick())
        return false;
    SetModalResult(windowing::kModalOk);
    return true;
}

bool TScrubwellUIForm::CancelButtonClick()
{
    if (!BlockWritable())
        return false;
    if (model_.controller.CancelButtonClick())
        SetModalResult(windowing::kModalCancel);
    return true;
}

void TScrubwellUIForm::FormKeyDown(WORD& key)
{
    // Closes without running CancelButtonClick: DialogOutcome keeps the 2 the
    // session wrote. The key is not consumed.
    if (key == VK_ESCAPE && Running())
        SetModalResult(windowing::kModalCancel);
}

bool TScrubwellUIForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_ACTIVATEAPP:
        result = WMActivateApp(wParam, lParam);
        return true;
    case SCRUBWELL_UM_DISABLESTART: // "&Start Processing" can no longer be pressed
        OKButton.SetEnabled(false);
        result = 0;
        return true;
    case SCRUBWELL_UM_QUERYLOADED: // whether any session has loaded settings
        result = *links_.settingsLoaded ? 1 : 0;
        return true;
    case SCRUBWELL_UM_SHOWDIALOG: // shown at once, also outside the modal run
        ShowWindowNow();
        result = 0;
        return true;
    default:
        return false;
    }
}

LRESULT TScrubwellUIForm::WMActivateApp(WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = DefaultProcessing(WM_ACTIVATEAPP, wParam, lParam);
    if (static_cast<int32_t>(wParam) > 0) {
        // The host's window first, so that the dialog ends up above it.
        if (links_.hostWindow)
            BringWindowToTop(links_.hostWindow);
        SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    }
    return result;
}

} // namespace scrubwell
