/*
 * TEffectParamBlock: the effect's parameter block.
 *
 * The host allocates the block (4534 bytes), keeps it between calls and hands
 * it to ShowEffectDialog and afterwards to the processing engine. The record is
 * packed: several fields start at odd offsets, so they must be accessed through
 * this record's members (which the compiler reads byte-wise), never through a
 * pointer to a member. Integers are little-endian, reals IEEE 754 doubles.
 * Reserved spans belong to the host and the engine; the dialog never touches them.
 *
 * This header is plain C (C89 on) as well as C++ (C++98 on), so that every
 * host can include it.
 */
#ifndef SCRUBWELL_EFFECT_PARAM_BLOCK_H
#define SCRUBWELL_EFFECT_PARAM_BLOCK_H

#include <stddef.h>
#include <stdint.h>

#pragma pack(push, 1)

/* The audio's wave format, laid out as the Windows WAVEFORMATEX record. */
typedef struct TWaveFormat {
    uint16_t FormatTag;
    uint16_t Channels; /* the only member the dialog reads: above 1 means stereo */
    uint32_t SamplesPerSec;
    uint32_t AvgBytesPerSec;
    uint16_t BlockAlign;
    uint16_t BitsPerSample;
    uint16_t ExtraSize;
} TWaveFormat;

/* On/off words ("switches") hold 0 or 1 when the dialog writes them. */
typedef struct TEffectParamBlock {
    int32_t BlockHeader[4]; /*    0  stamped 1, 0, 2, 0 on every call */
    int32_t ChannelCode; /*   16  1 left, 2 right, 3 both */
    uint32_t EffectFlags; /*   20  SCRUBWELL_FLAG_* of the chosen tools */
    TWaveFormat WaveFormat; /*   24  copy of the call's wave format */
    uint16_t LeftOnlyChosen; /*   42 */
    uint16_t RightOnlyChosen; /*   44 */
    uint16_t BothChosen; /*   46 */
    uint16_t PopClickOn; /*   48 */
    uint16_t HumOn; /*   50 */
    uint16_t HissOn; /*   52 */
    uint16_t GateOn; /*   54 */
    int32_t DialogOutcome; /*   56  0 none yet, 1 accepted, 2 not accepted */
    uint8_t Reserved60[530];
    int32_t ClickPresetA1; /*  590  written 5 at every load */
    int32_t ClickPresetA2; /*  594  written 5 at every load */
    uint8_t Reserved598[12];
    int32_t ClickPresetB1; /*  610  written 4 at every load */
    int32_t ClickPresetB2; /*  614  written 4 at every load */
    int32_t ClickPresetC1; /*  618  written 10 at every load */
    int32_t ClickPresetC2; /*  622  written 10 at every load */
    uint8_t Reserved626[8];
    int16_t ClickThreshold; /*  634  1500..3500, lower removes more */
    int32_t ClickPresetD; /*  636  written 5 at every load */
    uint8_t Reserved640[80];
    double EqGainDb[10]; /*  720  band gains in dB, band 0 lowest */
    double EqGain[10]; /*  800  10^(EqGainDb/20) */
    double EqFrequency[10]; /*  880  band centre frequencies in Hz */
    double EqWidth[10]; /*  960  band widths in Hz */
    uint8_t Reserved1040[1048];
    int32_t EqBandCount; /* 2088  10 */
    uint8_t Reserved2092[38];
    uint16_t Hum60Hz; /* 2130 */
    uint16_t Hum50Hz; /* 2132 */
    uint8_t Reserved2134[10];
    double HumFrequency; /* 2144  60.0 or 50.0 */
    double HumWidthOctaves; /* 2152  0.1..0.5 */
    uint8_t Reserved2160[248];
    uint16_t GateValid; /* 2408  non-zero once a gate setting is stored */
    uint8_t Reserved2410[20];
    double GateFrequency[10]; /* 2430 */
    double GateWidth[10]; /* 2510 */
    uint8_t Reserved2590[1912];
    int32_t GateBandCount; /* 4502  10 */
    int32_t GateThreshold; /* 4506  gate slider position 0..100 */
    int32_t GatePresetA; /* 4510  written 5 at every store */
    int32_t GatePresetB; /* 4514  written 8 at every store */
    uint8_t Reserved4518[16];
} TEffectParamBlock;

#pragma pack(pop)

#define SCRUBWELL_BLOCK_SIZE 4534

/* EffectFlags: one bit per chosen tool. */
#define SCRUBWELL_FLAG_HISS 0x0001u
#define SCRUBWELL_FLAG_HUM 0x0010u
#define SCRUBWELL_FLAG_POP_CLICK 0x0100u
#define SCRUBWELL_FLAG_GATE 0x1000u

/*
 * Layout checks that hold in every C and C++ dialect: an array whose size is
 * -1, and so a compile error, when the condition is false.
 */
#define SCRUBWELL_STATIC_ASSERT(condition, name) typedef char scrubwell_layout_##name[(condition) ? 1 : -1]

