// The user's locale settings that the readouts use.
#pragma once

#include <string>

namespace scrubwell::windowing {

// The decimal separator of the user's locale; a full stop where it gives none.
std::string UserDecimalSeparator();

} // namespace scrubwell::windowing
