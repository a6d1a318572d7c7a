// A 32-bit host that has loaded the shared MinGW runtime before the library,
// as hosts built with it do, and drives the library's failure paths and an
// ordinary session. Every call goes through a thunk that checks the calling
// convention at run time: the callee removes exactly its arguments, keeps
// EBX, ESI, EDI and EBP, and hands back the x87 control word and MXCSR it
// was given.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "tests/windows/dialog_driver.h"
#include "tests/windows/quick_session.h"

extern "C" {
// The thunk's input and what it saw of the last call; one call at a time.
void* abiTarget;
uint32_t abiArgumentBytes;
uint32_t abiHostControlWord = 0x027F; // 53-bit precision, as Windows hosts often run
uint32_t abiHostMxcsr = 0x9F80; // flush to zero
uint32_t abiReturnAddress;
uint32_t abiArgumentsEsp;
uint32_t abiEspAfter;
uint32_t abiCallerRegisters[4];
uint32_t abiRegistersAfter[4];
uint32_t abiControlWordAfter;
uint32_t abiMxcsrAfter;
uint32_t abiCallerControlWord;
uint32_t abiCallerMxcsr;

// Called in place of a stdcall function: takes the caller's return address
// off the stack, gives the callee the host's floating-point state and marked
// callee-saved registers, calls abiTarget, records what came back, restores
// the caller's state, and returns with ESP where it was before the caller
// pushed the arguments, whatever the callee removed.
void AbiCheckedCall();
}

asm(R"(
    .text
    .globl _AbiCheckedCall
_AbiCheckedCall:
    popl    _abiReturnAddress
    movl    %esp, _abiArgumentsEsp
    movl    %ebx, _abiCallerRegisters
    movl    %esi, _abiCallerRegisters+4
    movl    %edi, _abiCallerRegisters+8
    movl    %ebp, _abiCallerRegisters+12
    fnstcw  _abiCallerControlWord
    stmxcsr _abiCallerMxcsr
    fldcw   _abiHostControlWord
    ldmxcsr _abiHostMxcsr
    movl    $0xB0B0B0B0, %ebx
    movl    $0x51515151, %esi
    movl    $0xD1D1D1D1, %edi
    movl    $0xE0E0E0E0, %ebp
    call    *_abiTarget
    movl    %esp, _abiEspAfter
    movl    %ebx, _abiRegistersAfter
    movl    %esi, _abiRegistersAfter+4
    movl    %edi, _abiRegistersAfter+8
    movl    %ebp, _abiRegistersAfter+12
    fnstcw  _abiControlWordAfter
    stmxcsr _abiMxcsrAfter
    fldcw   _abiCallerControlWord
    ldmxcsr _abiCallerMxcsr
    movl    _abiCallerRegisters, %ebx
    movl    _abiCallerRegisters+4, %esi
    movl    _abiCallerRegisters+8, %edi
    movl    _abiCallerRegisters+12, %ebp
    movl    _abiArgumentsEsp, %esp
    addl    _abiArgumentBytes, %esp
    jmp     *_abiReturnAddress
)");

namespace {

constexpr uint32_t kMarks[4] = { 0xB0B0B0B0, 0x51515151, 0xD1D1D1D1, 0xE0E0E0E0 };
constexpr const char* kRegisterNames[4] = { "EBX", "ESI", "EDI", "EBP" };

// The function, called through the thunk from now on.
template <class Function> Function Checked(Function function, uint32_t argumentBytes)
{
    abiTarget = reinterpret_cast<void*>(function);
    abiArgumentBytes = argumentBytes;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(&AbiCheckedCall));
}

void ExpectCallingConventionKept()
{
    EXPECT_EQ(abiArgumentBytes, abiEspAfter - abiArgumentsEsp) << "bytes of arguments removed by the callee";
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(kMarks[i], abiRegistersAfter[i]) << kRegisterNames[i] << " not preserved";
    EXPECT_EQ(abiHostControlWord, abiControlWordAfter & 0xFFFF) << "x87 control word";
    EXPECT_EQ(abiHostMxcsr, abiMxcsrAfter) << "MXCSR";
}

struct Session {
    const char* name;
    const char* library;
    const char* fault; // armed in the fault build, "" for none
    bool parentIsWindow;
    std::vector<Press> presses;
    int32_t expected;
};

const Session kSessions[] = {
    { "ParentIsNoWindow", "TidwexUI.dll", "", false, {}, 260 },
    { "FailureDuringTheLoad", "TidwexUI_faults.dll", "load", true, {}, 4097 },
    { "FailureAtTheStore", "TidwexUI_faults.dll", "store", true, { Press::Accept }, 4097 },
    { "OrdinaryAccept", "TidwexUI.dll", "", true, { Press::Accept }, 0 },
};

class SharedRuntimeSession : public ::testing::TestWithParam<Session> { };

TEST_P(SharedRuntimeSession, ReturnsItsCodeAndKeepsTheCallingConvention)
{
    const Session& session = GetParam();
    PluginLibrary plugin(session.library);
    ASSERT_TRUE(plugin.Loaded()) << session.library;
    if (*session.fault) {
        const auto arm = plugin.Export<void (*)(const char*, int)>("ArmFault");
        ASSERT_TRUE(arm);
        arm(session.fault, 0);
    }
    TestHost hostWindow;
    const HWND parent = session.parentIsWindow ? hostWindow.window : reinterpret_cast<HWND>(0x10010);
    TEffectParamBlock block;
    std::memset(&block, 0, sizeof block);
    plugin.showEffectDialog = Checked(plugin.showEffectDialog, 36);
    EXPECT_EQ(session.expected, RunQuickSession(plugin, parent, block, session.presses));
    ExpectCallingConventionKept();
}

INSTANTIATE_TEST_SUITE_P(Paths, SharedRuntimeSession, ::testing::ValuesIn(kSessions),
    [](const ::testing::TestParamInfo<Session>& info) { return info.param.name; });

TEST(SharedRuntimeInfo, GetEffectInfoKeepsTheCallingConvention)
{
    PluginLibrary plugin("TidwexUI.dll");
    ASSERT_TRUE(plugin.Loaded());
    char texts[4][32];
    int32_t size = 0;
    EXPECT_EQ(0, Checked(plugin.getEffectInfo, 20)(texts[0], texts[1], texts[2], texts[3], &size));
    ExpectCallingConventionKept();
    EXPECT_EQ(4534, size);
}

} // namespace

int main(int argc, char** argv)
{
    // Before the library: its unwinder must not depend on which copy of
    // libgcc the process has loaded first.
    if (!LoadLibraryA("libgcc_s_dw2-1.dll")) {
        std::fprintf(stderr, "shared_runtime_host: cannot load libgcc_s_dw2-1.dll (error %lu)\n", GetLastError());
        return 2;
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
