// FileListView's monitor timer and the removal of dropped rows: while a
// task runs the list grows to the listing's size each second, without
// scrolling; rows whose items were dropped go from the listing and the
// list, and an emptied list discards the results once no task runs.
#include "KyDir/Gui/FileList/FileListView.h"

#include "KyGui/Helpers/ListViewEx.h"

#include <algorithm>
#include <vector>

// The reader may end while this tick reads the count: a task that was
// still running gets one more tick for the rows it added last. The first
// rows give row 0 the focus, not the selection.
void FileListView::OnMonitorTick()
{
    const bool running = m_finder != nullptr && m_finder->IsRunning();
    const int count =
        m_finder != nullptr ? static_cast<int>(m_finder->GetModel().GetItemCount()) : 0;
    CListCtrl& list = GetListCtrl();
    const int shown = list.GetItemCount();
    if (count > 0 && count != shown) {
        list.SetItemCountEx(count, LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
        if (shown == 0)
            Kyvant::ListViewEx::SetFocusItem(list, 0, true);
    }
    if (!running)
        EnableMonitorTimer(false);
}

void FileListView::EraseRows(const RowIterators& rows, int& focusedRow)
{
    if (m_finder == nullptr)
        return;
    Finder::Model& model = m_finder->GetModel();
    std::vector<int> removed;
    model.GetItems().erase(rows.begin(), rows.end(), &removed);
    if (removed.empty())
        return;
    CListCtrl& list = GetListCtrl();
    if (model.GetItemCount() == 0) {
        list.SetItemCount(0);
        focusedRow = -1;
        if (!m_finder->IsRunning())
            m_finder->Discard();
        return;
    }
    for (auto row = removed.rbegin(); row != removed.rend(); ++row)
        if (*row < list.GetItemCount())
            list.DeleteItem(*row);
    if (focusedRow >= 0) {
        const auto below = std::lower_bound(removed.begin(), removed.end(), focusedRow);
        focusedRow -= static_cast<int>(below - removed.begin());
    }
}
