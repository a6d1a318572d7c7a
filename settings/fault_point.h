// A place where a test build of the library can be made to fail, to show that
// every failure ends in a defined result. The shipped library compiles these
// points to nothing.
#pragma once

#ifdef SCRUBWELL_FAULT_POINTS
namespace scrubwell {
void FaultPoint(const char* where);
}
#define SCRUBWELL_FAULT_POINT(where) ::scrubwell::FaultPoint(where)
#else
#define SCRUBWELL_FAULT_POINT(where) ((void)0)
#endif
