// The dialog as a screen reader meets it: from another thread, each control's
// accessible object through AccessibleObjectFromWindow, and the value-change
// events of the sliders through an out-of-context event hook.
#include <gtest/gtest.h>

#include <oleacc.h>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "tests/windows/dialog_driver.h"

namespace {

// This MinGW's import library has a wrong IID_IAccessible.
const IID kIAccessible { 0x618736E0, 0x3C3D, 0x11CF, { 0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71 } };

struct Announcement {
    const char* what;
    std::string name;
    long role;
    const char* value; // null: not compared (a help text)
    bool checked;
};

std::string Narrow(BSTR text)
{
    char narrow[8192] = {};
    if (text)
        WideCharToMultiByte(CP_ACP, 0, text, -1, narrow, sizeof narrow - 1, nullptr, nullptr);
    SysFreeString(text);
    return narrow;
}

// What a screen reader asks of a window's client object, compared with expected.
void ExpectAnnounced(const Announcement& expected, HWND window)
{
    IAccessible* object = nullptr;
    ASSERT_EQ(S_OK, AccessibleObjectFromWindow(window, OBJID_CLIENT, kIAccessible, reinterpret_cast<void**>(&object)))
        << expected.what;
    VARIANT self {};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr, value = nullptr;
    VARIANT role {}, state {};
    object->get_accName(self, &name);
    object->get_accValue(self, &value);
    object->get_accRole(self, &role);
    object->get_accState(self, &state);
    object->Release();
    EXPECT_EQ(expected.name, Narrow(name)) << expected.what;
    EXPECT_EQ(expected.role, role.vt == VT_I4 ? role.lVal : -1) << expected.what;
    const std::string valueText = Narrow(value);
    if (expected.value) {
        EXPECT_EQ(expected.value, valueText) << expected.what;
    }
    EXPECT_EQ(expected.checked, state.vt == VT_I4 && (state.lVal & STATE_SYSTEM_CHECKED) != 0) << expected.what;
}

// Value-change events of the dialog's process, as a screen reader receives them.
std::vector<HWND> valueChanges;

// The group box whose frame holds the window.
HWND BoxAround(HWND window)
{
    RECT inner, frame;
    GetWindowRect(window, &inner);
    for (HWND box : ChildrenOfClass(GetParent(window), "Button"))
        if ((GetWindowLongA(box, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX && GetWindowRect(box, &frame)
            && frame.left <= inner.left && frame.top <= inner.top && frame.right >= inner.right
            && frame.bottom >= inner.bottom)
            return box;
    return nullptr;
}

void CALLBACK ValueChanged(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD, DWORD)
{
    if (object == OBJID_CLIENT && child == CHILDID_SELF)
        valueChanges.push_back(window);
}

// Out-of-context events arrive through this thread's messages.
bool ValueChangeArrives(HWND slider)
{
    return DialogDriver::WaitUntil([&] {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
        return std::find(valueChanges.begin(), valueChanges.end(), slider) != valueChanges.end();
    });
}

class DialogAccessibilityTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(plugin.Loaded());
        GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, savedSeparator, sizeof savedSeparator);
        ASSERT_TRUE(SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, ","));
    }
    void TearDown() override { SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, savedSeparator); }
    PluginLibrary plugin { "TidwexUI.dll" };
    TestHost host;
    char savedSeparator[8] = {};
};

