// The help dialog: title and text per page, the tutorials address, keyboard and focus.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>

#include "tests/windows/dialog_driver.h"
#include "tests/windows/layout_check.h"

namespace {

constexpr char kAddress[] = "https://www.kestrune.com/howto/";
constexpr char kTutorials[] = "For more information, please go to our tutorials section at :";

// What a page's help says: its title; its lines before the address, "#" for a
// line of text and "." for an empty one; a word from each paragraph but the
// last, which is kTutorials.
struct HelpText {
    const char* title;
    const char* lines;
    const char* words[6];
};
const HelpText kTexts[] = {
    { "Pop and Click Removal", "####.##.####.###.####.####.#",
        { "scratches", "undo", "aggressive", "experiment", "magnify", "automatic" } },
    { "Eliminate Hum", "###.####.#####.####.#", { "engineers", "notch", "Europe", "automatic" } },
    { "Reduce Hiss", "####.####.###.####.#", { "crackling", "equalizer", "quiet", "automatic" } },
    { "Noise Gate", "###.##.#", { "noisy", "troublesome" } },
};

void ExpectHelpText(const HelpText& help, const std::string& text)
{
    std::string shape, paragraph, line, previous;
    size_t words = 0;
    for (size_t start = 0, end = 0; end != std::string::npos; start = end + 2) {
        end = text.find("\r\n", start);
        previous = std::exchange(line, text.substr(start, end - start));
        shape += line.empty() ? '.' : '#';
        paragraph += line + ' ';
        if (line.empty() && words < std::size(help.words) && help.words[words]) {
            EXPECT_NE(std::string::npos, paragraph.find(help.words[words++])) << paragraph;
            paragraph.clear();
        }
    }
    EXPECT_EQ(help.lines + std::string("#"), shape) << "the text's lines, then the address";
    EXPECT_EQ(kTutorials, previous);
    EXPECT_EQ(kAddress, line);
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
        if (HasClass(child, "Static"))
            view.title = DialogDriver::Text(child);
        if (HasClass(child, "Edit") && IsWindowVisible(child)) {
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

// The help as designed, in its client area. The title's text is the page's.
constexpr FontLook kTitleFont { "MS Sans Serif", 16, true, false };
const DesignedWindow kDesign[] = {
    { 0, kHeading, 17, 7, 465, 24, nullptr, &kTitleFont, -1 },
    { 0, kTextBox, 14, 48, 465, 273, nullptr, &kFormFont, 0 }, // hum
    { 0, kTextBox, 12, 48, 465, 273, nullptr, &kFormFont, 1 }, // hiss
    { 0, kTextBox, 14, 48, 465, 273, nullptr, &kFormFont, 2 }, // pops and clicks
    { 0, kDefaultButton, 189, 333, 115, 25, "&Close", &kFormFont, 3 },
    { 0, kTextBox, 11, 48, 465, 273, nullptr, &kFormFont, 4 }, // noise gate
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
        ExpectWindowsAsDesigned(kDesign, std::size(kDesign), { help });
        d.Click(d.Button("&Close", help));
        DialogDriver::WaitUntil([&] { return !IsWindowVisible(help); });
        d.Click(d.Button("Cancel"));
    });
}

TEST_F(HelpDialogTest, EachPageShowsItsOwnTextUnderItsTitleWithTheAddressOnce)
{
    // A host that finds the help window may destroy it: it comes back whole.
    // Twice in a session and in two sessions the address is added once; the
    // third session's host destroys the help after each showing. Each accepts
    // a zero block, and the help changes nothing in it.
    TEffectParamBlock accepted[3];
    for (int session = 0; session < 3; ++session) {
        const bool destroyed = session == 2;
        std::memset(&block, 0, sizeof block);
        EXPECT_EQ(0, Run([&](DialogDriver& d) {
            for (int page : { 0, 1, 2, 3, 1, 0 }) {
                SCOPED_TRACE(kTexts[page].title);
                ASSERT_TRUE(d.GoToPage(page));
                const HWND help = d.OpenHelp();
                ASSERT_TRUE(help);
                EXPECT_EQ("Kestrune Scrubwell", DialogDriver::Text(help));
                EXPECT_EQ(d.dialog, GetWindow(help, GW_OWNER));
                EXPECT_FALSE(IsWindowEnabled(d.dialog)) << "the main dialog waits for the help";
                const HelpView view = Look(help);
                EXPECT_EQ(kTexts[page].title, view.title);
                EXPECT_EQ(1, view.visibleTexts) << "the other texts hidden";
                ExpectHelpText(kTexts[page], DialogDriver::Text(view.text));
                DWORD start = 1, end = 1;
                SendMessageA(view.text, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
                EXPECT_EQ(0, SendMessageA(view.text, EM_GETFIRSTVISIBLELINE, 0, 0)) << "read from its top";
                EXPECT_EQ(0u, end) << "nothing selected";
                d.Click(d.Button("&Close", help));
                EXPECT_TRUE(DialogDriver::WaitUntil([&] { return !IsWindowVisible(help); }));
                EXPECT_TRUE(IsWindowEnabled(d.dialog));
                if (destroyed) {
                    PostMessageA(d.host, kHostDestroysWindow, reinterpret_cast<WPARAM>(help), 0);
                    EXPECT_TRUE(DialogDriver::WaitUntil([&] { return !IsWindow(help); }));
                }
            }
            d.Click(d.Button("&Start Processing"));
        }));
        accepted[session] = block;
    }
    EXPECT_EQ(0, std::memcmp(&accepted[0], &accepted[2], sizeof block)) << "the destroyed help changed the block";
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
