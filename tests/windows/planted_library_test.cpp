// A file named oleacc.dll planted beside the host, and Wine told to prefer
// such a file to its own (as Windows searches the application's folder first
// for a DLL that is not a KnownDLL): a screen reader's first question to the
// dialog must load nothing of it. Each test runs in a process of its own,
// since a process loads oleacc once.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/windows/dialog_driver.h"

namespace {

// The mark the planted DLL leaves when its code runs; empty when it did not.
std::string PlantedCodeRan()
{
    char what[64] = {};
    GetEnvironmentVariableA("SCRUBWELL_PLANTED_CODE_RAN", what, sizeof what);
    return what;
}

// A file beside the library, which lives one folder above this program.
std::string BesideLibrary(const char* name)
{
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    folder.erase(folder.find_last_of('\\'));
    return folder.substr(0, folder.find_last_of('\\') + 1) + name;
}

std::string LoadedOleaccFolder()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(GetModuleHandleA("oleacc.dll"), path, MAX_PATH);
    const std::string file(path);
    return file.substr(0, file.find_last_of('\\'));
}

// One session in which a screen reader asks a button for its object.
void AskAsScreenReader(PluginLibrary& plugin)
{
    ASSERT_TRUE(plugin.Loaded());
    ASSERT_EQ(nullptr, GetModuleHandleA("oleacc.dll")) << "oleacc is loaded before the library asks for it";
    TestHost host;
    TEffectParamBlock block;
    std::memset(&block, 0, sizeof block);
    LRESULT object = 0;
    RunDialog(plugin, host, block, [&](DialogDriver& d) {
        object = SendMessageA(d.Button("Cancel"), WM_GETOBJECT, 0, static_cast<LPARAM>(OBJID_CLIENT));
        d.Click(d.Button("Cancel"));
    });
    EXPECT_NE(0, object) << "no accessible object handed out";
    EXPECT_EQ("", PlantedCodeRan()) << "the planted oleacc.dll ran";
    char system[MAX_PATH];
    GetSystemDirectoryA(system, MAX_PATH);
    EXPECT_EQ(0, lstrcmpiA(system, LoadedOleaccFolder().c_str())) << "oleacc loaded from " << LoadedOleaccFolder();
}

// What makes the other two tests mean something: a load by bare name finds the plant.
TEST(PlantedLibrary, RunsWhenLoadedByBareName)
{
    EXPECT_TRUE(LoadLibraryA("oleacc.dll"));
    EXPECT_NE("", PlantedCodeRan());
}

TEST(PlantedLibrary, StaysUnloadedWithTheSystemFolderSearch)
{
    PluginLibrary plugin(BesideLibrary("TidwexUI.dll").c_str());
    AskAsScreenReader(plugin);
}

// As on a Windows without AddDllDirectory: the system folder's full path.
TEST(PlantedLibrary, StaysUnloadedWithTheSystemFolderPath)
{
    PluginLibrary plugin(BesideLibrary("TidwexUI_faults.dll").c_str());
    const auto armFault = plugin.Export<void (*)(const char*, int)>("ArmFault");
    ASSERT_TRUE(armFault);
    armFault("AddDllDirectory", 0);
    AskAsScreenReader(plugin);
}

} // namespace
