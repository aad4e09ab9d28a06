// KySubDialog: creation from the template, the bridge's defaults and context help.
#include "KyGuiTool/Pages/KySubDialog.h"

namespace {

LPCSTR HelpFile()
{
    CWinApp* app = AfxGetApp();
    return app != nullptr ? app->m_pszHelpFilePath : nullptr;
}

} // namespace

IMPLEMENT_DYNAMIC(KySubDialog, CDialog)

BEGIN_MESSAGE_MAP(KySubDialog, CDialog)
ON_WM_HELPINFO()
ON_WM_CONTEXTMENU()
END_MESSAGE_MAP()

KySubDialog::KySubDialog(int templateId, const DWORD* helpIds,
                         const Kyvant::rc_ptr<Kyvant::AppBridge>& bridge, int proxyId)
    : CDialog(static_cast<UINT>(templateId)), SubDialogBridge(*this, bridge, templateId, proxyId),
      m_helpIds(helpIds)
{
}

KySubDialog::~KySubDialog() = default;

bool KySubDialog::CreateGUI(CWnd& parent, const CRect&)
{
    if (!Create(static_cast<UINT>(GetActualID()), &parent))
        return false;
    SetDlgCtrlID(GetActualID());
    return true;
}

int KySubDialog::UpdateData(int save)
{
    return CDialog::UpdateData(save);
}

bool KySubDialog::AllowOK()
{
    return true;
}

bool KySubDialog::AllowCancel()
{
    return true;
}

BOOL KySubDialog::PreTranslateMessage(MSG*)
{
    return FALSE;
}

BOOL KySubDialog::OnHelpInfo(HELPINFO* pHelpInfo)
{
    if (m_helpIds != nullptr && pHelpInfo->iContextType == HELPINFO_WINDOW) {
        AfxWinHelp(static_cast<HWND>(pHelpInfo->hItemHandle), HelpFile(), HELP_WM_HELP,
                   reinterpret_cast<ULONG_PTR>(m_helpIds));
        return TRUE;
    }
    return CDialog::OnHelpInfo(pHelpInfo);
}

void KySubDialog::OnContextMenu(CWnd* pWnd, CPoint pos)
{
    if (m_helpIds != nullptr && pWnd != nullptr && pWnd->m_hWnd != m_hWnd) {
        AfxWinHelp(pWnd->m_hWnd, HelpFile(), HELP_CONTEXTMENU,
                   reinterpret_cast<ULONG_PTR>(m_helpIds));
        return;
    }
    CDialog::OnContextMenu(pWnd, pos);
}
