// KyFileListViewBase's in-place renaming: a click that activates the window
// starts none, the label's edit gets its keys before accelerators do, Clear
// cancels it; and the notifications that end the click state.
#include "KyGuiTool/ResultList/KyFileListViewBase.h"

#include "KyGuiTool/ResultList/HandlerExceptions.h"

#include <afxole.h>

using Kyvant::ResultList::RunReportingErrors;

int KyFileListViewBase::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
{
    if (::GetFocus() != m_hWnd) {
        LVHITTESTINFO hit = {};
        ::GetCursorPos(&hit.pt);
        ScreenToClient(&hit.pt);
        CListCtrl& list = GetListCtrl();
        const int row = list.SubItemHitTest(&hit);
        m_clickActivatedOnSelectedItem =
            row >= 0 && (list.GetItemState(row, LVIS_SELECTED) & LVIS_SELECTED) != 0;
    }
    return CListView::OnMouseActivate(pDesktopWnd, nHitTest, message);
}

void KyFileListViewBase::OnBeginLabelEdit(NMHDR*, LRESULT* pResult)
{
    CListCtrl& list = GetListCtrl();
    const int focused = list.GetNextItem(-1, LVNI_FOCUSED);
    if (m_clickActivatedOnSelectedItem && focused >= 0 &&
        (list.GetItemState(focused, LVIS_SELECTED) & LVIS_SELECTED) != 0) {
        m_clickActivatedOnSelectedItem = false;
        *pResult = TRUE;
        return;
    }
    m_labelEditing = true;
    *pResult = FALSE;
}

void KyFileListViewBase::OnEndLabelEdit(NMHDR* pNMHDR, LRESULT* pResult)
{
    RunReportingErrors([this, pNMHDR, pResult] { EndItemLabelEdit(pNMHDR, pResult); });
}

void KyFileListViewBase::OnBeginDrag(NMHDR* pNMHDR, LRESULT* pResult)
{
    m_clickActivatedOnSelectedItem = false;
    RunReportingErrors([this, pNMHDR, pResult] { BeginItemDrag(pNMHDR, pResult); });
}

void KyFileListViewBase::OnDoubleClick(NMHDR*, LRESULT*)
{
    m_clickActivatedOnSelectedItem = false;
}

void KyFileListViewBase::OnRightClick(NMHDR*, LRESULT* pResult)
{
    m_clickActivatedOnSelectedItem = false;
    *pResult = 0;
}

BOOL KyFileListViewBase::PreTranslateMessage(MSG* pMsg)
{
    if (m_labelEditing) {
        const HWND edit = reinterpret_cast<HWND>(GetListCtrl().SendMessage(LVM_GETEDITCONTROL));
        if (edit != nullptr && pMsg->hwnd == edit) {
            ::TranslateMessage(pMsg);
            ::DispatchMessageA(pMsg);
            return TRUE;
        }
    }
    return CListView::PreTranslateMessage(pMsg);
}

void KyFileListViewBase::Clear()
{
    CListCtrl& list = GetListCtrl();
    if (m_labelEditing) {
        m_cancellingLabelEdit = true;
        list.SendMessage(LVM_EDITLABELA, static_cast<WPARAM>(-1));
        m_labelEditing = false;
        m_cancellingLabelEdit = false;
    }
    m_clickActivatedOnSelectedItem = false;
    COleDataSource::FlushClipboard();
    list.SetItemCount(0);
    if (m_sortedColumn >= 0)
        SetSortStateX(m_sortedColumn, SortNone);
    EnableMonitorTimer(false);
}
