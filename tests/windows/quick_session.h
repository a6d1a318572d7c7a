// Runs many sessions quickly: a hook on the host's own thread, run inside the
// dialog's modal loop whenever it takes the script's message, presses the
// buttons of a script.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "tests/windows/plugin_library.h"

// ProtectBlock: the host makes the block read-only (it must lie on pages of
// its own, from VirtualAlloc). CloseHelp and MoveSliderUnderHelp wait for the
// help; the others for the help to be gone.
enum class Press { Accept, Cancel, Help, CloseHelp, Escape, MoveSlider, MoveSliderUnderHelp, ProtectBlock };

// Calls ShowEffectDialog with the given parent and block and presses the
// buttons in order, each as soon as the dialog has handled the one before
// and the dialog or its help is up. Returns ShowEffectDialog's result.
int32_t RunQuickSession(PluginLibrary& plugin, HWND host, TEffectParamBlock& block, const std::vector<Press>& presses,
    uint16_t channels = 2);
