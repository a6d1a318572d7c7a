// What a session must leave in a block, written from the block's contract
// independently of the dialog's code: the load-time corrections, and the
// invariants of an accepted block.
#pragma once

#include <string>

#include "block/effect_param_block.h"

// The block after the entry stamps and the load, before any store.
TEffectParamBlock ExpectedAfterLoad(TEffectParamBlock block, const TWaveFormat& format);

// Compares a cancelled session's block with ExpectedAfterLoad; empty when equal,
// else a description of the first difference.
std::string CompareCancelled(const TEffectParamBlock& expected, const TEffectParamBlock& actual);

// Checks an accepted session's block: every field the store does not write as
// ExpectedAfterLoad has it, and the stored fields hold the invariants of an
// accepted block. Empty when all hold.
std::string CheckAccepted(const TEffectParamBlock& expected, const TEffectParamBlock& actual);

// The block's bytes in hexadecimal, for failure reports.
std::string HexDump(const TEffectParamBlock& block);
