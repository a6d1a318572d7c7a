#include "tests/windows/plugin_library.h"

PluginLibrary::PluginLibrary(const char* fileName)
    : module_(LoadLibraryA(fileName))
{
    if (!module_)
        return;
    getEffectInfo = Export<GetEffectInfoFunction>("GetEffectInfo");
    showEffectDialog = Export<ShowEffectDialogFunction>("ShowEffectDialog");
}

PluginLibrary::~PluginLibrary()
{
    if (module_)
        FreeLibrary(module_);
}

TWaveFormat MakeWaveFormat(uint16_t channels)
{
    TWaveFormat format {};
    format.FormatTag = 1;
    format.Channels = channels;
    format.SamplesPerSec = 44100;
    format.BitsPerSample = 16;
    format.BlockAlign = static_cast<uint16_t>(channels * 2);
    format.AvgBytesPerSec = format.SamplesPerSec * format.BlockAlign;
    format.ExtraSize = 0x5A5A;
    return format;
}
