// A dialog's events: one static table per dialog of {row, event, handler},
// there before any window is. The form raises a row's event when the user or
// the program changes the control, and latches a handler's failure: it ends
// the modal run.
#pragma once

namespace scrubwell::windowing {

class Form;

enum class Event : unsigned char {
    kClick, // push button clicked, check box toggled, radio button newly checked
    kChange, // slider moved
    kPageChange, // the user changed the page
};

struct EventHandler {
    int row;
    Event event;
    bool (*run)(Form& form, int row); // false when the handler failed
};

// Handler of a dialog's own: Method of the form as Dialog.
template <class Dialog, bool (Dialog::*Method)()> bool Run(Form& form, int)
{
    return (static_cast<Dialog&>(form).*Method)();
}

inline constexpr int kMaxHandlers = 16;

// True when the table fits and names each row once, in row order.
constexpr bool HandlersFit(const EventHandler* table, int count)
{
    if (count > kMaxHandlers)
        return false;
    for (int i = 1; i < count; ++i)
        if (table[i - 1].row >= table[i].row)
            return false;
    return true;
}

// The table in use.
class EventTable {
public:
    void Use(const EventHandler* table, int count)
    {
        table_ = table;
        count_ = count;
    }
    // The entry of row, or null.
    const EventHandler* Find(int row) const
    {
        for (int i = 0; i < count_; ++i)
            if (table_[i].row == row)
                return &table_[i];
        return nullptr;
    }
    const EventHandler* begin() const { return table_; }
    const EventHandler* end() const { return table_ + count_; }

private:
    const EventHandler* table_ = nullptr;
    int count_ = 0;
};

} // namespace scrubwell::windowing
