// CSplitterWnd: static panes in rows and columns, their layout, the drawn bars and dragging them.
#include "AfxSplitterWnd.h"

#include "AfxDocTemplate.h"
#include "AfxFrameWnd.h"
#include "AfxMsgMacros.h"
#include "AfxView.h"

IMPLEMENT_DYNAMIC(CSplitterWnd, CWnd)

BEGIN_MESSAGE_MAP(CSplitterWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_SIZE()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_SETCURSOR()
END_MESSAGE_MAP()

namespace {

// The system's look before visual styles: 3-pixel bars between 2-pixel sunken borders.
const int kDefaultSplitter = 3 + 2 + 2;
const int kDefaultBorderShare = 1;
const int kDefaultGap = 3 + 2 + 2;
const int kDefaultBorder = 2;
const int kMaxRowsOrCols = 16;
const int kNoBar = -1;

}  // namespace

CSplitterWnd::CSplitterWnd()
    : m_nRows(0), m_nCols(0), m_cxSplitter(kDefaultSplitter), m_cySplitter(kDefaultSplitter),
      m_cxBorderShare(kDefaultBorderShare), m_cyBorderShare(kDefaultBorderShare), m_cxSplitterGap(kDefaultGap),
      m_cySplitterGap(kDefaultGap), m_cxBorder(kDefaultBorder), m_cyBorder(kDefaultBorder), m_nTrackRow(kNoBar),
      m_nTrackCol(kNoBar), m_nTrackOffset(0)
{
}

CSplitterWnd::~CSplitterWnd() = default;

BOOL CSplitterWnd::CreateStatic(CWnd* pParentWnd, int nRows, int nCols, DWORD dwStyle, UINT nID)
{
    if (pParentWnd == nullptr || nRows < 1 || nCols < 1 || nRows > kMaxRowsOrCols || nCols > kMaxRowsOrCols)
        return FALSE;
    m_nRows = nRows;
    m_nCols = nCols;
    m_rowInfo.assign(static_cast<size_t>(nRows), CRowColInfo{ 0, 0, 0 });
    m_colInfo.assign(static_cast<size_t>(nCols), CRowColInfo{ 0, 0, 0 });
    LPCSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    const CRect rectNone(0, 0, 0, 0);
    return CreateEx(0, lpszClass, nullptr, dwStyle | WS_CHILD | WS_CLIPCHILDREN, rectNone, pParentWnd, nID);
}

BOOL CSplitterWnd::CreateView(int row, int col, CRuntimeClass* pViewClass, SIZE sizeInit, CCreateContext* pContext)
{
    if (row < 0 || row >= m_nRows || col < 0 || col >= m_nCols || pViewClass == nullptr || GetPane(row, col))
        return FALSE;
    m_rowInfo[static_cast<size_t>(row)].nIdealSize = sizeInit.cy;
    m_colInfo[static_cast<size_t>(col)].nIdealSize = sizeInit.cx;
    CWnd* pWnd = static_cast<CWnd*>(pViewClass->CreateObject());
    if (pWnd == nullptr)
        return FALSE;
    CCreateContext context;
    if (pContext == nullptr) {
        // Without a context the new view shows the document of the frame's active view.
        if (CFrameWnd* pFrame = GetParentFrame())
            context.m_pCurrentDoc = pFrame->GetActiveDocument();
        pContext = &context;
    }
    CRect rect(0, 0, sizeInit.cx, sizeInit.cy);
    if (!pWnd->Create(nullptr, nullptr, AFX_WS_DEFAULT_VIEW, rect, this, static_cast<UINT>(IdFromRowCol(row, col)),
                      pContext))
        return FALSE;  // a view whose window failed deleted itself
    return TRUE;
}

CWnd* CSplitterWnd::GetPane(int row, int col) const
{
    if (m_hWnd == nullptr)
        return nullptr;
    HWND hPane = ::GetDlgItem(m_hWnd, IdFromRowCol(row, col));
    return hPane ? FromHandlePermanent(hPane) : nullptr;
}

void CSplitterWnd::GetRowInfo(int row, int& cyCur, int& cyMin) const
{
    const CRowColInfo& info = m_rowInfo.at(static_cast<size_t>(row));
    cyCur = info.nCurSize;
    cyMin = info.nMinSize;
}

void CSplitterWnd::SetRowInfo(int row, int cyIdeal, int cyMin)
{
    CRowColInfo& info = m_rowInfo.at(static_cast<size_t>(row));
    info.nIdealSize = cyIdeal < 0 ? 0 : cyIdeal;
    info.nMinSize = cyMin < 0 ? 0 : cyMin;
}

void CSplitterWnd::GetColumnInfo(int col, int& cxCur, int& cxMin) const
{
    const CRowColInfo& info = m_colInfo.at(static_cast<size_t>(col));
    cxCur = info.nCurSize;
    cxMin = info.nMinSize;
}

void CSplitterWnd::SetColumnInfo(int col, int cxIdeal, int cxMin)
{
    CRowColInfo& info = m_colInfo.at(static_cast<size_t>(col));
    info.nIdealSize = cxIdeal < 0 ? 0 : cxIdeal;
    info.nMinSize = cxMin < 0 ? 0 : cxMin;
}

// Gives each row (or column) its ideal size while space lasts; the last one takes the rest.
void CSplitterWnd::LayoutSide(std::vector<CRowColInfo>& info, int nTotal, int nGap, int nBorder)
{
    int nLeft = nTotal - 2 * nBorder;
    for (size_t i = 0; i < info.size(); ++i) {
        bool bLast = i + 1 == info.size();
        int nSize = bLast ? nLeft : info[i].nIdealSize;
        if (nSize > nLeft)
            nSize = nLeft;
        if (nSize < 0)
            nSize = 0;
        info[i].nCurSize = nSize;
        nLeft -= nSize + (bLast ? 0 : nGap);
    }
}

void CSplitterWnd::RecalcLayout()
{
    if (m_hWnd == nullptr)
        return;
    CRect client;
    GetClientRect(&client);
    LayoutSide(m_rowInfo, client.Height(), m_cySplitterGap, m_cyBorder);
    LayoutSide(m_colInfo, client.Width(), m_cxSplitterGap, m_cxBorder);
    HDWP hDWP = ::BeginDeferWindowPos(m_nRows * m_nCols);
    int y = m_cyBorder;
    for (int row = 0; row < m_nRows; ++row) {
        int cy = m_rowInfo[static_cast<size_t>(row)].nCurSize;
        int x = m_cxBorder;
        for (int col = 0; col < m_nCols; ++col) {
            int cx = m_colInfo[static_cast<size_t>(col)].nCurSize;
            CWnd* pPane = GetPane(row, col);
            if (pPane != nullptr && hDWP != nullptr)
                hDWP = ::DeferWindowPos(hDWP, pPane->m_hWnd, nullptr, x, y, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
            x += cx + m_cxSplitterGap;
        }
        y += cy + m_cySplitterGap;
    }
    if (hDWP != nullptr)
        ::EndDeferWindowPos(hDWP);
    Invalidate(TRUE);
}

void CSplitterWnd::OnSize(UINT nType, int, int)
{
    Default();
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

void CSplitterWnd::OnDrawSplitter(CDC* pDC, ESplitType nType, const CRect& rect)
{
    if (pDC == nullptr) {
        InvalidateRect(&rect);
        return;
    }
    CRect area = rect;
    switch (nType) {
    case splitBorder:
        ::DrawEdge(pDC->m_hDC, &area, EDGE_SUNKEN, BF_RECT);
        break;
    case splitBar:
    case splitBox:
    case splitIntersection:
        pDC->FillSolidRect(&area, ::GetSysColor(COLOR_BTNFACE));
        break;
    }
}

void CSplitterWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    // Bars across the whole splitter between rows, then between columns, then each pane's border.
    int y = m_cyBorder;
    for (int row = 0; row + 1 < m_nRows; ++row) {
        y += m_rowInfo[static_cast<size_t>(row)].nCurSize;
        OnDrawSplitter(&dc, splitBar, CRect(client.left, y, client.right, y + m_cySplitterGap));
        y += m_cySplitterGap;
    }
    int x = m_cxBorder;
    for (int col = 0; col + 1 < m_nCols; ++col) {
        x += m_colInfo[static_cast<size_t>(col)].nCurSize;
        OnDrawSplitter(&dc, splitBar, CRect(x, client.top, x + m_cxSplitterGap, client.bottom));
        x += m_cxSplitterGap;
    }
    if (m_cxBorder <= 0 && m_cyBorder <= 0)
        return;
    for (int row = 0; row < m_nRows; ++row) {
        for (int col = 0; col < m_nCols; ++col) {
            CWnd* pPane = GetPane(row, col);
            if (pPane == nullptr)
                continue;
            CRect rect;
            pPane->GetWindowRect(&rect);
            ScreenToClient(&rect);
            rect.InflateRect(m_cxBorder, m_cyBorder);
            OnDrawSplitter(&dc, splitBorder, rect);
        }
    }
}

int CSplitterWnd::HitTestRowBar(CPoint pt) const
{
    int y = m_cyBorder;
    for (int row = 0; row + 1 < m_nRows; ++row) {
        y += m_rowInfo[static_cast<size_t>(row)].nCurSize;
        if (pt.y >= y && pt.y < y + m_cySplitterGap)
            return row;
        y += m_cySplitterGap;
    }
    return kNoBar;
}

int CSplitterWnd::HitTestColBar(CPoint pt) const
{
    int x = m_cxBorder;
    for (int col = 0; col + 1 < m_nCols; ++col) {
        x += m_colInfo[static_cast<size_t>(col)].nCurSize;
        if (pt.x >= x && pt.x < x + m_cxSplitterGap)
            return col;
        x += m_cxSplitterGap;
    }
    return kNoBar;
}

void CSplitterWnd::OnLButtonDown(UINT, CPoint point)
{
    m_nTrackRow = HitTestRowBar(point);
    m_nTrackCol = m_nTrackRow == kNoBar ? HitTestColBar(point) : kNoBar;
    if (m_nTrackRow == kNoBar && m_nTrackCol == kNoBar)
        return;
    // The offset of the point inside the bar stays the same while it moves.
    int start = m_nTrackRow != kNoBar ? m_cyBorder : m_cxBorder;
    int index = m_nTrackRow != kNoBar ? m_nTrackRow : m_nTrackCol;
    const std::vector<CRowColInfo>& info = m_nTrackRow != kNoBar ? m_rowInfo : m_colInfo;
    int gap = m_nTrackRow != kNoBar ? m_cySplitterGap : m_cxSplitterGap;
    for (int i = 0; i < index; ++i)
        start += info[static_cast<size_t>(i)].nCurSize + gap;
    int barStart = start + info[static_cast<size_t>(index)].nCurSize;
    m_nTrackOffset = (m_nTrackRow != kNoBar ? point.y : point.x) - barStart;
    SetCapture();
}

void CSplitterWnd::OnMouseMove(UINT, CPoint point)
{
    if (::GetCapture() != m_hWnd || (m_nTrackRow == kNoBar && m_nTrackCol == kNoBar))
        return;
    bool bRow = m_nTrackRow != kNoBar;
    int index = bRow ? m_nTrackRow : m_nTrackCol;
    std::vector<CRowColInfo>& info = bRow ? m_rowInfo : m_colInfo;
    int start = bRow ? m_cyBorder : m_cxBorder;
    int gap = bRow ? m_cySplitterGap : m_cxSplitterGap;
    for (int i = 0; i < index; ++i)
        start += info[static_cast<size_t>(i)].nCurSize + gap;
    int nSize = (bRow ? point.y : point.x) - m_nTrackOffset - start;
    CRowColInfo& moved = info[static_cast<size_t>(index)];
    moved.nIdealSize = nSize < moved.nMinSize ? moved.nMinSize : nSize;
    RecalcLayout();
    UpdateWindow();
}

void CSplitterWnd::OnLButtonUp(UINT, CPoint)
{
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    m_nTrackRow = kNoBar;
    m_nTrackCol = kNoBar;
}

BOOL CSplitterWnd::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (nHitTest == HTCLIENT && pWnd == this) {
        CPoint pt;
        ::GetCursorPos(&pt);
        ScreenToClient(&pt);
        if (HitTestRowBar(pt) != kNoBar) {
            ::SetCursor(::LoadCursorA(nullptr, IDC_SIZENS));
            return TRUE;
        }
        if (HitTestColBar(pt) != kNoBar) {
            ::SetCursor(::LoadCursorA(nullptr, IDC_SIZEWE));
            return TRUE;
        }
    }
    return CWnd::OnSetCursor(pWnd, nHitTest, message);
}

BOOL CSplitterWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (CWnd::OnCommand(wParam, lParam))
        return TRUE;
    // Commands and notifications of the panes that nobody here handles go to the frame.
    CFrameWnd* pFrame = GetParentFrame();
    return pFrame != nullptr && pFrame->SendMessage(WM_COMMAND, wParam, lParam) != 0;
}

BOOL CSplitterWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (CWnd::OnNotify(wParam, lParam, pResult))
        return TRUE;
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame == nullptr)
        return FALSE;
    *pResult = pFrame->SendMessage(WM_NOTIFY, wParam, lParam);
    return TRUE;
}
