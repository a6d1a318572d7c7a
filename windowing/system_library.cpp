#include "windowing/system_library.h"

#include "settings/fault_point.h"

namespace scrubwell::windowing {
namespace {

// LOAD_LIBRARY_SEARCH_SYSTEM32 works where kernel32 has AddDllDirectory
// (Windows 8, and Windows 7 with its update); before that, every
// LOAD_LIBRARY_SEARCH_* flag fails.
bool SearchFlagsWork()
{
    if (SCRUBWELL_FAULT_POINT("AddDllDirectory"))
        return false;
    const HMODULE kernel32 = GetModuleHandleW(L"kernel32.dll");
    return kernel32 && GetProcAddress(kernel32, "AddDllDirectory");
}

} // namespace

HMODULE LoadSystemLibrary(const wchar_t* name)
{
    if (SearchFlagsWork())
        return LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    // The full path; the DLL's own imports are then looked for beside it first.
    // Under WOW64 the file system redirects it to SysWOW64, as it should.
    WCHAR path[MAX_PATH];
    const UINT folder = GetSystemDirectoryW(path, MAX_PATH);
    const int length = lstrlenW(name);
    if (folder == 0 || folder + 1 + length >= MAX_PATH)
        return nullptr;
    path[folder] = L'\\';
    lstrcpyW(path + folder + 1, name);
    return LoadLibraryExW(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

} // namespace scrubwell::windowing
