/*
 * The Scrubwell settings-dialog library ("TidwexUI.dll"): its two exported
 * functions, as a host calls them.
 *
 * Both use the standard calling convention (__stdcall on 32-bit Windows), are
 * exported by their undecorated names, return a 32-bit signed code and let no
 * exception or other failure escape. Both must be called on the host's
 * user-interface thread; ShowEffectDialog admits one call at a time.
 *
 * Floating point: each call hands the caller's x87 control and status words
 * and MXCSR back exactly as they were, whatever precision or exception masks
 * the host runs with.
 */
#ifndef SCRUBWELL_EFFECT_H
#define SCRUBWELL_EFFECT_H

#include <stdint.h>

/* Beside this header in the release package; in the source tree in block/. */
#include "effect_param_block.h"

/* The release this header belongs to; the DLL's version resource holds the same. */
#define SCRUBWELL_VERSION_MAJOR 1
#define SCRUBWELL_VERSION_MINOR 0
#define SCRUBWELL_VERSION_PATCH 0
#define SCRUBWELL_VERSION_STRING "1.0.0"

#if defined(_WIN32) && !defined(_WIN64)
#define SCRUBWELL_API __stdcall
#else
#define SCRUBWELL_API
#endif

/*
 * A host that links through an import library may define SCRUBWELL_DLLIMPORT
 * before including this header: the functions are then declared
 * __declspec(dllimport), which lets MSVC call them through the import table
 * directly. Hosts that use LoadLibrary, and the library itself, leave it
 * undefined.
 */
#if defined(_WIN32) && defined(SCRUBWELL_DLLIMPORT)
#define SCRUBWELL_IMPORT __declspec(dllimport)
#else
#define SCRUBWELL_IMPORT
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Return codes. */
enum {
    SCRUBWELL_OK = 0, /* GetEffectInfo: all written; ShowEffectDialog: accepted */
    SCRUBWELL_NOT_ACCEPTED = 2, /* Cancel, Escape or the close box */
    SCRUBWELL_BAD_ARGUMENT = 3, /* a null pointer or a zero window; nothing touched */
    SCRUBWELL_NO_DIALOG = 260, /* a dialog window could not be created */
    SCRUBWELL_DIALOG_FAILED = 4097, /* a failure while stamping the block or running the dialog */
    SCRUBWELL_INFO_FAILED = 4105 /* a failure while writing GetEffectInfo's outputs */
};

/*
 * Private messages a host may send the dialog window while ShowEffectDialog
 * runs: the top-level window of class "ScrubwellForm" whose owner
 * (GetWindow(dialog, GW_OWNER)) is the host's window. The help dialog has the
 * same class and caption but is owned by the dialog. The call runs a modal
 * loop on the host's thread, so the messages come from the host's window
 * procedures or from another thread. Parameters are ignored.
 */
#define SCRUBWELL_UM_DISABLESTART 1029 /* disables "Start Processing" for the rest of the run; replies 0 */
#define SCRUBWELL_UM_QUERYLOADED 1030 /* replies 1 once settings have been loaded, else 0 */
#define SCRUBWELL_UM_SHOWDIALOG 1031 /* makes the dialog visible; replies 0 */

/*
 * Besides, after every page change the user makes, the dialog sends the host's
 * window WM_PAINT with both parameters 0 (SendMessage, so synchronously); and
 * when the application is activated while the dialog is open, it brings the
 * host's window to the top and the dialog above it.
 */

/* The size GetEffectInfo's four buffers need: its longest text, "TIDWEX32.DLL", and the zero. */
#define SCRUBWELL_INFO_TEXT_SIZE 13

/*
 * Describes the effect. Copies "Scrubwell" into effectName and secondName,
 * "SCRUBWL.ICO" into iconFile and "TIDWEX32.DLL" (the processing engine) into
 * engineFile, each with its terminating zero and without a length limit: each
 * buffer must hold SCRUBWELL_INFO_TEXT_SIZE bytes. Stores the parameter
 * block's size, 4534, through blockSize. Returns 0; 3 (and writes nothing)
 * when any pointer is null; 4105 when an output cannot be written, with the
 * outputs before it written. Reads no state and may be called at any time.
 */
SCRUBWELL_IMPORT int32_t SCRUBWELL_API GetEffectInfo(
    char* effectName, char* secondName, char* iconFile, char* engineFile, int32_t* blockSize);

/*
 * Runs the settings dialog modally over the host's window and returns when
 * it has closed.
 *
 * parent      the host's window; the dialog is owned by it. Must not be 0.
 * reserved1,2 ignored.
 * waveFormat  the audio's format, passed by value; its channel count decides
 *             whether the channel choice is offered. TWaveFormat has the
 *             layout of WAVEFORMATEX (18 bytes, packed): copy a
 *             WAVEFORMATEX's first 18 bytes into it with memcpy. On x86
 *             the 18 bytes lie on the stack (five 4-byte slots); on x64 the
 *             caller makes a copy and passes a pointer to it, which the
 *             calling convention does for records larger than 8 bytes:
 *             hosts written in other languages must do so by hand.
 * block       the host's parameter block, edited in place during the call
 *             only; the library keeps no reference to it afterwards.
 *
 * Returns 0 when the user pressed "Start Processing" (the block holds the new
 * settings), 2 when the dialog ended otherwise (the block holds only the
 * load-time corrections), 3 when parent is 0 or block is null (nothing is
 * touched), 260 when the dialog could not be created, 4097 on any other
 * failure, including a call made while another is still in progress.
 */
SCRUBWELL_IMPORT int32_t SCRUBWELL_API ShowEffectDialog(
    void* parent, int32_t reserved1, int32_t reserved2, TWaveFormat waveFormat, TEffectParamBlock* block);

/*
 * The two functions' types, for hosts that load the library with LoadLibrary
 * and look the functions up with GetProcAddress. Convert GetProcAddress's
 * result through (void (*)(void)), the function type that converts to any
 * other without a warning.
 */
typedef int32_t(SCRUBWELL_API* PFN_GetEffectInfo)(
    char* effectName, char* secondName, char* iconFile, char* engineFile, int32_t* blockSize);
typedef int32_t(SCRUBWELL_API* PFN_ShowEffectDialog)(
    void* parent, int32_t reserved1, int32_t reserved2, TWaveFormat waveFormat, TEffectParamBlock* block);

#ifdef __cplusplus
}
#endif

#endif
