// TScrubwellUIForm: the main effect dialog.
#pragma once

#include "dialogs/dialog_model.h"
#include "dialogs/scrubwell_ui_layout.h"
#include "windowing/form.h"
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
    ~TScrubwellUIForm() override;

    DialogController& Controller() { return model_.controller; }
    // Index of the active page: 0 pop and click, 1 hum, 2 hiss, 3 noise gate.
    int ActivePageIndex() const;
    // Opens a page as the program does (no page-change event); other values
    // open the first. False when its windows could not be made.
    bool OpenPage(int index);

    // The tab control, which the form handles itself; the settings controls
    // are the model's states, which their windows show once made.
    windowing::TabControl EffectsPageControl;
    // "&Start Processing": its state holds what the host's message set, also
    // before its window exists.
    ControlState OKButton;

protected:
    bool CreateControls() override;
    bool PageCreated(int pageRow) override;
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void FormKeyDown(WORD& key) override;

private:
    // A row's handler in the model.
    static bool RunModel(windowing::Form& form, int row)
    {
        return static_cast<TScrubwellUIForm&>(form).model_.Handle(row);
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

    HWND rowWindows_[main_layout::kRowCount] = {};
    MainFormLinks links_;
    DialogModel model_;
};

} // namespace scrubwell
