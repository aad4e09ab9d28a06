// FileListView's erase rows: the files go from the result model and their
// rows from the list (the shared removal), and the current file and the
// watched row move with the rows that remain.
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
    std::vector<int> removed;
    m_finder->GetModel().EraseFiles(rows, &removed);
    RemoveErasedRows(removed, focusedRow);
}

void FileListView::OnAllRowsErased()
{
    m_watchedRow = -1;
    m_watchedCount = -1;
    m_link->SetCurrentFile(-1);
}

void FileListView::OnRowsErased(const std::vector<int>& removed)
{
    const int current = m_link->GetCurrentFile();
    const int currentAfter = RowAfterRemoval(current, removed);
    if (currentAfter != current)
        m_link->MoveCurrentFile(currentAfter);
    m_watchedRow = RowAfterRemoval(m_watchedRow, removed);
    if (m_watchedRow < 0)
        m_watchedCount = -1;
}
