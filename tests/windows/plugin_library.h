// PluginLibrary: the library as a host sees it, loaded with LoadLibrary.
#pragma once

#include <windows.h>

#include <string>

#include "contract/scrubwell_effect.h"

using GetEffectInfoFunction = decltype(&GetEffectInfo);
using ShowEffectDialogFunction = decltype(&ShowEffectDialog);

class PluginLibrary {
public:
    explicit PluginLibrary(const char* fileName);
    ~PluginLibrary();
    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;

    bool Loaded() const { return module_ && getEffectInfo && showEffectDialog; }
    HMODULE Module() const { return module_; }
    template <class Function> Function Export(const char* name) const
    {
        return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module_, name)));
    }

    GetEffectInfoFunction getEffectInfo = nullptr;
    ShowEffectDialogFunction showEffectDialog = nullptr;

private:
    HMODULE module_;
};

// A stereo 16-bit 44.1 kHz format, or mono with channels 1.
TWaveFormat MakeWaveFormat(uint16_t channels = 2);
