// The fault points of the test build: a test arms one by name, and the code
// fails there when it passes that point for the given time.
#include <cstring>

#include "settings/fault_point.h"
#include "windowing/live_objects.h"

namespace {

char armed[32];
int passesLeft = 0;

} // namespace

// Makes the (skip + 1)-th pass through the named point fail; "" disarms.
extern "C" void ArmFault(const char* where, int skip)
{
    std::strncpy(armed, where ? where : "", sizeof armed - 1);
    passesLeft = skip;
}

extern "C" void LiveObjectCounts(int* formWindows, int* fonts)
{
    *formWindows = scrubwell::windowing::Live().formWindows;
    *fonts = scrubwell::windowing::Live().fonts;
}

namespace scrubwell {

bool FaultPoint(const char* where)
{
    if (armed[0] == '\0' || std::strcmp(armed, where) != 0)
        return false;
    if (passesLeft-- > 0)
        return false;
    armed[0] = '\0';
    return true;
}

} // namespace scrubwell
