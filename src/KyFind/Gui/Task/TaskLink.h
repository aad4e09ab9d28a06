// The task link between the Find front-end and the console finder: the
// words of the 1,024-byte task block, the names of the objects (each after
// the protocol prefix), the finder's program and environment variable, and
// the window messages to the frame.
#pragma once

#include <windows.h>

namespace Kyvant {
namespace FindTask {

const unsigned kBlockSize = 1024;

// Byte offsets of the block's little-endian 32-bit words.
enum BlockWord : unsigned {
    kFrameWindow = 0,     // the frame: target of the finder's messages
    kFrontEndProcess = 4, // inheritable handle of the front-end's process
    kDialogResult = 8,    // 1 accepted, 0 cancelled
    kResultsPipe = 12,    // read end of the results pipe, valid in the front-end
    kMessagePipe = 16,    // read end of the message pipe, valid in the front-end
    kReadersStarted = 20, // 1 once both readers run
};

const char kBlockName[] = "Kyvant_KyFindG_KyFind_ShMem";
const char kDialogEndedName[] = "Kyvant_KyFindG_KyFind_Dlg_Term_Event";
const char kGoName[] = "Kyvant_KyFindG_KyFind_Go_Event";
const char kGoAwayName[] = "Kyvant_KyFindG_KyFind_GoAway_Event";

// Started from the search path, without arguments.
const char kFinderCommandLine[] = "KyFind.exe";
// The front-end's inheritable process handle, in decimal, for the finder.
const char kProcessVariable[] = "Kyvant_KyFindG_Process_Hdl";

// From the finder: wParam kAskForDialog, or kFinderProcess with lParam its
// own process handle duplicated into the front-end.
const UINT kFinderMessage = WM_APP;
const WPARAM kFinderProcess = 0;
const WPARAM kAskForDialog = 1;
// To the frame from itself: focus the active view.
const UINT kFocusViewMessage = WM_APP + 1;
// From the results reader at its end: wParam its ReaderResult.
const UINT kTaskEndMessage = WM_APP + 2;
// wParam: a heap Kyvant::ky_S that the receiver shows and frees.
const UINT kTextMessage = WM_APP + 0xFA;

enum ReaderResult : int {
    kAllRead = 1,
    kReadFailed = 0,
    kNotStarted = -1, // the readers-started word was 0
};

// The task start's errors.
const char kFinderMissingError[] = "Unable to initialize KyFind - Code 5";
const char kFinderEndedError[] = "Unable to initialize KyFind - Code 4";

} // namespace FindTask
} // namespace Kyvant
