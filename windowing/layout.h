// A dialog's layout as data, the way a dialog template is: one row per
// control, in creation order, which is also the order in which accelerators
// are looked up. The form makes the windows from the rows.
#pragma once

#include <windows.h>

#include "windowing/window_classes.h"

namespace scrubwell::windowing {

struct Rect {
    int left, top, width, height;
};

struct FontSpec {
    const char* face;
    int height; // character height in pixels
    bool bold;
    bool fixedPitch;
    bool operator==(const FontSpec& other) const;
};

enum class Kind : unsigned char {
    kTabControl,
    kPage, // fills its tab control's display area; its rows are made when it is first shown
    kPanel, // a raised box, drawn by its parent
    kBevel, // a lowered box, drawn by its parent behind the texts it frames
    kGroupBox, // a frame with a caption; the rows that name it as parent lie inside it
    kLabel,
    kReadout, // a sunken, centred text, hidden
    kTrackBar, // vertical, no ticks, fixed thumb
    kRadioButton,
    kCheckBox,
    kPushButton,
    kTextBox, // multi-line, read-only, with a vertical scroll bar
};

inline constexpr int kOnForm = -1; // the parent of the form's own rows
inline constexpr int kNoTab = -1;

struct LayoutItem {
    const char* name;
    Kind kind;
    // The row of the parent as designed, or kOnForm. Panels, bevels and group
    // boxes hold no windows: what lies inside them is made in the nearest
    // page or the form, at the same place on the screen.
    int parent;
    Rect bounds; // in the parent's client area; width 0: sized to the text
    const char* text;
    DWORD style; // beyond the kind's own (WS_TABSTOP, BS_DEFPUSHBUTTON, SS_CENTER)
    const FontSpec* font; // null: the form's
    // Order among the parent's children that have one; the others keep
    // their place in row order.
    int tab;
    // Made only when the form asks for the later rows, not with the dialog.
    bool later;
};

// The window class of a row's window; null for the rows that are drawn.
inline const char* WindowClassOf(Kind kind)
{
    switch (kind) {
    case Kind::kTabControl:
        return "SysTabControl32";
    case Kind::kPage:
        return kContainerClass;
    case Kind::kPanel:
    case Kind::kBevel:
        return nullptr;
    case Kind::kLabel:
    case Kind::kReadout:
        return "Static";
    case Kind::kTrackBar:
        return "msctls_trackbar32";
    case Kind::kTextBox:
        return "Edit";
    default:
        return "Button";
    }
}

} // namespace scrubwell::windowing
