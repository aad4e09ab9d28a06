// CCommonDialog and AfxCommDlgProc: attaching common dialogs, their first-idle hook and registered messages.
#include "AfxCommonDialog.h"

#include "AfxColorDialog.h"
#include "AfxFileDialog.h"
#include "AfxResources.h"
#include "AfxState.h"

IMPLEMENT_DYNAMIC(CCommonDialog, CDialog)

namespace {

// Posted at WM_INITDIALOG so that the first-idle hook runs once the system's loop has started.
UINT IdleKickMessage()
{
    static const UINT message = ::RegisterWindowMessageA("KyMfc.CommonDialogIdle");
    return message;
}

UINT FileOkMessage()
{
    static const UINT message = ::RegisterWindowMessageA(FILEOKSTRINGA);
    return message;
}

UINT ColorOkMessage()
{
    static const UINT message = ::RegisterWindowMessageA(COLOROKSTRINGA);
    return message;
}

void AttachAlternateTarget(HWND hWnd)
{
    _AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->m_pAlternateWndInit != nullptr && CWnd::FromHandlePermanent(hWnd) == nullptr) {
        pState->m_pAlternateWndInit->SubclassWindow(hWnd);
        pState->m_pAlternateWndInit = nullptr;
    }
}

void RunFirstIdleHook(HWND hWnd)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    AFX_MODALIDLEHOOK pfnHook = AfxProcess().pfnModalIdleHook;
    if (pfnHook != nullptr)
        pfnHook(pWnd != nullptr ? pWnd : CWnd::FromHandle(hWnd));
}

}  // namespace

_AFX_THREAD_STATE* AfxGetThreadState()
{
    static thread_local _AFX_THREAD_STATE state;
    return &state;
}

HINSTANCE AfxFindTemplateHandle(LPCSTR lpszTemplateName) { return AfxFindResourceHandle(lpszTemplateName, RT_DIALOG); }

CCommonDialog::CCommonDialog(CWnd* pParentWnd) : CDialog(static_cast<LPCSTR>(nullptr), pParentWnd) {}

void CCommonDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    Default();
}

void CCommonDialog::OnCancel() { Default(); }

UINT_PTR CALLBACK AfxCommDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        AttachAlternateTarget(hWnd);
        ::PostMessageA(hWnd, IdleKickMessage(), 0, 0);
        return static_cast<UINT_PTR>(AfxDlgProc(hWnd, message, wParam, lParam));
    }
    if (message == IdleKickMessage()) {
        RunFirstIdleHook(hWnd);
        return TRUE;
    }
    if (message == FileOkMessage()) {
        // Explorer-style dialogs ask through CDN_FILEOK; this message is for the older style only.
        CFileDialog* pDlg = DYNAMIC_DOWNCAST(CFileDialog, CWnd::FromHandlePermanent(hWnd));
        if (pDlg == nullptr || (pDlg->m_ofn.Flags & OFN_EXPLORER))
            return 0;
        return static_cast<UINT_PTR>(pDlg->OnFileNameOK());
    }
    if (message == ColorOkMessage()) {
        CColorDialog* pDlg = DYNAMIC_DOWNCAST(CColorDialog, CWnd::FromHandlePermanent(hWnd));
        return pDlg != nullptr ? static_cast<UINT_PTR>(pDlg->OnColorOK()) : 0;
    }
    return 0;
}
