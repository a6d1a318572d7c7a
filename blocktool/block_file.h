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
// Writes through a temporary file beside it and a rename, so that a failure
// leaves the file as it was. A file that exists keeps its mode (and owner,
// where the process may set it); through a symbolic link its target is
// written. A file the user cannot write, or that is read-only, is refused.
// Errors name path and the system's reason.
bool WriteBlockFile(const std::string& path, const TEffectParamBlock& block, std::string* error = nullptr);

} // namespace scrubwell::blocktool
