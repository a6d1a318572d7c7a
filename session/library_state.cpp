#include "session/library_state.h"

namespace scrubwell {

HWND HostWindow = nullptr;
int32_t LastPageIndex = 0;
bool SettingsLoaded = false;

} // namespace scrubwell
