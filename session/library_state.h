// The library-wide variables that tie the dialogs to the running call. One
// copy per loaded library, touched only on the host's thread; the dialogs get
// what they need when they are built.
#pragma once

#include <windows.h>

#include <cstdint>

namespace scrubwell {

extern HWND HostWindow; // the host's window during a session, else 0
extern int32_t LastPageIndex; // the page active when the user last accepted
extern bool SettingsLoaded; // set by any dialog's load of the defaults; never cleared

} // namespace scrubwell
