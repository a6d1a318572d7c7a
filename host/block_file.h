// Reading and writing a parameter block kept in a file.
#pragma once

#include <string>

#include "block/effect_param_block.h"

// Loads the block; a missing file or one of the wrong size gives a zero block and false.
bool LoadBlockFile(const std::string& path, TEffectParamBlock& block);
bool SaveBlockFile(const std::string& path, const TEffectParamBlock& block);
bool WriteTextFile(const std::string& path, const std::string& text);
