#include "windowing/deferred_controls.h"

#include <commctrl.h>

namespace scrubwell::windowing {

void DeferredTrackBar::OnChange(Form& form, Handler handler)
{
    form_ = &form;
    handler_ = handler;
}

void DeferredTrackBar::Attach(HWND window)
{
    SendMessageA(window, TBM_SETRANGEMIN, FALSE, range_.min);
    SendMessageA(window, TBM_SETRANGEMAX, FALSE, range_.max);
    SendMessageA(window, TBM_SETPOS, TRUE, range_.position);
    window_ = TrackBar(window);
    if (form_)
        form_->OnSliderChange(window_, handler_);
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

void DeferredRadioButton::OnClick(Form& form, Handler handler)
{
    form_ = &form;
    handler_ = handler;
}

void DeferredRadioButton::Attach(HWND window)
{
    SendMessageA(window, BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
    EnableWindow(window, enabled_ ? TRUE : FALSE);
    window_ = RadioButton(window);
    RadioButton::UpdateGroupTabStops(window);
    if (form_)
        form_->OnClick(window_, handler_);
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
    return !(checked && !wasChecked) || !form_ || form_->RunHandler(handler_);
}

void DeferredRadioButton::SetEnabled(bool enabled)
{
    if (window_.Handle())
        window_.Enable(enabled);
    else
        enabled_ = enabled;
}

} // namespace scrubwell::windowing
