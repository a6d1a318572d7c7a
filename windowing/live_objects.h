// Counts of the windows and fonts the windowing layer holds now, for the
// resource tests: a session must give back all it took.
#pragma once

namespace scrubwell::windowing {

struct LiveObjects {
    int formWindows = 0;
    int fonts = 0;
};

LiveObjects& Live();

} // namespace scrubwell::windowing
