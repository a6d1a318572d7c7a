#include "windowing/deferred_controls.h"

#include <commctrl.h>

namespace scrubwell::windowing {

void DeferredTrackBar::Connect(Form& form, int row)
{
    form_ = &form;
    row_ = row;
}

void DeferredTrackBar::Attach(HWND window)
{
    SendMessageA(window, TBM_SETRANGEMIN, FALSE, range_.min);
    SendMessageA(window, TBM_SETRANGEMAX, FALSE, range_.max);
    SendMessageA(window, TBM_SETPOS, TRUE, range_.position);
    window_ = TrackBar(window);
    if (form_)
        form_->SliderAttached(row_, window_.Position());
}

void DeferredStaticText::Attach(HWND window)
{
    window_ = StaticText(window);
    window_.SetText(text_.c_str());
}

void DeferredStaticText::SetText(const char* text)
{
    if (window_.Handle())
        window_.SetText(text);
    else
        text_ = ShortText(text);
}

void DeferredRadioButton::GroupWith(DeferredRadioButton& other)
{
    other.next_ = next_;
    next_ = &other;
}

void DeferredRadioButton::Connect(Form& form, int row)
{
    form_ = &form;
    row_ = row;
}

void DeferredRadioButton::Attach(HWND window)
{
    SendMessageA(window, BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
    EnableWindow(window, enabled_ ? TRUE : FALSE);
    window_ = RadioButton(window);
    RadioButton::UpdateGroupTabStops(window);
}

bool DeferredRadioButton::SetChecked(bool checked)
{
    if (window_.Handle())
        return window_.SetChecked(checked);
    const bool wasChecked = checked_;
    if (checked)
        for (DeferredRadioButton* other = next_; other != this; other = other->next_)
            other->checked_ = false;
    checked_ = checked;
    return !(checked && !wasChecked) || !form_ || form_->Raise(row_, Event::kClick);
}

void DeferredRadioButton::SetEnabled(bool enabled)
{
    if (window_.Handle())
        window_.Enable(enabled);
    else
        enabled_ = enabled;
}

} // namespace scrubwell::windowing
