// TScrubwellUIForm: the main effect dialog.
#pragma once

#include "controls/short_text.h"
#include "dialogs/scrubwell_ui_layout.h"
#include "settings/dialog_controller.h"
#include "windowing/buttons.h"
#include "windowing/deferred_controls.h"
#include "windowing/form.h"
#include "windowing/group_box.h"
#include "windowing/tab_control.h"

namespace scrubwell {

class TScrubwellHelpForm;

// What the session gives the main dialog when it builds it.
struct MainFormLinks {
    HWND hostWindow; // told of page changes, and raised with the dialog
    TScrubwellHelpForm* help; // shown by "Help"
    const bool* settingsLoaded; // the library-wide answer to the host's question
    // Whether the host's memory can be read or written now: the closing
    // buttons look before they store into the block.
    bool (*hostMemory)(const void* address, size_t size, bool writable);
};

class TScrubwellUIForm : public windowing::Form {
public:
    explicit TScrubwellUIForm(const MainFormLinks& links);

    DialogController& Controller() { return controller_; }
    // Index of the active page: 0 pop and click, 1 hum, 2 hiss, 3 noise gate.
    int ActivePageIndex() const;
    // Opens a page as the program does (no page-change event); other values
    // open the first. False when its windows could not be made.
    bool OpenPage(int index);

    // Controls, by their layout names. The controls on the pages get their
    // windows when their page is first shown.
    windowing::TabControl EffectsPageControl;
    HWND POPClickTab = nullptr, HumTab = nullptr, HissTab = nullptr, NoiseReductionTab = nullptr;
    windowing::DeferredTrackBar POPClickTrackBar { 0, 4 }, HumTrackBar { 0, 4 }, HissTrackBar { 0, 100 },
        NoiseThresholdTrackBar { 0, 100 };
    windowing::DeferredStaticText POPClickThresholdBox { main_layout::kRows[main_layout::kPOPClickThresholdBox].text },
        HumBandWidthBox { main_layout::kRows[main_layout::kHumBandWidthBox].text },
        HissDBBox { main_layout::kRows[main_layout::kHissDBBox].text },
        NoiseThresholdStaticText { main_layout::kRows[main_layout::kNoiseThresholdStaticText].text };
    windowing::DeferredRadioButton HouseCurrentRadioButton { true }, MainsPowerRadioButton { false };
    windowing::GroupBox StereoOptionsGroupBox;
    windowing::RadioButton LeftChannelRadioButton, RightChannelRadioButton, BothChannelsRadioButton;
    windowing::CheckBox RemovePOPClicksCheckBox, EliminateHumCheckBox, ReduceHissCheckBox, NoiseReductionCheckBox;
    windowing::PushButton OKButton, CancelButton, HelpButton;

protected:
    bool CreateControls() override;
    bool PageCreated(int pageRow) override;
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void FormKeyDown(WORD& key) override;

private:
    // The hint text that the hum slider writes; nothing shows it.
    struct HintText : TextControl {
        void SetText(const char* value) override { text = ShortText(value); }
        ShortText text;
    } hint_;

    template <bool (DialogController::*Method)()> static bool RunController(windowing::Form& form)
    {
        return (static_cast<TScrubwellUIForm&>(form).controller_.*Method)();
    }
    static const windowing::EventHandler kHandlers[];
    static const int kHandlerCount;

    bool EffectsPageControlChange();
    bool OKButtonClick();
    bool CancelButtonClick();
    bool HelpButtonClick();
    // The closing buttons write into the block: it must still take the bytes.
    bool BlockWritable() const;
    LRESULT WMActivateApp(WPARAM wParam, LPARAM lParam);

    HWND windows_[main_layout::kRowCount] = {};
    MainFormLinks links_;
    DialogController controller_;
};

} // namespace scrubwell
