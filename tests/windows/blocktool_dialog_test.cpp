// scrubwell-block's "set" writes the bytes the dialog writes when its user
// makes the same choices and presses "Start Processing"; its "check" passes
// every block the dialog leaves.
#include <gtest/gtest.h>

#include <cstring>

#include "blocktool/block_commands.h"
#include "tests/windows/dialog_driver.h"

#include <commctrl.h>

namespace {

using scrubwell::blocktool::DialogChoices;

// Moves a slider as a drag of its thumb does; the handler has run on return.
void Drag(HWND slider, int position)
{
    SendMessageA(slider, TBM_SETPOS, TRUE, position);
    SendMessageA(
        GetParent(slider), WM_VSCROLL, MAKEWPARAM(TB_THUMBPOSITION, position), reinterpret_cast<LPARAM>(slider));
}

void SetCheck(DialogDriver& d, const char* caption, bool checked)
{
    if (d.Checked(d.Button(caption)) != checked)
        d.Click(d.Button(caption));
}

TEST(BlockToolAgainstDialog, SetWritesTheDialogsBytes)
{
    PluginLibrary plugin { "TidwexUI.dll" };
    ASSERT_TRUE(plugin.Loaded());
    TestHost host;
    const struct {
        const char* name;
        unsigned char fill;
        DialogChoices choices;
    } cases[] = {
        { "zero block, everything set", 0x00,
            { 0, 1, 50, 33, 25, std::vector<std::string> { "pop", "gate" }, "right", {} } },
        { "zero block, sliders only", 0x00, { 20, 4, 60, 0, 100, {}, {}, {} } },
        { "filled block, nothing set", 0x5A, {} },
        { "filled block, no tools, left", 0x5A, { 7, {}, {}, 99, {}, std::vector<std::string> {}, "left", {} } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TEffectParamBlock original;
        std::memset(&original, c.fill, sizeof original);
        const TWaveFormat format = MakeWaveFormat(2);

        TEffectParamBlock byTool = original;
        std::memcpy(&byTool.WaveFormat, &format, sizeof format);
        ASSERT_EQ("", scrubwell::blocktool::ApplyChoices(byTool, c.choices));

        TEffectParamBlock byDialog = original;
        const DialogChoices& choices = c.choices;
        const int32_t result = RunDialog(plugin, host, byDialog, [&](DialogDriver& d) {
            const std::optional<int> positions[] = { choices.popClick, choices.humWidth, choices.hiss, choices.gate };
            for (int page = 0; page < 4; ++page)
                if (positions[page] && d.GoToPage(page))
                    Drag(d.Slider(page), *positions[page]);
            if (choices.humHertz && d.GoToPage(1))
                d.Click(d.Button(*choices.humHertz == 60 ? "60 Hz House Current (&North America)"
                                                         : "50 Hz Mains Power (&Europe and Asia)"));
            if (choices.tools) {
                auto wanted = [&](const char* tool) {
                    for (const std::string& t : *choices.tools)
                        if (t == tool)
                            return true;
                    return false;
                };
                SetCheck(d, "Remove &Pops and Clicks", wanted("pop"));
                SetCheck(d, "Eliminate H&um", wanted("hum"));
                SetCheck(d, "Reduce H&iss", wanted("hiss"));
                SetCheck(d, "&Noise Gate", wanted("gate"));
            }
            if (choices.channels)
                d.Click(d.Button(*choices.channels == "left" ? "Apply to &Left Channel Only"
                        : *choices.channels == "right"       ? "Apply to &Right Channel Only"
                                                             : "Apply to &Both Channels"));
            d.Click(d.Button("&Start Processing"));
        });
        ASSERT_EQ(0, result);
        const auto* tool = reinterpret_cast<const unsigned char*>(&byTool);
        const auto* dialog = reinterpret_cast<const unsigned char*>(&byDialog);
        for (size_t i = 0; i < sizeof byTool; ++i)
            ASSERT_EQ(dialog[i], tool[i]) << "byte " << i;
        EXPECT_EQ(std::vector<std::string> {}, scrubwell::blocktool::FindReplacements(byDialog).byLoad);
    }
}

// After a cancel the block holds the load's corrections: loading it again
// replaces nothing, though accepting it may rewrite what the controls show.
TEST(BlockToolAgainstDialog, CheckFindsNothingForTheLoadInACancelledBlock)
{
    PluginLibrary plugin { "TidwexUI.dll" };
    ASSERT_TRUE(plugin.Loaded());
    TestHost host;
    for (const unsigned char fill : { 0x00, 0x5A, 0xFF }) {
        SCOPED_TRACE(static_cast<int>(fill));
        TEffectParamBlock block;
        std::memset(&block, fill, sizeof block);
        ASSERT_EQ(2, RunDialog(plugin, host, block, [](DialogDriver& d) { d.Click(d.Button("Cancel")); }));
        EXPECT_EQ(std::vector<std::string> {}, scrubwell::blocktool::FindReplacements(block).byLoad);
    }
}

} // namespace
