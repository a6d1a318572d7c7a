#include "windowing/font_cache.h"

#include "windowing/live_objects.h"

namespace scrubwell::windowing {

HFONT FontCache::Get(const FontStyle& style)
{
    for (int i = 0; i < count_; ++i)
        if (entries_[i].style == style)
            return entries_[i].font;
    if (count_ == kCapacity)
        return nullptr;
    const HFONT font = CreateFontA(-style.height, 0, 0, 0, style.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
        DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
        (style.fixedPitch ? FIXED_PITCH : DEFAULT_PITCH) | FF_DONTCARE, style.face);
    if (!font)
        return nullptr;
    entries_[count_++] = Entry { style, font };
    CountLive(&LiveObjects::fonts, 1);
    return font;
}

void FontCache::Clear()
{
    for (int i = 0; i < count_; ++i)
        DeleteObject(entries_[i].font);
    CountLive(&LiveObjects::fonts, -count_);
    count_ = 0;
}

} // namespace scrubwell::windowing
