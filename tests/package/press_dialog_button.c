/*
 * The user of a host that runs in another process: finds the Scrubwell
 * dialog as the host guide says (the ScrubwellForm window owned by the host's
 * window), waits until its settings are loaded and, when a second button is
 * named, until the host has greyed that one, then presses the first.
 * Usage: press_dialog_button HOST_CAPTION BUTTON_CAPTION [GREYED_BUTTON_CAPTION]
 * Exit status 0 when pressed, 1 when a window or state did not appear in time.
 */
#include <stdio.h>
#include <string.h>
#include <windows.h>

#include "scrubwell_effect.h"

typedef struct {
    HWND owner;
    const char* text;
    HWND found;
} Search;

static int HasClass(HWND window, const char* name)
{
    char className[64];
    return GetClassNameA(window, className, sizeof className) && strcmp(className, name) == 0;
}

static BOOL CALLBACK MatchDialog(HWND window, LPARAM context)
{
    Search* search = (Search*)context;
    if (GetWindow(window, GW_OWNER) == search->owner && HasClass(window, "ScrubwellForm")) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

static BOOL CALLBACK MatchButton(HWND window, LPARAM context)
{
    Search* search = (Search*)context;
    char text[64];
    if (HasClass(window, "Button") && GetWindowTextA(window, text, sizeof text) && strcmp(text, search->text) == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

static int Loaded(HWND dialog)
{
    DWORD_PTR reply = 0;
    return IsWindowVisible(dialog)
        && SendMessageTimeoutA(dialog, SCRUBWELL_UM_QUERYLOADED, 0, 0, SMTO_ABORTIFHUNG, 1000, &reply) && reply == 1;
}

static HWND FindButton(HWND dialog, const char* text)
{
    Search button;
    button.owner = NULL;
    button.text = text;
    button.found = NULL;
    EnumChildWindows(dialog, MatchButton, (LPARAM)&button);
    return button.found;
}

int main(int argc, char** argv)
{
    Search dialog = { NULL, NULL, NULL };
    HWND press = NULL, greyed = NULL;
    int waited, ready = 0;
    if (argc != 3 && argc != 4) {
        fprintf(stderr, "usage: press_dialog_button HOST_CAPTION BUTTON_CAPTION [GREYED_BUTTON_CAPTION]\n");
        return 2;
    }
    for (waited = 0; waited < 30000 && !ready; waited += 50) {
        dialog.owner = FindWindowA(NULL, argv[1]);
        dialog.found = NULL;
        if (dialog.owner)
            EnumWindows(MatchDialog, (LPARAM)&dialog);
        if (dialog.found && Loaded(dialog.found)) {
            press = FindButton(dialog.found, argv[2]);
            greyed = argc == 4 ? FindButton(dialog.found, argv[3]) : NULL;
            ready = press && (argc == 3 || (greyed && !IsWindowEnabled(greyed)));
        }
        if (!ready)
            Sleep(50);
    }
    if (!ready) {
        fprintf(stderr, "after %d ms: dialog owned by \"%s\" %s, button \"%s\" %s%s%s\n", waited, argv[1],
            dialog.found ? "found" : "not found", argv[2], press ? "found" : "not found",
            argc == 4 ? ", greyed button " : "", argc == 4 ? (greyed ? "enabled" : "not found") : "");
        return 1;
    }
    PostMessageA(press, BM_CLICK, 0, 0);
    return 0;
}
