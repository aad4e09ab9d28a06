// FileListViewBaseT<T>: the list following its model. While a task runs
// the monitor timer grows the list to the model's record count each
// second, without scrolling; rows whose records were erased go from the
// list, and an emptied list discards the results once no task runs.
#pragma once

#include "FinderLink/ResultList/FileListViewBaseT.h"

#include <afxwin.h>

#include <algorithm>

namespace Kyvant {

// The reader may end while this tick reads the count: a task that was
// still running gets one more tick for the rows it added last.
template <class T>
void FileListViewBaseT<T>::OnMonitorTick()
{
    const bool running = IsTaskRunning();
    const Rows* rows = GetRows();
    const int count = rows != nullptr ? static_cast<int>(rows->size()) : 0;
    if (count > 0) {
        CListCtrl& list = GetListCtrl();
        const int shown = list.GetItemCount();
        BeforeGrowing(count, shown);
        if (count != shown) {
            list.SetItemCountEx(count, LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
            AfterGrowing(shown);
        }
    }
    if (!running)
        EnableMonitorTimer(false);
}

template <class T>
void FileListViewBaseT<T>::BeforeGrowing(int, int)
{
}

template <class T>
void FileListViewBaseT<T>::RemoveErasedRows(const std::vector<int>& removed, int& focusedRow)
{
    if (removed.empty())
        return;
    CListCtrl& list = GetListCtrl();
    const Rows* rows = GetRows();
    if (rows == nullptr || rows->size() == 0) {
        list.SetItemCount(0);
        focusedRow = -1;
        OnAllRowsErased();
        if (!IsTaskRunning())
            DiscardResults();
        return;
    }
    OnRowsErased(removed);
    if (focusedRow >= 0) {
        const auto below = std::lower_bound(removed.begin(), removed.end(), focusedRow);
        focusedRow -= static_cast<int>(below - removed.begin());
    }
    const bool moving = m_rowsMoving;
    m_rowsMoving = true; // the list's own selection moves are no user's choice
    for (auto row = removed.rbegin(); row != removed.rend(); ++row)
        if (*row < list.GetItemCount())
            list.DeleteItem(*row);
    m_rowsMoving = moving;
}

template <class T>
void FileListViewBaseT<T>::OnAllRowsErased()
{
}

template <class T>
void FileListViewBaseT<T>::OnRowsErased(const std::vector<int>&)
{
}

} // namespace Kyvant
