// CDialog: templates from the resource chain, modal, modeless and child creation, OK and Cancel.
#include "AfxDialog.h"

#include "AfxApp.h"
#include "AfxException.h"
#include "AfxMsgMacros.h"
#include "AfxResources.h"
#include "AfxState.h"
#include "afxres.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

namespace {

const UINT kFirstCommandId = 0x8000;
const UINT kFirstSystemCommandId = 0xF000;

struct LoadedTemplate
{
    HINSTANCE hInst = nullptr;
    LPCDLGTEMPLATE lpTemplate = nullptr;
};

LoadedTemplate LoadTemplate(LPCSTR lpszTemplateName)
{
    LoadedTemplate loaded;
    if (lpszTemplateName == nullptr)
        return loaded;
    loaded.hInst = AfxFindResourceHandle(lpszTemplateName, RT_DIALOG);
    HRSRC hResource = ::FindResourceA(loaded.hInst, lpszTemplateName, RT_DIALOG);
    HGLOBAL hTemplate = hResource ? ::LoadResource(loaded.hInst, hResource) : nullptr;
    if (hTemplate != nullptr)
        loaded.lpTemplate = static_cast<LPCDLGTEMPLATE>(::LockResource(hTemplate));
    return loaded;
}

}  // namespace

CDialog::CDialog() : CDialog(static_cast<LPCSTR>(nullptr), nullptr) {}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : CDialog(MAKEINTRESOURCEA(nIDTemplate), pParentWnd)
{
    m_nIDHelp = nIDTemplate;
}

CDialog::CDialog(LPCSTR lpszTemplateName, CWnd* pParentWnd)
    : m_lpszTemplateName(lpszTemplateName), m_nIDHelp(0), m_pParentWnd(pParentWnd), m_hWndTop(nullptr),
      m_nModalResult(-1),
      m_bContinueModal(FALSE), m_bInModalLoop(FALSE)
{
}

CDialog::~CDialog() = default;

BOOL CDialog::CreateWithOwner(LPCDLGTEMPLATE lpDialogTemplate, HWND hWndOwner, HINSTANCE hInst)
{
    if (lpDialogTemplate == nullptr)
        return FALSE;
    if (hInst == nullptr)
        hInst = AfxGetResourceHandle();
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateDialogIndirectParamA(hInst, lpDialogTemplate, hWndOwner, &AfxDlgProc, 0);
    AfxUnhookWindowCreate();
    return hWnd != nullptr;
}

INT_PTR CDialog::DoModal()
{
    LoadedTemplate loaded = LoadTemplate(m_lpszTemplateName);
    if (loaded.lpTemplate == nullptr)
        return -1;
    HWND hWndOwner = GetSafeOwner_(m_pParentWnd->GetSafeHwnd(), nullptr);
    BOOL bEnableOwner = FALSE;
    if (hWndOwner != nullptr && ::IsWindowEnabled(hWndOwner)) {
        ::EnableWindow(hWndOwner, FALSE);
        bEnableOwner = TRUE;
    }
    m_nModalResult = -1;
    m_bContinueModal = TRUE;
    try {
        if (CreateWithOwner(loaded.lpTemplate, hWndOwner, loaded.hInst)) {
            if (m_bContinueModal)
                RunModalLoop();
            if (m_hWnd != nullptr)
                ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                               SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
        }
    } catch (...) {
        CException* e = AfxExceptionFromCurrent();
        if (!e->IsKindOf(RUNTIME_CLASS(CUserException)))
            e->ReportError(MB_ICONSTOP, AFX_IDP_INTERNAL_FAILURE);
        e->Delete();
        m_nModalResult = -1;
    }
    m_bContinueModal = FALSE;
    if (bEnableOwner)
        ::EnableWindow(hWndOwner, TRUE);
    if (hWndOwner != nullptr && ::GetActiveWindow() == m_hWnd)
        ::SetActiveWindow(hWndOwner);
    DestroyWindow();
    return m_nModalResult;
}

HWND CDialog::PreModal()
{
    HWND hWndOwner = GetSafeOwner_(m_pParentWnd->GetSafeHwnd(), &m_hWndTop);
    AfxHookWindowCreate(this);
    return hWndOwner;
}

void CDialog::PostModal()
{
    AfxUnhookWindowCreate();
    if (m_hWnd != nullptr)
        Detach();
    if (m_hWndTop != nullptr && ::IsWindow(m_hWndTop))
        ::EnableWindow(m_hWndTop, TRUE);
    m_hWndTop = nullptr;
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    m_nIDHelp = nIDTemplate;
    return Create(MAKEINTRESOURCEA(nIDTemplate), pParentWnd);
}

BOOL CDialog::Create(LPCSTR lpszTemplateName, CWnd* pParentWnd)
{
    m_lpszTemplateName = lpszTemplateName;
    LoadedTemplate loaded = LoadTemplate(lpszTemplateName);
    if (loaded.lpTemplate == nullptr)
        return FALSE;
    return CreateIndirect(loaded.lpTemplate, pParentWnd, loaded.hInst);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst)
{
    if (pParentWnd == nullptr)
        pParentWnd = AfxGetMainWnd();
    m_pParentWnd = pParentWnd;
    return CreateWithOwner(lpDialogTemplate, pParentWnd->GetSafeHwnd(), hInst);
}

void CDialog::EndDialog(int nResult)
{
    if (m_bContinueModal || m_bInModalLoop)
        EndModalLoop(nResult);
    ::EndDialog(m_hWnd, nResult);
}

void CDialog::EndModalLoop(int nResult)
{
    m_nModalResult = nResult;
    if (m_bContinueModal) {
        m_bContinueModal = FALSE;
        ::PostMessageA(m_hWnd, WM_NULL, 0, 0);  // wakes the loop
    }
}

BOOL CDialog::OnInitDialog()
{
    if (!ExecuteDlgInit(m_lpszTemplateName) || !UpdateData(FALSE)) {
        EndDialog(-1);
        return FALSE;
    }
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL CDialog::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    UINT code = static_cast<UINT>(nCode);
    if ((code != CN_COMMAND && code != CN_UPDATE_COMMAND_UI) || !(nID & kFirstCommandId) ||
        nID >= kFirstSystemCommandId)
        return FALSE;
    // Commands the dialog does not handle go to the application last.
    CWinThread* pThread = AfxGetThread();
    return pThread != nullptr && pThread->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    return PreTranslateInput(pMsg);
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl)
{
    ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(pWndCtrl->GetSafeHwnd()), TRUE);
}

INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    try {
        CDialog* pDialog = DYNAMIC_DOWNCAST(CDialog, CWnd::FromHandlePermanent(hWnd));
        return pDialog != nullptr ? pDialog->OnInitDialog() : TRUE;
    } catch (...) {
        MSG msg = { hWnd, message, wParam, lParam, 0, { 0, 0 } };
        try {
            CException* e = AfxExceptionFromCurrent();
            AfxProcessWndProcException(e, &msg);
            e->Delete();
        } catch (...) {
        }
        return TRUE;
    }
}
