// The fault points of the test build: a test arms one by name, and the code
// throws when it passes that point for the given time.
#include <cstring>
#include <stdexcept>
#include <string>

#include "settings/fault_point.h"
#include "windowing/live_objects.h"

namespace {

std::string armed;
int passesLeft = 0;

} // namespace

// Makes the (skip + 1)-th pass through the named point throw; "" disarms.
extern "C" void ArmFault(const char* where, int skip)
{
    armed = where ? where : "";
    passesLeft = skip;
}

extern "C" void LiveObjectCounts(int* formWindows, int* fonts)
{
    *formWindows = scrubwell::windowing::Live().formWindows;
    *fonts = scrubwell::windowing::Live().fonts;
}

namespace scrubwell {

void FaultPoint(const char* where)
{
    if (armed.empty() || armed != where)
        return;
    if (passesLeft-- > 0)
        return;
    armed.clear();
    throw std::runtime_error(std::string("fault injected at ") + where);
}

} // namespace scrubwell
