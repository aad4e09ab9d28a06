// FileListView's sort by a column: the shown rows of the listing are
// reordered in one locked step of its item list, while the reader may go on
// appending; each row's selection and focus stay with its item.
#include "KyDir/Gui/FileList/FileListView.h"

#include "KyDir/Gui/FileList/DirItemOrder.h"

#include <map>
#include <utility>
#include <vector>

namespace {

const UINT kKeptStates = LVIS_SELECTED | LVIS_FOCUSED;

} // namespace

void FileListView::SortByColumn(int column)
{
    if (column < 0 || column >= ColumnCount || m_finder == nullptr)
        return;
    const SortState direction = NextSortState(column);
    CWaitCursor wait;
    CListCtrl& list = GetListCtrl();
    const int shown = list.GetItemCount();

    std::vector<std::pair<const Item*, UINT>> states;
    for (int row = 0; row < shown; ++row) {
        const UINT rowState = list.GetItemState(row, kKeptStates);
        if (rowState != 0)
            if (const Item* record = GetRecord(row))
                states.emplace_back(record, rowState);
    }

    // The fields are fetched before the list is locked, so that the reader
    // waits for the reordering alone.
    const DirItemOrder order(static_cast<Column>(column), direction == SortDescending);
    for (int row = 0; row < shown; ++row)
        if (const Item* record = GetRecord(row))
            record->PrepForDisplay_imp_1(order.NeededFields());
    m_finder->GetModel().GetItems().stable_sort_front(static_cast<unsigned>(shown), order);

    list.SetRedraw(FALSE);
    SetSortStateX(column, direction);
    RestoreAfterSort(states);
    list.SetRedraw(TRUE);
    list.Invalidate(TRUE);
}

// The remembered rows lose their states first (row by row: the list's own
// clearing of every row costs a step per row), then one pass over the shown
// rows finds each remembered item's new row.
void FileListView::RestoreAfterSort(const std::vector<std::pair<const Item*, UINT>>& states)
{
    CListCtrl& list = GetListCtrl();
    const int shown = list.GetItemCount();
    std::vector<int> marked;
    for (int row = 0; row < shown; ++row)
        if (list.GetItemState(row, kKeptStates) != 0)
            marked.push_back(row);
    for (int row : marked)
        list.SetItemState(row, 0, kKeptStates);
    if (states.empty())
        return;
    const std::map<const Item*, UINT> byItem(states.begin(), states.end());
    for (int row = 0; row < shown; ++row) {
        const auto found = byItem.find(GetRecord(row));
        if (found != byItem.end())
            list.SetItemState(row, found->second, kKeptStates);
    }
}
