// The Replace view's replaceable task dialog and beep.
#include "KyReplace/Gui/View/ReplaceViewSeams.h"

namespace Kyvant {
namespace ReplaceViewSeams {

namespace {

TaskDialogFunction g_taskDialog = nullptr;
BeepFunction g_beep = &::MessageBeep;

} // namespace

TaskDialogFunction SetTaskDialogFunction(TaskDialogFunction function)
{
    const TaskDialogFunction previous = g_taskDialog;
    g_taskDialog = function;
    return previous;
}

INT_PTR RunTaskDialog(CWnd& view)
{
    return g_taskDialog ? g_taskDialog(view) : IDCANCEL;
}

BeepFunction SetBeepFunction(BeepFunction function)
{
    const BeepFunction previous = g_beep;
    g_beep = function ? function : &::MessageBeep;
    return previous;
}

void Beep(UINT type)
{
    g_beep(type);
}

} // namespace ReplaceViewSeams
} // namespace Kyvant
