// The exported functions as a host calls them, through LoadLibrary and GetProcAddress.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "settings/floating_point_scope.h"
#include "tests/windows/plugin_library.h"

namespace {

using ScriptSessionFunction = void (*)(int32_t, int32_t, int32_t, int32_t);
using SessionCallCountFunction = int32_t (*)();
using NestedCallResultFunction = int32_t (*)(TEffectParamBlock*);
using SetDpiContextFunction = HANDLE(WINAPI*)(HANDLE);
using SubstituteDpiContextFunction = void (*)(SetDpiContextFunction);

constexpr unsigned char kFill = 0xA5;
constexpr uint16_t kHostPrecision = 0x027F; // 53-bit, as Windows hosts often run

// A window handle that is not 0; the stub session never looks at it.
void* const kSomeWindow = reinterpret_cast<void*>(0x10010);

std::vector<unsigned char> Bytes(const TEffectParamBlock& block)
{
    const auto* p = reinterpret_cast<const unsigned char*>(&block);
    return std::vector<unsigned char>(p, p + sizeof block);
}

TEffectParamBlock FilledBlock()
{
    TEffectParamBlock block;
    std::memset(&block, kFill, sizeof block);
    return block;
}

// Runs the host's side of a call with 53-bit precision and checks that the
// library hands the x87 control word and MXCSR back unchanged.
template <class Call> auto WithHostPrecision(Call call)
{
    const uint16_t saved = scrubwell::ReadX87ControlWord();
    scrubwell::WriteX87ControlWord(kHostPrecision);
    const uint32_t csrBefore = scrubwell::ReadMxcsr();
    const auto result = call();
    const uint16_t after = scrubwell::ReadX87ControlWord();
    const uint32_t csrAfter = scrubwell::ReadMxcsr();
    scrubwell::WriteX87ControlWord(saved);
    EXPECT_EQ(kHostPrecision, after) << "x87 control word changed by the call";
    EXPECT_EQ(csrBefore, csrAfter) << "MXCSR changed by the call";
    return result;
}

class ExportsTest : public ::testing::Test {
protected:
    PluginLibrary plugin { "TidwexUI.dll" };
};

TEST_F(ExportsTest, LibraryExportsBothFunctions)
{
    ASSERT_TRUE(plugin.Loaded());
}

TEST_F(ExportsTest, GetEffectInfoWritesTheFourTextsAndTheBlockSize)
{
    ASSERT_TRUE(plugin.Loaded());
    char buffers[4][32];
    std::memset(buffers, kFill, sizeof buffers);
    int32_t size = -1;
    const int32_t result = WithHostPrecision(
        [&] { return plugin.getEffectInfo(buffers[0], buffers[1], buffers[2], buffers[3], &size); });
    EXPECT_EQ(0, result);
    const char* expected[4] = { "Scrubwell", "Scrubwell", "SCRUBWL.ICO", "TIDWEX32.DLL" };
    for (int i = 0; i < 4; ++i) {
        const size_t length = std::strlen(expected[i]);
        EXPECT_EQ(0, std::memcmp(buffers[i], expected[i], length + 1)) << "buffer " << i;
        EXPECT_EQ(kFill, static_cast<unsigned char>(buffers[i][length + 1])) << "buffer " << i << " overrun";
    }
    EXPECT_EQ(4534, size);
}

TEST_F(ExportsTest, GetEffectInfoWithAnyNullPointerWritesNothing)
{
    ASSERT_TRUE(plugin.Loaded());
    for (int missing = 0; missing < 5; ++missing) {
        char buffers[4][32];
        std::memset(buffers, kFill, sizeof buffers);
        int32_t size = -1;
        char* p[4] = { buffers[0], buffers[1], buffers[2], buffers[3] };
        int32_t* sizePointer = &size;
        if (missing < 4)
            p[missing] = nullptr;
        else
            sizePointer = nullptr;
        const int32_t result
            = WithHostPrecision([&] { return plugin.getEffectInfo(p[0], p[1], p[2], p[3], sizePointer); });
        EXPECT_EQ(3, result) << "pointer " << missing << " null";
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 32; ++j)
                ASSERT_EQ(kFill, static_cast<unsigned char>(buffers[i][j])) << "pointer " << missing << " null";
        EXPECT_EQ(-1, size) << "pointer " << missing << " null";
    }
}

