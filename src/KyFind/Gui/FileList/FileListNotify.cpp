// FileListView's notifications: a selected row becomes the current file,
// Enter and double clicks open it in the file view, clicks beside the rows
// keep the current file selected.
#include "KyFind/Gui/FileList/FileListView.h"

#include "KyFind/Gui/FileList/FileListResource.h"
#include "KyGui/Helpers/ListViewEx.h"
#include "KyGuiTool/ResultList/HandlerExceptions.h"

#include <afxext.h>

using Kyvant::ResultList::RunReportingErrors;

// A row that becomes selected; a selected row that only loses or gains the
// focus (as rows are removed) changes nothing.
void FileListView::OnItemChanged(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    const NMLISTVIEW& change = *reinterpret_cast<const NMLISTVIEW*>(pNMHDR);
    const bool becameSelected = (change.uChanged & LVIF_STATE) &&
                                (change.uNewState & LVIS_SELECTED) &&
                                !(change.uOldState & LVIS_SELECTED);
    if (m_rowsMoving || change.iItem < 0 || !becameSelected || GetRecord(change.iItem) == nullptr)
        return;
    RunReportingErrors([this, &change] { m_link->SetCurrentFile(change.iItem); });
}

// Nothing selected: the focused row (or the first) is selected first.
void FileListView::OnReturn(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    CListCtrl& list = GetListCtrl();
    if (list.GetSelectedCount() == 0 && list.GetItemCount() > 0) {
        const int focused = Kyvant::ListViewEx::GetFocusItem(list);
        Kyvant::ListViewEx::SetCurSel(list, focused >= 0 ? focused : 0);
    }
    const int selected = list.GetNextItem(-1, LVNI_SELECTED);
    if (selected >= 0)
        RunReportingErrors([this, selected] { ActivateRow(selected); });
}

void FileListView::OnDoubleClickRow(NMHDR* pNMHDR, LRESULT* pResult)
{
    OnDoubleClick(pNMHDR, pResult);
    *pResult = 0;
    const int row = reinterpret_cast<const NMITEMACTIVATE*>(pNMHDR)->iItem;
    if (row < 0 || GetRecord(row) == nullptr) {
        SelectCurrentFileRow();
        return;
    }
    RunReportingErrors([this, row] { ActivateRow(row); });
}

void FileListView::OnClick(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    if (reinterpret_cast<const NMITEMACTIVATE*>(pNMHDR)->iItem < 0)
        SelectCurrentFileRow();
}

void FileListView::OnRightClickRow(NMHDR* pNMHDR, LRESULT* pResult)
{
    OnRightClick(pNMHDR, pResult);
    if (reinterpret_cast<const NMITEMACTIVATE*>(pNMHDR)->iItem < 0)
        SelectCurrentFileRow();
}

// The row becomes the current file with its first match; the file view
// becomes the active pane when the list was it.
void FileListView::ActivateRow(int row)
{
    m_link->SetCurrentFile(row);
    m_link->SelectFirstMatch();
    CFrameWnd* frame = GetParentFrame();
    if (frame != nullptr && frame->GetActiveView() == this)
        frame->SendMessage(WM_COMMAND, ID_VIEW_FILE_VIEW);
}

void FileListView::SelectCurrentFileRow()
{
    const int current = m_link->GetCurrentFile();
    if (current >= 0 && current < GetListCtrl().GetItemCount())
        Kyvant::ListViewEx::SetCurSel(GetListCtrl(), current);
}
