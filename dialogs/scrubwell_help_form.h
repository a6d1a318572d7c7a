// TScrubwellHelpForm: the help window for the tool of the active page.
#pragma once

#include "dialogs/scrubwell_help_layout.h"
#include "windowing/form.h"

namespace scrubwell {

// The maker's tutorials page, appended once to each help text.
extern const char kTutorialsAddress[];

class TScrubwellHelpForm : public windowing::Form {
public:
    TScrubwellHelpForm();

    // Shows the help of a page of the main dialog by its number (0 pop and
    // click, 1 hum, 2 hiss; any other the noise gate's) modally, its text from
    // the top and the others hidden; the window and its controls are made at
    // the first showing. False when it failed.
    bool ShowPageHelp(int page);

    // True once the tutorials address has been appended to that text.
    bool HumLinkAdded = false;
    bool HissLinkAdded = false;
    bool NoiseReductionLinkAdded = false;
    bool POPClickLinkAdded = false;

protected:
    bool CreateControls() override;
    bool FormShow() override;
    HWND FirstFocus() override;
    bool PreviewKey(const MSG& message) override;
    bool RowEvent(int row, windowing::Event event) override;
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    // The create event, once the window and its controls exist.
    void FormCreate();
    bool CloseButtonClick();

    static const windowing::EventHandler<TScrubwellHelpForm> kEvents[];

    bool closeHadFocus_ = false;
    HWND rowWindows_[help_layout::kRowCount] = {};
};

} // namespace scrubwell
