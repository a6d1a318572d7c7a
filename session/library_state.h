// The library-wide variables that tie the dialogs to the running call. One
// copy per loaded library, touched only on the host's thread, and written
// only by the session; the dialogs get what they need when they are built.
#pragma once

#include <windows.h>

#include <cstdint>

namespace scrubwell {

class TScrubwellUIForm;
class TScrubwellHelpForm;

extern TScrubwellUIForm* ScrubwellUIForm; // the main dialog of the running session, or none
extern TScrubwellHelpForm* ScrubwellHelpForm; // its help dialog, or none
extern HWND HostWindow; // the host's window during a session, else 0
extern int32_t LastPageIndex; // the page active when the user last accepted
extern bool SettingsLoaded; // true once any dialog has loaded settings; never cleared

} // namespace scrubwell
