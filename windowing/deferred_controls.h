// The controls of a page that has not been shown yet. Until their window
// exists they hold what the program sets and raise the same events the
// window would; once attached, they hand that state to the window, without
// events, and pass everything on to it.
#pragma once

#include "controls/short_text.h"
#include "controls/slider_range.h"
#include "windowing/buttons.h"
#include "windowing/form.h"
#include "windowing/static_text.h"
#include "windowing/track_bar.h"

namespace scrubwell::windowing {

class DeferredTrackBar final : public SliderControl {
public:
    DeferredTrackBar(int min, int max)
        : range_ { min, max, 0 }
    {
    }
    HWND Handle() const { return window_.Handle(); }
    // The form raises row's change event at every change of position.
    void Connect(Form& form, int row);
    void Attach(HWND window);

    int Position() const override { return window_.Handle() ? window_.Position() : range_.position; }
    bool SetMin(int min) override { return window_.Handle() ? window_.SetMin(min) : Moved(range_.SetMin(min)); }
    bool SetMax(int max) override { return window_.Handle() ? window_.SetMax(max) : Moved(range_.SetMax(max)); }
    bool SetPosition(int position) override
    {
        return window_.Handle() ? window_.SetPosition(position) : Moved(range_.MoveTo(position));
    }

private:
    bool Moved(bool moved) { return !moved || !form_ || form_->Raise(row_, Event::kChange); }

    SliderRange range_;
    TrackBar window_;
    Form* form_ = nullptr;
    int row_ = -1;
};

class DeferredStaticText final : public TextControl {
public:
    explicit DeferredStaticText(const char* text)
        : text_(text)
    {
    }
    HWND Handle() const { return window_.Handle(); }
    void Attach(HWND window);
    void SetText(const char* text) override;

private:
    ShortText text_;
    StaticText window_;
};

// Radio buttons joined by GroupWith form a group: checking one unchecks the others.
class DeferredRadioButton final : public ToggleControl {
public:
    explicit DeferredRadioButton(bool checked)
        : checked_(checked)
    {
    }
    void GroupWith(DeferredRadioButton& other);
    // The form raises row's click event whenever the button becomes checked.
    void Connect(Form& form, int row);
    void Attach(HWND window);

    bool Checked() const override { return window_.Handle() ? window_.Checked() : checked_; }
    bool SetChecked(bool checked) override;
    void SetEnabled(bool enabled) override;

private:
    bool checked_;
    bool enabled_ = true;
    DeferredRadioButton* next_ = this; // round the group
    RadioButton window_;
    Form* form_ = nullptr;
    int row_ = -1;
};

} // namespace scrubwell::windowing
