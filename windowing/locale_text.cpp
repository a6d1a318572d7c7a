#include "windowing/locale_text.h"

#include <windows.h>

namespace scrubwell::windowing {

ShortText UserDecimalSeparator()
{
    char separator[4] = {};
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, sizeof separator) <= 1)
        return ShortText(".");
    return ShortText(separator);
}

} // namespace scrubwell::windowing
