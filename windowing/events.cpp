// Raising a row's event from its table, and the latch that a failed handler
// sets: it ends the modal run, and the form answers kModalFailed from then on.
#include "windowing/form.h"

#include "windowing/accessible_control.h"
#include "windowing/buttons.h"
#include "windowing/track_bar.h"

namespace scrubwell::windowing {

bool Form::Raise(int row, Event event)
{
    const EventHandler* handler = events_.Find(row, event);
    if (!handler || handler->run(*this))
        return true;
    HandlerFailed();
    return false;
}

void Form::HandlerFailed()
{
    handlerFailed_ = true;
    SetModalResult(kModalFailed);
}

bool Form::ControlChanged(HWND control)
{
    return RadioButton::IsRadioButton(control) ? Raise(RowOf(control), Event::kClick) : SliderMoved(control);
}

void Form::SliderAttached(int row, int position)
{
    if (int* last = events_.LastPosition(row))
        *last = position;
}

bool Form::SliderMoved(HWND slider)
{
    const int row = RowOf(slider);
    int* last = events_.LastPosition(row);
    if (!last)
        return true;
    const int position = TrackBar(slider).Position();
    if (position == *last)
        return true;
    *last = position;
    // After the handler, which writes the readout that is the slider's value.
    const bool succeeded = Raise(row, Event::kChange);
    NotifyValueChanged(slider);
    return succeeded;
}

} // namespace scrubwell::windowing
