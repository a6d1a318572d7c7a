// Where a form's window goes on the monitor it opens on: no Win32 here, so
// that the arithmetic is tested natively with any monitor's rectangle.
#pragma once

#include "windowing/layout.h"

namespace scrubwell::windowing {

// A window of width by height at the centre of work (a monitor's work area,
// in screen coordinates), moved inside it where it is smaller than the window:
// its top left corner then stays in sight.
Rect CentredIn(const Rect& work, int width, int height);

// A window designed at left, top from the corner of the screen, put at the same
// place from work's corner and moved inside work where it would stand out.
Rect PlacedIn(const Rect& work, int left, int top, int width, int height);

} // namespace scrubwell::windowing
