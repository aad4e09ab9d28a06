// KyCellListBox: subclassing and the shared theme, the header strip above the
// client area (non-client size and painting), horizontal scrolling.
#include "KyGui/Grid/CellListBox.h"

#include "KyGui/Grid/CellEditors.h"
#include "KyGui/Grid/GridTheme.h"

#include <vsstyle.h>

namespace {

const int kHeaderHeight = 16;
const int kThemedHeaderHeight = 18;
const int kCaptionGap = 2;
const int kHeaderItemState = 1;

} // namespace

// clang-format off
BEGIN_MESSAGE_MAP(KyCellListBox, KyEditableListBox)
    ON_MESSAGE(WM_NCCALCSIZE, OnNcCalcSize)
    ON_MESSAGE(WM_NCPAINT, OnNcPaint)
    ON_MESSAGE(WM_THEMECHANGED, OnThemeChanged)
    ON_WM_HSCROLL()
    ON_WM_NCDESTROY()
END_MESSAGE_MAP()
// clang-format on

void KyCellListBox::PreSubclassWindow()
{
    if (!m_holdsTheme) {
        Kyvant::GridTheme::Acquire();
        m_holdsTheme = true;
    }
    KyEditableListBox::PreSubclassWindow();
    // The row editor paints its row itself: the grid's painting stays out of it.
    ModifyStyle(0, WS_CLIPCHILDREN);
    UpdateTheme();
    m_headerHeight = Kyvant::GridTheme::HeaderThemed() ? kThemedHeaderHeight : kHeaderHeight;
}

void KyCellListBox::UpdateTheme()
{
    Kyvant::GridTheme::Update(m_hWnd);
}

LRESULT KyCellListBox::OnThemeChanged(WPARAM, LPARAM)
{
    UpdateTheme();
    return 0;
}

void KyCellListBox::OnNcDestroy()
{
    if (m_holdsTheme) {
        m_holdsTheme = false;
        Kyvant::GridTheme::Release();
    }
    KyEditableListBox::OnNcDestroy();
}

void KyCellListBox::CreateHeaders()
{
    m_headersShown = true;
    if (m_hWnd != nullptr)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
}

LRESULT KyCellListBox::OnNcCalcSize(WPARAM, LPARAM lParam)
{
    const LRESULT result = Default();
    if (m_headersShown) {
        // Both forms of the message begin with the client rectangle.
        RECT& client = *reinterpret_cast<RECT*>(lParam);
        client.top += m_headerHeight;
        if (client.top > client.bottom)
            client.top = client.bottom;
    }
    return result;
}

LRESULT KyCellListBox::OnNcPaint(WPARAM, LPARAM)
{
    const LRESULT result = Default();
    if (!m_headersShown || GetNumColumns() == 0)
        return result;
    CRect window;
    GetWindowRect(&window);
    CRect client;
    GetClientRect(&client);
    ClientToScreen(&client);
    client.OffsetRect(-window.left, -window.top);
    int width = client.Width();
    if ((GetStyle() & WS_VSCROLL) != 0)
        width += ::GetSystemMetrics(SM_CXVSCROLL);
    // The strip lies right above the client area, also when a horizontal scroll bar shows below it.
    const CRect strip(client.left, client.top - m_headerHeight, client.left + width, client.top);
    CWindowDC dc(this);
    PaintHeaders(dc, strip);
    return result;
}

void KyCellListBox::PaintHeaders(CDC& dc, const CRect& strip)
{
    const Kyvant::GridTheme::Record* theme = Kyvant::GridTheme::Current();
    const bool themed = Kyvant::GridTheme::HeaderThemed();
    const int saved = dc.SaveDC();
    dc.IntersectClipRect(&strip);
    if (!themed)
        ::FillRect(dc.GetSafeHdc(), &strip, ::GetSysColorBrush(COLOR_BTNFACE));
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(::GetSysColor(COLOR_BTNTEXT));
    HFONT font = GetFont();
    if (font != nullptr)
        dc.SelectObject(font);
    const CLB_RowDesc::Columns& columns = m_rowDesc->GetColumns();
    int x = strip.left - GetHorzScrollPos();
    for (const CLB_RowDesc::Column& column : columns) {
        const CRect header(x, strip.top, x + column->GetWidth(), strip.bottom);
        x = header.right;
        if (header.right <= strip.left)
            continue;
        if (header.left >= strip.right)
            break;
        if (themed) {
            Kyvant::GridTheme::DrawBackground(theme->header, dc.GetSafeHdc(), HP_HEADERITEM,
                                              kHeaderItemState, header);
        } else {
            CRect edge(header);
            dc.DrawEdge(&edge, EDGE_ETCHED, BF_RIGHT);
        }
        CRect caption(header);
        caption.right -= kCaptionGap;
        if (themed)
            caption.bottom -= kCaptionGap;
        column->DrawHeader(dc, caption);
    }
    if (themed && x < strip.right)
        Kyvant::GridTheme::DrawBackground(theme->header, dc.GetSafeHdc(), HP_HEADERITEMRIGHT,
                                          kHeaderItemState,
                                          CRect(x, strip.top, strip.right, strip.bottom));
    dc.RestoreDC(saved);
}

void KyCellListBox::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    KyEditableListBox::OnHScroll(nSBCode, nPos, pScrollBar);
    // The headers and an open row editor follow the columns.
    if (m_headersShown)
        RedrawWindow(nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
    if (auto* editor = dynamic_cast<KYB_CellListBoxEditor*>(GetEditorPtr()))
        editor->GetContainer().FollowScrolling();
}
