#include "windowing/control_kinds.h"

#include <commctrl.h>

#include "windowing/accessible_control.h"
#include "windowing/static_text.h"
#include "windowing/track_bar.h"
#include "windowing/window_classes.h"

namespace scrubwell::windowing {
namespace {

void NoSetUp(HWND, const LayoutItem&) { }

// clang-format off
const ControlKind kKinds[] = {
    /* kTabControl */ { WC_TABCONTROLA, WS_VISIBLE | WS_TABSTOP | WS_CLIPCHILDREN | TCS_MULTILINE, 0,
        ROLE_SYSTEM_PAGETABLIST, false, NoSetUp },
    /* kPage */ { kContainerClass, 0 /* shown by its tab control */, WS_EX_CONTROLPARENT, ROLE_SYSTEM_PROPERTYPAGE, true,
        NoSetUp },
    /* kPanel */ { nullptr, 0, 0, 0, false, NoSetUp },
    /* kBevel */ { nullptr, 0, 0, 0, false, NoSetUp },
    /* kGroupBox */ { "Button", WS_VISIBLE | BS_GROUPBOX, 0, ROLE_SYSTEM_GROUPING, true, NoSetUp },
    /* kLabel */ { "Static", WS_VISIBLE | SS_NOPREFIX, 0, 0, false, StaticText::SetUp },
    /* kReadout */ { "Static", SS_CENTER | SS_SUNKEN | SS_NOPREFIX, 0, 0, false, NoSetUp },
    /* kTrackBar */ { TRACKBAR_CLASSA, WS_VISIBLE | WS_TABSTOP | TBS_VERT | TBS_NOTICKS | TBS_FIXEDLENGTH, 0,
        ROLE_SYSTEM_SLIDER, false, TrackBar::SetUp },
    /* kRadioButton */ { "Button", WS_VISIBLE | BS_RADIOBUTTON, 0, ROLE_SYSTEM_RADIOBUTTON, false, NoSetUp },
    /* kCheckBox */ { "Button", WS_VISIBLE | BS_AUTOCHECKBOX, 0, ROLE_SYSTEM_CHECKBUTTON, false, NoSetUp },
    /* kPushButton */ { "Button", WS_VISIBLE | WS_TABSTOP, 0, ROLE_SYSTEM_PUSHBUTTON, false, NoSetUp },
    /* kTextBox */ { "Edit", WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL,
        WS_EX_CLIENTEDGE, 0, false, NoSetUp },
};
// clang-format on
static_assert(sizeof kKinds / sizeof *kKinds == static_cast<int>(Kind::kTextBox) + 1, "a row of the table per kind");

} // namespace

const ControlKind& KindOf(Kind kind)
{
    return kKinds[static_cast<int>(kind)];
}

DWORD ExtraStyleOf(const LayoutItem& item)
{
    DWORD style = 0;
    if (item.extra & kCentred)
        style |= SS_CENTER;
    if (item.extra & kDefaultButton)
        style |= BS_DEFPUSHBUTTON;
    if (item.extra & kTabStop)
        style |= WS_TABSTOP;
    return style;
}

DWORD StyleOf(const LayoutItem& item, bool startsGroup)
{
    return KindOf(item.kind).style | ExtraStyleOf(item) | (startsGroup ? WS_GROUP : 0) | WS_CHILD;
}

} // namespace scrubwell::windowing
