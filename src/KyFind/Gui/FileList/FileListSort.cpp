// FileListView's sort by a column: the shared sort of the shown rows, with
// the current file and the watched row following their records.
#include "KyFind/Gui/FileList/FileListView.h"

#include "KyFind/Gui/FileList/FileRecOrder.h"

#include <vector>

void FileListView::SortByColumn(int column)
{
    const int current = m_link->GetCurrentFile();
    const bool hasCurrent = GetRecord(current) != nullptr;
    std::vector<int> followed = {current, m_watchedRow};
    if (!SortRowsBy<FileRecOrder>(column, followed))
        return;
    if (hasCurrent)
        m_link->MoveCurrentFile(followed[0]);
    m_watchedRow = followed[1];
}
