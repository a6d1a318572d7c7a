// The user's locale settings that the readouts use.
#pragma once

#include "controls/short_text.h"

namespace scrubwell::windowing {

// The decimal separator of the user's locale (at most 3 characters); a full
// stop where it gives none.
ShortText UserDecimalSeparator();

} // namespace scrubwell::windowing
