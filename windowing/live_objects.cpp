#include "windowing/live_objects.h"

namespace scrubwell::windowing {

LiveObjects& Live()
{
    static LiveObjects live;
    return live;
}

} // namespace scrubwell::windowing
