// TabControl: a tab strip over pages. The pages are its children, so that
// nothing it paints can cover them; the form keeps which window is which page
// and shows the selected one.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "windowing/control.h"

namespace scrubwell::windowing {

class TabControl : public Control {
public:
    using Control::Control;

    // Attributes
    int TabCount() const;
    int SelectedTab() const; // -1 while none is
    RECT PageArea() const; // the display area, in the control's client coordinates
    // True when focus is the strip or lies on one of the pages.
    bool Owns(HWND focus) const;
    // Whether a notification tells that the user selected another tab.
    static bool IsSelectionChange(const NMHDR& header) { return header.code == static_cast<UINT>(TCN_SELCHANGE); }

    // Operations
    void InsertTab(int index, const char* caption) const;
    // Selects a tab as the program does: no change notification.
    void SelectTab(int index) const;
};

} // namespace scrubwell::windowing
