#include "windowing/control.h"

#include "windowing/form.h"

namespace scrubwell::windowing {

bool Control::Visible() const
{
    return (GetWindowLongA(handle_, GWL_STYLE) & WS_VISIBLE) != 0;
}

bool Control::NotifyChanged() const
{
    Form* form = Form::OfWindow(GetAncestor(handle_, GA_ROOT));
    return !form || form->ControlChanged(handle_);
}

} // namespace scrubwell::windowing
