// FileListView's erase rows: the files go from the result model, their rows
// from the list, and the current file, the watched row and the focus move
// with the rows that remain. An emptied list discards the results once no
// task runs.
#include "KyFind/Gui/FileList/FileListView.h"

#include <algorithm>
#include <vector>

namespace {

// The row's index once the removed rows (ascending) are gone; -1 when the
// row itself was removed.
int RowAfterRemoval(int row, const std::vector<int>& removed)
{
    if (row < 0)
        return row;
    const auto below = std::lower_bound(removed.begin(), removed.end(), row);
    if (below != removed.end() && *below == row)
        return -1;
    return row - static_cast<int>(below - removed.begin());
}

} // namespace

void FileListView::EraseRows(const RowIterators& rows, int& focusedRow)
{
    if (m_finder == nullptr)
        return;
    Finder::Model& model = m_finder->GetModel();
    std::vector<int> removed;
    model.EraseFiles(rows, &removed);
    if (removed.empty())
        return;
    CListCtrl& list = GetListCtrl();
    if (model.GetFileCount() == 0) {
        list.SetItemCount(0);
        m_watchedRow = -1;
        m_watchedCount = -1;
        focusedRow = -1;
        m_link->SetCurrentFile(-1);
        if (!m_finder->IsRunning())
            m_finder->Discard();
        return;
    }
    const int current = m_link->GetCurrentFile();
    const int currentAfter = RowAfterRemoval(current, removed);
    if (currentAfter != current)
        m_link->MoveCurrentFile(currentAfter);
    m_watchedRow = RowAfterRemoval(m_watchedRow, removed);
    if (m_watchedRow < 0)
        m_watchedCount = -1;
    if (focusedRow >= 0) {
        const auto below = std::lower_bound(removed.begin(), removed.end(), focusedRow);
        focusedRow -= static_cast<int>(below - removed.begin());
    }
    const bool sorting = m_sorting;
    m_sorting = true; // the list's own selection moves are no user's choice
    for (auto row = removed.rbegin(); row != removed.rend(); ++row)
        if (*row < list.GetItemCount())
            list.DeleteItem(*row);
    m_sorting = sorting;
}
