#include "block/equalizecommon.h"

namespace scrubwell {

const uint32_t BandFrequencies[kBandCount] = { 31, 62, 125, 250, 500, 1000, 2000, 4000, 8000, 16000 };
const uint32_t BandWidths[kBandCount] = { 31, 62, 125, 250, 500, 1000, 2000, 4000, 8000, 16000 };

} // namespace scrubwell
