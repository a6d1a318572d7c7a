// Memo: a read-only, multi-line, word-wrapping text box.
#pragma once

#include <string>

#include "windowing/control.h"

namespace scrubwell::windowing {

class Memo : public Control {
public:
    using Control::Control;

    // Attributes
    int LineCount() const;

    // Operations
    // Inserts text as a new line before line index; index == LineCount() appends.
    void InsertLine(int index, const std::string& text) const;
};

} // namespace scrubwell::windowing
