// TrackBar: a vertical slider, minimum at the top: its set-up, the range and
// position it is shown, and the user's moves, which it turns into its state's.
#pragma once

#include "controls/control_state.h"
#include "windowing/control.h"
#include "windowing/layout.h"

namespace scrubwell::windowing {

class TrackBar : public Control {
public:
    using Control::Control;

    // The kind's set-up of a new window: thumb, steps, no selection.
    static void SetUp(HWND window, const LayoutItem& item);

    int Position() const;
    void ShowRange(const SliderRange& range) const;
    // The user moved the thumb (WM_VSCROLL): the state follows, raising its
    // change event; false when that failed.
    bool Scrolled(ControlState& state) const { return state.UserMoved(Position()); }
};

} // namespace scrubwell::windowing
