#include "windowing/placement.h"

namespace scrubwell::windowing {
namespace {

// start, moved so that length from it lies inside from..from + room where it
// fits, and to from where it does not.
int Inside(int start, int length, int from, int room)
{
    if (start + length > from + room)
        start = from + room - length;
    return start < from ? from : start;
}

} // namespace

Rect CentredIn(const Rect& work, int width, int height)
{
    return PlacedIn(work, (work.width - width) / 2, (work.height - height) / 2, width, height);
}

Rect PlacedIn(const Rect& work, int left, int top, int width, int height)
{
    return Rect { Inside(work.left + left, width, work.left, work.width),
        Inside(work.top + top, height, work.top, work.height), width, height };
}

} // namespace scrubwell::windowing
