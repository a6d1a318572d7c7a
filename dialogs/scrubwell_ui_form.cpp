// The main dialog: layout, event wiring, keyboard and host messages.
#include "dialogs/scrubwell_ui_form.h"

#include <commctrl.h>

#include "contract/scrubwell_effect.h"
#include "dialogs/scrubwell_help_form.h"
#include "windowing/accessible_control.h"
#include "windowing/locale_text.h"
#include "windowing/window_classes.h"

namespace scrubwell {

using windowing::Rect;

namespace {

using namespace main_layout;

// A slider is named by its page's heading and then this: which end gives more.
constexpr char kSliderEnds[] = ", More at the top, Less at the bottom";

} // namespace

using Self = TScrubwellUIForm;
using windowing::Event;
using windowing::HandlersFit;
using windowing::Run;

constexpr windowing::EventHandler TScrubwellUIForm::kHandlers[] = {
    { kEffectsPageControl, Event::kPageChange, Run<Self, &Self::EffectsPageControlChange> },
    { kPOPClickTrackBar, Event::kChange, RunModel },
    { kHumTrackBar, Event::kChange, RunModel },
    { kMainsPowerRadioButton, Event::kClick, RunModel },
    { kHouseCurrentRadioButton, Event::kClick, RunModel },
    { kHissTrackBar, Event::kChange, RunModel },
    { kNoiseThresholdTrackBar, Event::kChange, RunModel },
    { kCancelButton, Event::kClick, Run<Self, &Self::CancelButtonClick> },
    { kOKButton, Event::kClick, Run<Self, &Self::OKButtonClick> },
    { kHelpButton, Event::kClick, Run<Self, &Self::HelpButtonClick> },
};
constexpr int TScrubwellUIForm::kHandlerCount = sizeof kHandlers / sizeof *kHandlers;

namespace {

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
    return design;
}

} // namespace

TScrubwellUIForm::TScrubwellUIForm(const MainFormLinks& links)
    : Form(MainDesign(), kRows, kRowCount, rowWindows_, kHandlers, kHandlerCount)
    , links_(links)
    , model_(windowing::UserDecimalSeparator().c_str())
{
    static_assert(HandlersFit(kHandlers, kHandlerCount), "one handler a row, in row order, within the form's capacity");
    static_assert(kRowCount <= windowing::kMaxRows, "the form's capacity of rows");
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
    if (!MakeRows(windowing::kOnForm))
        return false;
    EffectsPageControl = windowing::TabControl(rowWindows_[kEffectsPageControl]);
    return true;
}

bool TScrubwellUIForm::PageCreated(int pageRow)
{
    // Each page's slider, readout and the box around them; the page's heading
    // names the slider and a box without a caption.
    const struct {
        int page, box, heading, slider, readout;
    } pages[] = {
        { kPOPClickTab, kPOPClickGroupBox, kLabel5, kPOPClickTrackBar, kPOPClickThresholdBox },
        { kHumTab, kHumGroupBox, kLabel1, kHumTrackBar, kHumBandWidthBox },
        { kHissTab, kHissGroupBox, kLabel2, kHissTrackBar, kHissDBBox },
        { kNoiseReductionTab, kGroupBox1, kLabel15, kNoiseThresholdTrackBar, kNoiseThresholdStaticText },
    };
    for (const auto& page : pages) {
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
    const HWND active = EffectsPageControl.ActivePage();
    // A page's window exists from its first showing; the active page has been shown.
    const int pages[] = { kPOPClickTab, kHumTab, kHissTab, kNoiseReductionTab };
    for (int i = 0; i < 4; ++i)
        if (active && active == rowWindows_[pages[i]])
            return i;
    return 0;
}

bool TScrubwellUIForm::OpenPage(int index)
{
    return ShowPage(EffectsPageControl, index >= 0 && index <= 3 ? index : 0);
}

bool TScrubwellUIForm::EffectsPageControlChange()
{
    if (links_.hostWindow)
        SendMessageA(links_.hostWindow, WM_PAINT, 0, 0);
    return true;
}

bool TScrubwellUIForm::HelpButtonClick()
{
    TScrubwellHelpForm* help = links_.help;
    return !help || help->ShowPageHelp(ActivePageIndex());
}

bool TScrubwellUIForm::BlockWritable() const
{
    return !model_.controller.Block
        || links_.hostMemory(model_.controller.Block, sizeof *model_.controller.Block, true);
}

bool TScrubwellUIForm::OKButtonClick()
{
    if (!model_.controller.Block)
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
    case SCRUBWELL_UM_DISABLESTART: // UMDisableStart
        OKButton.SetEnabled(false);
        result = 0;
        return true;
    case SCRUBWELL_UM_QUERYLOADED: // UMQueryLoaded
        result = *links_.settingsLoaded ? 1 : 0;
        return true;
    case SCRUBWELL_UM_SHOWDIALOG: // UMShowDialog
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
