// CFormView: a child dialog as a view: made from its template, tabbing between controls, sizing its frame.
#include "AfxFormView.h"

#include "AfxDocTemplate.h"
#include "AfxFrameWnd.h"
#include "AfxMsgMacros.h"
#include "AfxResources.h"

IMPLEMENT_DYNAMIC(CFormView, CView)

BEGIN_MESSAGE_MAP(CFormView, CView)
    ON_WM_PAINT()
END_MESSAGE_MAP()

namespace {

// The dialog procedure of form views: the dialog manager's defaults do the rest.
INT_PTR CALLBACK FormDlgProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

LPCDLGTEMPLATE FindTemplate(LPCSTR lpszTemplateName, HINSTANCE& hInst)
{
    hInst = AfxFindResourceHandle(lpszTemplateName, RT_DIALOG);
    HRSRC hResource = ::FindResourceA(hInst, lpszTemplateName, RT_DIALOG);
    HGLOBAL hTemplate = hResource ? ::LoadResource(hInst, hResource) : nullptr;
    return hTemplate ? static_cast<LPCDLGTEMPLATE>(::LockResource(hTemplate)) : nullptr;
}

}  // namespace

CFormView::CFormView(UINT nIDTemplate) : CFormView(MAKEINTRESOURCEA(nIDTemplate)) {}

CFormView::CFormView(LPCSTR lpszTemplateName) : m_lpszTemplateName(lpszTemplateName), m_sizeTemplate(0, 0) {}

BOOL CFormView::Create(LPCSTR, LPCSTR, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID, void* pContext)
{
    HINSTANCE hInst = nullptr;
    LPCDLGTEMPLATE lpTemplate = FindTemplate(m_lpszTemplateName, hInst);
    if (lpTemplate == nullptr || pParentWnd == nullptr) {
        PostNcDestroy();  // never attached: the view goes as one whose window failed
        return FALSE;
    }
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateDialogIndirectParamA(hInst, lpTemplate, pParentWnd->m_hWnd, &FormDlgProc, 0);
    if (!AfxUnhookWindowCreate()) {
        if (hWnd != nullptr)
            ::DestroyWindow(hWnd);
        PostNcDestroy();
        return FALSE;
    }
    if (hWnd == nullptr)
        return FALSE;  // attached and destroyed again: the view is gone already
    // The template gives the size the form wants; the frame places the window.
    CRect rectTemplate;
    ::GetClientRect(m_hWnd, &rectTemplate);
    m_sizeTemplate = CSize(rectTemplate.Width(), rectTemplate.Height());
    SetDlgCtrlID(static_cast<int>(nID));
    PreSubclassWindow();
    if (dwStyle & WS_BORDER)
        ModifyStyleEx(0, WS_EX_CLIENTEDGE, SWP_FRAMECHANGED);
    ::SetWindowPos(m_hWnd, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    AttachToContext(static_cast<CCreateContext*>(pContext));
    if (dwStyle & WS_VISIBLE)
        ShowWindow(SW_SHOWNOACTIVATE);
    return TRUE;
}

void CFormView::OnInitialUpdate()
{
    UpdateData(FALSE);
    CView::OnInitialUpdate();
}

void CFormView::OnDraw(CDC*) {}

void CFormView::OnPaint() { Default(); }

BOOL CFormView::PreTranslateMessage(MSG* pMsg)
{
    if (CView::PreTranslateMessage(pMsg))
        return TRUE;
    // The frame's accelerators come before the dialog's keys.
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != nullptr && pFrame->PreTranslateMessage(pMsg))
        return TRUE;
    return PreTranslateInput(pMsg);
}

void CFormView::ResizeParentToFit(BOOL bShrinkOnly)
{
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame == nullptr || m_hWnd == nullptr)
        return;
    CRect rectView;
    ::GetClientRect(m_hWnd, &rectView);
    CRect rectFrame;
    pFrame->GetWindowRect(&rectFrame);
    int dx = m_sizeTemplate.cx - rectView.Width();
    int dy = m_sizeTemplate.cy - rectView.Height();
    if (bShrinkOnly) {
        dx = dx < 0 ? dx : 0;
        dy = dy < 0 ? dy : 0;
    }
    ::SetWindowPos(pFrame->m_hWnd, nullptr, 0, 0, rectFrame.Width() + dx, rectFrame.Height() + dy,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}
