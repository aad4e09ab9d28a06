// The Find front-end's side of the task link with the console finder: the
// window messages to the frame, the message reader's read size (as the
// results reader reads), and what follows from the two programs' names
// (FinderLink/Task/TaskLinkNames.h). The block's words and the text message
// are every front-end's (FinderLink/Task/TaskWords.h).
#pragma once

#include "FinderLink/Task/TaskLinkNames.h"

#include <windows.h>

namespace Kyvant {
namespace FindTask {

// From the finder: wParam kAskForDialog, or kFinderProcess with lParam its
// own process handle duplicated into the front-end.
const UINT kFinderMessage = WM_APP;
const WPARAM kFinderProcess = 0;
const WPARAM kAskForDialog = 1;
// To the frame from itself: focus the active view.
const UINT kFocusViewMessage = WM_APP + 1;
// From the results reader at its end: wParam its FinderLink::ReaderResult.
const UINT kTaskEndMessage = WM_APP + 2;

// The message pipe is read in reads of 4096 bytes, as the results pipe is.
KYVANT_TASK_LINK("KyFindG", "KyFind", kTaskEndMessage, 4096);

} // namespace FindTask
} // namespace Kyvant
