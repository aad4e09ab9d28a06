// CReBar: the system rebar as a bar; other bars become its bands and keep answering to the frame.
#include "AfxReBar.h"

#include "AfxCommonInit.h"
#include "AfxFrameWnd.h"
#include "AfxGdiObject.h"
#include "AfxMsgMacros.h"

IMPLEMENT_DYNAMIC(CReBar, CControlBar)

namespace {

const int kStretchSize = 32767;

}  // namespace

CReBar::CReBar() = default;

CReBar::~CReBar() { DestroyWindow(); }

BOOL CReBar::Create(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, UINT nID)
{
    if (pParentWnd == nullptr)
        return FALSE;
    AfxInitCommonControl(ICC_COOL_CLASSES | ICC_BAR_CLASSES);
    DWORD dwWndStyle = SplitBarStyle(dwStyle) | dwCtrlStyle | CCS_NOPARENTALIGN | CCS_NODIVIDER | CCS_NORESIZE;
    m_hWndOwner = OwnerFor(pParentWnd);
    const CRect rectNone(0, 0, 0, 0);
    if (!CWnd::CreateEx(0, REBARCLASSNAMEA, nullptr, dwWndStyle | WS_CHILD, rectNone, pParentWnd, nID))
        return FALSE;
    REBARINFO rbi = { sizeof rbi, 0, nullptr };
    SendMessage(RB_SETBARINFO, 0, reinterpret_cast<LPARAM>(&rbi));
    return TRUE;
}

BOOL CReBar::InsertBand(CWnd* pBar, REBARBANDINFOA& rbbi)
{
    if (pBar == nullptr || pBar->m_hWnd == nullptr || m_hWnd == nullptr)
        return FALSE;
    // The band's least size is what the bar needs when it is not stretched.
    CSize size;
    if (CControlBar* pControlBar = DYNAMIC_DOWNCAST(CControlBar, pBar)) {
        size = pControlBar->CalcFixedLayout(FALSE, (pControlBar->GetBarStyle() & CBRS_ORIENT_HORZ) != 0 ||
                                                         (pControlBar->GetBarStyle() & CBRS_ALIGN_ANY) == 0);
        if (pControlBar->GetOwnerWnd() == nullptr)
            pControlBar->SetOwner(FromHandle(m_hWndOwner));
    } else {
        CRect rect;
        pBar->GetWindowRect(&rect);
        size = rect.Size();
    }
    ::SetParent(pBar->m_hWnd, m_hWnd);
    rbbi.fMask |= RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_SIZE | RBBIM_ID;
    rbbi.hwndChild = pBar->m_hWnd;
    rbbi.cxMinChild = static_cast<UINT>(size.cx);
    rbbi.cyMinChild = static_cast<UINT>(size.cy);
    rbbi.cx = static_cast<UINT>(size.cx);
    rbbi.wID = static_cast<UINT>(pBar->GetDlgCtrlID());
    if (!SendMessage(RB_INSERTBANDA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&rbbi)))
        return FALSE;
    if (CFrameWnd* pFrame = GetDockingFrame())
        pFrame->RecalcLayout();
    return TRUE;
}

BOOL CReBar::AddBar(CWnd* pBar, LPCSTR pszText, CBitmap* pbmp, DWORD dwStyle)
{
    REBARBANDINFOA rbbi = {};
    rbbi.cbSize = REBARBANDINFOA_V3_SIZE;
    rbbi.fMask = RBBIM_STYLE;
    rbbi.fStyle = dwStyle;
    if (pbmp != nullptr && pbmp->GetSafeHandle() != nullptr) {
        rbbi.fMask |= RBBIM_BACKGROUND;
        rbbi.hbmBack = static_cast<HBITMAP>(pbmp->GetSafeHandle());
    }
    if (pszText != nullptr) {
        rbbi.fMask |= RBBIM_TEXT;
        rbbi.lpText = const_cast<LPSTR>(pszText);
    }
    return InsertBand(pBar, rbbi);
}

BOOL CReBar::AddBar(CWnd* pBar, COLORREF clrFore, COLORREF clrBack, LPCSTR pszText, DWORD dwStyle)
{
    REBARBANDINFOA rbbi = {};
    rbbi.cbSize = REBARBANDINFOA_V3_SIZE;
    rbbi.fMask = RBBIM_STYLE | RBBIM_COLORS;
    rbbi.fStyle = dwStyle;
    rbbi.clrFore = clrFore;
    rbbi.clrBack = clrBack;
    if (pszText != nullptr) {
        rbbi.fMask |= RBBIM_TEXT;
        rbbi.lpText = const_cast<LPSTR>(pszText);
    }
    return InsertBand(pBar, rbbi);
}

CSize CReBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    // The bands' height (and the rebar's own frame); the width is the frame's.
    CRect window;
    GetWindowRect(&window);
    CRect client;
    GetClientRect(&client);
    int cyFrame = window.Height() - client.Height();
    int cyBands = static_cast<int>(SendMessage(RB_GETBARHEIGHT));
    CSize size(bStretch && bHorz ? kStretchSize : window.Width(), cyBands + cyFrame);
    return size;
}

void CReBar::OnUpdateCmdUI(CFrameWnd*, BOOL)
{
    // The bands are bars of their own: they get the idle update themselves.
}
