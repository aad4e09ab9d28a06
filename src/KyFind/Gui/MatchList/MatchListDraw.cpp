// FileMatchListView's custom drawing: a strip at the left edge of the Text
// column marks the selected row, in the highlight colour while the list has
// the focus, and carries the row's focus rectangle.
#include "KyFind/Gui/MatchList/FileMatchListView.h"

namespace {

bool HasFocus(const CWnd& window)
{
    return ::GetFocus() == window.m_hWnd;
}

} // namespace

// The strip of the row in the list's client coordinates.
CRect FileMatchListView::StripRect(int row) const
{
    CRect rowRect;
    GetListCtrl().GetItemRect(row, &rowRect, LVIR_BOUNDS);
    CRect headerItem;
    const HWND header = reinterpret_cast<HWND>(GetListCtrl().SendMessage(LVM_GETHEADER));
    ::SendMessageA(header, HDM_GETITEMRECT, TextColumn, reinterpret_cast<LPARAM>(&headerItem));
    // The header does not scroll with the rows: the row's left edge does.
    const int left = rowRect.left + headerItem.left;
    return CRect(left, rowRect.top, left + kStripWidth, rowRect.bottom);
}

void FileMatchListView::OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult)
{
    NMLVCUSTOMDRAW& draw = *reinterpret_cast<NMLVCUSTOMDRAW*>(pNMHDR);
    switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
        *pResult = CDRF_NOTIFYITEMDRAW;
        return;
    case CDDS_ITEMPREPAINT:
        *pResult = PrePaintItem(draw);
        return;
    case CDDS_ITEMPOSTPAINT:
        PostPaintItem(draw);
        *pResult = CDRF_DODEFAULT;
        return;
    default:
        *pResult = CDRF_DODEFAULT;
    }
}

LRESULT FileMatchListView::PrePaintItem(NMLVCUSTOMDRAW& draw)
{
    const int row = static_cast<int>(draw.nmcd.dwItemSpec);
    const HDC dc = draw.nmcd.hdc;
    const bool selected = GetListCtrl().GetItemState(row, LVIS_SELECTED) != 0;
    const int colour = !selected ? COLOR_WINDOW : HasFocus(*this) ? COLOR_HIGHLIGHT : COLOR_BTNFACE;
    const CRect strip = StripRect(row);
    ::FillRect(dc, &strip, ::GetSysColorBrush(colour));
    if (m_savedClip == nullptr)
        m_savedClip = ::CreateRectRgn(0, 0, 0, 0);
    m_hadClip = ::GetClipRgn(dc, m_savedClip) == 1;
    ::ExcludeClipRect(dc, strip.left, strip.top, strip.right, strip.bottom);
    return CDRF_NOTIFYPOSTPAINT;
}

void FileMatchListView::PostPaintItem(NMLVCUSTOMDRAW& draw)
{
    const HDC dc = draw.nmcd.hdc;
    ::SelectClipRgn(dc, m_hadClip ? m_savedClip : nullptr);
    const int row = static_cast<int>(draw.nmcd.dwItemSpec);
    if (GetListCtrl().GetItemState(row, LVIS_FOCUSED) == 0 || !HasFocus(*this))
        return;
    const CRect strip = StripRect(row);
    CRect rowRect;
    GetListCtrl().GetItemRect(row, &rowRect, LVIR_BOUNDS);
    const int saved = ::SaveDC(dc);
    ::IntersectClipRect(dc, strip.left, strip.top, strip.right, strip.bottom);
    ::DrawFocusRect(dc, &rowRect);
    ::RestoreDC(dc, saved);
}
