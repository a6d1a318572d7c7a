// scrubwell-block: reads, checks and writes Scrubwell parameter blocks without
// the dialog, with the dialog's own load and store code.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "blocktool/block_commands.h"
#include "blocktool/block_file.h"
#include "settings/floating_point_scope.h"

namespace {

using namespace scrubwell::blocktool;

const char kUsage[] = "usage: scrubwell-block COMMAND FILE [OPTIONS]\n"
                      "\n"
                      "Reads, checks and writes the 4534-byte parameter blocks of the Scrubwell\n"
                      "effect, with the settings dialog's own arithmetic.\n"
                      "\n"
                      "commands:\n"
                      "  new FILE [--defaults]   write a new block\n"
                      "  show FILE [--json]      list every field and where the dialog would open\n"
                      "  check FILE              list the values the dialog would replace (exit 1 if any)\n"
                      "  set FILE OPTIONS        apply settings as the dialog's user would, then accept\n"
                      "\n"
                      "scrubwell-block COMMAND --help describes a command.\n";

const std::map<std::string, std::string> kCommandHelp = {
    { "new",
        "usage: scrubwell-block new FILE [--defaults]\n\n"
        "Writes a block as a host allocates it: 4534 zero bytes. With --defaults,\n"
        "the block as the dialog stores a zero block accepted unchanged.\n" },
    { "show",
        "usage: scrubwell-block show FILE [--json]\n\n"
        "Lists every named field with its offset and value, the decoded EffectFlags\n"
        "and ChannelCode, the wave format, and the slider positions, tools and\n"
        "channels the dialog would open with. --json prints one JSON object.\n" },
    { "check",
        "usage: scrubwell-block check FILE\n\n"
        "Lists each value the dialog would replace, with the value it would become:\n"
        "what the load corrects (out of range, not a number, switch words other\n"
        "than 0 and 1, no channel or hum frequency chosen); what the controls\n"
        "cannot show, which accepting then stores as shown (GateThreshold outside\n"
        "0..100; EqGainDb beyond what the hiss slider stores: [9] 0..-40 dB,\n"
        "[8] 0..-10 dB, the others 0; two buttons of one group set; a\n"
        "HumFrequency that disagrees with its button). Values between two slider\n"
        "steps load as they are; fields the dialog writes whatever they hold\n"
        "(EffectFlags, ChannelCode, the presets, EqGain, the band tables) are not\n"
        "listed. Exit status 0 when there is nothing to list, 1 when there is.\n" },
    { "set",
        "usage: scrubwell-block set FILE [--pop-click 0..20] [--hum-width 0..4] [--hum 50|60]\n"
        "                               [--hiss 0..100] [--gate 0..100]\n"
        "                               [--tools pop,hum,hiss,gate] [--channels left|right|both]\n"
        "                               [--format-channels N]\n\n"
        "Loads the block as the dialog does, sets the slider positions (0 is the top,\n"
        "\"More\"), the hum frequency, exactly the listed tools (--tools \"\" for none)\n"
        "and the channels, and stores it as \"Start Processing\" does: the same bytes.\n"
        "As in the dialog, moving a slider or choosing the other hum frequency\n"
        "switches its tool on; a slider set to the position the block already\n"
        "opens at (see show), or the frequency already chosen, changes nothing (on\n"
        "a zero block: --pop-click 10, --hum-width 4, --hum 60, --hiss 100,\n"
        "--gate 50). --tools has the last word. --format-channels stands for the\n"
        "channel count of the wave format a host passes (the block's own is used\n"
        "otherwise): the channel choice exists only for two or more.\n" },
};

int Fail(const std::string& message)
{
    std::fprintf(stderr, "scrubwell-block: %s\n", message.c_str());
    return 2;
}

bool ParseInt(const std::string& text, int& value)
{
    char* end = nullptr;
    const long parsed = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || parsed < -1000000 || parsed > 1000000)
        return false;
    value = static_cast<int>(parsed);
    return true;
}

