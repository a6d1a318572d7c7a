#include "windowing/locale_text.h"

#include <windows.h>

namespace scrubwell::windowing {

std::string UserDecimalSeparator()
{
    char separator[8] = {};
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, sizeof separator) <= 1)
        return ".";
    return separator;
}

} // namespace scrubwell::windowing
