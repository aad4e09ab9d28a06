// What a tool page does to the settings dialog that hosts it.
#include "KyTools/PageSupport/PageHostDialog.h"

#include "KyGui/Helpers/DialogEx.h"

namespace Kyvant {
namespace PageHostDialog {

void FocusControl(CWnd& page, int id)
{
    CWnd* control = page.GetDlgItem(id);
    if (control != nullptr)
        DialogEx::GotoDialogControl(*control, true);
}

bool EndHostDialog(CWnd& page, int result)
{
    HWND top = page.GetSafeHwnd();
    while (top != nullptr && (::GetWindowLongA(top, GWL_STYLE) & WS_CHILD) != 0)
        top = ::GetParent(top);
    CDialog* dialog = dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(top));
    if (dialog == nullptr)
        return false;
    dialog->EndDialog(result);
    return true;
}

} // namespace PageHostDialog
} // namespace Kyvant
