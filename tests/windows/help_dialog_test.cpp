// The help dialog: title and text per page, the tutorials address, keyboard and focus.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "dialogs/scrubwell_help_layout.h"
#include "tests/windows/dialog_driver.h"
#include "tests/windows/layout_check.h"

namespace {

constexpr char kTutorialsLine[] = "For more information, please go to our tutorials section at :";
constexpr char kAddress[] = "https://www.kestrune.com/howto/";

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines(1);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "\r\n") == 0) {
            lines.emplace_back();
            ++i;
        } else {
            lines.back() += text[i];
        }
    }
    return lines;
}

struct HelpView {
    std::string title;
    HWND text = nullptr; // the one visible text box
    int visibleTexts = 0;
};

HelpView Look(HWND help)
{
    HelpView view;
    for (HWND child = GetWindow(help, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char className[16];
        GetClassNameA(child, className, sizeof className);
        if (lstrcmpiA(className, "Static") == 0)
            view.title = DialogDriver::Text(child);
        if (lstrcmpiA(className, "Edit") == 0 && IsWindowVisible(child)) {
            view.text = child;
            ++view.visibleTexts;
        }
    }
    return view;
}

class HelpDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(plugin.Loaded());
        std::memset(&block, 0, sizeof block);
    }
    int32_t Run(const std::function<void(DialogDriver&)>& script) { return RunDialog(plugin, host, block, script); }
    PluginLibrary plugin { "TidwexUI.dll" };
    TestHost host;
    TEffectParamBlock block;
};

