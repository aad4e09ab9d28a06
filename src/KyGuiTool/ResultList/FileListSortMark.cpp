// KyFileListViewBase's sort mark: the header's own arrows and the shaded
// column with common controls 6.0, else a bitmap in the header item.
#include "KyGuiTool/ResultList/KyFileListViewBase.h"

void KyFileListViewBase::SetSortStateX(int column, SortState state)
{
    if (!m_sortImagesAvailable || column < 0 || static_cast<unsigned>(column) >= m_columnCount ||
        m_sortStates[column] == state)
        return;
    if (m_sortedColumn >= 0 && m_sortedColumn != column)
        SetSortStateX(m_sortedColumn, SortNone);
    ApplySortMark(column, state);
    m_sortStates[column] = state;
    m_sortedColumn = state == SortNone ? -1 : column;
}

void KyFileListViewBase::ApplySortMark(int column, SortState state)
{
    const int index = GetColIndexX(column);
    if (index < 0)
        return;
    HDITEMA item = {};
    item.mask = HDI_FORMAT;
    if (!m_header.GetItem(index, &item))
        return;
    if (ModernHeader()) {
        item.fmt &= ~(HDF_SORTUP | HDF_SORTDOWN);
        if (state != SortNone)
            item.fmt |= state == SortAscending ? HDF_SORTUP : HDF_SORTDOWN;
        m_header.SetItem(index, &item);
        GetListCtrl().SendMessage(LVM_SETSELECTEDCOLUMN,
                                  static_cast<WPARAM>(state == SortNone ? -1 : index));
        return;
    }
    if (state == SortNone) {
        item.fmt &= ~(HDF_BITMAP | HDF_BITMAP_ON_RIGHT);
    } else {
        item.mask |= HDI_BITMAP;
        item.hbm =
            static_cast<HBITMAP>(m_sortBitmaps[state == SortAscending ? 0 : 1].GetSafeHandle());
        item.fmt |= HDF_BITMAP;
        if ((item.fmt & HDF_JUSTIFYMASK) == HDF_LEFT)
            item.fmt |= HDF_BITMAP_ON_RIGHT;
    }
    m_header.SetItem(index, &item);
}
