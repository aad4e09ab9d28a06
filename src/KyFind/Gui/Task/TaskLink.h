// The Find front-end's side of the task link with the console finder: the
// names of the task objects (each after the protocol prefix), the finder's
// program and environment variable, the window messages to the frame and
// the start's errors. The block's words and the text message are every
// front-end's (FinderLink/Task/TaskWords.h).
#pragma once

#include "FinderLink/Task/LinkProtocol.h"

#include <windows.h>

namespace Kyvant {
namespace FindTask {

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
// From the results reader at its end: wParam its FinderLink::ReaderResult.
const UINT kTaskEndMessage = WM_APP + 2;

// The task start's errors.
const char kFinderMissingError[] = "Unable to initialize KyFind - Code 5";
const char kFinderEndedError[] = "Unable to initialize KyFind - Code 4";

// The message reader reads as the results reader does.
const unsigned kMessageReadSize = 4096;

extern const FinderLink::LinkProtocol kProtocol;

} // namespace FindTask
} // namespace Kyvant
