// TScrubwellUIForm: the main effect dialog.
#pragma once

#include "settings/effect_settings.h"
#include "settings/short_text.h"
#include "windowing/buttons.h"
#include "windowing/form.h"
#include "windowing/framed_group.h"
#include "windowing/static_text.h"
#include "windowing/tab_control.h"
#include "windowing/track_bar.h"

namespace scrubwell {

class TScrubwellUIForm : public windowing::Form {
public:
    TScrubwellUIForm();

    EffectSettings& Settings() { return settings_; }
    // Index of the active page: 0 pop and click, 1 hum, 2 hiss, 3 noise gate.
    int ActivePageIndex() const;
    // Opens a page as the program does (no page-change event); other values open the first.
    void OpenPage(int index);

    // Controls, by their layout names.
    windowing::TabControl EffectsPageControl;
    HWND POPClickTab = nullptr, HumTab = nullptr, HissTab = nullptr, NoiseReductionTab = nullptr;
    windowing::TrackBar POPClickTrackBar, HumTrackBar, HissTrackBar, NoiseThresholdTrackBar;
    windowing::StaticText POPClickThresholdBox, HumBandWidthBox, HissDBBox, NoiseThresholdStaticText;
    windowing::FramedGroup HumOptions, StereoOptionsGroupBox, EffectOptionGroupBox;
    windowing::RadioButton HouseCurrentRadioButton, MainsPowerRadioButton;
    windowing::RadioButton LeftChannelRadioButton, RightChannelRadioButton, BothChannelsRadioButton;
    windowing::CheckBox RemovePOPClicksCheckBox, EliminateHumCheckBox, ReduceHissCheckBox, NoiseReductionCheckBox;
    windowing::PushButton OKButton, CancelButton, HelpButton;

protected:
    bool CreateControls() override;
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void FormKeyDown(WORD& key) override;

private:
    // The hint text that the hum slider writes; nothing shows it.
    struct HintText : TextControl {
        void SetText(const char* value) override { text = ShortText(value); }
        ShortText text;
    } hint_;

    void CreatePopClickPage();
    void CreateHumPage();
    void CreateHissPage();
    void CreateNoiseGatePage();
    void CreateSelectionPanel();
    void WireEvents();
    struct ToolGroupLayout;
    static ToolGroupLayout PageToolGroup(int designedMax);
    // A tool's group box: "More", the slider, "Less" and the hidden readout;
    // heading, the page's, names the slider and an unlabelled box.
    void CreateToolGroupBox(HWND page, const ToolGroupLayout& layout, const char* heading, windowing::TrackBar& slider,
        windowing::StaticText& readout);
    void CreateLabel(HWND parent, const windowing::Rect& bounds, const char* text, HFONT font, DWORD align = SS_LEFT);

    bool EffectsPageControlChange();
    bool OKButtonClick();
    bool CancelButtonClick();
    bool HelpButtonClick();
    // The closing buttons write into the block: it must still take the bytes.
    bool BlockWritable() const;
    LRESULT WMActivateApp(WPARAM wParam, LPARAM lParam);

    EffectSettings settings_;
};

} // namespace scrubwell
