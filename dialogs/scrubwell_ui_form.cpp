// The main dialog: layout, event wiring, keyboard and host messages.
#include "dialogs/scrubwell_ui_form.h"

#include <commctrl.h>

#include "exports/scrubwell_effect.h"
#include "session/library_state.h"
#include "windowing/accessible_control.h"
#include "windowing/host_memory.h"
#include "windowing/locale_text.h"
#include "windowing/window_classes.h"

namespace scrubwell {

using windowing::Rect;

namespace {

constexpr windowing::FontSpec kHeadingFont { "MS Sans Serif", 13, true, false };
constexpr windowing::FontSpec kBodyFont { "MS Sans Serif", 13, false, true };

constexpr DWORD kLabelStyle = WS_VISIBLE | SS_NOPREFIX;
constexpr DWORD kReadoutStyle = SS_CENTER | SS_SUNKEN | SS_NOPREFIX; // hidden
constexpr DWORD kSliderStyle = WS_VISIBLE | WS_TABSTOP | TBS_VERT | TBS_NOTICKS | TBS_FIXEDLENGTH;
constexpr DWORD kRadioStyle = WS_VISIBLE | BS_RADIOBUTTON;
constexpr DWORD kCheckStyle = WS_VISIBLE | BS_AUTOCHECKBOX;
constexpr int kThumbLength = 20;
constexpr int kPageKeyStep = 2;
// A slider is named by its page's heading and then this: which end gives more.
constexpr char kSliderEnds[] = ", More at the top, Less at the bottom";

} // namespace

struct TScrubwellUIForm::ToolGroupLayout {
    Rect box;
    const char* caption;
    Rect more, less, readout;
    const char* readoutText;
    Rect slider;
    int designedMax;
};

TScrubwellUIForm::TScrubwellUIForm()
    : Form(Design { WS_POPUP | WS_CAPTION | WS_SYSMENU, 540, 443, true, 250, 130, true })
    , settings_(EffectControls { POPClickTrackBar, POPClickThresholdBox, HumTrackBar, HumBandWidthBox,
                    HouseCurrentRadioButton, MainsPowerRadioButton, hint_, HissTrackBar, HissDBBox,
                    NoiseThresholdTrackBar, NoiseThresholdStaticText, RemovePOPClicksCheckBox, EliminateHumCheckBox,
                    ReduceHissCheckBox, NoiseReductionCheckBox, StereoOptionsGroupBox, LeftChannelRadioButton,
                    RightChannelRadioButton, BothChannelsRadioButton },
          windowing::UserDecimalSeparator().c_str())
{
}

bool TScrubwellUIForm::CreateControls()
{
    const HWND form = Handle();
    // Children are created in tab order within each parent: the dialog manager
    // walks them in that order.
    EffectsPageControl = windowing::TabControl(CreateChild(WC_TABCONTROLA, "",
        WS_VISIBLE | WS_TABSTOP | WS_CLIPCHILDREN | TCS_MULTILINE, form, { 4, 3, 534, 313 }, FormFont()));
    const char* captions[] = { "Remove Pops and Clicks Settings", "Eliminate Hum Settings", "Reduce Hiss Settings",
        "Noise Gate Settings" };
    HWND* pages[] = { &POPClickTab, &HumTab, &HissTab, &NoiseReductionTab };
    for (int i = 0; i < 4; ++i) {
        *pages[i] = CreateContainer(EffectsPageControl.Handle(), { 0, 0, 1, 1 }, i == 0);
        EffectsPageControl.AddPage(captions[i], *pages[i]);
        windowing::MakeAccessible(*pages[i], { ROLE_SYSTEM_PROPERTYPAGE, captions[i] });
    }
    const RECT area = EffectsPageControl.PageArea();
    for (HWND* page : pages)
        MoveWindow(*page, area.left, area.top, area.right - area.left, area.bottom - area.top, FALSE);

    CreatePopClickPage();
    CreateHumPage();
    CreateHissPage();
    CreateNoiseGatePage();
    CreateSelectionPanel();

    OKButton = windowing::PushButton(CreateChild("Button", "&Start Processing",
        WS_VISIBLE | WS_TABSTOP | WS_GROUP | BS_DEFPUSHBUTTON, form, { 85, 416, 120, 24 }, FormFont()));
    CancelButton = windowing::PushButton(
        CreateChild("Button", "Cancel", WS_VISIBLE | WS_TABSTOP, form, { 210, 416, 120, 24 }, FormFont()));
    HelpButton = windowing::PushButton(
        CreateChild("Button", "&Help", WS_VISIBLE | WS_TABSTOP, form, { 334, 416, 120, 24 }, FormFont()));
    SendMessageA(form, DM_SETDEFID, GetDlgCtrlID(OKButton.Handle()), 0);

    WireEvents();
    return true;
}

void TScrubwellUIForm::CreateLabel(HWND parent, const Rect& bounds, const char* text, HFONT font, DWORD align)
{
    CreateChild("Static", text, kLabelStyle | align, parent, bounds, font);
}

// The unlabelled tool group boxes of the first three pages share one layout.
TScrubwellUIForm::ToolGroupLayout TScrubwellUIForm::PageToolGroup(int designedMax)
{
    return { { 3, 4, 85, 165 }, "", { 27, 15, 24, 13 }, { 27, 121, 22, 13 }, { 7, 139, 68, 17 }, "", { 29, 32, 26, 90 },
        designedMax };
}

void TScrubwellUIForm::CreateToolGroupBox(HWND page, const ToolGroupLayout& layout, const char* heading,
    windowing::TrackBar& slider, windowing::StaticText& readout)
{
    const HWND box = CreateFramedGroup(page, layout.box, layout.caption);
    if (!*layout.caption)
        windowing::MakeAccessible(box, { ROLE_SYSTEM_GROUPING, heading });
    slider = windowing::TrackBar(CreateChild(TRACKBAR_CLASSA, "", kSliderStyle, box, layout.slider, FormFont()));
    SendMessageA(slider.Handle(), TBM_SETTHUMBLENGTH, kThumbLength, 0);
    SendMessageA(slider.Handle(), TBM_SETRANGE, TRUE, MAKELPARAM(0, layout.designedMax));
    SendMessageA(slider.Handle(), TBM_SETLINESIZE, 0, 1);
    SendMessageA(slider.Handle(), TBM_SETPAGESIZE, 0, kPageKeyStep);
    SendMessageA(slider.Handle(), TBM_CLEARSEL, TRUE, 0);
    readout = windowing::StaticText(
        CreateChild("Static", layout.readoutText, kReadoutStyle, box, layout.readout, FormFont()));
    // A screen reader hears the readout's text, unit included, as the slider's value.
    windowing::MakeAccessible(slider.Handle(), { 0, heading, kSliderEnds, nullptr, readout.Handle() });
    // "More" and "Less" size themselves to their text.
    windowing::StaticText(CreateChild("Static", "More", kLabelStyle, box, layout.more, FormFont())).FitToText();
    windowing::StaticText(CreateChild("Static", "Less", kLabelStyle, box, layout.less, FormFont())).FitToText();
}

void TScrubwellUIForm::CreatePopClickPage()
{
    const char* const heading = "Pop and Click Removal";
    const HWND page = POPClickTab;
    CreateToolGroupBox(page, PageToolGroup(4), heading, POPClickTrackBar, POPClickThresholdBox);
    CreateLabel(page, { 100, 13, 419, 25 }, heading, Font(kHeadingFont), SS_CENTER);
    CreateLabel(
        page, { 100, 48, 413, 40 }, "Use this if there are large pops or clicks in your recording.", Font(kBodyFont));
    CreateLabel(page, { 100, 94, 413, 65 },
        "Higher slider settings will remove more pops and clicks, but they may remove more of the sound "
        "you want to keep.",
        Font(kBodyFont));
    CreateLabel(page, { 100, 170, 413, 47 }, "Try different settings until you get the best one for your file.",
        Font(kBodyFont));
    CreateBevel(page, { 93, 10, 430, 247 });
}

void TScrubwellUIForm::CreateHumPage()
{
    const char* const heading = "Eliminate Hum";
    const HWND page = HumTab;
    CreateToolGroupBox(page, PageToolGroup(4), heading, HumTrackBar, HumBandWidthBox);
    HumOptions = windowing::FramedGroup(CreateFramedGroup(page, { 93, 185, 431, 74 }, "[ &Frequency ]"));
    HouseCurrentRadioButton = windowing::RadioButton(CreateChild("Button", "60 Hz House Current (&North America)",
        kRadioStyle | WS_GROUP, HumOptions.Handle(), { 6, 21, 395, 17 }, FormFont()));
    MainsPowerRadioButton = windowing::RadioButton(CreateChild("Button", "50 Hz Mains Power (&Europe and Asia)",
        kRadioStyle, HumOptions.Handle(), { 6, 46, 395, 17 }, FormFont()));
    SendMessageA(HouseCurrentRadioButton.Handle(), BM_SETCHECK, BST_CHECKED, 0);
    windowing::RadioButton::UpdateGroupTabStops(HouseCurrentRadioButton.Handle());
    CreateLabel(page, { 100, 13, 413, 21 }, heading, Font(kHeadingFont), SS_CENTER);
    CreateLabel(page, { 100, 54, 413, 33 }, "Low pitched hum can come from the power supply.", Font(kBodyFont));
    CreateLabel(page, { 100, 97, 413, 67 },
        "The slider controls how many frequencies are removed, so start with it on the bottom and move it "
        "up until you find a setting that removes all of the hum.",
        Font(kBodyFont));
    CreateBevel(page, { 93, 10, 430, 174 });
}

void TScrubwellUIForm::CreateHissPage()
{
    const char* const heading = "Reduce Hiss";
    const HWND page = HissTab;
    CreateToolGroupBox(page, PageToolGroup(100), heading, HissTrackBar, HissDBBox);
    CreateLabel(page, { 100, 14, 415, 25 }, heading, Font(kHeadingFont), SS_CENTER);
    CreateLabel(page, { 100, 55, 415, 72 },
        "This will reduce unwanted tape hiss or other high pitch noise in your recording by applying "
        "equalization to the highest bands.",
        Font(kBodyFont));
    CreateLabel(page, { 100, 141, 415, 60 },
        "Try it first with the slider near the bottom, and move it up until you find the best sound.", Font(kBodyFont));
    CreateBevel(page, { 93, 10, 430, 251 });
}

void TScrubwellUIForm::CreateNoiseGatePage()
{
    const char* const heading = "Noise Gate";
    const HWND page = NoiseReductionTab;
    CreateToolGroupBox(page,
        { { 2, 4, 151, 138 }, "[ Amount of Reduction ]", { 53, 13, 24, 13 }, { 53, 112, 22, 13 }, { 6, 77, 39, 17 },
            "000", { 56, 29, 26, 83 }, 100 },
        heading, NoiseThresholdTrackBar, NoiseThresholdStaticText);
    CreateLabel(page, { 162, 54, 354, 67 },
        "A Noise Gate is a special kind of filter that measures the level of each frequency within the "
        "sound, and reduces the ones that are likely to be noise.",
        FormFont());
    CreateLabel(page, { 162, 116, 354, 40 },
        "You control the amount of sound to be removed by moving the slider at the left. ", FormFont());
    CreateLabel(page, { 162, 14, 350, 19 }, heading, Font(kHeadingFont), SS_CENTER);
    CreateLabel(page, { 162, 159, 354, 72 },
        "At the higher settings it will remove more sound, but it's likely that most of the sound it "
        "removes will be noise.  At the lower settings it will remove less sound, leaving more of the "
        "original sound.",
        FormFont());
    CreateBevel(page, { 155, 10, 367, 247 });
}

void TScrubwellUIForm::CreateSelectionPanel()
{
    const HWND panel = CreateContainer(Handle(), { 4, 319, 534, 94 });
    windowing::SetContainerEdge(panel, EDGE_RAISED);

    EffectOptionGroupBox = windowing::FramedGroup(CreateFramedGroup(panel, { 3, 2, 313, 85 }, "[ E&ffect Options ]"));
    const HWND tools = EffectOptionGroupBox.Handle();
    RemovePOPClicksCheckBox = windowing::CheckBox(CreateChild("Button", "Remove &Pops and Clicks",
        kCheckStyle | WS_GROUP | WS_TABSTOP, tools, { 4, 21, 186, 17 }, FormFont()));
    EliminateHumCheckBox = windowing::CheckBox(
        CreateChild("Button", "Eliminate H&um", kCheckStyle, tools, { 192, 23, 116, 17 }, FormFont()));
    NoiseReductionCheckBox
        = windowing::CheckBox(CreateChild("Button", "&Noise Gate", kCheckStyle, tools, { 5, 57, 158, 17 }, FormFont()));
    ReduceHissCheckBox = windowing::CheckBox(
        CreateChild("Button", "Reduce H&iss", kCheckStyle, tools, { 192, 60, 115, 17 }, FormFont()));

    StereoOptionsGroupBox
        = windowing::FramedGroup(CreateFramedGroup(panel, { 317, 2, 213, 85 }, "[ Stereo &Options ]"));
    const HWND channels = StereoOptionsGroupBox.Handle();
    BothChannelsRadioButton = windowing::RadioButton(CreateChild(
        "Button", "Apply to &Both Channels", kRadioStyle | WS_GROUP, channels, { 3, 20, 206, 17 }, FormFont()));
    LeftChannelRadioButton = windowing::RadioButton(
        CreateChild("Button", "Apply to &Left Channel Only", kRadioStyle, channels, { 3, 41, 207, 17 }, FormFont()));
    RightChannelRadioButton = windowing::RadioButton(
        CreateChild("Button", "Apply to &Right Channel Only", kRadioStyle, channels, { 3, 62, 206, 17 }, FormFont()));
    SendMessageA(BothChannelsRadioButton.Handle(), BM_SETCHECK, BST_CHECKED, 0);
    windowing::RadioButton::UpdateGroupTabStops(BothChannelsRadioButton.Handle());
}

void TScrubwellUIForm::WireEvents()
{
    using windowing::Handler;
    using Self = TScrubwellUIForm;
    OnPageChange(EffectsPageControl, Handler::Of<Self, &Self::EffectsPageControlChange>(this));
    OnSliderChange(POPClickTrackBar, Handler::Of<EffectSettings, &EffectSettings::POPClickTrackBarChange>(&settings_));
    OnSliderChange(HumTrackBar, Handler::Of<EffectSettings, &EffectSettings::HumTrackBarChange>(&settings_));
    OnClick(HouseCurrentRadioButton,
        Handler::Of<EffectSettings, &EffectSettings::HouseCurrentRadioButtonClick>(&settings_));
    OnClick(
        MainsPowerRadioButton, Handler::Of<EffectSettings, &EffectSettings::MainsPowerRadioButtonClick>(&settings_));
    OnSliderChange(HissTrackBar, Handler::Of<EffectSettings, &EffectSettings::HissTrackBarChange>(&settings_));
    OnSliderChange(
        NoiseThresholdTrackBar, Handler::Of<EffectSettings, &EffectSettings::NoiseThresholdTrackBarChange>(&settings_));
    OnClick(OKButton, Handler::Of<Self, &Self::OKButtonClick>(this));
    OnClick(CancelButton, Handler::Of<Self, &Self::CancelButtonClick>(this));
    OnClick(HelpButton, Handler::Of<Self, &Self::HelpButtonClick>(this));
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

void TScrubwellUIForm::OpenPage(int index)
{
    EffectsPageControl.SelectPage(index >= 0 && index <= 3 ? index : 0);
}

bool TScrubwellUIForm::EffectsPageControlChange()
{
    if (HostWindow)
        SendMessageA(HostWindow, WM_PAINT, 0, 0);
    return true;
}

bool TScrubwellUIForm::BlockWritable() const
{
    return !settings_.Block || windowing::HostMemoryAccessible(settings_.Block, sizeof *settings_.Block, true);
}

bool TScrubwellUIForm::OKButtonClick()
{
    if (!settings_.Block)
        return true; // nothing loaded, nothing to store
    if (!BlockWritable() || !settings_.OKButtonClick())
        return false;
    SetModalResult(windowing::kModalOk);
    return true;
}

bool TScrubwellUIForm::CancelButtonClick()
{
    if (!BlockWritable())
        return false;
    if (settings_.CancelButtonClick())
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
        result = SettingsLoaded ? 1 : 0;
        return true;
    case SCRUBWELL_UM_SHOWDIALOG: // UMShowDialog
        if (ScrubwellUIForm)
            ScrubwellUIForm->ShowWindowNow();
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
        if (HostWindow)
            BringWindowToTop(HostWindow);
        SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    }
    return result;
}

} // namespace scrubwell
