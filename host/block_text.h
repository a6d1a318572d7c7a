// A readable listing of a parameter block's named fields.
#pragma once

#include <string>

#include "block/effect_param_block.h"

std::string DescribeBlock(const TEffectParamBlock& block);
