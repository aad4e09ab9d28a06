// CStatusBar: the system status bar as a bar: panes by id, their widths, texts, styles and idle update.
#include "AfxStatusBar.h"

#include "AfxFrameWnd.h"
#include "AfxMsgMacros.h"
#include "afxres.h"

IMPLEMENT_DYNAMIC(CStatusBar, CControlBar)

BEGIN_MESSAGE_MAP(CStatusBar, CControlBar)
    ON_WM_SIZE()
    ON_MESSAGE(WM_SETTEXT, OnSetTextMsg)
    ON_MESSAGE(WM_GETTEXT, OnGetTextMsg)
    ON_MESSAGE(WM_GETTEXTLENGTH, OnGetTextLengthMsg)
END_MESSAGE_MAP()

namespace {

// Room beside a pane's text for the control's own border and indent.
const int kPaneTextMargin = 8;
const UINT kDrawStyles = SBPS_NOBORDERS | SBPS_POPOUT | SBPS_OWNERDRAW;
const int kStretchSize = 32767;

// Update of one pane from a command's handler.
class CStatusCmdUI : public CCmdUI
{
public:
    CStatusBar* m_pBar = nullptr;
    void Enable(BOOL bOn) override
    {
        m_bEnableChanged = TRUE;
        UINT nStyle = m_pBar->GetPaneStyle(static_cast<int>(m_nIndex));
        UINT nNew = bOn ? (nStyle & ~SBPS_DISABLED) : (nStyle | SBPS_DISABLED);
        if (nNew != nStyle)
            m_pBar->SetPaneStyle(static_cast<int>(m_nIndex), nNew);
    }
    void SetCheck(int nCheck) override
    {
        UINT nStyle = m_pBar->GetPaneStyle(static_cast<int>(m_nIndex));
        UINT nNew = nCheck ? (nStyle | SBPS_POPOUT) : (nStyle & ~SBPS_POPOUT);
        if (nNew != nStyle)
            m_pBar->SetPaneStyle(static_cast<int>(m_nIndex), nNew);
    }
    void SetText(LPCSTR lpszText) override { m_pBar->SetPaneText(static_cast<int>(m_nIndex), lpszText); }
};

int TextWidth(HWND hWnd, LPCSTR lpszText)
{
    HDC hDC = ::GetDC(hWnd);
    HFONT hFont = reinterpret_cast<HFONT>(::SendMessageA(hWnd, WM_GETFONT, 0, 0));
    if (hFont == nullptr)
        hFont = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    HGDIOBJ hOld = ::SelectObject(hDC, hFont);
    SIZE size = {};
    ::GetTextExtentPoint32A(hDC, lpszText, ::lstrlenA(lpszText), &size);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(hWnd, hDC);
    return size.cx;
}

}  // namespace

CStatusBar::CStatusBar() = default;

CStatusBar::~CStatusBar() { DestroyWindow(); }

BOOL CStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    return CreateEx(pParentWnd, 0, dwStyle, nID);
}

BOOL CStatusBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, UINT nID)
{
    if (pParentWnd == nullptr)
        return FALSE;
    // Pane tips (SetTipText of the control) always show.
    DWORD dwWndStyle =
        SplitBarStyle(dwStyle) | dwCtrlStyle | CCS_NOPARENTALIGN | CCS_NOMOVEY | CCS_NODIVIDER | SBARS_TOOLTIPS;
    m_hWndOwner = OwnerFor(pParentWnd);
    const CRect rectNone(0, 0, 0, 0);
    return CWnd::CreateEx(0, STATUSCLASSNAMEA, nullptr, dwWndStyle | WS_CHILD, rectNone, pParentWnd, nID);
}