SCRUBWELL_STATIC_ASSERT(sizeof(TWaveFormat) == 18, WaveFormatSize);
SCRUBWELL_STATIC_ASSERT(offsetof(TWaveFormat, Channels) == 2, WaveFormatChannels);
SCRUBWELL_STATIC_ASSERT(offsetof(TWaveFormat, ExtraSize) == 16, WaveFormatExtraSize);
SCRUBWELL_STATIC_ASSERT(sizeof(TEffectParamBlock) == SCRUBWELL_BLOCK_SIZE, BlockSize);
SCRUBWELL_STATIC_ASSERT(offsetof(TEffectParamBlock, ChannelCode) == 16, ChannelCode);
SCRUBWELL_STATIC_ASSERT(offsetof(TEffectParamBlock, EffectFlags) == 20, EffectFlags);
SCRUBWELL_STATIC_ASSERT(offsetof(TEffectParamBlock, WaveFormat) == 24, WaveFormat);
SCRUBWELL_STATIC_ASSERT(offsetof(TEffectParamBlock, LeftOnlyChosen) == 42, LeftOnlyChosen);
SCRUBWELL_STATIC_ASSERT(offsetof(TEffectParamBlock, RightOnlyChosen) == 44, RightOnlyChosen);
SCRUBWELL_STATIC_ASSERT(offsetof(TEffectParamBlock, BothChosen) == 46, BothChosen);
SCRUBWELL_STATIC_ASSERT(offsetof(TEffectParamBlock, PopClickOn) == 48, PopClickOn);
SCRUBWELL_STATIC_ASSERT(offsetof(TEffectParamBlock, HumOn) == 50, HumOn);
SCRUBWELL_STATIC_ASSERT(offsetof(TEffectParamBlock, HissOn) == 52, HissOn);
SCRUBWELL_STATIC_ASSERT(offsetof(TEffectParamBlock, GateOn) == 54, GateOn);
SCRUBWELL_STATIC_ASSERT(offsetof(TEffectParamBlock, DialogOutcome) == 56, DialogOutcome);
SCRUBWELL_STATIC_ASSERT(offsetof(TEffectParamBlock, ClickPresetA1) == 590, ClickPresetA1);
SCRUBWELL_STATIC_ASSERT(offsetof(TEffectParamBlock, ClickPresetA2) == 594, ClickPresetA2);
SCRUBWELL_STATIC_ASSERT(offsetof(TEffectParamBlock, ClickPresetB1) == 610, ClickPresetB1);
SCRUBWELL_STATIC_ASSERT(offsetof(TEffectParamBlock, ClickPresetB2) == 614, ClickPresetB2);
SCRUBWELL_STATIC_ASSERT(offsetof(TEffectParamBlock, ClickPresetC1) == 618, ClickPresetC1);
SCRUBWELL_STATIC_ASSERT(offsetof(TEffectParamBlock, ClickPresetC2) == 622, ClickPresetC2);
SCRUBWELL_STATIC_ASSERT(offsetof(TEffectParamBlock, ClickThreshold) == 634, ClickThreshold);
SCRUBWELL_STATIC_ASSERT(offsetof(TEffectParamBlock, ClickPresetD) == 636, ClickPresetD);
SCRUBWELL_STATIC_ASSERT(offsetof(TEffectParamBlock, EqGainDb) == 720, EqGainDb);
SCRUBWELL_STATIC_ASSERT(offsetof(TEffectParamBlock, EqGain) == 800, EqGain);
SCRUBWELL_STATIC_ASSERT(offsetof(TEffectParamBlock, EqFrequency) == 880, EqFrequency);
SCRUBWELL_STATIC_ASSERT(offsetof(TEffectParamBlock, EqWidth) == 960, EqWidth);
SCRUBWELL_STATIC_ASSERT(offsetof(TEffectParamBlock, EqBandCount) == 2088, EqBandCount);
SCRUBWELL_STATIC_ASSERT(offsetof(TEffectParamBlock, Hum60Hz) == 2130, Hum60Hz);
SCRUBWELL_STATIC_ASSERT(offsetof(TEffectParamBlock, Hum50Hz) == 2132, Hum50Hz);
SCRUBWELL_STATIC_ASSERT(offsetof(TEffectParamBlock, HumFrequency) == 2144, HumFrequency);
SCRUBWELL_STATIC_ASSERT(offsetof(TEffectParamBlock, HumWidthOctaves) == 2152, HumWidthOctaves);
SCRUBWELL_STATIC_ASSERT(offsetof(TEffectParamBlock, GateValid) == 2408, GateValid);
SCRUBWELL_STATIC_ASSERT(offsetof(TEffectParamBlock, GateFrequency) == 2430, GateFrequency);
SCRUBWELL_STATIC_ASSERT(offsetof(TEffectParamBlock, GateWidth) == 2510, GateWidth);
SCRUBWELL_STATIC_ASSERT(offsetof(TEffectParamBlock, GateBandCount) == 4502, GateBandCount);
SCRUBWELL_STATIC_ASSERT(offsetof(TEffectParamBlock, GateThreshold) == 4506, GateThreshold);
SCRUBWELL_STATIC_ASSERT(offsetof(TEffectParamBlock, GatePresetA) == 4510, GatePresetA);
SCRUBWELL_STATIC_ASSERT(offsetof(TEffectParamBlock, GatePresetB) == 4514, GatePresetB);

#undef SCRUBWELL_STATIC_ASSERT

#endif
