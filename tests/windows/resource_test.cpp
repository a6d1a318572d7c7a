// A thousand sessions in one process give back every window, font, GDI and
// USER object and all but a small fixed amount of memory; loading and
// unloading the library again and again takes no more memory than doing the
// same with a DLL that has its imports and no code: what the system's loader
// keeps is not the library's.
//
// Sessions that open the help are held to everything but the memory: Wine's
// multi-line edit control keeps some 80 KiB each time it lays out a long text,
// a plain Edit control in a program of its own does the same, so their memory
// is reported rather than checked.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "tests/windows/dialog_driver.h"
#include "tests/windows/quick_session.h"

#include <psapi.h>

namespace {

using LiveObjectCountsFunction = void (*)(int*, int*);

int SessionCount()
{
    const char* count = std::getenv("SCRUBWELL_RESOURCE_SESSIONS");
    return count ? std::atoi(count) : 1000;
}

int ThreadWindowCount()
{
    int count = 0;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM context) WINAPI -> BOOL {
            auto* n = reinterpret_cast<int*>(context);
            ++*n;
            EnumChildWindows(
                window, [](HWND, LPARAM inner) WINAPI -> BOOL { return ++*reinterpret_cast<int*>(inner), TRUE; },
                context);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

SIZE_T PrivateBytes()
{
    PROCESS_MEMORY_COUNTERS_EX memory {};
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);
    // Wine leaves PrivateUsage at 0; the commit charge is the same figure.
    return memory.PrivateUsage ? memory.PrivateUsage : memory.PagefileUsage;
}

// How much private memory COUNT loads and unloads of DLL add.
long long LoadGrowth(const char* dll, int count)
{
    const SIZE_T before = PrivateBytes();
    for (int i = 0; i < count; ++i) {
        const HMODULE library = LoadLibraryA(dll);
        if (!library) {
            ADD_FAILURE() << "cannot load " << dll;
            return 0;
        }
        FreeLibrary(library);
    }
    return static_cast<long long>(PrivateBytes()) - static_cast<long long>(before);
}

TEST(ResourceTest, LoadingAndUnloadingTheLibraryTakesNoMemory)
{
    const char* const dlls[] = { "imports_only.dll", "TidwexUI.dll" };
    for (const char* dll : dlls)
        LoadGrowth(dll, 20); // the loader's own first-use allocations settle
    // Rounds of 40 loads, the two DLLs in turns. Each one's largest round is
    // left out: once in a run the process's memory grows by some 240 KiB at
    // once, in whichever DLL's round it happens; a leak grows every round.
    long long counted[2] = {}, largest[2] = { LLONG_MIN, LLONG_MIN };
    for (int round = 0; round < 11; ++round) {
        for (int i = 0; i < 2; ++i) {
            const long long growth = LoadGrowth(dlls[i], 40);
            counted[i] += growth;
            largest[i] = std::max(largest[i], growth);
        }
    }
    const long long importsOnly = counted[0] - largest[0], library = counted[1] - largest[1];
    std::printf("400 loads: private memory +%lld KiB for the library, +%lld KiB for a DLL with its imports only "
                "(largest rounds +%lld and +%lld KiB left out)\n",
        library / 1024, importsOnly / 1024, largest[1] / 1024, largest[0] / 1024);
    // A leak of 1 KiB a load would be 400 KiB; the allowance is for the heap's own rounding.
    EXPECT_LE(library, importsOnly + 32 * 1024) << "private memory grew";
}

struct Usage {
    int windows, formWindows, fonts;
    DWORD gdi, user;
    size_t privateBytes;
};

TEST(ResourceTest, AThousandSessionsLeaveNothingBehind)
{
    PluginLibrary plugin { "TidwexUI_faults.dll" };
    ASSERT_TRUE(plugin.Loaded());
    const auto live = plugin.Export<LiveObjectCountsFunction>("LiveObjectCounts");
    ASSERT_TRUE(live);
    TestHost host;
    const std::vector<std::vector<Press>> withoutHelp
        = { { Press::Accept }, { Press::Cancel }, { Press::MoveSlider, Press::Escape } };
    const std::vector<std::vector<Press>> withHelp = { { Press::Help, Press::CloseHelp, Press::Accept } };
    auto measure = [&] {
        Usage usage {};
        usage.windows = ThreadWindowCount();
        live(&usage.formWindows, &usage.fonts);
        usage.gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
        usage.user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
        usage.privateBytes = PrivateBytes();
        return usage;
    };
    auto run = [&](int sessions, const std::vector<std::vector<Press>>& scripts) {
        for (int i = 0; i < sessions; ++i) {
            TEffectParamBlock block;
            std::memset(&block, 0, sizeof block);
            const int32_t result = RunQuickSession(plugin, host.window, block, scripts[i % scripts.size()]);
            ASSERT_TRUE(result == 0 || result == 2) << "session " << i << " returned " << result;
        }
    };
    auto compare = [](const char* what, const Usage& before, const Usage& after) {
        std::printf("%s: windows %d -> %d, GDI %lu -> %lu, USER %lu -> %lu, private memory %zu -> %zu KiB\n", what,
            before.windows, after.windows, before.gdi, after.gdi, before.user, after.user, before.privateBytes / 1024,
            after.privateBytes / 1024);
        EXPECT_EQ(before.windows, after.windows) << what;
        EXPECT_EQ(0, after.formWindows) << what;
        EXPECT_EQ(0, after.fonts) << what;
        EXPECT_LE(after.gdi, before.gdi) << what;
        EXPECT_LE(after.user, before.user) << what;
    };
    run(20, withoutHelp); // caches and first-use allocations settle
    run(5, withHelp);
    const Usage start = measure();
    const int sessions = SessionCount();
    run(sessions, withoutHelp);
    const Usage middle = measure();
    compare("sessions without help", start, middle);
    EXPECT_LT(middle.privateBytes, start.privateBytes + 1024 * 1024) << "private memory grew";
    run(sessions / 10, withHelp);
    compare("sessions with help", middle, measure());
}

} // namespace
