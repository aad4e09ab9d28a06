// KyEditableListBox: owner drawing of the rows, the empty row as a dotted box.
#include "KyGui/Lists/EditableListBox.h"

namespace {

const int kTextIndent = 4;
const int kEmptyBoxCharWidths = 10;
const int kEmptyBoxInset = 2;
const UINT kTextFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;

} // namespace

void KyEditableListBox::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    lpMeasureItemStruct->itemHeight = static_cast<UINT>(GetDefaultItemHeight());
}

void KyEditableListBox::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    DRAWITEMSTRUCT& dis = *lpDrawItemStruct;
    CDC& dc = *CDC::FromHandle(dis.hDC);
    CRect rect(dis.rcItem);
    if (rect.Height() == 0)
        rect.bottom = rect.top + GetDefaultItemHeight();
    if ((GetStyle() & WS_HSCROLL) != 0)
        rect.right = rect.left + GetHorizontalExtent();
    const int item = static_cast<int>(dis.itemID);
    if (item >= 0 && (dis.itemAction & (ODA_DRAWENTIRE | ODA_SELECT)) != 0) {
        DrawItemBackground(dc, rect, item, dis);
        DrawItemContents(dc, rect, item, dis);
    }
    if ((dis.itemAction & ODA_FOCUS) != 0
        || ((dis.itemAction & ODA_DRAWENTIRE) != 0 && (dis.itemState & ODS_FOCUS) != 0))
        DrawItemFocus(dc, rect, item, dis);
}

void KyEditableListBox::DrawItemBackground(CDC& dc, const CRect& rect, int, DRAWITEMSTRUCT& dis)
{
    const int colour = (dis.itemState & ODS_SELECTED) != 0 ? COLOR_HIGHLIGHT : COLOR_WINDOW;
    ::FillRect(dc.GetSafeHdc(), &rect, reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(colour + 1)));
}

void KyEditableListBox::DrawItemContents(CDC& dc, const CRect& rect, int item, DRAWITEMSTRUCT& dis)
{
    if (Editing() && item == GetEditorIndex())
        return;
    DrawTextItem(dc, rect, ItemText(item), dis, kTextFormat);
}

void KyEditableListBox::DrawItemFocus(CDC& dc, const CRect& rect, int, DRAWITEMSTRUCT&)
{
    dc.DrawFocusRect(&rect);
}

void KyEditableListBox::DrawTextItem(CDC& dc, const CRect& rect, const char* text, DRAWITEMSTRUCT& dis,
                                     UINT format)
{
    const bool selected = (dis.itemState & ODS_SELECTED) != 0;
    COLORREF oldColour = 0;
    int oldMode = 0;
    if (selected) {
        oldColour = dc.SetTextColor(::GetSysColor(COLOR_HIGHLIGHTTEXT));
        oldMode = dc.SetBkMode(TRANSPARENT);
    }
    CRect area(rect);
    area.left += kTextIndent;
    if (text != nullptr) {
        dc.DrawText(text, -1, &area, format);
    } else {
        TEXTMETRICA metrics = {};
        dc.GetTextMetrics(&metrics);
        const CRect box(area.left, area.top + kEmptyBoxInset, area.left + kEmptyBoxCharWidths * metrics.tmAveCharWidth,
                        area.bottom - kEmptyBoxInset);
        dc.DrawFocusRect(&box);
    }
    if (selected) {
        dc.SetTextColor(oldColour);
        dc.SetBkMode(oldMode);
    }
}
