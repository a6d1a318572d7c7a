// Where the dialogs open: on the work area of the host's monitor, wherever
// that monitor lies on the desktop.
#include <gtest/gtest.h>

#include "windowing/placement.h"

namespace {

using scrubwell::windowing::CentredIn;
using scrubwell::windowing::PlacedIn;
using scrubwell::windowing::Rect;

TEST(Placement, OnTheWorkAreaOfTheHostsMonitor)
{
    // The main dialog's frame is 546 x 472; the help's 500 x 391 at 279, 185.
    const Rect primary { 0, 0, 1024, 768 };
    const Rect right { 1024, 0, 1920, 1040 }; // a taskbar of 40 pixels at its bottom
    const Rect aboveLeft { -1280, -1024, 1280, 1024 };
    const Rect small { 0, 30, 640, 450 }; // smaller than the dialog, below a top taskbar
    const struct {
        const char* what;
        Rect placed, expected;
    } cases[] = {
        { "centred on the primary screen", CentredIn(primary, 546, 472), { 239, 148, 546, 472 } },
        { "centred on a monitor to the right", CentredIn(right, 546, 472), { 1711, 284, 546, 472 } },
        { "centred on a monitor above and to the left", CentredIn(aboveLeft, 546, 472), { -913, -748, 546, 472 } },
        { "corner in sight on a small work area", CentredIn(small, 546, 472), { 47, 30, 546, 472 } },
        { "the help as designed on the primary screen", PlacedIn(primary, 279, 185, 500, 391), { 279, 185, 500, 391 } },
        { "the help at the same place on the right", PlacedIn(right, 279, 185, 500, 391), { 1303, 185, 500, 391 } },
        { "the help kept inside a small work area", PlacedIn(small, 279, 185, 500, 391), { 140, 89, 500, 391 } },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.expected.left, c.placed.left) << c.what;
        EXPECT_EQ(c.expected.top, c.placed.top) << c.what;
        EXPECT_EQ(c.expected.width, c.placed.width) << c.what;
        EXPECT_EQ(c.expected.height, c.placed.height) << c.what;
    }
}

} // namespace
