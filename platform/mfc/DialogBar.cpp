// CDialogBar: a child dialog from a template as a bar: its size, dialog keys and its controls' updates.
#include "AfxDialogBar.h"

#include "AfxFrameWnd.h"
#include "AfxResources.h"

IMPLEMENT_DYNAMIC(CDialogBar, CControlBar)

namespace {

// The dialog manager does the rest; the bar's object gets every message through its window procedure.
INT_PTR CALLBACK DialogBarProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

const int kStretchSize = 32767;

}  // namespace

CDialogBar::CDialogBar() : m_sizeDefault(0, 0) {}

CDialogBar::~CDialogBar() { DestroyWindow(); }

BOOL CDialogBar::Create(CWnd* pParentWnd, LPCSTR lpszTemplateName, UINT nStyle, UINT nID)
{
    if (pParentWnd == nullptr || lpszTemplateName == nullptr || m_hWnd != nullptr)
        return FALSE;
    HINSTANCE hInst = AfxFindResourceHandle(lpszTemplateName, RT_DIALOG);
    HRSRC hResource = ::FindResourceA(hInst, lpszTemplateName, RT_DIALOG);
    HGLOBAL hTemplate = hResource ? ::LoadResource(hInst, hResource) : nullptr;
    LPCDLGTEMPLATE lpTemplate = hTemplate ? static_cast<LPCDLGTEMPLATE>(::LockResource(hTemplate)) : nullptr;
    if (lpTemplate == nullptr)
        return FALSE;
    SplitBarStyle(nStyle);
    m_hWndOwner = OwnerFor(pParentWnd);
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateDialogIndirectParamA(hInst, lpTemplate, pParentWnd->m_hWnd, &DialogBarProc, 0);
    if (!AfxUnhookWindowCreate() || hWnd == nullptr) {
        if (hWnd != nullptr)
            ::DestroyWindow(hWnd);
        return FALSE;
    }
    CRect rect;
    GetWindowRect(&rect);
    m_sizeDefault = rect.Size();
    SetDlgCtrlID(static_cast<int>(nID));
    PreSubclassWindow();
    if (!ExecuteDlgInit(lpszTemplateName)) {
        DestroyWindow();
        return FALSE;
    }
    if (nStyle & WS_VISIBLE)
        ShowWindow(SW_SHOWNOACTIVATE);
    return TRUE;
}

CSize CDialogBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    CSize size = m_sizeDefault;
    if (bStretch) {
        if (bHorz)
            size.cx = kStretchSize;
        else
            size.cy = kStretchSize;
    }
    return size;
}

void CDialogBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    UpdateDialogControls(pTarget, bDisableIfNoHndler);
}

BOOL CDialogBar::PreTranslateMessage(MSG* pMsg)
{
    if (CControlBar::PreTranslateMessage(pMsg))
        return TRUE;
    // The dialog keys would eat the frame's accelerators: the frames translate first.
    for (CFrameWnd* pFrame = GetDockingFrame(); pFrame != nullptr; pFrame = pFrame->GetParentFrame()) {
        if (pFrame->PreTranslateMessage(pMsg))
            return TRUE;
    }
    return PreTranslateInput(pMsg);
}
