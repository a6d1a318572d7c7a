// ControlState: one control's state, held once whether or not a window shows
// it: the slider's range and position, the check, the text, whether it is
// enabled, and its change event, which it raises itself. A window, once
// made, is a view attached to the state: it is shown the whole state then,
// and each change after; what the user does in the window comes back here.
// The same objects without windows are the dialog's window-less model.
#pragma once

#include "controls/control_interfaces.h"
#include "controls/short_text.h"
#include "controls/slider_range.h"

namespace scrubwell {

class ControlState;

// What shows a state: a window.
class ControlView {
public:
    virtual void ShowRange(const SliderRange& range) = 0;
    virtual void ShowChecked(bool checked) = 0;
    virtual void ShowEnabled(bool enabled) = 0;
    virtual void ShowText(const char* text) = 0;
    // The slider's position moved and its event has run.
    virtual void Moved() = 0;

protected:
    ~ControlView() = default;
};

// The designed state, from the control's layout row.
struct ControlDesign {
    int min, max;
    bool checked;
    const char* text;
};

class ControlState final : public SliderControl, public ToggleControl, public TextControl {
public:
    explicit ControlState(const ControlDesign& design = { 0, 0, false, "" });
    ControlState(const ControlState&) = delete;
    ControlState& operator=(const ControlState&) = delete;

    // The change event: a slider's move, a radio button's becoming checked.
    // run(target, id) returns false when the handler failed.
    void OnChange(bool (*run)(void* target, int id), void* target, int id);
    // Radio buttons joined so form a group: checking one unchecks the others.
    void GroupWith(ControlState& other);
    // Shows the whole state in view, without events, and each change after;
    // null detaches.
    void Attach(ControlView* view);

    // SliderControl: each clamps as a native slider does and raises the
    // change event when the position moved.
    bool SetMin(int min) override { return Moved(range_.SetMin(min), true); }
    bool SetMax(int max) override { return Moved(range_.SetMax(max), true); }
    bool SetPosition(int position) override { return Moved(range_.MoveTo(position), true); }
    int Position() const override { return range_.position; }
    // ToggleControl
    bool Checked() const override { return checked_; }
    bool SetChecked(bool checked) override;
    void SetEnabled(bool enabled) override;
    // TextControl
    void SetText(const char* text) override;

    bool Enabled() const { return enabled_; }
    const char* Text() const { return text_.c_str(); }

    // The user moved the slider in its window to position.
    bool UserMoved(int position) { return Moved(range_.MoveTo(position), false); }
    // The user toggled the check box in its window.
    void UserToggled(bool checked) { checked_ = checked; }

private:
    bool Moved(bool moved, bool show);
    bool Raise() const { return !run_ || run_(target_, id_); }

    SliderRange range_;
    bool checked_;
    bool enabled_ = true;
    ShortText text_;
    ControlState* next_ = this; // round the radio group
    ControlView* view_ = nullptr;
    bool (*run_)(void*, int) = nullptr;
    void* target_ = nullptr;
    int id_ = 0;
};

} // namespace scrubwell
