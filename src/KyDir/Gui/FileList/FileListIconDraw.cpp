// FileListView's own drawing of the Name icons on Windows NT 4, where the
// list cannot draw the overlays of the view's own image list: the control
// paints each row with the icon's place cut out of its clipping region, and
// the icon follows, blended when the row is selected.
#include "KyDir/Gui/FileList/FileListView.h"

#include "KyGuiTool/ResultList/HandlerExceptions.h"

#include <commctrl.h>

namespace {

// The image index that stands for the icon the view took from shell32.
const int kShell32Image = 2;
const UINT kOverlayShift = 8;
const UINT kIconStateMask = LVIS_OVERLAYMASK | LVIS_SELECTED;

} // namespace

bool FileListView::DrawsOwnIcons() const
{
    return m_isNT4 && m_ownImages.GetSafeHandle() != nullptr;
}

void FileListView::OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = CDRF_DODEFAULT;
    if (!DrawsOwnIcons())
        return;
    NMLVCUSTOMDRAW& draw = *reinterpret_cast<NMLVCUSTOMDRAW*>(pNMHDR);
    const DWORD stage = draw.nmcd.dwDrawStage & ~CDDS_SUBITEM;
    if (stage == CDDS_PREPAINT) {
        *pResult = CDRF_NOTIFYITEMDRAW;
    } else if (stage == CDDS_ITEMPREPAINT) {
        if (PrepareIconDrawing(draw.nmcd.hdc, static_cast<int>(draw.nmcd.dwItemSpec)))
            *pResult = CDRF_NOTIFYPOSTPAINT;
    } else if (stage == CDDS_ITEMPOSTPAINT) {
        DrawIcon(draw.nmcd.hdc);
    }
}

bool FileListView::PrepareIconDrawing(HDC dc, int row)
{
    CListCtrl& list = GetListCtrl();
    if (m_finder == nullptr || row < 0 ||
        row >= static_cast<int>(m_finder->GetModel().GetItemCount()) || row < list.GetTopIndex())
        return false;
    LVITEMA item = {};
    item.mask = LVIF_IMAGE | LVIF_STATE;
    item.iItem = row;
    item.iSubItem = GetColIndexX(Name);
    item.stateMask = kIconStateMask;
    CRect place;
    if (!list.SendMessage(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)) || item.iImage == -1 ||
        !list.GetItemRect(row, &place, LVIR_ICON))
        return false;

    IconDrawing drawing;
    if (item.iImage == kShell32Image) {
        drawing.images = m_shell32IconIndex >= 0 ? m_ownImages.GetSafeHandle() : nullptr;
        drawing.image = m_shell32IconIndex;
    } else {
        drawing.images = m_systemImages.GetSafeHandle();
        drawing.image = item.iImage;
    }
    drawing.overlay = static_cast<int>((item.state & LVIS_OVERLAYMASK) >> kOverlayShift);
    drawing.selected = (item.state & LVIS_SELECTED) != 0;
    drawing.background = static_cast<COLORREF>(list.SendMessage(LVM_GETBKCOLOR));
    drawing.foreground = !drawing.selected        ? drawing.background
                         : ::GetFocus() == m_hWnd ? ::GetSysColor(COLOR_HIGHLIGHT)
                                                  : ::GetSysColor(COLOR_BTNFACE);
    drawing.place = place;

    drawing.savedDC = ::SaveDC(dc);
    HRGN cut = drawing.savedDC != 0 ? ::CreateRectRgnIndirect(&place) : nullptr;
    if (cut == nullptr) {
        if (drawing.savedDC != 0)
            ::RestoreDC(dc, drawing.savedDC);
        return false;
    }
    ::ExtSelectClipRgn(dc, cut, RGN_DIFF);
    ::DeleteObject(cut);
    m_drawing = drawing;
    return true;
}

void FileListView::DrawIcon(HDC dc)
{
    if (m_drawing.savedDC == 0)
        return;
    ::RestoreDC(dc, m_drawing.savedDC);
    m_drawing.savedDC = 0;
    if (m_drawing.images == nullptr || m_drawing.image < 0)
        return;
    const UINT style =
        (m_drawing.selected ? ILD_BLEND50 : ILD_NORMAL) | INDEXTOOVERLAYMASK(m_drawing.overlay);
    ImageList_DrawEx(m_drawing.images, m_drawing.image, dc, m_drawing.place.left,
                     m_drawing.place.top, 0, 0, m_drawing.background, m_drawing.foreground, style);
}
