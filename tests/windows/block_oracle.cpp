#include "tests/windows/block_oracle.h"

#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

const double kBands[10] = { 31, 62, 125, 250, 500, 1000, 2000, 4000, 8000, 16000 };

bool LowByte(uint16_t word)
{
    return (word & 0xFF) != 0;
}

bool SameGain(double expected, double actual)
{
    if (std::isnan(expected) || std::isnan(actual))
        return std::isnan(expected) && std::isnan(actual);
    if (expected == actual)
        return true;
    return std::fabs(expected - actual) <= 4e-16 * std::fabs(expected);
}

double Linear(double db)
{
    return static_cast<double>(std::pow(10.0L, static_cast<long double>(db) / 20.0L));
}

struct Span {
    size_t offset, size;
};

// The fields a store writes.
const Span kStored[] = {
    { 16, 8 }, // ChannelCode, EffectFlags
    { 42, 14 }, // the seven switches
    { 56, 4 }, // DialogOutcome
    { 634, 2 }, // ClickThreshold
    { 720, 160 }, // EqGainDb, EqGain
    { 2088, 4 }, // EqBandCount
    { 2130, 4 }, // Hum60Hz, Hum50Hz
    { 2144, 16 }, // HumFrequency, HumWidthOctaves
    { 2408, 2 }, // GateValid
    { 4506, 12 }, // GateThreshold, GatePresetA, GatePresetB
};

bool Stored(size_t offset)
{
    for (const Span& span : kStored)
        if (offset >= span.offset && offset < span.offset + span.size)
            return true;
    return false;
}

std::string Difference(const char* what, size_t offset, int expected, int actual)
{
    char text[160];
    std::snprintf(text, sizeof text, "%s: byte %zu is 0x%02X, expected 0x%02X", what, offset, actual, expected);
    return text;
}

// One of -scale * k / 100 for k = 0 .. steps, as the nearest doubles.
bool OnGrid(double value, double scale, int steps)
{
    for (int k = 0; k <= steps; ++k)
        if (value == -(scale * k) / 100.0)
            return true;
    return false;
}

} // namespace

TEffectParamBlock ExpectedAfterLoad(TEffectParamBlock b, const TWaveFormat& format)
{
    const int32_t header[4] = { 1, 0, 2, 0 };
    std::memcpy(b.BlockHeader, header, sizeof header);
    std::memcpy(&b.WaveFormat, &format, sizeof format);
    b.DialogOutcome = 2;
    if (!LowByte(b.LeftOnlyChosen) && !LowByte(b.RightOnlyChosen) && !LowByte(b.BothChosen))
        b.BothChosen = 1;
    b.EffectFlags = 0;
    b.ClickPresetA1 = b.ClickPresetA2 = b.ClickPresetD = 5;
    b.ClickPresetB1 = b.ClickPresetB2 = 4;
    b.ClickPresetC1 = b.ClickPresetC2 = 10;
    if (b.ClickThreshold < 1500 || b.ClickThreshold > 3500)
        b.ClickThreshold = 2500;
    if (!(b.HumFrequency == 60.0 || b.HumFrequency == 50.0))
        b.HumFrequency = 50.0;
    const long double width = b.HumWidthOctaves;
    if (std::isnan(width) || width < 0.1L || width > 0.5L)
        b.HumWidthOctaves = 0.1;
    if (!LowByte(b.Hum60Hz) && !LowByte(b.Hum50Hz))
        b.Hum60Hz = 1;
    for (int i = 0; i < 10; ++i) {
        b.EqGain[i] = Linear(b.EqGainDb[i]);
        b.EqFrequency[i] = b.EqWidth[i] = kBands[i];
    }
    b.EqBandCount = 10;
    if (b.GateValid == 0) {
        for (int i = 0; i < 10; ++i)
            b.GateFrequency[i] = b.GateWidth[i] = kBands[i];
        b.GateBandCount = 10;
    }
    return b;
}

