// The block's size and every field's offset are checked where the record is
// declared, at compile time; what is left is the byte order.
#include <gtest/gtest.h>

#include "block/effect_param_block.h"

namespace {

TEST(BlockLayout, FieldsAreLittleEndian)
{
    TEffectParamBlock block {};
    block.ClickThreshold = 2500;
    block.GateThreshold = -5;
    const auto* bytes = reinterpret_cast<const unsigned char*>(&block);
    EXPECT_EQ(0xC4, bytes[634]);
    EXPECT_EQ(0x09, bytes[635]);
    EXPECT_EQ(0xFB, bytes[4506]);
    EXPECT_EQ(0xFF, bytes[4509]);
}

} // namespace
