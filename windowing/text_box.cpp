#include "windowing/text_box.h"

#include <cstring>
#include <new>

namespace scrubwell::windowing {

bool TextBox::SetText(const char* text, const char* lastLine) const
{
    constexpr char kLineBreak[] = "\r\n";
    const size_t textLength = std::strlen(text);
    const size_t breakLength = sizeof kLineBreak - 1;
    const size_t lastLength = std::strlen(lastLine);
    char* joined = new (std::nothrow) char[textLength + breakLength + lastLength + 1];
    if (!joined)
        return false;
    std::memcpy(joined, text, textLength);
    std::memcpy(joined + textLength, kLineBreak, breakLength);
    std::memcpy(joined + textLength + breakLength, lastLine, lastLength + 1);
    SetCaption(joined);
    delete[] joined;
    return true;
}

bool IsReadOnlyTextBox(HWND window)
{
    char className[8];
    return GetClassNameA(window, className, sizeof className) && lstrcmpiA(className, "Edit") == 0
        && (GetWindowLongA(window, GWL_STYLE) & ES_READONLY);
}

} // namespace scrubwell::windowing
