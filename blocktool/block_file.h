// A parameter block kept in a file: the block tool's and the demo host's one
// reader and writer.
#pragma once

#include <string>

#include "block/effect_param_block.h"

namespace scrubwell::blocktool {

// Reads the file's bytes into block; false, with block as it was and the
// reason in error (when given), for a file that cannot be read or is not one
// block long.
bool ReadBlockFile(const std::string& path, TEffectParamBlock& block, std::string* error = nullptr);
// Writes through a temporary file and a rename, so that a failure leaves the
// file as it was.
bool WriteBlockFile(const std::string& path, const TEffectParamBlock& block, std::string* error = nullptr);

} // namespace scrubwell::blocktool
