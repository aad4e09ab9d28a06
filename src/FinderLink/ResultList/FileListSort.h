// FileListViewBaseT<T>: the sort by a column. The shown rows of the model
// are reordered in one locked step of its record list, while the reader may
// go on appending; each row's selection and focus, and the rows the view
// follows, stay with their records.
#pragma once

#include "FinderLink/ResultList/FileListViewBaseT.h"
#include "KyGui/Helpers/ListViewEx.h"

#include <afxwin.h>

namespace Kyvant {

template <class T>
template <class Order>
bool FileListViewBaseT<T>::SortRowsBy(int column, std::vector<int>& followed)
{
    Rows* rows = GetRows();
    if (column < 0 || column >= static_cast<int>(m_columnCount) || rows == nullptr)
        return false;
    const SortState direction = NextSortState(column);
    CWaitCursor wait;
    CListCtrl& list = GetListCtrl();
    const int shown = list.GetItemCount();

    const RowStates states = RememberRowStates();
    std::vector<const T*> followedRecords;
    for (int row : followed)
        followedRecords.push_back(GetRecord(row));

    // The fields are fetched before the list is locked, so that the reader
    // waits for the reordering alone.
    const Order order(column, direction == SortDescending);
    if (order.NeededFields() != ShFileRec::Item::NoFields)
        for (int row = 0; row < shown; ++row)
            if (const T* record = GetRecord(row))
                record->PrepForDisplay_imp_1(order.NeededFields());
    rows->stable_sort_front(static_cast<unsigned>(shown), order);

    list.SetRedraw(FALSE);
    SetSortStateX(column, direction);
    const bool moving = m_rowsMoving;
    m_rowsMoving = true;
    RestoreRowStates(states, followedRecords, followed);
    list.SetRedraw(TRUE);
    list.Invalidate();
    m_rowsMoving = moving;
    return true;
}

// The selected rows and the focused one: the list finds them without a
// step per row.
template <class T>
typename FileListViewBaseT<T>::RowStates FileListViewBaseT<T>::RememberRowStates() const
{
    const CListCtrl& list = GetListCtrl();
    RowStates states;
    for (int row = list.GetNextItem(-1, LVNI_SELECTED); row >= 0;
         row = list.GetNextItem(row, LVNI_SELECTED))
        if (const T* record = GetRecord(row))
            states[record] |= LVIS_SELECTED;
    if (const T* focused = GetRecord(ListViewEx::GetFocusItem(list)))
        states[focused] |= LVIS_FOCUSED;
    return states;
}

// The remembered rows lose their states first (row by row: the list's own
// clearing of every row costs a step per row), then one pass over the shown
// rows finds the remembered and the followed records' new rows.
template <class T>
void FileListViewBaseT<T>::RestoreRowStates(const RowStates& states,
                                            const std::vector<const T*>& followed,
                                            std::vector<int>& rows)
{
    const UINT keptStates = LVIS_SELECTED | LVIS_FOCUSED;
    CListCtrl& list = GetListCtrl();
    std::vector<int> marked;
    for (int row = list.GetNextItem(-1, LVNI_SELECTED); row >= 0;
         row = list.GetNextItem(row, LVNI_SELECTED))
        marked.push_back(row);
    for (int row : marked)
        list.SetItemState(row, 0, LVIS_SELECTED);
    const int focused = ListViewEx::GetFocusItem(list);
    if (focused >= 0)
        list.SetItemState(focused, 0, LVIS_FOCUSED);

    rows.assign(followed.size(), -1);
    unsigned toFind = 0;
    for (const T* record : followed)
        toFind += record != nullptr ? 1 : 0;
    if (states.empty() && toFind == 0)
        return;
    const int shown = list.GetItemCount();
    for (int row = 0; row < shown; ++row) {
        const T* record = GetRecord(row);
        if (record == nullptr)
            continue;
        const auto found = states.find(record);
        if (found != states.end())
            list.SetItemState(row, found->second, keptStates);
        for (size_t i = 0; i < followed.size(); ++i)
            if (followed[i] == record)
                rows[i] = row;
    }
}

} // namespace Kyvant