std::string CompareCancelled(const TEffectParamBlock& expected, const TEffectParamBlock& actual)
{
    const auto* e = reinterpret_cast<const unsigned char*>(&expected);
    const auto* a = reinterpret_cast<const unsigned char*>(&actual);
    for (size_t i = 0; i < sizeof expected; ++i) {
        if (i >= offsetof(TEffectParamBlock, EqGain) && i < offsetof(TEffectParamBlock, EqFrequency))
            continue;
        if (e[i] != a[i])
            return Difference("cancelled", i, e[i], a[i]);
    }
    for (int band = 0; band < 10; ++band)
        if (!SameGain(expected.EqGain[band], actual.EqGain[band]))
            return "cancelled: EqGain[" + std::to_string(band) + "] is not 10^(EqGainDb/20)";
    return "";
}

std::string CheckAccepted(const TEffectParamBlock& expected, const TEffectParamBlock& b)
{
    const auto* e = reinterpret_cast<const unsigned char*>(&expected);
    const auto* a = reinterpret_cast<const unsigned char*>(&b);
    for (size_t i = 0; i < sizeof b; ++i)
        if (!Stored(i) && e[i] != a[i])
            return Difference("accepted, not a stored field", i, e[i], a[i]);

    const uint16_t switches[7]
        = { b.LeftOnlyChosen, b.RightOnlyChosen, b.BothChosen, b.PopClickOn, b.HumOn, b.HissOn, b.GateOn };
    for (uint16_t word : switches)
        if (word > 1)
            return "a switch word holds " + std::to_string(word);
    if (b.LeftOnlyChosen + b.RightOnlyChosen + b.BothChosen > 1)
        return "more than one channel chosen";
    const int32_t channel = b.LeftOnlyChosen == 1 ? 1 : b.RightOnlyChosen == 1 ? 2 : 3;
    if (b.ChannelCode != channel)
        return "ChannelCode " + std::to_string(b.ChannelCode) + " disagrees with the channel words";
    const uint32_t flags
        = (b.HissOn ? 0x0001u : 0) | (b.HumOn ? 0x0010u : 0) | (b.PopClickOn ? 0x0100u : 0) | (b.GateOn ? 0x1000u : 0);
    if (b.EffectFlags != flags)
        return "EffectFlags disagree with the tool words";
    if (b.Hum60Hz + b.Hum50Hz != 1)
        return "not exactly one hum frequency word set";
    if (b.HumFrequency != (b.Hum60Hz == 1 ? 60.0 : 50.0))
        return "HumFrequency disagrees with the hum words";
    if (b.ClickThreshold < 1500 || b.ClickThreshold > 3500 || b.ClickThreshold % 100 != 0)
        return "ClickThreshold " + std::to_string(b.ClickThreshold) + " is off the grid";
    const double widths[] = { 0.1, 0.2, 0.3, 0.4, 0.5 };
    bool widthOnGrid = false;
    for (double w : widths)
        widthOnGrid |= b.HumWidthOctaves == w;
    if (!widthOnGrid)
        return "HumWidthOctaves is off the grid";
    for (int band = 0; band < 8; ++band)
        if (b.EqGainDb[band] != 0.0 || std::signbit(b.EqGainDb[band]))
            return "a lower band's gain is not +0.0";
    if (!OnGrid(b.EqGainDb[8], 20, 50) || !OnGrid(b.EqGainDb[9], 40, 100))
        return "a top band's gain is off the grid";
    for (int band = 0; band < 10; ++band)
        if (!SameGain(Linear(b.EqGainDb[band]), b.EqGain[band]))
            return "EqGain[" + std::to_string(band) + "] is not 10^(EqGainDb/20)";
    if (b.EqBandCount != 10 || b.GateValid != 1 || b.GatePresetA != 5 || b.GatePresetB != 8)
        return "the fixed fields of an accepted block are off";
    if (b.GateThreshold < 0 || b.GateThreshold > 100)
        return "GateThreshold " + std::to_string(b.GateThreshold) + " is outside the slider";
    if (b.DialogOutcome != 1)
        return "DialogOutcome is not 1";
    return "";
}

std::string HexDump(const TEffectParamBlock& block)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(&block);
    std::string text;
    char line[8];
    for (size_t i = 0; i < sizeof block; ++i) {
        std::snprintf(line, sizeof line, "%02X%s", bytes[i], (i % 32 == 31) ? "\n" : " ");
        text += line;
    }
    return text;
}