BOOL CStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount)
{
    if (m_hWnd == nullptr || nIDCount < 0 || (nIDCount > 0 && lpIDArray == nullptr))
        return FALSE;
    m_panes.clear();
    BOOL bResult = TRUE;
    for (int i = 0; i < nIDCount; ++i) {
        Pane pane = { lpIDArray[i], SBPS_NORMAL, 0, CString() };
        if (pane.nID == ID_SEPARATOR) {
            if (i == 0)
                pane.nStyle = SBPS_STRETCH | SBPS_NOBORDERS;
        } else if (pane.strText.LoadString(pane.nID)) {
            pane.cxText = TextWidth(m_hWnd, pane.strText);
        } else {
            bResult = FALSE;  // an indicator needs its string, which gives its width
        }
        m_panes.push_back(pane);
    }
    m_nCount = nIDCount;
    UpdateParts();
    for (int i = 0; i < nIDCount; ++i)
        ApplyPaneText(i);
    return bResult;
}

void CStatusBar::UpdateParts()
{
    if (m_hWnd == nullptr || m_panes.empty())
        return;
    CRect client;
    GetClientRect(&client);
    int borders[3] = { 0, 0, 0 };
    SendMessage(SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders));
    int nGap = borders[2];
    int cxFixed = 0;
    int nStretch = 0;
    for (const Pane& pane : m_panes) {
        if (pane.nStyle & SBPS_STRETCH)
            ++nStretch;
        else
            cxFixed += pane.cxText + kPaneTextMargin;
    }
    int cxTotal = client.Width() - borders[0] * 2;
    if (GetStyle() & SBARS_SIZEGRIP)
        cxTotal -= ::GetSystemMetrics(SM_CXVSCROLL);
    int cxLeft = cxTotal - cxFixed - nGap * (static_cast<int>(m_panes.size()) - 1);
    int cxStretch = nStretch > 0 && cxLeft > 0 ? cxLeft / nStretch : 0;
    std::vector<int> rights(m_panes.size());
    int x = borders[0];
    for (size_t i = 0; i < m_panes.size(); ++i) {
        const Pane& pane = m_panes[i];
        x += (pane.nStyle & SBPS_STRETCH) ? cxStretch : pane.cxText + kPaneTextMargin;
        rights[i] = x;
        x += nGap;
    }
    SendMessage(SB_SETPARTS, static_cast<WPARAM>(rights.size()), reinterpret_cast<LPARAM>(rights.data()));
}

void CStatusBar::ApplyPaneText(int nIndex)
{
    const Pane& pane = m_panes.at(static_cast<size_t>(nIndex));
    WPARAM wParam = static_cast<WPARAM>(nIndex) | (pane.nStyle & kDrawStyles);
    // A disabled pane shows no text; an owner-drawn one gets its text as the item data.
    LPCSTR lpszShown = (pane.nStyle & SBPS_DISABLED) ? "" : static_cast<LPCSTR>(pane.strText);
    SendMessage(SB_SETTEXTA, wParam, reinterpret_cast<LPARAM>(lpszShown));
}

int CStatusBar::CommandToIndex(UINT nIDFind) const
{
    for (size_t i = 0; i < m_panes.size(); ++i) {
        if (m_panes[i].nID == nIDFind)
            return static_cast<int>(i);
    }
    return -1;
}

UINT CStatusBar::GetItemID(int nIndex) const
{
    return nIndex >= 0 && static_cast<size_t>(nIndex) < m_panes.size() ? m_panes[static_cast<size_t>(nIndex)].nID : 0;
}

void CStatusBar::GetItemRect(int nIndex, LPRECT lpRect) const
{
    if (!SendMessage(SB_GETRECT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpRect)))
        ::SetRectEmpty(lpRect);
}

void CStatusBar::GetPaneText(int nIndex, CString& rString) const { rString = GetPaneText(nIndex); }

CString CStatusBar::GetPaneText(int nIndex) const
{
    if (nIndex < 0 || static_cast<size_t>(nIndex) >= m_panes.size())
        return CString();
    return m_panes[static_cast<size_t>(nIndex)].strText;
}

