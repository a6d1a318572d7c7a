/* loading_host.c: a host that loads TidwexUI.dll at run time and checks its version */
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include "scrubwell_effect.h"

/* Loaded once and kept until the host ends: the library remembers the page
   last accepted only while it stays loaded. */
static HMODULE library;
static PFN_GetEffectInfo getEffectInfo;
static PFN_ShowEffectDialog showEffectDialog;

/* By its full path, beside the host's own program: a bare name would also
   find a TidwexUI.dll in the current folder or on PATH. */
static int LoadScrubwell(void)
{
    char path[MAX_PATH];
    char* folderEnd;
    DWORD length = GetModuleFileNameA(NULL, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return 0;
    folderEnd = strrchr(path, '\\');
    if (!folderEnd || folderEnd + sizeof "TidwexUI.dll" >= path + MAX_PATH)
        return 0;
    strcpy(folderEnd + 1, "TidwexUI.dll");
    library = LoadLibraryA(path);
    if (!library)
        return 0;
    /* Through void (*)(void), which converts to any function type without a warning. */
    getEffectInfo = (PFN_GetEffectInfo)(void (*)(void))GetProcAddress(library, "GetEffectInfo");
    showEffectDialog = (PFN_ShowEffectDialog)(void (*)(void))GetProcAddress(library, "ShowEffectDialog");
    if (getEffectInfo && showEffectDialog)
        return 1;
    FreeLibrary(library);
    return 0;
}

/* The loaded library's version, from its version resource (link with version.lib
   or -lversion). A host refuses a library of another major version than its header's. */
static int LibraryVersionFits(void)
{
    wchar_t path[MAX_PATH];
    DWORD ignored, size;
    void* data;
    VS_FIXEDFILEINFO* info;
    UINT length;
    int fits = 0;

    size = GetModuleFileNameW(library, path, MAX_PATH);
    if (size == 0 || size == MAX_PATH)
        return 0;
    size = GetFileVersionInfoSizeW(path, &ignored);
    data = size ? malloc(size) : NULL;
    if (data && GetFileVersionInfoW(path, 0, size, data) && VerQueryValueW(data, L"\\", (void**)&info, &length)
        && length >= sizeof *info) {
        printf("TidwexUI.dll %u.%u.%u, header %s\n", (unsigned)HIWORD(info->dwFileVersionMS),
            (unsigned)LOWORD(info->dwFileVersionMS), (unsigned)HIWORD(info->dwFileVersionLS),
            SCRUBWELL_VERSION_STRING);
        fits = HIWORD(info->dwFileVersionMS) == SCRUBWELL_VERSION_MAJOR;
    }
    free(data);
    return fits;
}

typedef struct {
    HWND host;
    HWND dialog;
} DialogSearch;

static BOOL CALLBACK MatchDialog(HWND window, LPARAM context)
{
    DialogSearch* search = (DialogSearch*)context;
    char className[32];
    if (GetWindow(window, GW_OWNER) == search->host && GetClassNameA(window, className, sizeof className)
        && strcmp(className, "ScrubwellForm") == 0) {
        search->dialog = window;
        return FALSE;
    }
    return TRUE;
}

/* The dialog is owned by the host's window; the help dialog, of the same
   class and caption, is owned by the dialog. */
static HWND FindScrubwellDialog(HWND host)
{
    DialogSearch search;
    search.host = host;
    search.dialog = NULL;
    EnumThreadWindows(GetCurrentThreadId(), MatchDialog, (LPARAM)&search);
    return search.dialog;
}

/* This host has no selection to process, so it greys "Start Processing" once
   the dialog is up. The timer fires inside the call's modal loop. */
static LRESULT CALLBACK HostWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_TIMER) {
        HWND dialog = FindScrubwellDialog(window);
        if (dialog && SendMessageA(dialog, SCRUBWELL_UM_QUERYLOADED, 0, 0) == 1) {
            SendMessageA(dialog, SCRUBWELL_UM_DISABLESTART, 0, 0);
            KillTimer(window, wParam);
        }
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

int main(void)
{
    WNDCLASSA windowClass;
    TWaveFormat format;
    TEffectParamBlock* block;
    char name[64], secondName[64], icon[64], engine[64];
    int32_t blockSize, result;
    HWND window;

    if (!LoadScrubwell()) {
        printf("TidwexUI.dll is missing or lacks its functions\n");
        return 1;
    }
    if (!LibraryVersionFits()) {
        printf("TidwexUI.dll is not of version %d\n", SCRUBWELL_VERSION_MAJOR);
        return 1;
    }
    if (getEffectInfo(name, secondName, icon, engine, &blockSize) != SCRUBWELL_OK)
        return 1;
    /* A new block: zeros. Keep it between calls, whatever they return. */
    block = (TEffectParamBlock*)calloc(1, (size_t)blockSize);
    if (!block)
        return 1;

    memset(&windowClass, 0, sizeof windowClass);
    windowClass.lpfnWndProc = HostWindowProc;
    windowClass.hInstance = GetModuleHandleA(NULL);
    windowClass.lpszClassName = "LoadingHost";
    RegisterClassA(&windowClass);
    window = CreateWindowA("LoadingHost", "Loading host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 320, 200, NULL,
        NULL, windowClass.hInstance, NULL);
    SetTimer(window, 1, 100, NULL);

    memset(&format, 0, sizeof format); /* PCM, stereo, 16 bits */
    format.FormatTag = 1;
    format.Channels = 2;
    format.SamplesPerSec = 44100;
    format.AvgBytesPerSec = 176400;
    format.BlockAlign = 4;
    format.BitsPerSample = 16;
    result = showEffectDialog(window, 0, 0, format, block);
    printf("%s: ShowEffectDialog returned %ld\n", name, (long)result);
    if (result == SCRUBWELL_OK) {
        /* hand the block to the engine named in engine[] and process the selection */
    }

    DestroyWindow(window);
    free(block);
    FreeLibrary(library);
    return 0;
}
