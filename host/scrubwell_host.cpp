// scrubwell-host: a small host that loads the library as an audio editor does.
#include <windows.h>

#include <cstdio>

#include "exports/scrubwell_effect.h"

int main()
{
    HMODULE library = LoadLibraryA("TidwexUI.dll");
    if (!library) {
        std::fprintf(stderr, "scrubwell-host: cannot load TidwexUI.dll\n");
        return 1;
    }
    auto getEffectInfo
        = reinterpret_cast<decltype(&GetEffectInfo)>(reinterpret_cast<void*>(GetProcAddress(library, "GetEffectInfo")));
    char name[64], second[64], icon[64], engine[64];
    int32_t size = 0;
    const int32_t result = getEffectInfo ? getEffectInfo(name, second, icon, engine, &size) : -1;
    if (result != 0) {
        std::fprintf(stderr, "scrubwell-host: GetEffectInfo returned %d\n", static_cast<int>(result));
        return 1;
    }
    std::printf("Effect:        %s (%s)\nIcon:          %s\nEngine:        %s\nBlock size:    %d bytes\n", name, second,
        icon, engine, static_cast<int>(size));
    FreeLibrary(library);
    return 0;
}
