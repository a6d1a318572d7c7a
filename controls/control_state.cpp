#include "controls/control_state.h"

namespace scrubwell {

ControlState::ControlState(const ControlDesign& design)
    : range_ { design.min, design.max, design.min }
    , checked_(design.checked)
    , text_(design.text)
{
}

void ControlState::OnChange(bool (*run)(void*, int), void* target, int id)
{
    run_ = run;
    target_ = target;
    id_ = id;
}

void ControlState::GroupWith(ControlState& other)
{
    other.next_ = next_;
    next_ = &other;
}

void ControlState::Attach(ControlView* view)
{
    view_ = view;
    if (!view)
        return;
    view->ShowRange(range_);
    view->ShowChecked(checked_);
    view->ShowEnabled(enabled_);
    view->ShowText(text_.c_str());
}

bool ControlState::Moved(bool moved, bool show)
{
    if (view_ && show)
        view_->ShowRange(range_);
    if (!moved)
        return true;
    // After the handler, which writes the readout that is the slider's value.
    const bool succeeded = Raise();
    if (view_)
        view_->Moved();
    return succeeded;
}

bool ControlState::SetChecked(bool checked)
{
    const bool wasChecked = checked_;
    if (checked)
        for (ControlState* other = next_; other != this; other = other->next_)
            if (other->checked_) {
                other->checked_ = false;
                if (other->view_)
                    other->view_->ShowChecked(false);
            }
    checked_ = checked;
    if (view_)
        view_->ShowChecked(checked);
    return !(checked && !wasChecked) || Raise();
}

void ControlState::SetEnabled(bool enabled)
{
    enabled_ = enabled;
    if (view_)
        view_->ShowEnabled(enabled);
}

void ControlState::SetText(const char* text)
{
    text_ = ShortText(text);
    if (view_)
        view_->ShowText(text_.c_str());
}

} // namespace scrubwell