BOOL CStatusBar::SetPaneText(int nIndex, LPCSTR lpszNewText, BOOL bUpdate)
{
    if (nIndex < 0 || static_cast<size_t>(nIndex) >= m_panes.size())
        return FALSE;
    Pane& pane = m_panes[static_cast<size_t>(nIndex)];
    CString text = lpszNewText ? lpszNewText : "";
    if (pane.strText == text && !(pane.nStyle & SBPS_OWNERDRAW))
        return TRUE;
    pane.strText = text;
    if (bUpdate)
        ApplyPaneText(nIndex);
    return TRUE;
}

void CStatusBar::GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const
{
    const Pane& pane = m_panes.at(static_cast<size_t>(nIndex));
    nID = pane.nID;
    nStyle = pane.nStyle;
    cxWidth = pane.cxText;
}

void CStatusBar::SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth)
{
    Pane& pane = m_panes.at(static_cast<size_t>(nIndex));
    pane.nID = nID;
    pane.nStyle = nStyle;
    pane.cxText = cxWidth;
    UpdateParts();
    ApplyPaneText(nIndex);
}

UINT CStatusBar::GetPaneStyle(int nIndex) const { return m_panes.at(static_cast<size_t>(nIndex)).nStyle; }

void CStatusBar::SetPaneStyle(int nIndex, UINT nStyle)
{
    Pane& pane = m_panes.at(static_cast<size_t>(nIndex));
    if (pane.nStyle == nStyle)
        return;
    bool bWidthChanged = (pane.nStyle & SBPS_STRETCH) != (nStyle & SBPS_STRETCH);
    pane.nStyle = nStyle;
    if (bWidthChanged)
        UpdateParts();
    ApplyPaneText(nIndex);
}

void CStatusBar::DrawItem(LPDRAWITEMSTRUCT) {}

BOOL CStatusBar::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_DRAWITEM) {
        DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        *pResult = TRUE;
        return TRUE;
    }
    return CControlBar::OnChildNotify(message, wParam, lParam, pResult);
}

CSize CStatusBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    // The control keeps its own height (font, minimum height), worked out again on WM_SIZE.
    SendMessage(WM_SIZE, SIZE_RESTORED, 0);
    CRect rect;
    GetWindowRect(&rect);
    CSize size(bStretch && bHorz ? kStretchSize : rect.Width(), rect.Height());
    return size;
}

void CStatusBar::OnSize(UINT nType, int cx, int cy)
{
    CControlBar::OnSize(nType, cx, cy);
    UpdateParts();
}

LRESULT CStatusBar::OnSetTextMsg(WPARAM, LPARAM lParam)
{
    // The window's text is the first pane's.
    if (m_panes.empty())
        return Default();
    return SetPaneText(0, reinterpret_cast<LPCSTR>(lParam));
}

LRESULT CStatusBar::OnGetTextMsg(WPARAM wParam, LPARAM lParam)
{
    if (m_panes.empty())
        return Default();
    LPSTR lpszBuffer = reinterpret_cast<LPSTR>(lParam);
    int nMax = static_cast<int>(wParam);
    if (lpszBuffer == nullptr || nMax <= 0)
        return 0;
    ::lstrcpynA(lpszBuffer, m_panes.front().strText, nMax);
    return ::lstrlenA(lpszBuffer);
}

LRESULT CStatusBar::OnGetTextLengthMsg(WPARAM, LPARAM)
{
    return m_panes.empty() ? Default() : m_panes.front().strText.GetLength();
}

void CStatusBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL)
{
    CStatusCmdUI state;
    state.m_pBar = this;
    state.m_pOther = this;
    state.m_nIndexMax = static_cast<UINT>(m_panes.size());
    for (size_t i = 0; i < m_panes.size(); ++i) {
        state.m_nID = m_panes[i].nID;
        state.m_nIndex = static_cast<UINT>(i);
        if (state.m_nID == ID_SEPARATOR)
            continue;
        // Indicators have no commands: a pane without an update handler stays as it is.
        state.DoUpdate(pTarget, FALSE);
    }
}
