// RunDialogSession: one run of the settings dialog over the host's block.
#pragma once

#include <cstddef>
#include <cstdint>

#include "block/effect_param_block.h"

namespace scrubwell {

// Session result codes.
inline constexpr int32_t kSessionCompleted = 0; // the outcome is in the block's DialogOutcome
inline constexpr int32_t kSessionNoDialog = 260;
inline constexpr int32_t kSessionFailed = 4097;

// Creates both dialogs under parent, loads the block into them, runs the main
// dialog modally and tears everything down again, on every path. hostMemory
// tells whether the host's memory can still be read or written; the dialog
// asks it before it stores into the block.
int32_t RunDialogSession(
    void* parent, TEffectParamBlock* block, bool (*hostMemory)(const void* address, size_t size, bool writable));

} // namespace scrubwell
