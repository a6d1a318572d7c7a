// ShortText: a text of at most 31 characters held in place, for the readouts
// and captions the library builds; no allocation, so nothing to fail.
#pragma once

#include <cstddef>

namespace scrubwell {

class ShortText {
public:
    static constexpr size_t kCapacity = 31;

    ShortText() = default;
    explicit ShortText(const char* text) { Append(text); }

    // Attributes
    const char* c_str() const { return chars_; }
    size_t size() const { return length_; }
    char operator[](size_t index) const { return chars_[index]; }

    // Operations: each cuts what does not fit.
    ShortText& Append(const char* text)
    {
        while (*text && length_ < kCapacity)
            chars_[length_++] = *text++;
        chars_[length_] = '\0';
        return *this;
    }
    ShortText& Append(char c, size_t count = 1)
    {
        while (count-- > 0 && length_ < kCapacity)
            chars_[length_++] = c;
        chars_[length_] = '\0';
        return *this;
    }

private:
    char chars_[kCapacity + 1] = {};
    size_t length_ = 0;
};

} // namespace scrubwell
