#include "windowing/live_objects.h"

namespace scrubwell::windowing {
namespace {

// Constant-initialised: no guard, no start-up code.
LiveObjects live;

} // namespace

LiveObjects& Live()
{
    return live;
}

} // namespace scrubwell::windowing
