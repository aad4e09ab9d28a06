// The Dir front-end's side of the task link with the console Dir program:
// the window messages to the frame (they differ from the Find front-end's),
// the message reader's read size, and what follows from the two programs'
// names (FinderLink/Task/TaskLinkNames.h). The block's words and the text
// message are every front-end's (FinderLink/Task/TaskWords.h).
#pragma once

#include "FinderLink/Task/TaskLinkNames.h"

#include <windows.h>

namespace Kyvant {
namespace DirTask {

// From the tool: wParam kAskForDialog asks for the task dialog; any other
// wParam is ignored.
const UINT kToolMessage = WM_APP;
const WPARAM kAskForDialog = 0;
// From the results reader at its end: wParam its FinderLink::ReaderResult.
const UINT kTaskEndMessage = WM_APP + 1;
// To the frame from itself: focus the active view.
const UINT kFocusViewMessage = WM_APP + 2;

// The message pipe is read in reads of 1023 bytes.
KYVANT_TASK_LINK("KyDirG", "KyDir", kTaskEndMessage, 1023);

} // namespace DirTask
} // namespace Kyvant
