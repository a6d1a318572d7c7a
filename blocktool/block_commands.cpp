#include "blocktool/block_commands.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "block/block_stamp.h"
#include "block/common.h"
#include "block/hisscommon.h"
#include "dialogs/dialog_model.h"
#include "settings/hiss_mapping.h"
#include "settings/number_text.h"

namespace scrubwell::blocktool {
namespace {

std::string RangeError(const char* option, int value, int low, int high)
{
    return std::string(option) + " " + std::to_string(value) + " is outside " + std::to_string(low) + ".."
        + std::to_string(high);
}

std::string Hex(uint32_t value, int digits)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%0*X", digits, static_cast<unsigned>(value));
    return text;
}

std::string JsonNumber(double value)
{
    if (std::isnan(value))
        return "\"NaN\"";
    if (std::isinf(value))
        return value < 0 ? "\"-Infinity\"" : "\"Infinity\"";
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

std::vector<std::string> ToolNames(uint32_t flags)
{
    std::vector<std::string> names;
    if (flags & SCRUBWELL_FLAG_POP_CLICK)
        names.push_back("pop");
    if (flags & SCRUBWELL_FLAG_HUM)
        names.push_back("hum");
    if (flags & SCRUBWELL_FLAG_HISS)
        names.push_back("hiss");
    if (flags & SCRUBWELL_FLAG_GATE)
        names.push_back("gate");
    return names;
}

// A listing that writes text lines or JSON members from one description.
class Listing {
public:
    explicit Listing(bool json)
        : json_(json)
    {
    }

    void Integer(int offset, const char* name, long long value)
    {
        Add(offset, name, std::to_string(value), std::to_string(value));
    }
    void Real(int offset, const char* name, double value) { Add(offset, name, NumberText(value), JsonNumber(value)); }
    void Reals(int offset, const char* name, const double* values)
    {
        std::string text, json = "[";
        for (int i = 0; i < 10; ++i) {
            text += (i ? " " : "") + NumberText(values[i]);
            json += (i ? ", " : "") + JsonNumber(values[i]);
        }
        Add(offset, name, text, json + "]");
    }
    void Raw(int offset, const char* name, const std::string& text, const std::string& json)
    {
        Add(offset, name, text, json);
    }

    std::string Result() const { return json_ ? "{\n" + out_ + "\n}\n" : out_; }

private:
    void Add(int offset, const char* name, const std::string& text, const std::string& json)
    {
        if (json_) {
            out_ += (out_.empty() ? "  \"" : ",\n  \"") + std::string(name) + "\": " + json;
            return;
        }
        char prefix[64];
        if (offset >= 0)
            std::snprintf(prefix, sizeof prefix, "%5d  %-22s ", offset, name);
        else
            std::snprintf(prefix, sizeof prefix, "       %-22s ", name);
        out_ += prefix + text + "\n";
    }

    bool json_;
    std::string out_;
};

std::string JoinText(const std::vector<std::string>& names, const char* separator)
{
    std::string text;
    for (const std::string& name : names)
        text += (text.empty() ? "" : separator) + name;
    return text;
}

std::string JsonStrings(const std::vector<std::string>& names)
{
    std::string json = "[";
    for (size_t i = 0; i < names.size(); ++i)
        json += (i ? ", \"" : "\"") + names[i] + "\"";
    return json + "]";
}

} // namespace

std::string ApplyChoices(TEffectParamBlock& block, const DialogChoices& choices)
{
    const struct {
        const std::optional<int>& value;
        const char* option;
        int high;
    } sliders[] = { { choices.popClick, "--pop-click", 20 }, { choices.humWidth, "--hum-width", 4 },
        { choices.hiss, "--hiss", 100 }, { choices.gate, "--gate", 100 } };
    for (const auto& slider : sliders)
        if (slider.value && (*slider.value < 0 || *slider.value > slider.high))
            return RangeError(slider.option, *slider.value, 0, slider.high);
    if (choices.humHertz && *choices.humHertz != 50 && *choices.humHertz != 60)
        return "--hum takes 50 or 60, not " + std::to_string(*choices.humHertz);
    if (choices.tools)
        for (const std::string& tool : *choices.tools)
            if (tool != "pop" && tool != "hum" && tool != "hiss" && tool != "gate")
                return "--tools takes pop, hum, hiss and gate, not '" + tool + "'";
    if (choices.channels && *choices.channels != "left" && *choices.channels != "right" && *choices.channels != "both")
        return "--channels takes left, right or both, not '" + *choices.channels + "'";
    if (choices.formatChannels && (*choices.formatChannels < 0 || *choices.formatChannels > 65535))
        return RangeError("--format-channels", *choices.formatChannels, 0, 65535);
    TEffectParamBlock result = block;
    if (choices.formatChannels)
        result.WaveFormat.Channels = static_cast<uint16_t>(*choices.formatChannels);
    if (choices.channels && result.WaveFormat.Channels <= 1)
        return "the block's wave format has " + std::to_string(result.WaveFormat.Channels)
            + " channel(s): the dialog offers no channel choice (see --format-channels)";

    const TWaveFormat format = result.WaveFormat;
    StampBlock(result, format);
    MarkNotAccepted(result);
    DialogModel model;
    model.controller.Load(&result);
    // As a user would: the sliders (each checks its tool), the frequency,
    // then the tool boxes and the channel.
    if (choices.popClick)
        model.POPClickTrackBar.SetPosition(*choices.popClick);
    if (choices.humWidth)
        model.HumTrackBar.SetPosition(*choices.humWidth);
    if (choices.hiss)
        model.HissTrackBar.SetPosition(*choices.hiss);
    if (choices.gate)
        model.NoiseThresholdTrackBar.SetPosition(*choices.gate);
    if (choices.humHertz)
        (*choices.humHertz == 60 ? model.HouseCurrentRadioButton : model.MainsPowerRadioButton).SetChecked(true);
    if (choices.tools) {
        auto wanted = [&](const char* tool) {
            return std::find(choices.tools->begin(), choices.tools->end(), tool) != choices.tools->end();
        };
        model.RemovePOPClicksCheckBox.SetChecked(wanted("pop"));
        model.EliminateHumCheckBox.SetChecked(wanted("hum"));
        model.ReduceHissCheckBox.SetChecked(wanted("hiss"));
        model.NoiseReductionCheckBox.SetChecked(wanted("gate"));
    }
    if (choices.channels) {
        const std::string& channel = *choices.channels;
        (channel == "left"           ? model.LeftChannelRadioButton
                : channel == "right" ? model.RightChannelRadioButton
                                     : model.BothChannelsRadioButton)
            .SetChecked(true);
    }
    model.controller.OKButtonClick();
    block = result;
    return "";
}

TEffectParamBlock DefaultBlock()
{
    TEffectParamBlock block;
    std::memset(&block, 0, sizeof block);
    ApplyChoices(block, {});
    return block;
}

std::string Describe(const TEffectParamBlock& b, bool json)
{
    Listing l(json);
    l.Raw(0, "BlockHeader",
        std::to_string(b.BlockHeader[0]) + " " + std::to_string(b.BlockHeader[1]) + " "
            + std::to_string(b.BlockHeader[2]) + " " + std::to_string(b.BlockHeader[3]),
        "[" + std::to_string(b.BlockHeader[0]) + ", " + std::to_string(b.BlockHeader[1]) + ", "
            + std::to_string(b.BlockHeader[2]) + ", " + std::to_string(b.BlockHeader[3]) + "]");
    const char* channelNames[] = { "?", "left", "right", "both" };
    const std::string channel = b.ChannelCode >= 1 && b.ChannelCode <= 3 ? channelNames[b.ChannelCode] : "?";
    l.Raw(16, "ChannelCode", std::to_string(b.ChannelCode) + " (" + channel + ")", std::to_string(b.ChannelCode));
    l.Raw(20, "EffectFlags", Hex(b.EffectFlags, 4) + " (" + JoinText(ToolNames(b.EffectFlags), ", ") + ")",
        std::to_string(b.EffectFlags));
    l.Raw(-1, "EffectFlagsTools", JoinText(ToolNames(b.EffectFlags), ", "), JsonStrings(ToolNames(b.EffectFlags)));
    l.Integer(24, "WaveFormat.FormatTag", b.WaveFormat.FormatTag);
    l.Integer(26, "WaveFormat.Channels", b.WaveFormat.Channels);
    l.Integer(28, "WaveFormat.SamplesPerSec", b.WaveFormat.SamplesPerSec);
    l.Integer(32, "WaveFormat.AvgBytesPerSec", b.WaveFormat.AvgBytesPerSec);
    l.Integer(36, "WaveFormat.BlockAlign", b.WaveFormat.BlockAlign);
    l.Integer(38, "WaveFormat.BitsPerSample", b.WaveFormat.BitsPerSample);
    l.Integer(40, "WaveFormat.ExtraSize", b.WaveFormat.ExtraSize);
    l.Integer(42, "LeftOnlyChosen", b.LeftOnlyChosen);
    l.Integer(44, "RightOnlyChosen", b.RightOnlyChosen);
    l.Integer(46, "BothChosen", b.BothChosen);
    l.Integer(48, "PopClickOn", b.PopClickOn);
    l.Integer(50, "HumOn", b.HumOn);
    l.Integer(52, "HissOn", b.HissOn);
    l.Integer(54, "GateOn", b.GateOn);
    l.Integer(56, "DialogOutcome", b.DialogOutcome);
    l.Integer(590, "ClickPresetA1", b.ClickPresetA1);
    l.Integer(594, "ClickPresetA2", b.ClickPresetA2);
    l.Integer(610, "ClickPresetB1", b.ClickPresetB1);
    l.Integer(614, "ClickPresetB2", b.ClickPresetB2);
    l.Integer(618, "ClickPresetC1", b.ClickPresetC1);
    l.Integer(622, "ClickPresetC2", b.ClickPresetC2);
    l.Integer(634, "ClickThreshold", b.ClickThreshold);
    l.Integer(636, "ClickPresetD", b.ClickPresetD);
    l.Reals(720, "EqGainDb", b.EqGainDb);
    l.Reals(800, "EqGain", b.EqGain);
    l.Reals(880, "EqFrequency", b.EqFrequency);
    l.Reals(960, "EqWidth", b.EqWidth);
    l.Integer(2088, "EqBandCount", b.EqBandCount);
    l.Integer(2130, "Hum60Hz", b.Hum60Hz);
    l.Integer(2132, "Hum50Hz", b.Hum50Hz);
    l.Real(2144, "HumFrequency", b.HumFrequency);
    l.Real(2152, "HumWidthOctaves", b.HumWidthOctaves);
    l.Integer(2408, "GateValid", b.GateValid);
    l.Reals(2430, "GateFrequency", b.GateFrequency);
    l.Reals(2510, "GateWidth", b.GateWidth);
    l.Integer(4502, "GateBandCount", b.GateBandCount);
    l.Integer(4506, "GateThreshold", b.GateThreshold);
    l.Integer(4510, "GatePresetA", b.GatePresetA);
    l.Integer(4514, "GatePresetB", b.GatePresetB);

    // Where the dialog would open.
    TEffectParamBlock copy = b;
    DialogModel model;
    model.controller.Load(&copy);
    std::vector<std::string> tools;
    if (model.RemovePOPClicksCheckBox.Checked())
        tools.push_back("pop");
    if (model.EliminateHumCheckBox.Checked())
        tools.push_back("hum");
    if (model.ReduceHissCheckBox.Checked())
        tools.push_back("hiss");
    if (model.NoiseReductionCheckBox.Checked())
        tools.push_back("gate");
    const std::string opensChannel = model.LeftChannelRadioButton.Checked() ? "left"
        : model.RightChannelRadioButton.Checked()                           ? "right"
        : model.BothChannelsRadioButton.Checked()                           ? "both"
                                                                            : "none";
    const int hum = model.HouseCurrentRadioButton.Checked() ? 60 : 50;
    const std::string positions[]
        = { std::to_string(model.POPClickTrackBar.Position()), std::to_string(model.HumTrackBar.Position()),
              std::to_string(model.HissTrackBar.Position()), std::to_string(model.NoiseThresholdTrackBar.Position()) };
    l.Raw(-1, "opensAt",
        "pop-click " + positions[0] + "/20, hum-width " + positions[1] + "/4 at " + std::to_string(hum) + " Hz, hiss "
            + positions[2] + "/100, gate " + positions[3]
            + "/100; tools: " + (tools.empty() ? "none" : JoinText(tools, ", ")) + "; channels: " + opensChannel,
        "{\"popClick\": " + positions[0] + ", \"humWidth\": " + positions[1] + ", \"hum\": " + std::to_string(hum)
            + ", \"hiss\": " + positions[2] + ", \"gate\": " + positions[3] + ", \"tools\": " + JsonStrings(tools)
            + ", \"channels\": \"" + opensChannel + "\"}");
    return l.Result();
}

Replacements FindReplacements(const TEffectParamBlock& block)
{
    Replacements lines;
    // The block as loaded, and as then stored without a change.
    TEffectParamBlock stored = block;
    DialogModel model;
    model.controller.Load(&stored);
    const TEffectParamBlock afterLoad = stored;
    model.controller.OKButtonClick();

    auto loaded = [&](const std::string& name, const std::string& from, const std::string& to, const std::string& why) {
        lines.byLoad.push_back(name + ": " + from + " " + why + "; the load makes it " + to);
    };
    auto accepted
        = [&](const std::string& name, const std::string& from, const std::string& to, const std::string& why) {
              lines.information.push_back(name + ": " + from + " " + why + "; accepting stores " + to);
          };
    if (afterLoad.ClickThreshold != block.ClickThreshold)
        loaded("ClickThreshold", std::to_string(block.ClickThreshold), std::to_string(afterLoad.ClickThreshold),
            "is outside 1500..3500");
    if (std::memcmp(&afterLoad.HumFrequency, &block.HumFrequency, sizeof(double)) != 0)
        loaded(
            "HumFrequency", NumberText(block.HumFrequency), NumberText(afterLoad.HumFrequency), "is neither 60 nor 50");
    if (std::memcmp(&afterLoad.HumWidthOctaves, &block.HumWidthOctaves, sizeof(double)) != 0)
        loaded("HumWidthOctaves", NumberText(block.HumWidthOctaves), NumberText(afterLoad.HumWidthOctaves),
            std::isnan(block.HumWidthOctaves) ? "is not a number" : "is outside 0.1..0.5");
    const struct {
        const char* name;
        uint16_t before, loaded, after;
    } words[] = { { "LeftOnlyChosen", block.LeftOnlyChosen, afterLoad.LeftOnlyChosen, stored.LeftOnlyChosen },
        { "RightOnlyChosen", block.RightOnlyChosen, afterLoad.RightOnlyChosen, stored.RightOnlyChosen },
        { "BothChosen", block.BothChosen, afterLoad.BothChosen, stored.BothChosen },
        { "PopClickOn", block.PopClickOn, afterLoad.PopClickOn, stored.PopClickOn },
        { "HumOn", block.HumOn, afterLoad.HumOn, stored.HumOn },
        { "HissOn", block.HissOn, afterLoad.HissOn, stored.HissOn },
        { "GateOn", block.GateOn, afterLoad.GateOn, stored.GateOn },
        { "Hum60Hz", block.Hum60Hz, afterLoad.Hum60Hz, stored.Hum60Hz },
        { "Hum50Hz", block.Hum50Hz, afterLoad.Hum50Hz, stored.Hum50Hz } };
    for (const auto& word : words)
        if (word.before > 1)
            accepted(word.name, Hex(word.before, 4), std::to_string(word.after), "is neither 0 nor 1");
        else if (word.loaded == word.before && word.after != word.before)
            accepted(word.name, std::to_string(word.before), std::to_string(word.after),
                "is set beside another button of its group, which the dialog shows chosen");
    // Accepting stores the frequency of the button the dialog shows chosen.
    if (std::memcmp(&afterLoad.HumFrequency, &block.HumFrequency, sizeof(double)) == 0
        && afterLoad.HumFrequency != stored.HumFrequency)
        accepted("HumFrequency", NumberText(afterLoad.HumFrequency), NumberText(stored.HumFrequency),
            "disagrees with the frequency button the dialog shows chosen");
    // A block accepted with no channel button chosen (its words were neither
    // 0 nor 1) holds none, and ChannelCode 3: the load's choice is the same.
    if (afterLoad.BothChosen != block.BothChosen && block.BothChosen <= 1) {
        if (block.ChannelCode == kChannelBoth)
            lines.information.push_back(
                "BothChosen: 0 with no channel chosen; the load makes it 1, as ChannelCode 3 says");
        else
            loaded("BothChosen", std::to_string(block.BothChosen), std::to_string(afterLoad.BothChosen),
                "is 0 with no other channel chosen");
    }
    if (afterLoad.Hum60Hz != block.Hum60Hz && block.Hum60Hz <= 1)
        loaded("Hum60Hz", std::to_string(block.Hum60Hz), std::to_string(afterLoad.Hum60Hz),
            "is 0 with no other frequency chosen");
    // The hiss slider shows band 10 and clamps it; the store derives every band
    // from the slider, so a gain beyond what the slider's top stores is rewritten.
    for (int band = 0; band < 10; ++band) {
        const double gain = block.EqGainDb[band];
        const double lowest = band == kHissTopBand ? HissTopBandGainDb(0)
            : band == kHissSecondBand              ? HissSecondBandGainDb(0)
                                                   : 0.0;
        const std::string name = "EqGainDb[" + std::to_string(band) + "]";
        if (!std::isfinite(gain))
            accepted(name, NumberText(gain), NumberText(stored.EqGainDb[band]), "is not a finite number");
        else if (gain < lowest || gain > 0)
            accepted(name, NumberText(gain), NumberText(stored.EqGainDb[band]),
                lowest == 0 ? "is not 0 dB" : "is outside 0.." + NumberText(lowest) + " dB");
    }
    if (block.GateValid != 0 && (block.GateThreshold < 0 || block.GateThreshold > 100))
        accepted("GateThreshold", std::to_string(block.GateThreshold), std::to_string(stored.GateThreshold),
            "is outside the slider's 0..100");
    return lines;
}

} // namespace scrubwell::blocktool
