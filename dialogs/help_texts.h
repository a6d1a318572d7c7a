// The four help texts, lines separated by CR LF. Each ends with the line
// that the tutorials address is appended below.
#pragma once

namespace scrubwell {

extern const char kPopClickHelpText[];
extern const char kHumHelpText[];
extern const char kHissHelpText[];
extern const char kNoiseGateHelpText[];

} // namespace scrubwell