std::vector<std::string> SplitList(const std::string& text)
{
    std::vector<std::string> items;
    size_t start = 0;
    while (start <= text.size() && !text.empty()) {
        const size_t comma = text.find(',', start);
        items.push_back(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    return items;
}

int Run(const std::vector<std::string>& args)
{
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        std::fputs(kUsage, args.empty() ? stderr : stdout);
        return args.empty() ? 2 : 0;
    }
    const std::string& command = args[0];
    const auto help = kCommandHelp.find(command);
    if (help == kCommandHelp.end())
        return Fail("unknown command '" + command + "' (see --help)");
    for (const std::string& arg : args)
        if (arg == "--help" || arg == "-h") {
            std::fputs(help->second.c_str(), stdout);
            return 0;
        }
    if (args.size() < 2 || args[1].rfind("--", 0) == 0)
        return Fail(command + " needs a FILE (see " + command + " --help)");
    const std::string& path = args[1];
    std::vector<std::string> options(args.begin() + 2, args.end());
    std::string error;

    if (command == "new") {
        if (options.size() > 1 || (options.size() == 1 && options[0] != "--defaults"))
            return Fail("new takes only --defaults, not '" + options.back() + "'");
        TEffectParamBlock block;
        std::memset(&block, 0, sizeof block);
        if (!options.empty())
            block = DefaultBlock();
        return WriteBlockFile(path, block, &error) ? 0 : Fail(error);
    }

    TEffectParamBlock block;
    if (command == "show") {
        if (options.size() > 1 || (options.size() == 1 && options[0] != "--json"))
            return Fail("show takes only --json, not '" + options.back() + "'");
        if (!ReadBlockFile(path, block, &error))
            return Fail(error);
        std::fputs(Describe(block, !options.empty()).c_str(), stdout);
        return 0;
    }
    if (command == "check") {
        if (!options.empty())
            return Fail("check takes no options, not '" + options[0] + "'");
        if (!ReadBlockFile(path, block, &error))
            return Fail(error);
        const auto lines = Replacements(block);
        for (const std::string& line : lines)
            std::printf("%s\n", line.c_str());
        if (lines.empty())
            std::printf("%s: the dialog would load every value as it is\n", path.c_str());
        return lines.empty() ? 0 : 1;
    }

    // set
    DialogChoices choices;
    for (size_t i = 0; i < options.size(); ++i) {
        const std::string& option = options[i];
        if (i + 1 >= options.size())
            return Fail(option.rfind("--", 0) == 0 ? option + " needs a value" : "unexpected '" + option + "'");
        const std::string& value = options[++i];
        int number = 0;
        std::optional<int>* slot = option == "--pop-click" ? &choices.popClick
            : option == "--hum-width"                      ? &choices.humWidth
            : option == "--hum"                            ? &choices.humHertz
            : option == "--hiss"                           ? &choices.hiss
            : option == "--gate"                           ? &choices.gate
            : option == "--format-channels"                ? &choices.formatChannels
                                                           : nullptr;
        if (slot) {
            if (!ParseInt(value, number))
                return Fail(option + " takes a whole number, not '" + value + "'");
            *slot = number;
        } else if (option == "--tools") {
            choices.tools = SplitList(value);
        } else if (option == "--channels") {
            choices.channels = value;
        } else {
            return Fail("unknown option '" + option + "' (see set --help)");
        }
    }
    if (!ReadBlockFile(path, block, &error))
        return Fail(error);
    error = ApplyChoices(block, choices);
    if (!error.empty())
        return Fail(error);
    return WriteBlockFile(path, block, &error) ? 0 : Fail(error);
}

} // namespace

int main(int argc, char** argv)
{
    scrubwell::FloatingPointScope floatingPoint;
    try {
        return Run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::exception& failure) {
        return Fail(failure.what());
    }
}
