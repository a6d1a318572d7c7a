// TextBox: a read-only, multi-line, word-wrapping text box.
#pragma once

#include "windowing/control.h"

namespace scrubwell::windowing {

class TextBox : public Control {
public:
    using Control::Control;

    // Operations
    // Sets the text, with lastLine as a line of its own after it; false when
    // there was no memory to join them.
    bool SetText(const char* text, const char* lastLine) const;
};

// Whether window is a read-only text box, such as the ones TextBox wraps.
bool IsReadOnlyTextBox(HWND window);

} // namespace scrubwell::windowing
