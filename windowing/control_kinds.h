// What each kind of layout row is as a window: its class, its styles, its
// set-up once made, and the role its accessible object reports. One table.
#pragma once

#include <windows.h>

#include "windowing/layout.h"

namespace scrubwell::windowing {

struct ControlKind {
    const char* className; // null: drawn by the window that holds it
    DWORD style; // the kind's own, beyond WS_CHILD
    DWORD exStyle;
    // ROLE_SYSTEM_* where the standard accessible object says too little; 0:
    // the standard object's.
    LONG role;
    bool namedByText; // the accessible name is the row's text, when it has one
    // The kind's own set-up of a new window, after its font is set.
    void (*setUp)(HWND window, const LayoutItem& item);
};

const ControlKind& KindOf(Kind kind);

// The window style of a row: its kind's, what the row asks beyond it, WS_CHILD,
// and WS_GROUP when it starts a group.
DWORD StyleOf(const LayoutItem& item, bool startsGroup);
// The styles that the row's extras ask for.
DWORD ExtraStyleOf(const LayoutItem& item);

} // namespace scrubwell::windowing
