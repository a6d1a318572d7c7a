// A dialog's events: one static table per dialog of {row, event, handler},
// there before any window is, and the same with no window at all. The form
// raises a row's event when the user or the program changes the control; a
// handler's failure ends the modal run. No Win32 here: the window-less model
// of the main dialog runs its table natively.
#pragma once

namespace scrubwell::windowing {

enum class Event : unsigned char {
    kClick, // push button clicked, check box toggled, radio button newly checked
    kChange, // slider moved
    kPageChange, // the user changed the page
};

// Target: what the dialog's handlers run on.
template <class Target> struct EventHandler {
    int row;
    Event event;
    bool (*run)(Target& target); // false when the handler failed
};

// A handler that is a method of the target.
template <class Target, bool (Target::*Method)()> bool Call(Target& target)
{
    return (target.*Method)();
}

// True when the table names each row once, in row order.
template <class Target> constexpr bool InRowOrder(const EventHandler<Target>* table, int count)
{
    for (int i = 1; i < count; ++i)
        if (table[i - 1].row >= table[i].row)
            return false;
    return true;
}

// The entry of row in table, or null.
template <class Target, int N> const EventHandler<Target>* FindHandler(const EventHandler<Target> (&table)[N], int row)
{
    for (const EventHandler<Target>& handler : table)
        if (handler.row == row)
            return &handler;
    return nullptr;
}

// Runs row's handler for event on target, if table has one; false when it
// failed.
template <class Target, int N>
bool RaiseIn(const EventHandler<Target> (&table)[N], Target& target, int row, Event event)
{
    const EventHandler<Target>* handler = FindHandler(table, row);
    return !handler || handler->event != event || handler->run(target);
}

} // namespace scrubwell::windowing
