// FileListView's notifications: Enter and double clicks open the one row,
// and selection changes repaint the icons of the
// visible rows so that icons the view draws itself follow the selection.
#include "KyDir/Gui/FileList/FileListView.h"

#include "KyGui/Helpers/ListViewEx.h"
#include "KyGuiTool/ResultList/HandlerExceptions.h"

#include <algorithm>

using Kyvant::ResultList::RunReportingErrors;

namespace {

bool SelectionChanged(UINT oldState, UINT newState)
{
    return ((oldState ^ newState) & LVIS_SELECTED) != 0;
}

} // namespace

// The row after the last one the list shows whole, counted as visible.
int FileListView::LastVisibleRow() const
{
    const CListCtrl& list = GetListCtrl();
    return list.GetTopIndex() + list.GetCountPerPage() + 1;
}

void FileListView::InvalidateIcons(int first, int last)
{
    CListCtrl& list = GetListCtrl();
    for (int row = first; row <= last; ++row) {
        CRect icon;
        if (list.GetItemRect(row, &icon, LVIR_ICON))
            list.InvalidateRect(&icon, FALSE);
    }
}

void FileListView::OnItemChanged(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    const NMLISTVIEW& change = *reinterpret_cast<const NMLISTVIEW*>(pNMHDR);
    if (!(change.uChanged & LVIF_STATE) || !SelectionChanged(change.uOldState, change.uNewState))
        return;
    const int row = change.iItem;
    if (m_finder == nullptr || row < 0 ||
        row >= static_cast<int>(m_finder->GetModel().GetItemCount()))
        return;
    if (m_selectAllInProgress) {
        if (row < m_selectTop || row > m_selectEnd)
            return;
    } else if (row < GetListCtrl().GetTopIndex() || row > LastVisibleRow()) {
        return;
    }
    InvalidateIcons(row, row);
}

void FileListView::OnOdStateChanged(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    const NMLVODSTATECHANGE& change = *reinterpret_cast<const NMLVODSTATECHANGE*>(pNMHDR);
    if (!SelectionChanged(change.uOldState, change.uNewState) || m_finder == nullptr)
        return;
    const int first = std::max(GetListCtrl().GetTopIndex(), change.iFrom);
    const int last = std::min({change.iTo, LastVisibleRow(), GetListCtrl().GetItemCount() - 1,
                               static_cast<int>(m_finder->GetModel().GetItemCount()) - 1});
    InvalidateIcons(first, last);
}

// Only one selected row is opened; none or several open nothing.
void FileListView::OnReturn(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    const int row = Kyvant::ListViewEx::GetCurSel(GetListCtrl());
    RunReportingErrors([this, row] { DoItemLaunch(row, false); });
}

void FileListView::OnDoubleClickRow(NMHDR* pNMHDR, LRESULT* pResult)
{
    OnDoubleClick(pNMHDR, pResult);
    *pResult = 0;
    const int row = reinterpret_cast<const NMITEMACTIVATE*>(pNMHDR)->iItem;
    if (row < 0 || GetRecord(row) == nullptr)
        return;
    RunReportingErrors([this, row] { DoItemLaunch(row, false); });
}

void FileListView::OnClick(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
}
