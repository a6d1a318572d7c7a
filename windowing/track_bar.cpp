#include "windowing/track_bar.h"

#include <commctrl.h>

namespace scrubwell::windowing {
namespace {

constexpr int kThumb = 20;
constexpr int kPageStep = 2;

} // namespace

void TrackBar::SetUp(HWND window, const LayoutItem&)
{
    SendMessageA(window, TBM_SETTHUMBLENGTH, kThumb, 0);
    SendMessageA(window, TBM_SETLINESIZE, 0, 1);
    SendMessageA(window, TBM_SETPAGESIZE, 0, kPageStep);
    SendMessageA(window, TBM_CLEARSEL, TRUE, 0);
}

int TrackBar::Position() const
{
    return static_cast<int>(SendMessageA(handle_, TBM_GETPOS, 0, 0));
}

void TrackBar::ShowRange(const SliderRange& range) const
{
    SendMessageA(handle_, TBM_SETRANGEMIN, TRUE, range.min);
    SendMessageA(handle_, TBM_SETRANGEMAX, TRUE, range.max);
    SendMessageA(handle_, TBM_SETPOS, TRUE, range.position);
}

} // namespace scrubwell::windowing