TEST_F(ExportsTest, ShowEffectDialogRefusesAMissingWindowOrBlockWithoutTouchingIt)
{
    ASSERT_TRUE(plugin.Loaded());
    TEffectParamBlock block = FilledBlock();
    const auto before = Bytes(block);
    EXPECT_EQ(3, WithHostPrecision([&] { return plugin.showEffectDialog(nullptr, 0, 0, MakeWaveFormat(), &block); }));
    EXPECT_EQ(before, Bytes(block));
    EXPECT_EQ(
        3, WithHostPrecision([&] { return plugin.showEffectDialog(kSomeWindow, 0, 0, MakeWaveFormat(), nullptr); }));
    EXPECT_EQ(3, plugin.showEffectDialog(nullptr, 0, 0, MakeWaveFormat(), nullptr));
}

TEST_F(ExportsTest, AParentThatIsNoWindowGetsNoDialogButTheBlockIsStamped)
{
    ASSERT_TRUE(plugin.Loaded());
    TEffectParamBlock block = FilledBlock();
    EXPECT_EQ(
        260, WithHostPrecision([&] { return plugin.showEffectDialog(kSomeWindow, 0, 0, MakeWaveFormat(), &block); }));
    EXPECT_EQ(1, block.BlockHeader[0]);
    EXPECT_EQ(2, block.BlockHeader[2]);
    EXPECT_EQ(2, block.WaveFormat.Channels);
    EXPECT_EQ(0xA5A5A5A5u, block.EffectFlags) << "nothing beyond the stamping is written";
}

// Pages of host memory whose protection a test chooses, filled with kFill.
class HostPages {
public:
    explicit HostPages(size_t count)
        : base_(static_cast<unsigned char*>(
            VirtualAlloc(nullptr, count * PageSize(), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)))
    {
        std::memset(base_, kFill, count * PageSize());
    }
    ~HostPages() { VirtualFree(base_, 0, MEM_RELEASE); }
    HostPages(const HostPages&) = delete;
    HostPages& operator=(const HostPages&) = delete;
    unsigned char* At(size_t offset) const { return base_ + offset; }
    void Protect(size_t page, DWORD protection) const
    {
        DWORD old;
        VirtualProtect(base_ + page * PageSize(), PageSize(), protection, &old);
    }
    static size_t PageSize()
    {
        SYSTEM_INFO system;
        GetSystemInfo(&system);
        return system.dwPageSize;
    }

private:
    unsigned char* base_;
};

bool AllFill(const unsigned char* bytes, size_t count)
{
    for (size_t i = 0; i < count; ++i)
        if (bytes[i] != kFill)
            return false;
    return true;
}

TEST_F(ExportsTest, GetEffectInfoChecksEachOutputBeforeWritingIt)
{
    ASSERT_TRUE(plugin.Loaded());
    // The icon file's buffer alone lies on a read-only page.
    HostPages pages(2);
    char* effectName = reinterpret_cast<char*>(pages.At(0));
    char* secondName = reinterpret_cast<char*>(pages.At(32));
    char* engineFile = reinterpret_cast<char*>(pages.At(64));
    auto* size = reinterpret_cast<int32_t*>(pages.At(96));
    char* iconFile = reinterpret_cast<char*>(pages.At(HostPages::PageSize()));
    pages.Protect(1, PAGE_READONLY);
    EXPECT_EQ(4105,
        WithHostPrecision([&] { return plugin.getEffectInfo(effectName, secondName, iconFile, engineFile, size); }));
    EXPECT_STREQ("Scrubwell", effectName) << "written before the failing output";
    EXPECT_STREQ("Scrubwell", secondName) << "written before the failing output";
    EXPECT_TRUE(AllFill(pages.At(64), 36)) << "the outputs after the failing one are untouched";

    pages.Protect(1, PAGE_READWRITE);
    EXPECT_EQ(0, plugin.getEffectInfo(effectName, secondName, iconFile, engineFile, size)) << "the next call";
    EXPECT_STREQ("SCRUBWL.ICO", iconFile);
    EXPECT_EQ(4534, *size);

    // The header's buffer size suffices: one buffer of it, just before the read-only page, takes every text.
    pages.Protect(1, PAGE_READONLY);
    char* last = reinterpret_cast<char*>(pages.At(HostPages::PageSize() - SCRUBWELL_INFO_TEXT_SIZE));
    EXPECT_EQ(0, plugin.getEffectInfo(last, last, last, last, size));
    EXPECT_STREQ("TIDWEX32.DLL", last);
}

