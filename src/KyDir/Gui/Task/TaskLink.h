// The Dir front-end's side of the task link with the console Dir program:
// the names of the task objects (each after the protocol prefix), the
// program and environment variable, the window messages to the frame (they
// differ from the Find front-end's) and the start's errors. The block's
// words and the text message are every front-end's
// (FinderLink/Task/TaskWords.h).
#pragma once

#include "FinderLink/Task/LinkProtocol.h"

#include <windows.h>

namespace Kyvant {
namespace DirTask {

const char kBlockName[] = "Kyvant_KyDirG_KyDir_ShMem";
const char kDialogEndedName[] = "Kyvant_KyDirG_KyDir_Dlg_Term_Event";
const char kGoName[] = "Kyvant_KyDirG_KyDir_Go_Event";
const char kGoAwayName[] = "Kyvant_KyDirG_KyDir_GoAway_Event";

// Started from the search path, without arguments.
const char kToolCommandLine[] = "KyDir.exe";
// The front-end's inheritable process handle, in decimal, for the tool.
const char kProcessVariable[] = "Kyvant_KyDirG_Process_Hdl";

// From the tool: wParam kAskForDialog asks for the task dialog; any other
// wParam is ignored.
const UINT kToolMessage = WM_APP;
const WPARAM kAskForDialog = 0;
// From the results reader at its end: wParam its FinderLink::ReaderResult.
const UINT kTaskEndMessage = WM_APP + 1;
// To the frame from itself: focus the active view.
const UINT kFocusViewMessage = WM_APP + 2;

// The task start's errors.
const char kToolMissingError[] = "Unable to initialize KyDir - Code 5";
const char kToolEndedError[] = "Unable to initialize KyDir - Code 4";

// The message pipe is read in reads of this size.
const unsigned kMessageReadSize = 1023;

extern const FinderLink::LinkProtocol kProtocol;

} // namespace DirTask
} // namespace Kyvant
