// Counts of the windows and fonts the windowing layer holds now, for the
// resource tests: a session must give back all it took. Only the test build
// of the library counts; the shipped one keeps no counters.
#pragma once

namespace scrubwell::windowing {

struct LiveObjects {
    int formWindows = 0;
    int fonts = 0;
};

#ifdef SCRUBWELL_FAULT_POINTS
LiveObjects& Live();
inline void CountLive(int LiveObjects::*count, int change)
{
    Live().*count += change;
}
#else
inline void CountLive(int LiveObjects::*, int) { }
#endif

} // namespace scrubwell::windowing