TEST_F(ExportsTest, ShowEffectDialogChecksTheWholeBlockBeforeStampingIt)
{
    ASSERT_TRUE(plugin.Loaded());
    const size_t page = HostPages::PageSize();
    const struct {
        const char* what;
        size_t offset; // of the block in three pages
        DWORD protection[3];
    } cases[] = {
        { "a block on read-only pages", 0, { PAGE_READONLY, PAGE_READONLY, PAGE_READONLY } },
        { "a block of which only 2200 bytes exist", page - 2200, { PAGE_READWRITE, PAGE_NOACCESS, PAGE_NOACCESS } },
        { "a block that ends in a guard page", page - 2200,
            { PAGE_READWRITE, PAGE_READWRITE | PAGE_GUARD, PAGE_READWRITE } },
    };
    for (const auto& c : cases) {
        HostPages pages(3);
        for (size_t i = 0; i < 3; ++i)
            pages.Protect(i, c.protection[i]);
        auto* block = reinterpret_cast<TEffectParamBlock*>(pages.At(c.offset));
        EXPECT_EQ(4097, WithHostPrecision([&] {
            return plugin.showEffectDialog(kSomeWindow, 0, 0, MakeWaveFormat(), block);
        })) << c.what;
        pages.Protect(0, PAGE_READONLY);
        EXPECT_TRUE(AllFill(pages.At(c.offset), std::min(sizeof *block, page - c.offset))) << c.what << ": written";

        // The next call gets as far as a good block allows.
        TEffectParamBlock good = FilledBlock();
        EXPECT_EQ(260, plugin.showEffectDialog(kSomeWindow, 0, 0, MakeWaveFormat(), &good)) << c.what << ": next call";
        EXPECT_EQ(2, good.BlockHeader[2]) << c.what << ": next call";
    }
}

// What the host's own timer saw while the dialog ran.
struct DuringTheDialog {
    PluginLibrary* plugin = nullptr;
    HWND host = nullptr;
    bool seen = false;
    uint16_t x87Control = 0;
    uint32_t mxcsr = 0;
    int32_t otherThreadResult = -1;
    bool otherBlockUntouched = false;
} during;

DWORD WINAPI CallFromAnotherThread(void* block)
{
    return static_cast<DWORD>(
        during.plugin->showEffectDialog(during.host, 0, 0, MakeWaveFormat(), static_cast<TEffectParamBlock*>(block)));
}

void CALLBACK HostTimer(HWND, UINT, UINT_PTR timer, DWORD)
{
    // The main dialog: the help dialog has the same class and caption, but is hidden.
    HWND dialog = nullptr;
    while ((dialog = FindWindowExA(nullptr, dialog, "ScrubwellForm", "Kestrune Scrubwell")) && !IsWindowVisible(dialog))
        ;
    if (!dialog)
        return;
    KillTimer(nullptr, timer);
    during.seen = true;
    during.x87Control = scrubwell::ReadX87ControlWord();
    during.mxcsr = scrubwell::ReadMxcsr();
    TEffectParamBlock other = FilledBlock();
    const HANDLE thread = CreateThread(nullptr, 0, CallFromAnotherThread, &other, 0, nullptr);
    DWORD code = 0;
    if (WaitForSingleObject(thread, 10000) == WAIT_OBJECT_0 && GetExitCodeThread(thread, &code))
        during.otherThreadResult = static_cast<int32_t>(code);
    CloseHandle(thread);
    during.otherBlockUntouched = Bytes(other) == Bytes(FilledBlock());
    PostMessageA(dialog, WM_CLOSE, 0, 0);
}

TEST_F(ExportsTest, WhileADialogRunsTheHostKeepsItsStateAndAnotherThreadIsRefused)
{
    ASSERT_TRUE(plugin.Loaded());
    const HWND host = CreateWindowExA(
        0, "STATIC", "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(host);
    during = DuringTheDialog { &plugin, host };
    constexpr uint16_t kHostControl = 0x027F; // 53-bit precision
    constexpr uint32_t kHostMxcsr = 0x9FC0; // flush to zero, denormals are zero
    constexpr uint32_t kMxcsrFlags = 0x3F; // raised by whatever code runs
    const uint16_t savedControl = scrubwell::ReadX87ControlWord();
    const uint32_t savedMxcsr = scrubwell::ReadMxcsr();
    scrubwell::WriteX87ControlWord(kHostControl);
    scrubwell::WriteMxcsr(kHostMxcsr);
    const UINT_PTR timer = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, HostTimer);
    TEffectParamBlock block = FilledBlock();
    const int32_t result = plugin.showEffectDialog(host, 0, 0, MakeWaveFormat(), &block);
    const uint16_t afterControl = scrubwell::ReadX87ControlWord();
    const uint32_t afterMxcsr = scrubwell::ReadMxcsr();
    scrubwell::WriteX87ControlWord(savedControl);
    scrubwell::WriteMxcsr(savedMxcsr);
    KillTimer(nullptr, timer);
    DestroyWindow(host);

    EXPECT_EQ(2, result);
    ASSERT_TRUE(during.seen) << "the host's timer never saw the dialog";
    EXPECT_EQ(kHostControl, during.x87Control) << "x87 control word inside the host's timer";
    EXPECT_EQ(kHostMxcsr, during.mxcsr & ~kMxcsrFlags) << "MXCSR inside the host's timer";
    EXPECT_EQ(kHostControl, afterControl) << "x87 control word after the call";
    EXPECT_EQ(kHostMxcsr, afterMxcsr) << "MXCSR after the call";
    EXPECT_EQ(4097, during.otherThreadResult) << "a call from another thread while the dialog runs";
    EXPECT_TRUE(during.otherBlockUntouched) << "the refused call's block";
}

