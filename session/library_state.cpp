#include "session/library_state.h"

namespace scrubwell {

TScrubwellUIForm* ScrubwellUIForm = nullptr;
TScrubwellHelpForm* ScrubwellHelpForm = nullptr;
HWND HostWindow = nullptr;
int32_t LastPageIndex = 0;
bool SettingsLoaded = false;

} // namespace scrubwell
