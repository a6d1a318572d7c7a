#include "host/block_text.h"

#include <cstdio>

#include "settings/number_text.h"

namespace {

class Listing {
public:
    void Line(int offset, const char* name, const std::string& value)
    {
        char prefix[64];
        std::snprintf(prefix, sizeof prefix, "%5d  %-18s ", offset, name);
        text_ += prefix + value + "\r\n";
    }
    void Integer(int offset, const char* name, long long value) { Line(offset, name, std::to_string(value)); }
    void Real(int offset, const char* name, double value) { Line(offset, name, scrubwell::NumberText(value)); }
    void Reals(int offset, const char* name, const double* values)
    {
        std::string list;
        for (int i = 0; i < 10; ++i)
            list += (i ? " " : "") + scrubwell::NumberText(values[i]);
        Line(offset, name, list);
    }
    std::string text_;
};

} // namespace

std::string DescribeBlock(const TEffectParamBlock& b)
{
    Listing l;
    l.Line(0, "BlockHeader",
        std::to_string(b.BlockHeader[0]) + " " + std::to_string(b.BlockHeader[1]) + " "
            + std::to_string(b.BlockHeader[2]) + " " + std::to_string(b.BlockHeader[3]));
    l.Integer(16, "ChannelCode", b.ChannelCode);
    char flags[16];
    std::snprintf(flags, sizeof flags, "0x%04X", static_cast<unsigned>(b.EffectFlags));
    l.Line(20, "EffectFlags", flags);
    l.Integer(26, "WaveFormat.Channels", b.WaveFormat.Channels);
    l.Integer(42, "LeftOnlyChosen", b.LeftOnlyChosen);
    l.Integer(44, "RightOnlyChosen", b.RightOnlyChosen);
    l.Integer(46, "BothChosen", b.BothChosen);
    l.Integer(48, "PopClickOn", b.PopClickOn);
    l.Integer(50, "HumOn", b.HumOn);
    l.Integer(52, "HissOn", b.HissOn);
    l.Integer(54, "GateOn", b.GateOn);
    l.Integer(56, "DialogOutcome", b.DialogOutcome);
    l.Integer(634, "ClickThreshold", b.ClickThreshold);
    l.Reals(720, "EqGainDb", b.EqGainDb);
    l.Reals(800, "EqGain", b.EqGain);
    l.Integer(2088, "EqBandCount", b.EqBandCount);
    l.Integer(2130, "Hum60Hz", b.Hum60Hz);
    l.Integer(2132, "Hum50Hz", b.Hum50Hz);
    l.Real(2144, "HumFrequency", b.HumFrequency);
    l.Real(2152, "HumWidthOctaves", b.HumWidthOctaves);
    l.Integer(2408, "GateValid", b.GateValid);
    l.Integer(4502, "GateBandCount", b.GateBandCount);
    l.Integer(4506, "GateThreshold", b.GateThreshold);
    l.Integer(4510, "GatePresetA", b.GatePresetA);
    l.Integer(4514, "GatePresetB", b.GatePresetB);
    return l.text_;
}
