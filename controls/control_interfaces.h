// What the settings routines need of the dialog's controls. The dialog's
// control wrappers provide it over Win32; a plain model provides it without
// windows (tests, tools).
#pragma once

namespace scrubwell {

// A vertical slider: minimum at the top; positions outside the range are
// clamped. Every change of position, by the program or the user, raises the
// slider's change event; setting the position it already has raises nothing.
// The setters return false when the change event's handler failed.
class SliderControl {
public:
    virtual bool SetMin(int min) = 0;
    virtual bool SetMax(int max) = 0;
    virtual bool SetPosition(int position) = 0;
    virtual int Position() const = 0;

protected:
    ~SliderControl() = default;
};

class EnableControl {
public:
    virtual void SetEnabled(bool enabled) = 0;

protected:
    ~EnableControl() = default;
};

// A check box or radio button. Checking a radio button unchecks the other
// radio buttons of its group and, when it was not checked, raises its click
// event; unchecking touches only itself. SetChecked returns false when the
// click event's handler failed.
class ToggleControl : public EnableControl {
public:
    virtual bool Checked() const = 0;
    virtual bool SetChecked(bool checked) = 0;

protected:
    ~ToggleControl() = default;
};

class TextControl {
public:
    virtual void SetText(const char* text) = 0;

protected:
    ~TextControl() = default;
};

} // namespace scrubwell
