// What a control tells a screen reader: the answer to WM_GETOBJECT for the
// controls whose standard accessible object (oleacc's proxy) says too little.
// The control's window is subclassed; its object wraps the standard one and
// replaces only the name, the role, the value and the checked state.
#pragma once

#include <windows.h>

#include <oleacc.h> // ROLE_SYSTEM_*

#include "windowing/layout.h"

namespace scrubwell::windowing {

struct AccessibleText {
    // ROLE_SYSTEM_*; 0: the standard object's.
    LONG role = 0;
    // The name, then nameSuffix; without '&' and without the "[ ]" of a group
    // caption. Both null: the standard object's name.
    const char* name = nullptr;
    const char* nameSuffix = nullptr;
    // A window whose text is the name (a title label); wins over name.
    HWND nameFrom = nullptr;
    // A window whose text is the value (a slider's readout).
    HWND valueFrom = nullptr;
};

// As many controls as the windows of two forms (a dialog and the one it
// shows): the dialogs check their tables against it.
inline constexpr int kMaxAccessibleControls = 2 * kMaxRows;

// Makes control answer with text; a second call replaces the text but keeps
// the role when text gives none. Up to kMaxAccessibleControls at a time; any
// more keep their standard objects.
void MakeAccessible(HWND control, const AccessibleText& text);

// Gives control back its own window procedure, when nothing has subclassed
// it after this module: a window that outlives the module must not call into it.
void ForgetAccessible(HWND control);

// Tells screen readers that control's value changed.
void NotifyValueChanged(HWND control);

} // namespace scrubwell::windowing
