// scrubwell-block: reads, checks and writes Scrubwell parameter blocks without
// the dialog, with the dialog's own load and store code.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "blocktool/block_commands.h"
#include "blocktool/block_file.h"
#include "contract/scrubwell_effect.h"
#include "settings/floating_point_scope.h"

namespace {

using namespace scrubwell::blocktool;

const char kUsage[] = "usage: scrubwell-block COMMAND FILE [OPTIONS]\n"
                      "\n"
                      "Reads, checks and writes the 4534-byte parameter blocks of the Scrubwell\n"
                      "effect, with the settings dialog's own arithmetic.\n"
                      "\n"
                      "commands:\n"
                      "  new FILE [--defaults] [--force]  write a new block\n"
                      "  show FILE [--json]      list every field and where the dialog would open\n"
                      "  check FILE              list what loading the block would replace (exit 1 if any)\n"
                      "                          and what accepting it unchanged would rewrite\n"
                      "  set FILE OPTIONS        apply settings as the dialog's user would, then accept\n"
                      "\n"
                      "scrubwell-block COMMAND --help describes a command; --version gives the version.\n";

const std::map<std::string, std::string> kCommandHelp = {
    { "new",
        "usage: scrubwell-block new FILE [--defaults] [--force]\n\n"
        "Writes a block as a host allocates it: 4534 zero bytes. With --defaults,\n"
        "the block as the dialog stores a zero block accepted unchanged, except the\n"
        "18 bytes of WaveFormat (offset 24): the dialog copies the host's format\n"
        "there, the tool leaves them zero (set --format-channels sets the channel\n"
        "count). An existing FILE is replaced only with --force, and keeps its mode.\n" },
    { "show",
        "usage: scrubwell-block show FILE [--json]\n\n"
        "Lists every named field with its offset and value, the decoded EffectFlags\n"
        "and ChannelCode, the wave format, and the slider positions, tools and\n"
        "channels the dialog would open with. --json prints one JSON object.\n" },
    { "check",
        "usage: scrubwell-block check FILE\n\n"
        "Lists each value the dialog would change, with the value it would become,\n"
        "in two groups. What loading the block replaces, which stays whether or\n"
        "not the user accepts (out of range, not a number, no channel or hum\n"
        "frequency chosen). For information, what else the dialog would write:\n"
        "what the controls cannot show, which accepting the block unchanged\n"
        "stores as shown, while loading it keeps it (switch words other than 0\n"
        "and 1; two buttons of one group set; a HumFrequency that disagrees with\n"
        "its button; GateThreshold outside 0..100; EqGainDb beyond what the hiss\n"
        "slider stores: [9] 0..-40 dB, [8] 0..-10 dB, the others 0), and no\n"
        "channel chosen in a block whose ChannelCode already says both.\n"
        "Values between two slider steps load as they are; fields the dialog\n"
        "writes whatever they hold (EffectFlags, ChannelCode, the presets, EqGain,\n"
        "the band tables) are not listed. Exit status 1 when loading replaces\n"
        "anything, else 0: every block the dialog leaves loads as it is.\n" },
    { "set",
        "usage: scrubwell-block set FILE [--pop-click 0..20] [--hum-width 0..4] [--hum 50|60 (mains Hz)]\n"
        "                               [--hiss 0..100] [--gate 0..100]\n"
        "                               [--tools pop,hum,hiss,gate] [--channels left|right|both]\n"
        "                               [--format-channels N]\n\n"
        "Loads the block as the dialog does, sets the slider positions (0 is the top,\n"
        "\"More\"), the hum frequency (the mains frequency whose hum is removed:\n"
        "50 Hz in Europe and Asia, 60 Hz in North America), exactly the listed tools (--tools \"\" for none)\n"
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
    if (args[0] == "--version") {
        std::printf("scrubwell-block %s\n", SCRUBWELL_VERSION_STRING);
        return 0;
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
        bool defaults = false, force = false;
        for (const std::string& option : options)
            if (option == "--defaults")
                defaults = true;
            else if (option == "--force")
                force = true;
            else
                return Fail("new takes --defaults and --force, not '" + option + "'");
        std::error_code ignored;
        if (!force && std::filesystem::exists(std::filesystem::symlink_status(path, ignored)))
            return Fail(path + " exists; new --force replaces it");
        TEffectParamBlock block;
        std::memset(&block, 0, sizeof block);
        if (defaults)
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
        const Replacements found = FindReplacements(block);
        if (found.byLoad.empty())
            std::printf("%s: the dialog would load every value as it is\n", path.c_str());
        else
            std::printf("%s: loading would replace (whether or not the user accepts):\n", path.c_str());
        for (const std::string& line : found.byLoad)
            std::printf("  %s\n", line.c_str());
        if (!found.information.empty())
            std::printf("%s: the dialog would also write (for information):\n", path.c_str());
        for (const std::string& line : found.information)
            std::printf("  %s\n", line.c_str());
        return found.byLoad.empty() ? 0 : 1;
    }

    // set
    DialogChoices choices;
    for (size_t i = 0; i < options.size(); ++i) {
        const std::string& option = options[i];
        std::optional<int>* slot = option == "--pop-click" ? &choices.popClick
            : option == "--hum-width"                      ? &choices.humWidth
            : option == "--hum"                            ? &choices.humHertz
            : option == "--hiss"                           ? &choices.hiss
            : option == "--gate"                           ? &choices.gate
            : option == "--format-channels"                ? &choices.formatChannels
                                                           : nullptr;
        if (!slot && option != "--tools" && option != "--channels")
            return Fail(option.rfind("--", 0) == 0 ? "unknown option '" + option + "' (see set --help)"
                                                   : "unexpected '" + option + "'");
        if (i + 1 >= options.size())
            return Fail(option + " needs a value");
        const std::string& value = options[++i];
        int number = 0;
        if (slot) {
            if (!ParseInt(value, number))
                return Fail(option + " takes a whole number, not '" + value + "'");
            *slot = number;
        } else if (option == "--tools") {
            choices.tools = SplitList(value);
        } else {
            choices.channels = value;
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
