// Raising a row's event from its table, and the latch that a failed handler
// sets: it ends the modal run, and the form answers kModalFailed from then on.
#include "windowing/form.h"

#include "windowing/track_bar.h"

namespace scrubwell::windowing {

bool Form::Raise(int row, Event event)
{
    const EventHandler* handler = events_.Find(row);
    if (!handler || handler->event != event || handler->run(*this, row))
        return true;
    HandlerFailed();
    return false;
}

void Form::HandlerFailed()
{
    handlerFailed_ = true;
    SetModalResult(kModalFailed);
}

void Form::BindState(int row, ControlState& state)
{
    states_[row] = &state;
    if (events_.Find(row))
        state.OnChange(StateChanged, this, row);
}

bool Form::StateChanged(void* form, int row)
{
    auto* self = static_cast<Form*>(form);
    return self->Raise(row, self->events_.Find(row)->event);
}

bool Form::SliderMoved(HWND slider)
{
    const int row = RowOf(slider);
    return row < 0 || !states_[row] || states_[row]->UserMoved(TrackBar(slider).Position());
}

} // namespace scrubwell::windowing
