// GdiScaledDpiScope: the calling thread in the DPI context in which Windows
// scales the library's windows as a whole.
#pragma once

#include <windows.h>

namespace scrubwell {

// The dialogs are designed in pixels at 96 DPI. While this lives, the calling
// thread runs in DPI_AWARENESS_CONTEXT_UNAWARE_GDISCALED, so that Windows
// scales the top-level windows made meanwhile (and keeps them so for their
// life), text and GDI drawing crisply; when it goes, the thread gets back the
// context it had. Where SetThreadDpiAwarenessContext is missing (before
// Windows 10 1607) or refuses that context (before 1809, and Wine), nothing
// changes: plain UNAWARE would stretch a bitmap instead.
class GdiScaledDpiScope {
public:
    GdiScaledDpiScope();
    ~GdiScaledDpiScope();
    GdiScaledDpiScope(const GdiScaledDpiScope&) = delete;
    GdiScaledDpiScope& operator=(const GdiScaledDpiScope&) = delete;

    // SetThreadDpiAwarenessContext's type, with the context as a plain handle.
    using SetContextFunction = HANDLE(WINAPI*)(HANDLE context);

private:
    SetContextFunction setContext_;
    HANDLE previous_; // 0: nothing switched
};

#ifdef SCRUBWELL_FAULT_POINTS
// Test builds: a function in place of user32's SetThreadDpiAwarenessContext;
// null looks it up again.
void SubstituteSetThreadDpiAwarenessContext(GdiScaledDpiScope::SetContextFunction function);
#endif

} // namespace scrubwell