TEST_F(DialogAccessibilityTest, EveryControlTellsItsNameRoleAndValue)
{
    struct PageCase {
        const char* page;
        const char* group; // the box around the slider
        const char* slider;
        const char* value; // at the zero block's load, in the user's decimal separator
        const char* valueAfterUp;
        const char* tool; // the check box that moving the slider checks
        const char* toolName;
    };
    const PageCase pages[] = {
        { "Remove Pops and Clicks Settings", "Pop and Click Removal",
            "Pop and Click Removal, More at the top, Less at the bottom", "2500", "2400", "Remove &Pops and Clicks",
            "Remove Pops and Clicks" },
        { "Eliminate Hum Settings", "Eliminate Hum", "Eliminate Hum, More at the top, Less at the bottom",
            "0,1 Octaves", "0,2 Octaves", "Eliminate H&um", "Eliminate Hum" },
        { "Reduce Hiss Settings", "Reduce Hiss", "Reduce Hiss, More at the top, Less at the bottom", "0 dB", "-0,4 dB",
            "Reduce H&iss", "Reduce Hiss" },
        { "Noise Gate Settings", "Amount of Reduction", "Noise Gate, More at the top, Less at the bottom", "50", "51",
            "&Noise Gate", "Noise Gate" },
    };
    TEffectParamBlock block;
    std::memset(&block, 0, sizeof block);
    RunDialog(plugin, host, block, [&](DialogDriver& d) {
        CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        valueChanges.clear();
        const HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_VALUECHANGE, EVENT_OBJECT_VALUECHANGE, nullptr,
            ValueChanged, GetCurrentProcessId(), d.hostThread, WINEVENT_OUTOFCONTEXT);
        EXPECT_TRUE(hook);
        for (int i = 0; i < 4; ++i) {
            const PageCase& c = pages[i];
            SCOPED_TRACE(c.page);
            ASSERT_TRUE(d.GoToPage(i));
            const HWND slider = d.Slider(i);
            const HWND tool = d.Button(c.tool);
            ExpectAnnounced({ "page", c.page, ROLE_SYSTEM_PROPERTYPAGE, "", false }, d.Page(i));
            ExpectAnnounced({ "slider's group", c.group, ROLE_SYSTEM_GROUPING, "", false }, BoxAround(slider));
            ExpectAnnounced({ "slider at load", c.slider, ROLE_SYSTEM_SLIDER, c.value, false }, slider);
            ExpectAnnounced({ "tool at load", c.toolName, ROLE_SYSTEM_CHECKBUTTON, "", false }, tool);
            d.SetFocusTo(slider);
            d.Keys({ VK_UP });
            EXPECT_TRUE(ValueChangeArrives(slider)) << "no value-change event from the slider";
            ExpectAnnounced({ "slider moved up", c.slider, ROLE_SYSTEM_SLIDER, c.valueAfterUp, false }, slider);
            ExpectAnnounced({ "tool after the move", c.toolName, ROLE_SYSTEM_CHECKBUTTON, "", true }, tool);
        }
        if (hook)
            UnhookWinEvent(hook);

        const Announcement others[] = {
            { "tab strip", "", ROLE_SYSTEM_PAGETABLIST, "", false },
            { "tool group", "Effect Options", ROLE_SYSTEM_GROUPING, "", false },
            { "channel group", "Stereo Options", ROLE_SYSTEM_GROUPING, "", false },
            { "frequency group", "Frequency", ROLE_SYSTEM_GROUPING, "", false },
            { "both channels", "Apply to Both Channels", ROLE_SYSTEM_RADIOBUTTON, "", true },
            { "left channel", "Apply to Left Channel Only", ROLE_SYSTEM_RADIOBUTTON, "", false },
            { "60 Hz", "60 Hz House Current (North America)", ROLE_SYSTEM_RADIOBUTTON, "", true },
            { "start", "Start Processing", ROLE_SYSTEM_PUSHBUTTON, "", false },
        };
        const HWND windows[] = { d.Tabs(), d.Button("[ E&ffect Options ]"), d.Button("[ Stereo &Options ]"),
            d.Button("[ &Frequency ]"), d.Button("Apply to &Both Channels"), d.Button("Apply to &Left Channel Only"),
            d.Button("60 Hz House Current (&North America)"), d.Button("&Start Processing") };
        for (size_t i = 0; i < std::size(others); ++i)
            ExpectAnnounced(others[i], windows[i]);

        // The help's text box is named by the title above it.
        const HWND help = d.OpenHelp();
        HWND text = nullptr;
        for (HWND child = GetWindow(help, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            if (IsWindowVisible(child) && (GetWindowLongA(child, GWL_STYLE) & ES_MULTILINE))
                text = child;
        ExpectAnnounced({ "help text", "Noise Gate", ROLE_SYSTEM_TEXT, nullptr, false }, text);
        d.Click(d.Button("&Close", help));
        CoUninitialize();
        d.Click(d.Button("Cancel"));
    });
}

// The guide lets a host unload the library between calls; a screen reader
// may still hold an object that the library handed out.
TEST(AccessibleObjectAfterUnload, CanStillBeAskedAndReleased)
{
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    auto plugin = std::make_unique<PluginLibrary>("TidwexUI.dll");
    ASSERT_TRUE(plugin->Loaded());
    TestHost host;
    TEffectParamBlock block;
    std::memset(&block, 0, sizeof block);
    IAccessible* object = nullptr;
    RunDialog(*plugin, host, block, [&](DialogDriver& d) {
        CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        AccessibleObjectFromWindow(
            d.Button("&Start Processing"), OBJID_CLIENT, kIAccessible, reinterpret_cast<void**>(&object));
        CoUninitialize();
        d.Click(d.Button("Cancel"));
    });
    ASSERT_TRUE(object);
    plugin.reset();
    VARIANT self {};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    // The role is the library's own answer: its code, not the window's.
    VARIANT role {};
    object->get_accRole(self, &role);
    object->Release();
    EXPECT_EQ(ROLE_SYSTEM_PUSHBUTTON, role.vt == VT_I4 ? role.lVal : -1);
    CoUninitialize();
}

} // namespace