TEST_F(ExportsTest, VersionResourceNamesTheProductAndTheFile)
{
    char path[MAX_PATH];
    GetModuleFileNameA(GetModuleHandleA("TidwexUI.dll"), path, sizeof path);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path, &ignored);
    ASSERT_GT(size, 0u);
    std::vector<char> info(size);
    ASSERT_TRUE(GetFileVersionInfoA(path, 0, size, info.data()));
    auto value = [&](const char* name) {
        char* text = nullptr;
        UINT length = 0;
        const std::string key = std::string("\\StringFileInfo\\040904B0\\") + name;
        return VerQueryValueA(info.data(), key.c_str(), reinterpret_cast<void**>(&text), &length) ? std::string(text)
                                                                                                  : std::string();
    };
    EXPECT_EQ("Scrubwell", value("ProductName"));
    EXPECT_EQ("TidwexUI.dll", value("OriginalFilename"));
    EXPECT_FALSE(value("FileVersion").empty());
    EXPECT_FALSE(value("FileDescription").empty());
    EXPECT_EQ("Copyright (c) 2026 The Scrubwell developers", value("LegalCopyright"));
}

// The library with a scripted session in place of the dialogs.
class ScriptedExportsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(plugin.Loaded());
        script = plugin.Export<ScriptSessionFunction>("ScriptSession");
        callCount = plugin.Export<SessionCallCountFunction>("SessionCallCount");
        nestedCall = plugin.Export<NestedCallResultFunction>("NestedCallResult");
        ASSERT_TRUE(script && callCount && nestedCall);
    }

    int32_t Show(TEffectParamBlock& block, int32_t reserved1 = 0, int32_t reserved2 = 0)
    {
        return WithHostPrecision(
            [&] { return plugin.showEffectDialog(kSomeWindow, reserved1, reserved2, MakeWaveFormat(), &block); });
    }

    PluginLibrary plugin { "TidwexUI_scripted.dll" };
    ScriptSessionFunction script = nullptr;
    SessionCallCountFunction callCount = nullptr;
    NestedCallResultFunction nestedCall = nullptr;
};

TEST_F(ScriptedExportsTest, SessionResultsBecomeTheReturnCodes)
{
    const struct {
        int32_t sessionResult, outcome, expected;
    } cases[] = {
        { 0, 1, 0 }, // accepted
        { 0, 2, 2 }, // not accepted
        { 260, 2, 260 }, // no dialog
        { 260, -1, 260 }, // no dialog, outcome left at 0
        { 4097, 2, 4097 }, // the session failed
    };
    for (const auto& c : cases) {
        script(c.sessionResult, c.outcome, 0, 0);
        TEffectParamBlock block = FilledBlock();
        EXPECT_EQ(c.expected, Show(block)) << "session " << c.sessionResult << " outcome " << c.outcome;
        EXPECT_EQ(1, callCount());
    }
}

TEST_F(ScriptedExportsTest, StampsHeaderWaveFormatAndOutcomeAndNothingElse)
{
    script(0, -1, 0, 0);
    TEffectParamBlock block = FilledBlock();
    auto expected = Bytes(block);
    EXPECT_EQ(0, Show(block)); // DialogOutcome 0 is returned as it stands

    const unsigned char header[16] = { 1, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0 };
    std::memcpy(&expected[0], header, sizeof header);
    const TWaveFormat format = MakeWaveFormat();
    std::memcpy(&expected[24], &format, 18);
    std::memset(&expected[56], 0, 4);
    const auto actual = Bytes(block);
    for (size_t i = 0; i < actual.size(); ++i)
        ASSERT_EQ(expected[i], actual[i]) << "byte " << i;
}

