#include "windowing/track_bar.h"

#include <commctrl.h>

namespace scrubwell::windowing {

int TrackBar::Position() const
{
    return static_cast<int>(SendMessageA(handle_, TBM_GETPOS, 0, 0));
}
bool TrackBar::SetMin(int min)
{
    SendMessageA(handle_, TBM_SETRANGEMIN, TRUE, min);
    return NotifyChanged();
}

bool TrackBar::SetMax(int max)
{
    SendMessageA(handle_, TBM_SETRANGEMAX, TRUE, max);
    return NotifyChanged();
}

bool TrackBar::SetPosition(int position)
{
    // The native control clamps; the form raises the change event only when
    // the position really moved.
    SendMessageA(handle_, TBM_SETPOS, TRUE, position);
    return NotifyChanged();
}

} // namespace scrubwell::windowing
