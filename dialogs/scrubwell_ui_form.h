// TScrubwellUIForm: the main effect dialog.
#pragma once

#include "dialogs/dialog_model.h"
#include "dialogs/scrubwell_ui_layout.h"
#include "windowing/form.h"

namespace scrubwell {

class TScrubwellHelpForm;

// What the session gives the main dialog when it builds it.
struct MainFormLinks {
    HWND hostWindow; // told of page changes, and raised with the dialog
    TScrubwellHelpForm* help; // shown by "Help"
    bool* settingsLoaded; // the library-wide flag: set by a load, the answer to the host's question
    // Whether the host's memory can be read or written now: the closing
    // buttons look before they store into the block.
    bool (*hostMemory)(const void* address, size_t size, bool writable);
};

class TScrubwellUIForm : public windowing::Form, private MainDialogWindow {
public:
    explicit TScrubwellUIForm(const MainFormLinks& links);
    ~TScrubwellUIForm() override;

    DialogController& Controller() { return model_.controller; }
    // The number of the active page: 0 pop and click, 1 hum, 2 hiss, 3 noise gate.
    int ActivePageIndex() const;
    // Opens a page by its number as the program does (no page-change event);
    // other numbers open the first. False when its windows could not be made.
    bool OpenPage(int number);

    // "&Start Processing": its state holds what the host's message set, also
    // before its window exists.
    ControlState OKButton;

protected:
    bool CreateControls() override;
    bool PageCreated(int pageRow) override;
    bool RowEvent(int row, windowing::Event event) override { return model_.Raise(row, event); }
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void FormKeyDown(WORD& key) override;

private:
    // MainDialogWindow: the event table's handlers that need the windows.
    bool EffectsPageControlChange() override;
    bool OKButtonClick() override;
    bool CancelButtonClick() override;
    bool HelpButtonClick() override;
    // The closing buttons write into the block: it must still take the bytes.
    bool BlockWritable() const;
    LRESULT WMActivateApp(WPARAM wParam, LPARAM lParam);

    HWND rowWindows_[main_layout::kRowCount] = {};
    MainFormLinks links_;
    DialogModel model_;
};

} // namespace scrubwell
