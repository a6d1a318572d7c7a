// Holds a dialog's live windows against its design as a test writes it out:
// one row per window, its class, place, size, text, styles, font and tab order.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <vector>

// A kind of window as the user meets it: its class, and which of the styles
// in mask it has (it must lack the others).
struct WindowKind {
    const char* className;
    DWORD style, mask;
};
constexpr DWORD kStop = WS_VISIBLE | WS_TABSTOP, kStatic = kStop | SS_TYPEMASK | SS_SUNKEN,
                kButton = kStop | BS_TYPEMASK;
constexpr DWORD kSliderStyle = kStop | TBS_VERT | TBS_NOTICKS | TBS_FIXEDLENGTH;
constexpr DWORD kTextStyle = WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_READONLY;
constexpr WindowKind kTabStrip { WC_TABCONTROLA, kStop | TCS_MULTILINE, kStop | TCS_MULTILINE | TCS_BOTTOM };
constexpr WindowKind kLabel { "Static", WS_VISIBLE | SS_LEFT, kStatic }; // wraps at words
constexpr WindowKind kHeading { "Static", WS_VISIBLE | SS_CENTER, kStatic };
constexpr WindowKind kReadout { "Static", SS_CENTER | SS_SUNKEN, kStatic }; // hidden
constexpr WindowKind kSlider { TRACKBAR_CLASSA, kSliderStyle, kSliderStyle };
constexpr WindowKind kGroupBox { "Button", WS_VISIBLE | BS_GROUPBOX, kButton };
// A tab stop while it is checked, which the keyboard tests check.
constexpr WindowKind kRadio { "Button", WS_VISIBLE | BS_RADIOBUTTON, WS_VISIBLE | BS_TYPEMASK };
constexpr WindowKind kCheckBox { "Button", WS_VISIBLE | BS_AUTOCHECKBOX, kButton };
constexpr WindowKind kCheckBoxStop { "Button", kStop | BS_AUTOCHECKBOX, kButton };
constexpr WindowKind kPushButton { "Button", kStop | BS_PUSHBUTTON, kButton };
constexpr WindowKind kDefaultButton { "Button", kStop | BS_DEFPUSHBUTTON, kButton };
// Wraps at words; shown one at a time, which the help's own test checks.
constexpr WindowKind kTextBox { "Edit", kTextStyle, kTextStyle | WS_HSCROLL | ES_AUTOHSCROLL };

struct FontLook {
    const char* face;
    int height; // character height in pixels
    bool bold, fixedPitch; // fixed pitch asked for
};
constexpr FontLook kFormFont { "MS Sans Serif", 11, false, false };

struct DesignedWindow {
    size_t holder; // index into the windows that hold the rows
    const WindowKind& kind;
    int left, top, width, height; // in the holder's client area; width 0: as wide as its text
    const char* text; // null: not compared (the program writes it)
    const FontLook* font; // null: shows no text
    int tab; // place in the tab order among the holder's rows; -1: none
};

// Finds each row's window among the children of its holder (by class, place
// and text), checks its size, styles and font, that the windows of each holder
// follow the rows' tab order, and that each holder has no other children.
void ExpectWindowsAsDesigned(const DesignedWindow* rows, size_t count, const std::vector<HWND>& holders);
