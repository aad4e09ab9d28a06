// KyFileListViewBase's commands: the edit commands (on the label's edit while
// renaming), selection, properties, opening the containing folder, rename and
// refresh, with their updates.
#include "KyGuiTool/ResultList/KyFileListViewBase.h"

#include "KyGui/Helpers/ListViewEx.h"
#include "KyGuiTool/ResultList/HandlerExceptions.h"
#include "KyGuiTool/ResultList/ResultListSeams.h"
#include "KyStd/Shell/ShellLaunch.h"

using Kyvant::ResultList::RunReportingErrors;

namespace {

bool EditHasSelection(CWnd& edit)
{
    DWORD start = 0;
    DWORD end = 0;
    edit.SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return start != end;
}

bool EditHasText(CWnd& edit)
{
    return edit.GetWindowTextLength() > 0;
}

} // namespace

CWnd* KyFileListViewBase::LabelEdit() const
{
    if (!m_labelEditing)
        return nullptr;
    const HWND edit = reinterpret_cast<HWND>(GetListCtrl().SendMessage(LVM_GETEDITCONTROL));
    return edit != nullptr ? CWnd::FromHandle(edit) : nullptr;
}

bool KyFileListViewBase::IsSingleSelection() const
{
    return (GetStyle() & LVS_SINGLESEL) != 0;
}

bool KyFileListViewBase::ListIsEmpty() const
{
    return GetListCtrl().GetItemCount() == 0;
}

void KyFileListViewBase::OnEditCut()
{
    if (m_labelEditing) {
        if (CWnd* edit = LabelEdit())
            edit->SendMessage(WM_CUT);
        else
            Kyvant::ResultList::Beep(MB_ICONEXCLAMATION);
        return;
    }
    RunReportingErrors([this] { CopyItems(false); });
}

void KyFileListViewBase::OnEditCopy()
{
    if (m_labelEditing) {
        if (CWnd* edit = LabelEdit())
            edit->SendMessage(WM_COPY);
        else
            Kyvant::ResultList::Beep(MB_ICONEXCLAMATION);
        return;
    }
    RunReportingErrors([this] { CopyItems(true); });
}

void KyFileListViewBase::OnUpdateEditCutCopy(CCmdUI* pCmdUI)
{
    if (m_labelEditing) {
        CWnd* edit = LabelEdit();
        pCmdUI->Enable(edit != nullptr && EditHasSelection(*edit));
        return;
    }
    pCmdUI->Enable(GetListCtrl().GetSelectedCount() > 0);
}

void KyFileListViewBase::OnEditClear()
{
    RunReportingErrors([this] { DeleteItems(); });
}

void KyFileListViewBase::OnUpdateEditClear(CCmdUI* pCmdUI)
{
    if (m_labelEditing) {
        CWnd* edit = LabelEdit();
        pCmdUI->Enable(edit != nullptr && EditHasText(*edit));
        return;
    }
    pCmdUI->Enable(GetListCtrl().GetSelectedCount() > 0);
}

void KyFileListViewBase::OnEditSelectAll()
{
    if (m_labelEditing) {
        if (CWnd* edit = LabelEdit()) {
            edit->SendMessage(EM_SETSEL, 0, -1);
            edit->SendMessage(EM_SCROLLCARET);
        }
        return;
    }
    CWaitCursor wait;
    AllSelectorSetup guard(*this);
    GetListCtrl().SetItemState(-1, LVIS_SELECTED, LVIS_SELECTED);
}

void KyFileListViewBase::OnUpdateEditSelectAll(CCmdUI* pCmdUI)
{
    if (m_labelEditing) {
        OnUpdateEditClear(pCmdUI);
        return;
    }
    pCmdUI->Enable(!IsSingleSelection() && !ListIsEmpty());
}

void KyFileListViewBase::OnInvertSelection()
{
    CWaitCursor wait;
    AllSelectorSetup guard(*this);
    CListCtrl& list = GetListCtrl();
    const int count = list.GetItemCount();
    for (int row = 0; row < count; ++row) {
        const UINT selected = list.GetItemState(row, LVIS_SELECTED) & LVIS_SELECTED;
        list.SetItemState(row, selected ^ LVIS_SELECTED, LVIS_SELECTED);
    }
}

void KyFileListViewBase::OnUpdateInvertSelection(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!m_labelEditing && !IsSingleSelection() && !ListIsEmpty());
}

void KyFileListViewBase::OnProperties()
{
    RunReportingErrors([this] { ShowItemProperties(); });
}

void KyFileListViewBase::OnUpdateProperties(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(GetListCtrl().GetSelectedCount() > 0);
}

// Explorer with the file selected; the path is quoted so that a comma in it
// does not end it.
void KyFileListViewBase::OnOpenContainingFolder()
{
    const int row = Kyvant::ListViewEx::GetFocusItem(GetListCtrl());
    if (row < 0) {
        Kyvant::ResultList::Beep(MB_ICONEXCLAMATION);
        return;
    }
    RunReportingErrors([this, row] {
        Kyvant::ky_F file;
        GetItemFile(file, row);
        Kyvant::ky_S parameters("/select,\"");
        parameters += file;
        parameters += '"';
        Kyvant::Shell::LaunchFile("explorer.exe", parameters.c_str());
    });
}

// An explicit rename is no click: a click that activated the window earlier
// must not refuse it.
void KyFileListViewBase::OnRename()
{
    const int row = Kyvant::ListViewEx::GetFocusItem(GetListCtrl());
    if (row < 0)
        return;
    m_clickActivatedOnSelectedItem = false;
    GetListCtrl().EditLabel(row);
}

void KyFileListViewBase::OnUpdateRename(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!m_labelEditing && (GetStyle() & LVS_EDITLABELS) != 0 &&
                   Kyvant::ListViewEx::GetFocusItem(GetListCtrl()) >= 0);
}

void KyFileListViewBase::OnRefresh()
{
    RunReportingErrors([this] { Refresh(); });
}

void KyFileListViewBase::OnUpdateRefresh(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!m_labelEditing && !ListIsEmpty());
}
