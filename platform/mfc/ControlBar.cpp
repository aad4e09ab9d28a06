// CControlBar: bar styles, the place a bar takes in its frame, idle update and passing notifications on.
#include "AfxControlBar.h"

#include "AfxFrameWnd.h"
#include "AfxMsgMacros.h"
#include "afxpriv.h"

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

namespace {
const int kStretchSize = 32767;
}

CControlBar::CControlBar()
    : m_bAutoDelete(FALSE), m_dwStyle(0), m_hWndOwner(nullptr), m_cxLeftBorder(0), m_cxRightBorder(0),
      m_cyTopBorder(0), m_cyBottomBorder(0), m_nCount(0)
{
}

CControlBar::~CControlBar() = default;

int CControlBar::GetCount() const { return m_nCount; }

DWORD CControlBar::SplitBarStyle(DWORD dwStyle)
{
    m_dwStyle = dwStyle & CBRS_ALL;
    return dwStyle & ~static_cast<DWORD>(CBRS_ALL);
}

HWND CControlBar::OwnerFor(CWnd* pParentWnd)
{
    if (pParentWnd == nullptr)
        return nullptr;
    if (pParentWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
        return pParentWnd->m_hWnd;
    // A bar made inside another bar answers to that bar's owner.
    if (CControlBar* pBar = DYNAMIC_DOWNCAST(CControlBar, pParentWnd)) {
        if (pBar->m_hWndOwner != nullptr)
            return pBar->m_hWndOwner;
    }
    CFrameWnd* pFrame = pParentWnd->GetParentFrame();
    return pFrame ? pFrame->m_hWnd : pParentWnd->m_hWnd;
}

CFrameWnd* CControlBar::GetDockingFrame() const
{
    CFrameWnd* pFrame = DYNAMIC_DOWNCAST(CFrameWnd, FromHandlePermanent(m_hWndOwner));
    return pFrame ? pFrame : GetParentFrame();
}

CSize CControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    CRect rect;
    GetWindowRect(&rect);
    CSize size = rect.Size();
    if (bStretch) {
        if (bHorz)
            size.cx = kStretchSize;
        else
            size.cy = kStretchSize;
    }
    return size;
}

LRESULT CControlBar::OnSizeParent(WPARAM, LPARAM lParam)
{
    AFX_SIZEPARENTPARAMS* lpLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    DWORD dwAlign = m_dwStyle & CBRS_ALIGN_ANY;
    if (!(GetStyle() & WS_VISIBLE) || dwAlign == 0)
        return 0;
    bool bHorz = (dwAlign & CBRS_ORIENT_HORZ) != 0;
    CRect rect = lpLayout->rect;
    CSize sizeAvail = rect.Size();
    CSize size = CalcFixedLayout(lpLayout->bStretch, bHorz);
    if (size.cx > sizeAvail.cx)
        size.cx = sizeAvail.cx;
    if (size.cy > sizeAvail.cy)
        size.cy = sizeAvail.cy;
    if (bHorz) {
        lpLayout->sizeTotal.cy += size.cy;
        if (size.cx > lpLayout->sizeTotal.cx)
            lpLayout->sizeTotal.cx = size.cx;
        if (dwAlign & CBRS_ALIGN_TOP) {
            lpLayout->rect.top += size.cy;
        } else {
            rect.top = rect.bottom - size.cy;
            lpLayout->rect.bottom -= size.cy;
        }
    } else {
        lpLayout->sizeTotal.cx += size.cx;
        if (size.cy > lpLayout->sizeTotal.cy)
            lpLayout->sizeTotal.cy = size.cy;
        if (dwAlign & CBRS_ALIGN_LEFT) {
            lpLayout->rect.left += size.cx;
        } else {
            rect.left = rect.right - size.cx;
            lpLayout->rect.right -= size.cx;
        }
    }
    if (lpLayout->hDWP != nullptr)
        lpLayout->hDWP = ::DeferWindowPos(lpLayout->hDWP, m_hWnd, nullptr, rect.left, rect.top, size.cx, size.cy,
                                          SWP_NOZORDER | SWP_NOACTIVATE);
    return 0;
}

LRESULT CControlBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
    if (!(GetStyle() & WS_VISIBLE))
        return 0;
    if (CFrameWnd* pTarget = GetDockingFrame())
        OnUpdateCmdUI(pTarget, static_cast<BOOL>(wParam));
    return 0;
}

LRESULT CControlBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM: {
        // The bar's own map and its controls' objects first, then the frame.
        LRESULT lResult = 0;
        if (OnWndMsg(message, wParam, lParam, &lResult))
            return lResult;
        HWND hWndOwner = m_hWndOwner != nullptr ? m_hWndOwner : ::GetParent(m_hWnd);
        if (hWndOwner != nullptr && hWndOwner != m_hWnd)
            return ::SendMessageA(hWndOwner, message, wParam, lParam);
        return DefWindowProc(message, wParam, lParam);
    }
    default:
        return CWnd::WindowProc(message, wParam, lParam);
    }
}

void CControlBar::PostNcDestroy()
{
    if (m_bAutoDelete)
        delete this;
}
