// What scrubwell-block does to parameter blocks, apart from files and the
// command line: the dialog's own load and store code on its window-less model.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "block/effect_param_block.h"

namespace scrubwell::blocktool {

// What a user sets in the dialog before pressing "Start Processing"; what is
// not given stays as the dialog opens it.
struct DialogChoices {
    std::optional<int> popClick; // slider position 0..20
    std::optional<int> humWidth; // 0..4
    std::optional<int> humHertz; // 50 or 60
    std::optional<int> hiss; // 0..100
    std::optional<int> gate; // 0..100
    std::optional<std::vector<std::string>> tools; // pop, hum, hiss, gate: exactly these checked
    std::optional<std::string> channels; // left, right, both
    std::optional<int> formatChannels; // the call's wave format channel count, 0..65535
};

// Stamps the block as a ShowEffectDialog call does (keeping its wave format),
// loads it into the model, applies the choices as the user would and accepts.
// Returns an error message, or "" when applied.
std::string ApplyChoices(TEffectParamBlock& block, const DialogChoices& choices);

// The block as the dialog stores a zero block accepted unchanged, but with
// the block's own wave format (zeros) where the dialog copies the host's.
TEffectParamBlock DefaultBlock();

// Every named field with its offset and value, and the slider positions the
// dialog would open at; as text or as one JSON object.
std::string Describe(const TEffectParamBlock& block, bool json);

// What the dialog would change in the block, one line per value.
struct Replacements {
    // What loading the block writes over: the load keeps these, whether or not the user accepts.
    std::vector<std::string> byLoad;
    // What else the dialog would write: what the controls cannot show as it
    // is, which accepting unchanged stores as shown, and a choice the load
    // fills in that the block already records elsewhere.
    std::vector<std::string> information;
};
Replacements FindReplacements(const TEffectParamBlock& block);

} // namespace scrubwell::blocktool
