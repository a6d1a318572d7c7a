// TabControl: a tab strip over pages. The pages are its children, so that
// nothing it paints can cover them; each tab item carries its page window in
// its item data (0 until the page is made), so the wrapper needs no state of
// its own.
#pragma once

#include "windowing/control.h"

namespace scrubwell::windowing {

class TabControl : public Control {
public:
    using Control::Control;

    // Attributes
    int PageCount() const;
    int ActivePageIndex() const;
    HWND Page(int index) const; // 0 for a page not made yet
    HWND ActivePage() const { return Page(ActivePageIndex()); }
    RECT PageArea() const; // the display area, in the control's client coordinates

    // Operations
    // A tab at index, its page to come.
    void InsertTab(int index, const char* caption) const;
    void SetPage(int index, HWND page) const;
    // Selects a page as the program does: no change event.
    void SelectPage(int index) const;
    // Shows the active page and hides the others; the form calls it after a
    // user change too.
    void ShowActivePage() const;
    // True when focus is the strip or lies on one of the pages.
    bool Owns(HWND focus) const;
};

} // namespace scrubwell::windowing
