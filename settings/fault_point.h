// A place where a test build of the library can be made to fail, to show that
// every failure ends in a defined result: the point reports true when armed,
// and the code there fails as it would for real. The shipped library compiles
// these points to false.
#pragma once

#ifdef SCRUBWELL_FAULT_POINTS
namespace scrubwell {
bool FaultPoint(const char* where);
}
#define SCRUBWELL_FAULT_POINT(where) ::scrubwell::FaultPoint(where)
#else
#define SCRUBWELL_FAULT_POINT(where) false
#endif
