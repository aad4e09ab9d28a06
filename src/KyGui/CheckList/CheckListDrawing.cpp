// KyCheckListBoxBase: the reflected owner-draw messages with the caller's item data,
// the check column and the text part of an item.
#include "KyGui/CheckList/KyCheckListBoxBase.h"

#include "KyGui/CheckList/CheckBoxTheme.h"

#include <algorithm>

namespace {

constexpr int kCheckLeftMargin = 2; // item's left edge to the check box
constexpr int kCheckColumnGap = 4;  // check box width to the text part
constexpr int kTextIndent = 2;      // text part's left edge to the text
constexpr COLORREF kDisabledText = RGB(0x80, 0x80, 0x80);

bool DrawsContents(const DRAWITEMSTRUCT& dis)
{
    return static_cast<int>(dis.itemID) >= 0 &&
           (dis.itemAction & (ODA_DRAWENTIRE | ODA_SELECT)) != 0;
}

} // namespace

BOOL KyCheckListBoxBase::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    switch (message) {
    case WM_DRAWITEM: {
        DRAWITEMSTRUCT copy = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        *pResult = DrawWrapper(copy);
        return TRUE;
    }
    case WM_MEASUREITEM:
        *pResult = MeasureWrapper(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_DELETEITEM:
        *pResult = DeleteWrapper(*reinterpret_cast<const DELETEITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_COMPAREITEM:
        *pResult = CompareWrapper(*reinterpret_cast<const COMPAREITEMSTRUCT*>(lParam));
        return TRUE;
    default:
        return CListBox::OnChildNotify(message, wParam, lParam, pResult);
    }
}

LRESULT KyCheckListBoxBase::DrawWrapper(DRAWITEMSTRUCT& dis)
{
    const int item = static_cast<int>(dis.itemID);
    const ItemRecord* record =
        item >= 0 ? reinterpret_cast<const ItemRecord*>(dis.itemData) : nullptr;
    const int check = record != nullptr ? record->check : kUnchecked;
    const bool itemEnabled = record == nullptr || record->enabled;
    dis.itemData = CallerData(dis.itemData);

    const CSize box = CheckSize();
    const CRect itemRect(dis.rcItem);
    const int itemHeight = GetItemHeight(std::max(item, 0));
    const int offset = (itemHeight - box.cy) / 2;
    const CPoint boxAt(itemRect.left + kCheckLeftMargin, itemRect.top + (offset >= 1 ? offset : 0));
    CRect column(itemRect);
    column.right = column.left + box.cx + kCheckColumnGap;
    const CRect checkRect = OnGetCheckPosition(column, CRect(boxAt, box));

    if (DrawsContents(dis)) {
        if (!m_theme->IsThemed()) {
            const bool highlighted =
                (dis.itemState & ODS_SELECTED) != 0 && IsWindowEnabled() && itemEnabled;
            ::FillRect(dis.hDC, &column,
                       ::GetSysColorBrush(highlighted ? COLOR_HIGHLIGHT : COLOR_WINDOW));
        }
        m_theme->Draw(dis.hDC, checkRect, check);
    }
    dis.rcItem.left += box.cx + kCheckColumnGap;
    DrawItem(&dis);
    return TRUE;
}

LRESULT KyCheckListBoxBase::MeasureWrapper(MEASUREITEMSTRUCT& mis)
{
    const int minimum = MinimumItemHeight();
    MEASUREITEMSTRUCT copy = mis;
    copy.itemWidth = static_cast<UINT>(-1);
    copy.itemHeight = static_cast<UINT>(minimum);
    if ((GetStyle() & LBS_OWNERDRAWVARIABLE) != 0)
        copy.itemData = CallerData(mis.itemData);
    MeasureItem(&copy);
    mis.itemWidth = copy.itemWidth;
    mis.itemHeight = std::max(copy.itemHeight, static_cast<UINT>(minimum));
    return TRUE;
}

LRESULT KyCheckListBoxBase::DeleteWrapper(const DELETEITEMSTRUCT& dis)
{
    DELETEITEMSTRUCT copy = dis;
    DWORD_PTR raw = dis.itemData;
    if (raw == 0) {
        const LRESULT asked = CWnd::DefWindowProc(LB_GETITEMDATA, dis.itemID, 0);
        raw = asked == LB_ERR ? 0 : static_cast<DWORD_PTR>(asked);
    }
    copy.itemData = CallerData(raw);
    if (raw != 0 && raw != static_cast<DWORD_PTR>(-1)) {
        // No dangling record for whatever the deletion handler asks of the item.
        CWnd::DefWindowProc(LB_SETITEMDATA, dis.itemID, 0);
        delete reinterpret_cast<ItemRecord*>(raw);
    }
    DeleteItem(&copy);
    return TRUE;
}

LRESULT KyCheckListBoxBase::CompareWrapper(const COMPAREITEMSTRUCT& cis)
{
    COMPAREITEMSTRUCT copy = cis;
    copy.itemData1 = CallerData(cis.itemData1);
    copy.itemData2 = CallerData(cis.itemData2);
    return CompareItem(&copy);
}

void KyCheckListBoxBase::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    DRAWITEMSTRUCT& dis = *lpDrawItemStruct;
    const CRect rect(dis.rcItem);
    if (DrawsContents(dis)) {
        const int item = static_cast<int>(dis.itemID);
        COLORREF text = ::GetSysColor(COLOR_WINDOWTEXT);
        COLORREF back = ::GetSysColor(COLOR_WINDOW);
        if (!IsWindowEnabled() || !IsEnabled(item)) {
            text = kDisabledText;
        } else if ((dis.itemState & ODS_SELECTED) != 0) {
            text = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
            back = ::GetSysColor(COLOR_HIGHLIGHT);
        }
        const COLORREF oldText = ::SetTextColor(dis.hDC, text);
        const COLORREF oldBack = ::SetBkColor(dis.hDC, back);
        CString label;
        if (HasStrings())
            GetText(item, label);
        const int spare = rect.Height() - TextHeight();
        const int y = rect.top + (spare > 0 ? (spare + 1) / 2 : 0);
        ::ExtTextOutA(dis.hDC, rect.left + kTextIndent, y, ETO_OPAQUE, &rect, label,
                      static_cast<UINT>(label.GetLength()), nullptr);
        ::SetTextColor(dis.hDC, oldText);
        ::SetBkColor(dis.hDC, oldBack);
    }
    if ((dis.itemAction & ODA_FOCUS) != 0)
        ::DrawFocusRect(dis.hDC, &rect);
}