TEST_F(HelpDialogTest, WindowHasItsDesignedPlaceSizeAndNoTitleBarButtons)
{
    Run([](DialogDriver& d) {
        const HWND help = d.OpenHelp();
        RECT client, frame;
        GetClientRect(help, &client);
        EXPECT_EQ(494, client.right);
        EXPECT_EQ(362, client.bottom);
        const LONG style = GetWindowLongA(help, GWL_STYLE);
        EXPECT_TRUE(style & WS_CAPTION);
        EXPECT_FALSE(style & (WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
        GetWindowRect(help, &frame);
        EXPECT_EQ(279, frame.left);
        EXPECT_EQ(185, frame.top);
        namespace layout = scrubwell::help_layout;
        const std::vector<HWND> windows
            = MatchLayout(layout::kRows, layout::kRowCount, help, nullptr, { layout::kHelpLabel }); // the tool's title
        ExpectLayoutTabOrder(layout::kRows, layout::kRowCount, windows, help);
        EXPECT_EQ(GetWindow(help, GW_CHILD), windows[layout::kHelpLabel]) << "the title first";
        for (int memo : { layout::kHumMemo, layout::kHissMemo, layout::kPOPClickMemo, layout::kNoiseReductionMemo })
            EXPECT_EQ(ES_MULTILINE | ES_READONLY | WS_VSCROLL,
                GetWindowLongA(windows[static_cast<size_t>(memo)], GWL_STYLE)
                    & (ES_MULTILINE | ES_READONLY | WS_VSCROLL));
        d.Click(d.Button("&Close", help));
        DialogDriver::WaitUntil([&] { return !IsWindowVisible(help); });
        d.Click(d.Button("Cancel"));
    });
}

TEST_F(HelpDialogTest, EachPageShowsItsOwnTextUnderItsTitle)
{
    Run([](DialogDriver& d) {
        const struct {
            const char* title;
            size_t lines;
        } pages[]
            = { { "Pop and Click Removal", 28 }, { "Eliminate Hum", 21 }, { "Reduce Hiss", 20 }, { "Noise Gate", 8 } };
        for (int page = 0; page < 4; ++page) {
            SCOPED_TRACE(pages[page].title);
            ASSERT_TRUE(d.GoToPage(page));
            const HWND help = d.OpenHelp();
            ASSERT_TRUE(help);
            EXPECT_EQ("Kestrune Scrubwell", DialogDriver::Text(help));
            EXPECT_EQ(d.dialog, GetWindow(help, GW_OWNER));
            EXPECT_FALSE(IsWindowEnabled(d.dialog)) << "the main dialog waits for the help";
            const HelpView view = Look(help);
            EXPECT_EQ(pages[page].title, view.title);
            EXPECT_EQ(1, view.visibleTexts);
            const auto lines = Lines(DialogDriver::Text(view.text));
            ASSERT_EQ(pages[page].lines + 1, lines.size());
            EXPECT_EQ(kTutorialsLine, lines[pages[page].lines - 1]);
            EXPECT_EQ(kAddress, lines.back());
            d.Click(d.Button("&Close", help));
            EXPECT_TRUE(DialogDriver::WaitUntil([&] { return !IsWindowVisible(help); }));
            EXPECT_TRUE(IsWindowEnabled(d.dialog));
        }
        d.Click(d.Button("Cancel"));
    });
}

TEST_F(HelpDialogTest, TheAddressIsAppendedOncePerTextAndSession)
{
    for (int session = 0; session < 2; ++session) {
        Run([](DialogDriver& d) {
            ASSERT_TRUE(d.GoToPage(1));
            for (int showing = 0; showing < 2; ++showing) {
                const HWND help = d.OpenHelp();
                const auto lines = Lines(DialogDriver::Text(Look(help).text));
                EXPECT_EQ(22u, lines.size()) << "showing " << showing;
                EXPECT_EQ(kAddress, lines[21]);
                EXPECT_EQ(kTutorialsLine, lines[20]);
                d.Click(d.Button("&Close", help));
                DialogDriver::WaitUntil([&] { return !IsWindowVisible(help); });
            }
            // Pop and click, then hiss, then pop and click again.
            for (int page : { 0, 2, 0 }) {
                ASSERT_TRUE(d.GoToPage(page));
                const HWND help = d.OpenHelp();
                const std::string text = DialogDriver::Text(Look(help).text);
                EXPECT_EQ(text.find(kAddress), text.rfind(kAddress)) << "page " << page;
                d.Click(d.Button("&Close", help));
                DialogDriver::WaitUntil([&] { return !IsWindowVisible(help); });
            }
            d.Click(d.Button("Cancel"));
        });
    }
}

TEST_F(HelpDialogTest, EscapeDoesNothingAndAltCCloses)
{
    Run([](DialogDriver& d) {
        const HWND help = d.OpenHelp();
        const HWND text = Look(help).text;
        EXPECT_EQ(text, d.Focus()) << "the text box is first in tab order";
        d.Keys({ VK_ESCAPE });
        EXPECT_TRUE(IsWindowVisible(help));
        d.Keys({ VK_RETURN });
        EXPECT_TRUE(IsWindowVisible(help)) << "the text box takes Enter";
        d.Keys({ VK_MENU, 'C' });
        EXPECT_TRUE(DialogDriver::WaitUntil([&] { return !IsWindowVisible(help); }));
        EXPECT_TRUE(IsWindowVisible(d.dialog)) << "Escape reached only the help";
        d.Click(d.Button("Cancel"));
    });
}

TEST_F(HelpDialogTest, FocusStartsOnCloseAfterAClickOnItOrForTheNoiseGate)
{
    Run([](DialogDriver& d) {
        // Hum text: the text box first; Tab moves to Close, Enter closes.
        ASSERT_TRUE(d.GoToPage(1));
        HWND help = d.OpenHelp();
        d.Keys({ VK_TAB });
        EXPECT_EQ(d.Button("&Close", help), d.Focus());
        d.Keys({ VK_RETURN });
        EXPECT_TRUE(DialogDriver::WaitUntil([&] { return !IsWindowVisible(help); }));
        // Closed from Close: the next showing starts there, whatever the text.
        ASSERT_TRUE(d.GoToPage(2));
        help = d.OpenHelp();
        EXPECT_EQ(d.Button("&Close", help), d.Focus());
        d.Click(d.Button("&Close", help));
        DialogDriver::WaitUntil([&] { return !IsWindowVisible(help); });
        d.Click(d.Button("Cancel"));
    });
    // A new session; the noise gate text comes after Close in tab order.
    Run([](DialogDriver& d) {
        ASSERT_TRUE(d.GoToPage(3));
        const HWND help = d.OpenHelp();
        EXPECT_EQ(d.Button("&Close", help), d.Focus());
        d.Keys({ VK_RETURN });
        EXPECT_TRUE(DialogDriver::WaitUntil([&] { return !IsWindowVisible(help); }));
        d.Click(d.Button("Cancel"));
    });
}

} // namespace
