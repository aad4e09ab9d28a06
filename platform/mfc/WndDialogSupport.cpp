// Dialog support of CWnd: data exchange, control updates, dialog-init data and help.
#include "AfxWnd.h"

#include "AfxApp.h"
#include "AfxCmdUI.h"
#include "AfxDataExchange.h"
#include "AfxException.h"
#include "AfxResources.h"
#include "AfxState.h"
#include "afxres.h"

#include <cstring>

namespace {

// Dialog-init records carry the 16-bit values of the list and combo box add-string messages.
const WORD kDlgInitAddListString = 0x0401;
const WORD kDlgInitAddComboString = 0x0403;
const size_t kDlgInitHeader = sizeof(WORD) + sizeof(WORD) + sizeof(DWORD);

UINT MessageOfDlgInit(WORD message)
{
    if (message == kDlgInitAddListString)
        return LB_ADDSTRING;
    if (message == kDlgInitAddComboString)
        return CB_ADDSTRING;
    return message;
}

// Sends each record's text to its control; size 0 trusts the terminating zero id.
BOOL RunDlgInit(HWND hDlg, const BYTE* p, size_t size)
{
    BOOL bSuccess = TRUE;
    const BYTE* end = size != 0 ? p + size : nullptr;
    for (;;) {
        if (end != nullptr && static_cast<size_t>(end - p) < sizeof(WORD))
            break;
        WORD id;
        std::memcpy(&id, p, sizeof id);
        if (id == 0)
            break;
        if (end != nullptr && static_cast<size_t>(end - p) < kDlgInitHeader)
            return FALSE;
        WORD message;
        DWORD length;
        std::memcpy(&message, p + sizeof(WORD), sizeof message);
        std::memcpy(&length, p + 2 * sizeof(WORD), sizeof length);
        const BYTE* data = p + kDlgInitHeader;
        if (end != nullptr && static_cast<size_t>(end - data) < length)
            return FALSE;
        LRESULT r = ::SendDlgItemMessageA(hDlg, id, MessageOfDlgInit(message), 0, reinterpret_cast<LPARAM>(data));
        if (r == LB_ERR || r == LB_ERRSPACE)
            bSuccess = FALSE;
        p = data + length;
    }
    return bSuccess;
}

bool IsPushButton(HWND hWnd)
{
    if (!(::SendMessageA(hWnd, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON))
        return false;
    LONG type = ::GetWindowLongA(hWnd, GWL_STYLE) & BS_TYPEMASK;
    return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

const UINT kNoControlId = 0xFFFF;

}  // namespace

void CWnd::DoDataExchange(CDataExchange*) {}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    AfxThreadState& thread = AfxThread();
    HWND hOldLockout = thread.hLockoutNotifyWindow;
    thread.hLockoutNotifyWindow = m_hWnd;
    BOOL bOK = FALSE;
    try {
        DoDataExchange(&dx);
        bOK = TRUE;
    } catch (CUserException* e) {
        e->Delete();  // the user has been told already
    } catch (CException* e) {
        thread.hLockoutNotifyWindow = hOldLockout;
        e->ReportError(MB_ICONEXCLAMATION, AFX_IDP_INTERNAL_FAILURE);
        e->Delete();
    } catch (...) {
        thread.hLockoutNotifyWindow = hOldLockout;
        throw;
    }
    thread.hLockoutNotifyWindow = hOldLockout;
    return bOK;
}

void CWnd::UpdateDialogControls(CCmdTarget* pTarget, BOOL bDisableIfNoHndler)
{
    CCmdUI state;
    for (HWND hWndChild = ::GetTopWindow(m_hWnd); hWndChild != nullptr;
         hWndChild = ::GetNextWindow(hWndChild, GW_HWNDNEXT)) {
        state.m_nID = static_cast<UINT>(::GetDlgCtrlID(hWndChild)) & kNoControlId;
        if (state.m_nID == 0 || state.m_nID == kNoControlId)
            continue;
        state.m_pOther = FromHandle(hWndChild);
        // This window's own update handlers first, then the target's.
        if (CWnd::OnCmdMsg(state.m_nID, static_cast<int>(CN_UPDATE_COMMAND_UI), &state, nullptr))
            continue;
        state.DoUpdate(pTarget, bDisableIfNoHndler && IsPushButton(hWndChild));
    }
}

BOOL CWnd::ExecuteDlgInit(LPCSTR lpszResourceName)
{
    if (lpszResourceName == nullptr)
        return TRUE;
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_DLGINIT);
    HRSRC hResource = ::FindResourceA(hInst, lpszResourceName, RT_DLGINIT);
    if (hResource == nullptr)
        return TRUE;  // the template has no list or combo entries
    HGLOBAL hData = ::LoadResource(hInst, hResource);
    const BYTE* data = hData ? static_cast<const BYTE*>(::LockResource(hData)) : nullptr;
    if (data == nullptr)
        return FALSE;
    DWORD size = ::SizeofResource(hInst, hResource);
    return size == 0 ? TRUE : RunDlgInit(m_hWnd, data, size);
}

BOOL CWnd::ExecuteDlgInit(LPVOID lpResource)
{
    return lpResource == nullptr ? TRUE : RunDlgInit(m_hWnd, static_cast<const BYTE*>(lpResource), 0);
}

void CWnd::WinHelp(DWORD_PTR dwData, UINT nCmd)
{
    CWinApp* pApp = AfxGetApp();
    LPCSTR file = pApp ? pApp->m_pszHelpFilePath : nullptr;
    CWnd* pTop = GetTopLevelParent();
    if (!AfxWinHelp(pTop ? pTop->m_hWnd : m_hWnd, file, nCmd, dwData))
        AfxMessageBox(AFX_IDP_FAILED_TO_LAUNCH_HELP);
}
