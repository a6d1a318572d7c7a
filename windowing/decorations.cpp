#include "windowing/decorations.h"

namespace scrubwell::windowing {

bool Decorations::Add(HWND window, const Rect& place, Kind kind)
{
    if (count_ == kCapacity)
        return false;
    decorations_[count_++]
        = Decoration { window, { place.left, place.top, place.left + place.width, place.top + place.height },
              kind == Kind::kPanel ? static_cast<UINT>(EDGE_RAISED) : static_cast<UINT>(BDR_SUNKENOUTER) };
    return true;
}

void Decorations::Paint(HWND window, HDC dc) const
{
    for (int i = 0; i < count_; ++i) {
        if (decorations_[i].window != window)
            continue;
        RECT bounds = decorations_[i].bounds;
        DrawEdge(dc, &bounds, decorations_[i].edge, BF_RECT);
    }
}

} // namespace scrubwell::windowing
