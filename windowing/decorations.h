// Decorations: the panels and bevels of a form, which are drawn by the window
// that holds them rather than being windows themselves.
#pragma once

#include <windows.h>

#include "windowing/layout.h"

namespace scrubwell::windowing {

class Decorations {
public:
    // A raised panel or a lowered bevel at place in window's client area;
    // false when there is no room for it, which a layout that fits a form
    // never meets.
    bool Add(HWND window, const Rect& place, Kind kind);
    // Draws those that lie in window.
    void Paint(HWND window, HDC dc) const;
    void Clear() { count_ = 0; }

private:
    static constexpr int kCapacity = kMaxRows; // one a row at most
    struct Decoration {
        HWND window;
        RECT bounds;
        UINT edge;
    };
    Decoration decorations_[kCapacity] = {};
    int count_ = 0;
};

} // namespace scrubwell::windowing
