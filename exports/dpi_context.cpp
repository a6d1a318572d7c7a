#include "exports/dpi_context.h"

#include <cstdint>

namespace scrubwell {
namespace {

// DPI_AWARENESS_CONTEXT_UNAWARE_GDISCALED; the headers define it only for
// Windows 10 1809 targets.
const HANDLE kUnawareGdiScaled = reinterpret_cast<HANDLE>(static_cast<intptr_t>(-5));

#ifdef SCRUBWELL_FAULT_POINTS
GdiScaledDpiScope::SetContextFunction substitute = nullptr;
#endif

// Looked up: the function exists from Windows 10 1607 on.
GdiScaledDpiScope::SetContextFunction LookUpSetContext()
{
#ifdef SCRUBWELL_FAULT_POINTS
    if (substitute)
        return substitute;
#endif
    const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return user32 ? reinterpret_cast<GdiScaledDpiScope::SetContextFunction>(
               reinterpret_cast<void (*)()>(GetProcAddress(user32, "SetThreadDpiAwarenessContext")))
                  : nullptr;
}

} // namespace

#ifdef SCRUBWELL_FAULT_POINTS
void SubstituteSetThreadDpiAwarenessContext(GdiScaledDpiScope::SetContextFunction function)
{
    substitute = function;
}
#endif

GdiScaledDpiScope::GdiScaledDpiScope()
    : setContext_(LookUpSetContext())
    , previous_(setContext_ ? setContext_(kUnawareGdiScaled) : nullptr)
{
}

GdiScaledDpiScope::~GdiScaledDpiScope()
{
    if (previous_)
        setContext_(previous_);
}

} // namespace scrubwell
