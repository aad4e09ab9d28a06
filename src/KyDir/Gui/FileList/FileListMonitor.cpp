// FileListView's part of the list following its listing: the first rows
// give row 0 the focus, not the selection; erased items go from the listing
// before the shared removal of their rows.
#include "KyDir/Gui/FileList/FileListView.h"

#include "KyGui/Helpers/ListViewEx.h"

#include <vector>

void FileListView::AfterGrowing(int shownBefore)
{
    if (shownBefore == 0)
        Kyvant::ListViewEx::SetFocusItem(GetListCtrl(), 0, true);
}

void FileListView::EraseRows(const RowIterators& rows, int& focusedRow)
{
    if (m_finder == nullptr)
        return;
    std::vector<int> removed;
    m_finder->GetModel().GetItems().erase(rows.begin(), rows.end(), &removed);
    RemoveErasedRows(removed, focusedRow);
}
