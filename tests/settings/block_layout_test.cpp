// Every named field of the block lands on its own bytes, at odd offsets too.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

#include "block/effect_param_block.h"

namespace {

struct FieldCase {
    const char* name;
    size_t offset;
    size_t size;
    std::function<void(TEffectParamBlock&)> write; // writes a value with no zero byte
};

std::vector<FieldCase> Fields()
{
    auto d = [](double& f) { f = -1.2345e-300; };
    return {
        { "BlockHeader[3]", 12, 4, [](TEffectParamBlock& b) { b.BlockHeader[3] = 0x11223344; } },
        { "ChannelCode", 16, 4, [](TEffectParamBlock& b) { b.ChannelCode = 0x11223344; } },
        { "EffectFlags", 20, 4, [](TEffectParamBlock& b) { b.EffectFlags = 0x11223344; } },
        { "WaveFormat.Channels", 26, 2, [](TEffectParamBlock& b) { b.WaveFormat.Channels = 0x1122; } },
        { "WaveFormat.ExtraSize", 40, 2, [](TEffectParamBlock& b) { b.WaveFormat.ExtraSize = 0x1122; } },
        { "LeftOnlyChosen", 42, 2, [](TEffectParamBlock& b) { b.LeftOnlyChosen = 0x1122; } },
        { "RightOnlyChosen", 44, 2, [](TEffectParamBlock& b) { b.RightOnlyChosen = 0x1122; } },
        { "BothChosen", 46, 2, [](TEffectParamBlock& b) { b.BothChosen = 0x1122; } },
        { "PopClickOn", 48, 2, [](TEffectParamBlock& b) { b.PopClickOn = 0x1122; } },
        { "HumOn", 50, 2, [](TEffectParamBlock& b) { b.HumOn = 0x1122; } },
        { "HissOn", 52, 2, [](TEffectParamBlock& b) { b.HissOn = 0x1122; } },
        { "GateOn", 54, 2, [](TEffectParamBlock& b) { b.GateOn = 0x1122; } },
        { "DialogOutcome", 56, 4, [](TEffectParamBlock& b) { b.DialogOutcome = 0x11223344; } },
        { "ClickPresetA1", 590, 4, [](TEffectParamBlock& b) { b.ClickPresetA1 = 0x11223344; } },
        { "ClickPresetA2", 594, 4, [](TEffectParamBlock& b) { b.ClickPresetA2 = 0x11223344; } },
        { "ClickPresetB1", 610, 4, [](TEffectParamBlock& b) { b.ClickPresetB1 = 0x11223344; } },
        { "ClickPresetB2", 614, 4, [](TEffectParamBlock& b) { b.ClickPresetB2 = 0x11223344; } },
        { "ClickPresetC1", 618, 4, [](TEffectParamBlock& b) { b.ClickPresetC1 = 0x11223344; } },
        { "ClickPresetC2", 622, 4, [](TEffectParamBlock& b) { b.ClickPresetC2 = 0x11223344; } },
        { "ClickThreshold", 634, 2, [](TEffectParamBlock& b) { b.ClickThreshold = 0x1122; } },
        { "ClickPresetD", 636, 4, [](TEffectParamBlock& b) { b.ClickPresetD = 0x11223344; } },
        { "EqGainDb[0]", 720, 8,
            [d](TEffectParamBlock& b) {
                double v;
                d(v);
                b.EqGainDb[0] = v;
            } },
        { "EqGainDb[9]", 792, 8,
            [d](TEffectParamBlock& b) {
                double v;
                d(v);
                b.EqGainDb[9] = v;
            } },
        { "EqGain[9]", 872, 8,
            [d](TEffectParamBlock& b) {
                double v;
                d(v);
                b.EqGain[9] = v;
            } },
        { "EqFrequency[9]", 952, 8,
            [d](TEffectParamBlock& b) {
                double v;
                d(v);
                b.EqFrequency[9] = v;
            } },
        { "EqWidth[9]", 1032, 8,
            [d](TEffectParamBlock& b) {
                double v;
                d(v);
                b.EqWidth[9] = v;
            } },
        { "EqBandCount", 2088, 4, [](TEffectParamBlock& b) { b.EqBandCount = 0x11223344; } },
        { "Hum60Hz", 2130, 2, [](TEffectParamBlock& b) { b.Hum60Hz = 0x1122; } },
        { "Hum50Hz", 2132, 2, [](TEffectParamBlock& b) { b.Hum50Hz = 0x1122; } },
        { "HumFrequency", 2144, 8,
            [d](TEffectParamBlock& b) {
                double v;
                d(v);
                b.HumFrequency = v;
            } },
        { "HumWidthOctaves", 2152, 8,
            [d](TEffectParamBlock& b) {
                double v;
                d(v);
                b.HumWidthOctaves = v;
            } },
        { "GateValid", 2408, 2, [](TEffectParamBlock& b) { b.GateValid = 0x1122; } },
        { "GateFrequency[0]", 2430, 8,
            [d](TEffectParamBlock& b) {
                double v;
                d(v);
                b.GateFrequency[0] = v;
            } },
        { "GateFrequency[9]", 2502, 8,
            [d](TEffectParamBlock& b) {
                double v;
                d(v);
                b.GateFrequency[9] = v;
            } },
        { "GateWidth[9]", 2582, 8,
            [d](TEffectParamBlock& b) {
                double v;
                d(v);
                b.GateWidth[9] = v;
            } },
        { "GateBandCount", 4502, 4, [](TEffectParamBlock& b) { b.GateBandCount = 0x11223344; } },
        { "GateThreshold", 4506, 4, [](TEffectParamBlock& b) { b.GateThreshold = 0x11223344; } },
        { "GatePresetA", 4510, 4, [](TEffectParamBlock& b) { b.GatePresetA = 0x11223344; } },
        { "GatePresetB", 4514, 4, [](TEffectParamBlock& b) { b.GatePresetB = 0x11223344; } },
    };
}

TEST(BlockLayout, IsExactly4534Bytes)
{
    EXPECT_EQ(4534u, sizeof(TEffectParamBlock));
}

TEST(BlockLayout, EachFieldWritesExactlyItsOwnBytes)
{
    for (const FieldCase& field : Fields()) {
        // An odd start inside a larger buffer, so no field happens to be aligned.
        alignas(16) unsigned char storage[SCRUBWELL_BLOCK_SIZE + 16];
        std::memset(storage, 0, sizeof storage);
        auto* block = reinterpret_cast<TEffectParamBlock*>(storage + 1);
        field.write(*block);
        const unsigned char* bytes = storage + 1;
        for (size_t i = 0; i < SCRUBWELL_BLOCK_SIZE; ++i) {
            const bool inside = i >= field.offset && i < field.offset + field.size;
            EXPECT_EQ(inside, bytes[i] != 0) << field.name << ": byte " << i;
        }
    }
}

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