TEST_F(ScriptedExportsTest, IgnoredArgumentsChangeNothing)
{
    script(0, 1, 0, 0);
    TEffectParamBlock first = FilledBlock();
    TEffectParamBlock second = FilledBlock();
    EXPECT_EQ(0, Show(first, 0, 0));
    EXPECT_EQ(0, Show(second, -1, 0x7FFFFFFF));
    EXPECT_EQ(Bytes(first), Bytes(second));
}

TEST_F(ScriptedExportsTest, FloatingPointStateIsHandedBackEvenWhenTheSessionChangesIt)
{
    script(0, 2, 1, 0);
    TEffectParamBlock block = FilledBlock();
    EXPECT_EQ(2, Show(block));
    script(4097, 2, 1, 0);
    EXPECT_EQ(4097, Show(block));
}

TEST_F(ScriptedExportsTest, ANestedCallIsRefusedWithoutTouchingItsBlock)
{
    script(0, 1, 0, 1);
    TEffectParamBlock block = FilledBlock();
    EXPECT_EQ(0, Show(block));
    TEffectParamBlock nested;
    EXPECT_EQ(4097, nestedCall(&nested));
    TEffectParamBlock untouched;
    std::memset(&untouched, 0x77, sizeof untouched);
    EXPECT_EQ(Bytes(untouched), Bytes(nested));
    EXPECT_EQ(1, callCount()) << "the nested call must not reach the session";
    // Once the outer call has returned, calls are accepted again.
    EXPECT_EQ(0, Show(block));
}

// The thread's DPI context as a SetThreadDpiAwarenessContext that accepts
// every context sees it, and the contexts it was given.
HANDLE threadDpiContext;
std::vector<HANDLE> dpiContextCalls;

HANDLE WINAPI RecordingSetDpiContext(HANDLE context)
{
    dpiContextCalls.push_back(context);
    const HANDLE previous = threadDpiContext;
    threadDpiContext = context;
    return previous;
}

// Where Windows accepts the switch to the GDI-scaled unaware context, every
// way out of the call gives the host back exactly the context it had, once.
TEST_F(ScriptedExportsTest, EveryWayOutRestoresTheHostsDpiContext)
{
    const auto substitute = plugin.Export<SubstituteDpiContextFunction>("SubstituteDpiContextFunction");
    ASSERT_TRUE(substitute);
    substitute(RecordingSetDpiContext);
    const HANDLE host = reinterpret_cast<HANDLE>(-4); // per-monitor aware, version 2
    const HANDLE gdiScaled = reinterpret_cast<HANDLE>(-5);
    HostPages readOnly(2);
    readOnly.Protect(0, PAGE_READONLY);
    readOnly.Protect(1, PAGE_READONLY);
    const struct {
        const char* what;
        int32_t sessionResult, outcome, reenter;
        bool readOnlyBlock;
        int32_t expected;
        std::vector<HANDLE> calls;
    } cases[] = {
        { "accepted", 0, 1, 0, false, 0, { gdiScaled, host } },
        { "cancelled", 0, 2, 0, false, 2, { gdiScaled, host } },
        { "a parent that is not a window", 260, -1, 0, false, 260, { gdiScaled, host } },
        { "a failed session", 4097, 2, 0, false, 4097, { gdiScaled, host } },
        { "a block that cannot be written", 0, 1, 0, true, 4097, { gdiScaled, host } },
        // The call refused while this one runs switches and restores its own.
        { "a call while one runs", 0, 1, 1, false, 0, { gdiScaled, gdiScaled, gdiScaled, host } },
    };
    for (const auto& c : cases) {
        script(c.sessionResult, c.outcome, 0, c.reenter);
        threadDpiContext = host;
        dpiContextCalls.clear();
        TEffectParamBlock block = FilledBlock();
        EXPECT_EQ(c.expected,
            plugin.showEffectDialog(kSomeWindow, 0, 0, MakeWaveFormat(),
                c.readOnlyBlock ? reinterpret_cast<TEffectParamBlock*>(readOnly.At(0)) : &block))
            << c.what;
        EXPECT_EQ(c.calls, dpiContextCalls) << c.what;
        EXPECT_EQ(host, threadDpiContext) << c.what;
    }
    dpiContextCalls.clear();
    EXPECT_EQ(3, plugin.showEffectDialog(kSomeWindow, 0, 0, MakeWaveFormat(), nullptr));
    EXPECT_TRUE(dpiContextCalls.empty()) << "a refused argument must not switch the context";
    substitute(nullptr);
}

} // namespace
