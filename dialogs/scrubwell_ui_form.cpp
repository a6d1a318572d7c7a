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
using windowing::Run;

constexpr windowing::EventHandler TScrubwellUIForm::kHandlers[] = {
    { kEffectsPageControl, Event::kPageChange, Run<Self, &Self::EffectsPageControlChange> },
    { kPOPClickTrackBar, Event::kChange, RunController<&DialogController::POPClickTrackBarChange> },
    { kHumTrackBar, Event::kChange, RunController<&DialogController::HumTrackBarChange> },
    { kMainsPowerRadioButton, Event::kClick, RunController<&DialogController::MainsPowerRadioButtonClick> },
    { kHouseCurrentRadioButton, Event::kClick, RunController<&DialogController::HouseCurrentRadioButtonClick> },
    { kHissTrackBar, Event::kChange, RunController<&DialogController::HissTrackBarChange> },
    { kNoiseThresholdTrackBar, Event::kChange, RunController<&DialogController::NoiseThresholdTrackBarChange> },
    { kCancelButton, Event::kClick, Run<Self, &Self::CancelButtonClick> },
    { kOKButton, Event::kClick, Run<Self, &Self::OKButtonClick> },
    { kHelpButton, Event::kClick, Run<Self, &Self::HelpButtonClick> },
};
constexpr int TScrubwellUIForm::kHandlerCount = sizeof kHandlers / sizeof *kHandlers;

TScrubwellUIForm::TScrubwellUIForm(const MainFormLinks& links)
    : Form(Design { WS_POPUP | WS_CAPTION | WS_SYSMENU, 540, 443, true, 250, 130, true }, kRows, kRowCount, windows_,
        kHandlers, kHandlerCount)
    , links_(links)
    , controller_(EffectControls { POPClickTrackBar, POPClickThresholdBox, HumTrackBar, HumBandWidthBox,
                      HouseCurrentRadioButton, MainsPowerRadioButton, hint_, HissTrackBar, HissDBBox,
                      NoiseThresholdTrackBar, NoiseThresholdStaticText, RemovePOPClicksCheckBox, EliminateHumCheckBox,
                      ReduceHissCheckBox, NoiseReductionCheckBox, StereoOptionsGroupBox, LeftChannelRadioButton,
                      RightChannelRadioButton, BothChannelsRadioButton },
          windowing::UserDecimalSeparator().c_str())
{
    HouseCurrentRadioButton.GroupWith(MainsPowerRadioButton);
    POPClickTrackBar.Connect(*this, kPOPClickTrackBar);
    HumTrackBar.Connect(*this, kHumTrackBar);
    HouseCurrentRadioButton.Connect(*this, kHouseCurrentRadioButton);
    MainsPowerRadioButton.Connect(*this, kMainsPowerRadioButton);
    HissTrackBar.Connect(*this, kHissTrackBar);
    NoiseThresholdTrackBar.Connect(*this, kNoiseThresholdTrackBar);
}

bool TScrubwellUIForm::CreateControls()
{
    if (!MakeRows(windowing::kOnForm))
        return false;
    EffectsPageControl = windowing::TabControl(windows_[kEffectsPageControl]);
    POPClickTab = windows_[kPOPClickTab];
    HumTab = windows_[kHumTab];
    HissTab = windows_[kHissTab];
    NoiseReductionTab = windows_[kNoiseReductionTab];
    StereoOptionsGroupBox = windowing::GroupBox(windows_[kStereoOptionsGroupBox]);
    LeftChannelRadioButton = windowing::RadioButton(windows_[kLeftChannelRadioButton]);
    RightChannelRadioButton = windowing::RadioButton(windows_[kRightChannelRadioButton]);
    BothChannelsRadioButton = windowing::RadioButton(windows_[kBothChannelsRadioButton]);
    RemovePOPClicksCheckBox = windowing::CheckBox(windows_[kRemovePOPClicksCheckBox]);
    EliminateHumCheckBox = windowing::CheckBox(windows_[kEliminateHumCheckBox]);
    ReduceHissCheckBox = windowing::CheckBox(windows_[kReduceHissCheckBox]);
    NoiseReductionCheckBox = windowing::CheckBox(windows_[kNoiseReductionCheckBox]);
    OKButton = windowing::PushButton(windows_[kOKButton]);
    CancelButton = windowing::PushButton(windows_[kCancelButton]);
    HelpButton = windowing::PushButton(windows_[kHelpButton]);
    SendMessageA(BothChannelsRadioButton.Handle(), BM_SETCHECK, BST_CHECKED, 0);
    windowing::RadioButton::UpdateGroupTabStops(BothChannelsRadioButton.Handle());
    return true;
}

bool TScrubwellUIForm::PageCreated(int pageRow)
{
    // Each page's slider, readout and the box around them; the page's heading
    // names the slider and a box without a caption.
    const struct {
        int page, box, heading;
        windowing::DeferredTrackBar& slider;
        int sliderRow;
        windowing::DeferredStaticText& readout;
        int readoutRow;
    } pages[] = {
        { kPOPClickTab, kPOPClickGroupBox, kLabel5, POPClickTrackBar, kPOPClickTrackBar, POPClickThresholdBox,
            kPOPClickThresholdBox },
        { kHumTab, kHumGroupBox, kLabel1, HumTrackBar, kHumTrackBar, HumBandWidthBox, kHumBandWidthBox },
        { kHissTab, kHissGroupBox, kLabel2, HissTrackBar, kHissTrackBar, HissDBBox, kHissDBBox },
        { kNoiseReductionTab, kGroupBox1, kLabel15, NoiseThresholdTrackBar, kNoiseThresholdTrackBar,
            NoiseThresholdStaticText, kNoiseThresholdStaticText },
    };
    for (const auto& page : pages) {
        if (page.page != pageRow)
            continue;
        const char* heading = kRows[page.heading].text;
        page.readout.Attach(windows_[page.readoutRow]);
        page.slider.Attach(windows_[page.sliderRow]);
        if (!*kRows[page.box].text)
            windowing::MakeAccessible(windows_[page.box], { ROLE_SYSTEM_GROUPING, heading });
        // A screen reader hears the readout's text, unit included, as the slider's value.
        windowing::MakeAccessible(page.slider.Handle(), { 0, heading, kSliderEnds, nullptr, page.readout.Handle() });
    }
    if (pageRow == kHumTab) {
        HouseCurrentRadioButton.Attach(windows_[kHouseCurrentRadioButton]);
        MainsPowerRadioButton.Attach(windows_[kMainsPowerRadioButton]);
    }
    return true;
}

int TScrubwellUIForm::ActivePageIndex() const
{
    const HWND active = EffectsPageControl.ActivePage();
    const HWND pages[] = { POPClickTab, HumTab, HissTab, NoiseReductionTab };
    for (int i = 0; i < 4; ++i)
        if (active == pages[i])
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
    return !help || !help->Handle() || help->ShowPageHelp(ActivePageIndex());
}

bool TScrubwellUIForm::BlockWritable() const
{
    return !controller_.Block || links_.hostMemory(controller_.Block, sizeof *controller_.Block, true);
}

bool TScrubwellUIForm::OKButtonClick()
{
    if (!controller_.Block)
        return true; // nothing loaded, nothing to store
    if (!BlockWritable() || !controller_.OKButtonClick())
        return false;
    SetModalResult(windowing::kModalOk);
    return true;
}

bool TScrubwellUIForm::CancelButtonClick()
{
    if (!BlockWritable())
        return false;
    if (controller_.CancelButtonClick())
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
        OKButton.Enable(false);
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
