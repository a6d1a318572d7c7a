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

TextBox::Place TextBox::ReadingPlace() const
{
    Place place {};
    SendMessageA(handle_, EM_GETSEL, reinterpret_cast<WPARAM>(&place.start), reinterpret_cast<LPARAM>(&place.end));
    place.top = SendMessageA(handle_, EM_GETFIRSTVISIBLELINE, 0, 0);
    if (place.start == 0 && place.end == static_cast<DWORD>(GetWindowTextLengthA(handle_)))
        place = Place { 0, 0, 0 };
    return place;
}

void TextBox::ReturnTo(const Place& place) const
{
    SendMessageA(handle_, EM_SETSEL, place.start, place.end);
    SendMessageA(handle_, EM_LINESCROLL, 0, place.top - SendMessageA(handle_, EM_GETFIRSTVISIBLELINE, 0, 0));
}

bool IsReadOnlyTextBox(HWND window)
{
    char className[8];
    return GetClassNameA(window, className, sizeof className) && lstrcmpiA(className, "Edit") == 0
        && (GetWindowLongA(window, GWL_STYLE) & ES_READONLY);
}

} // namespace scrubwell::windowing
