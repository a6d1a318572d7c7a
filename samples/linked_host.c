/* linked_host.c: a host linked with libTidwexUI.dll.a or TidwexUI.lib */
#include <windows.h>
#include <stdio.h>
#include "scrubwell_effect.h"

int main(void)
{
    static TEffectParamBlock block; /* a new block: zeros */
    TWaveFormat format = { 1, 2, 44100, 176400, 4, 16, 0 }; /* PCM, stereo, 16 bits */
    char name[64], secondName[64], icon[64], engine[64];
    int32_t blockSize, result;
    HWND window;

    if (GetEffectInfo(name, secondName, icon, engine, &blockSize) != SCRUBWELL_OK
        || blockSize != SCRUBWELL_BLOCK_SIZE)
        return 1;
    window = CreateWindowA("STATIC", "Linked host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 320, 200, NULL, NULL,
        NULL, NULL);
    result = ShowEffectDialog(window, 0, 0, format, &block);
    printf("%s: ShowEffectDialog returned %ld, EffectFlags 0x%04lX\n", name, (long)result,
        (unsigned long)block.EffectFlags);
    DestroyWindow(window);
    return 0;
}
