// TextBox: a read-only, multi-line, word-wrapping text box.
#pragma once

#include "windowing/control.h"

namespace scrubwell::windowing {

class TextBox : public Control {
public:
    using Control::Control;

    // Where the reader is: the selection and the first visible line.
    struct Place {
        DWORD start, end;
        LRESULT top;
    };

    // Sets the text, with lastLine as a line of its own after it; false when
    // there was no memory to join them.
    bool SetText(const char* text, const char* lastLine) const;

    // The place to keep while the dialog manager gives the box the focus,
    // which selects the whole text and so scrolls it to its end: as the
    // reader left it, or the top with nothing selected where all of it was
    // selected already.
    Place ReadingPlace() const;
    void ReturnTo(const Place& place) const;
};

// Whether window is a read-only text box, such as the ones TextBox wraps.
bool IsReadOnlyTextBox(HWND window);

} // namespace scrubwell::windowing
