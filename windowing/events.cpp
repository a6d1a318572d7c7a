// Raising a row's event from the dialog's table, and the latch that a failed
// handler sets: it ends the modal run, and the form answers kModalFailed from
// then on.
#include "windowing/form.h"

namespace scrubwell::windowing {

bool Form::Raise(int row, Event event)
{
    if (RowEvent(row, event))
        return true;
    HandlerFailed();
    return false;
}

void Form::HandlerFailed()
{
    handlerFailed_ = true;
    SetModalResult(kModalFailed);
}

} // namespace scrubwell::windowing
