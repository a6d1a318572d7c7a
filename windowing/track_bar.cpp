#include "windowing/track_bar.h"

#include <commctrl.h>

namespace scrubwell::windowing {

int TrackBar::Position() const
{
    return static_cast<int>(SendMessageA(handle_, TBM_GETPOS, 0, 0));
}

} // namespace scrubwell::windowing
