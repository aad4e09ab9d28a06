// KYB_PathEditWnd: every key for the edit; Enter and Esc end the row's editing.
#include "KyGuiTool/PathLists/PathEditWnd.h"

namespace {

const UINT kEnter = 13;
const UINT kEscape = 27;

} // namespace

BEGIN_MESSAGE_MAP(KYB_PathEditWnd, KyShellObjListEditCtrl)
    ON_WM_GETDLGCODE()
    ON_WM_CHAR()
END_MESSAGE_MAP()

KYB_PathEditWnd::KYB_PathEditWnd(KYB_Editor& editor)
    : KyShellObjListEditCtrl(FilesAndFolders, true, true, false, true, true, true), m_editor(editor)
{
}

KYB_PathEditWnd::~KYB_PathEditWnd() = default;

UINT KYB_PathEditWnd::OnGetDlgCode()
{
    return DLGC_WANTALLKEYS;
}

void KYB_PathEditWnd::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == kEnter)
        m_editor.StopEditing(true);
    else if (nChar == kEscape)
        m_editor.StopEditing(false);
    else
        KyShellObjListEditCtrl::OnChar(nChar, nRepCnt, nFlags);
}
