// The exported functions as a host calls them, through LoadLibrary and GetProcAddress.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "settings/floating_point_scope.h"
#include "tests/windows/plugin_library.h"

namespace {

using ScriptSessionFunction = void (*)(int32_t, int32_t, int32_t, int32_t, int32_t);
using SessionCallCountFunction = int32_t (*)();
using NestedCallResultFunction = int32_t (*)(TEffectParamBlock*);

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
        int32_t sessionResult, outcome;
        bool raise;
        int32_t expected;
    } cases[] = {
        { 0, 1, false, 0 }, // accepted
        { 0, 2, false, 2 }, // not accepted
        { 260, 2, false, 260 }, // no dialog
        { 260, -1, false, 260 }, // no dialog, outcome left at 0
        { 4097, 2, false, 4097 }, // the session caught a failure
        { 0, -1, true, 4097 }, // an exception escaped the session
    };
    for (const auto& c : cases) {
        script(c.sessionResult, c.outcome, c.raise, 0, 0);
        TEffectParamBlock block = FilledBlock();
        EXPECT_EQ(c.expected, Show(block))
            << "session " << c.sessionResult << " outcome " << c.outcome << (c.raise ? " raising" : "");
        EXPECT_EQ(1, callCount());
    }
}

TEST_F(ScriptedExportsTest, StampsHeaderWaveFormatAndOutcomeAndNothingElse)
{
    script(0, -1, 0, 0, 0);
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
    script(0, 1, 0, 0, 0);
    TEffectParamBlock first = FilledBlock();
    TEffectParamBlock second = FilledBlock();
    EXPECT_EQ(0, Show(first, 0, 0));
    EXPECT_EQ(0, Show(second, -1, 0x7FFFFFFF));
    EXPECT_EQ(Bytes(first), Bytes(second));
}

TEST_F(ScriptedExportsTest, FloatingPointStateIsHandedBackEvenWhenTheSessionChangesIt)
{
    script(0, 2, 0, 1, 0);
    TEffectParamBlock block = FilledBlock();
    EXPECT_EQ(2, Show(block));
    script(0, 2, 1, 1, 0);
    EXPECT_EQ(4097, Show(block));
}

TEST_F(ScriptedExportsTest, ANestedCallIsRefusedWithoutTouchingItsBlock)
{
    script(0, 1, 0, 0, 1);
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

} // namespace
