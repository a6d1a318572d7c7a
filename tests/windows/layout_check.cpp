#include "tests/windows/layout_check.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/windows/dialog_driver.h"

static int TextWidth(HWND window)
{
    const std::string text = DialogDriver::Text(window);
    const HDC dc = GetDC(window); // a common DC: its release resets the font
    SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)));
    SIZE extent {};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    ReleaseDC(window, dc);
    return extent.cx;
}

void ExpectWindowsAsDesigned(const DesignedWindow* rows, size_t count, const std::vector<HWND>& holders)
{
    // Each holder's children in Z order, which is their tab order.
    std::vector<std::vector<HWND>> children(holders.size());
    for (size_t h = 0; h < holders.size(); ++h)
        for (HWND child = GetWindow(holders[h], GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            children[h].push_back(child);
    std::vector<HWND> windows(count);
    std::vector<size_t> order(count); // a row's window's place among its holder's children
    for (size_t row = 0; row < count; ++row) {
        const DesignedWindow& r = rows[row];
        SCOPED_TRACE(::testing::Message() << r.kind.className << " at " << r.left << ", " << r.top << " in " << r.holder
                                          << ": " << (r.text ? r.text : ""));
        const std::vector<HWND>& candidates = children[r.holder];
        RECT place {};
        for (size_t i = 0; i < candidates.size() && !windows[row]; ++i) {
            GetWindowRect(candidates[i], &place);
            MapWindowPoints(HWND_DESKTOP, GetParent(candidates[i]), reinterpret_cast<POINT*>(&place), 2);
            if (HasClass(candidates[i], r.kind.className) && place.left == r.left && place.top == r.top
                && (!r.text || DialogDriver::Text(candidates[i]) == r.text)
                && std::find(windows.begin(), windows.end(), candidates[i]) == windows.end()) {
                windows[row] = candidates[i];
                order[row] = i;
            }
        }
        EXPECT_TRUE(windows[row]) << "no such window there";
        if (!windows[row])
            continue;
        EXPECT_EQ(r.width ? r.width : TextWidth(windows[row]), place.right - place.left);
        EXPECT_EQ(r.height, place.bottom - place.top);
        EXPECT_EQ(r.kind.style, static_cast<DWORD>(GetWindowLongA(windows[row], GWL_STYLE)) & r.kind.mask);
        if (!r.font)
            continue;
        LOGFONTA font {};
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(windows[row], WM_GETFONT, 0, 0)), sizeof font, &font);
        EXPECT_STREQ(r.font->face, font.lfFaceName);
        EXPECT_EQ(-r.font->height, font.lfHeight);
        EXPECT_EQ(r.font->bold ? FW_BOLD : FW_NORMAL, font.lfWeight);
        EXPECT_EQ(r.font->fixedPitch, (font.lfPitchAndFamily & 3) == FIXED_PITCH);
    }
    for (size_t h = 0; h < holders.size(); ++h)
        EXPECT_EQ(std::count_if(rows, rows + count, [&](const DesignedWindow& r) { return r.holder == h; }),
            static_cast<ptrdiff_t>(children[h].size()))
            << "holder " << h << " has windows that are no row";
    for (size_t a = 0; a < count; ++a)
        for (size_t b = 0; b < count; ++b)
            if (windows[a] && windows[b] && rows[a].holder == rows[b].holder && rows[a].tab >= 0
                && rows[a].tab < rows[b].tab) {
                EXPECT_LT(order[a], order[b]) << "tab " << rows[a].tab << " before " << rows[b].tab;
            }
}
