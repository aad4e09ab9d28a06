// The Replace view's outside effects that tests replace: the task dialog the
// view shows when KyReplace asks for it, and the beeps of refused actions.
#pragma once

#include <afxwin.h>

namespace Kyvant {
namespace ReplaceViewSeams {

// Runs the task dialog modally over the view and returns its result; IDOK
// accepts the task (the dialog has written the command line into the
// console hand-off block). Without one the task is refused.
using TaskDialogFunction = INT_PTR (*)(CWnd& view);
// Returns the function it replaces.
TaskDialogFunction SetTaskDialogFunction(TaskDialogFunction function);
INT_PTR RunTaskDialog(CWnd& view);

// MessageBeep unless replaced.
using BeepFunction = BOOL(WINAPI*)(UINT type);
BeepFunction SetBeepFunction(BeepFunction function);
void Beep(UINT type);

} // namespace ReplaceViewSeams
} // namespace Kyvant
