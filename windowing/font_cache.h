// FontCache: the fonts of one form, made once per style and deleted together
// when the form's window goes.
#pragma once

#include <windows.h>

#include "windowing/layout.h"

namespace scrubwell::windowing {

class FontCache {
public:
    FontCache() = default;
    FontCache(const FontCache&) = delete;
    FontCache& operator=(const FontCache&) = delete;
    ~FontCache() { Clear(); }

    // The font for style; 0 when it could not be made or the cache is full,
    // which a layout that fits a form never fills.
    HFONT Get(const FontStyle& style);
    void Clear();

private:
    static constexpr int kCapacity = kMaxRows + 1; // a row's each at most, and the form's own
    struct Entry {
        FontStyle style;
        HFONT font;
    };
    Entry entries_[kCapacity] = {};
    int count_ = 0;
};

} // namespace scrubwell::windowing
