// FileListView's sort by a column: the shown rows of the result model are
// reordered in one locked step of its file list, while the reader may go on
// appending; selection, focus, the current file and the watched row stay
// with their records.
#include "KyFind/Gui/FileList/FileListView.h"

#include "KyFind/Gui/FileList/FileRecOrder.h"
#include "KyGui/Helpers/ListViewEx.h"

#include <algorithm>
#include <vector>

void FileListView::SortByColumn(int column)
{
    if (column < 0 || column >= ColumnCount || m_finder == nullptr)
        return;
    const SortState direction = NextSortState(column);
    CWaitCursor wait;
    CListCtrl& list = GetListCtrl();
    const int shown = list.GetItemCount();

    std::vector<const FileRec*> selected;
    for (int row = list.GetNextItem(-1, LVNI_SELECTED); row >= 0;
         row = list.GetNextItem(row, LVNI_SELECTED))
        selected.push_back(GetRecord(row));
    const FileRec* focused = GetRecord(Kyvant::ListViewEx::GetFocusItem(list));
    const FileRec* current = GetRecord(m_link->GetCurrentFile());
    const FileRec* watched = GetRecord(m_watchedRow);

    // The fields are fetched before the container is locked, so that the
    // reader waits for the reordering alone.
    const FileRecOrder order(static_cast<Column>(column), direction == SortDescending);
    if (order.NeededFields() != Kyvant::ShFileRec::Item::NoFields)
        for (int row = 0; row < shown; ++row)
            if (const FileRec* record = GetRecord(row))
                record->PrepForDisplay_imp_1(order.NeededFields());
    m_finder->GetModel().GetFiles().stable_sort_front(static_cast<unsigned>(shown), order);

    list.SetRedraw(FALSE);
    SetSortStateX(column, direction);
    m_sorting = true;
    RestoreAfterSort(selected, focused, current, watched);
    list.SetRedraw(TRUE);
    list.Invalidate();
    m_sorting = false;
}

// Row by row: the list's own clearing of every row costs a step per row.
void FileListView::ClearSelectionAndFocus()
{
    CListCtrl& list = GetListCtrl();
    std::vector<int> selected;
    for (int row = list.GetNextItem(-1, LVNI_SELECTED); row >= 0;
         row = list.GetNextItem(row, LVNI_SELECTED))
        selected.push_back(row);
    for (int row : selected)
        list.SetItemState(row, 0, LVIS_SELECTED);
    const int focused = Kyvant::ListViewEx::GetFocusItem(list);
    if (focused >= 0)
        list.SetItemState(focused, 0, LVIS_FOCUSED);
}

// One pass over the shown rows finds the remembered records' new rows.
void FileListView::RestoreAfterSort(const std::vector<const FileRec*>& selected,
                                    const FileRec* focused, const FileRec* current,
                                    const FileRec* watched)
{
    CListCtrl& list = GetListCtrl();
    ClearSelectionAndFocus();
    const int shown = list.GetItemCount();
    int newCurrent = -1;
    int newWatched = -1;
    for (int row = 0; row < shown; ++row) {
        const FileRec* record = GetRecord(row);
        if (record == nullptr)
            continue;
        if (std::find(selected.begin(), selected.end(), record) != selected.end())
            list.SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
        if (record == focused)
            list.SetItemState(row, LVIS_FOCUSED, LVIS_FOCUSED);
        if (record == current)
            newCurrent = row;
        if (record == watched)
            newWatched = row;
    }
    if (current != nullptr)
        m_link->MoveCurrentFile(newCurrent);
    m_watchedRow = newWatched;
}
