#include "windowing/track_bar.h"

#include <commctrl.h>

namespace scrubwell::windowing {

int TrackBar::Position() const
{
    return static_cast<int>(SendMessageA(handle_, TBM_GETPOS, 0, 0));
}
void TrackBar::SetMin(int min)
{
    SendMessageA(handle_, TBM_SETRANGEMIN, TRUE, min);
    NotifyChanged();
}

void TrackBar::SetMax(int max)
{
    SendMessageA(handle_, TBM_SETRANGEMAX, TRUE, max);
    NotifyChanged();
}

void TrackBar::SetPosition(int position)
{
    // The native control clamps; the form raises the change event only when
    // the position really moved.
    SendMessageA(handle_, TBM_SETPOS, TRUE, position);
    NotifyChanged();
}

} // namespace scrubwell::windowing
