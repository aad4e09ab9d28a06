// ViewCoordinator's navigation: first and last match, next and previous
// match and file, and Go with its notices past the ends.
#include "KyFind/Gui/Coordinator/ViewCoordinator.h"

#include "KyFind/Gui/Coordinator/PaneFrame.h"
#include "KyFind/Gui/FileList/FileListView.h"
#include "KyFind/Gui/MatchList/FileMatchListView.h"
#include "KyFind/Gui/Panes/PanesResource.h"
#include "KyGui/Helpers/ListViewEx.h"

int ViewCoordinator::SelectedFileRow() const
{
    return m_fileList != nullptr ? Kyvant::ListViewEx::GetCurSel(m_fileList->GetListCtrl()) : -1;
}

int ViewCoordinator::SelectedMatchRow() const
{
    return m_matchList != nullptr ? Kyvant::ListViewEx::GetCurSel(m_matchList->GetListCtrl()) : -1;
}

int ViewCoordinator::LastMatchOf(int file) const
{
    const Finder::Model::FileRec* record = m_finder.GetModel().GetFile(file);
    return MatchRows(record) - 1;
}

void ViewCoordinator::FirstMatch()
{
    SelectMatch(0, true);
}

void ViewCoordinator::LastMatch()
{
    SelectMatch(MatchRows(GetCurrentFileRec()) - 1, true);
}

void ViewCoordinator::NextMatch(bool forward)
{
    int file = SelectedFileRow();
    const int match = SelectedMatchRow();
    if (match >= 0 && file < 0)
        file = m_currentFile;
    if (match < 0) {
        if (file >= 0)
            Go(forward ? file : file - 1, forward ? 0 : -1, forward);
        else
            Go(forward ? 0 : FileRowCount() - 1, forward ? 0 : -1, forward);
        return;
    }
    if (!forward) {
        Go(match > 0 ? file : file - 1, match > 0 ? match - 1 : -1, forward);
        return;
    }
    if (match + 1 < MatchRows(m_finder.GetModel().GetFile(file)))
        Go(file, match + 1, forward);
    else
        Go(file + 1, 0, forward);
}

void ViewCoordinator::NextFile(bool forward)
{
    const int file = SelectedFileRow();
    if (file < 0)
        Go(forward ? 0 : FileRowCount() - 1, 0, forward);
    else
        Go(forward ? file + 1 : file - 1, 0, forward);
}

void ViewCoordinator::Go(int file, int match, bool forward)
{
    if (!IsBound())
        return;
    if (file < 0 || file >= FileRowCount()) {
        CListCtrl& files = m_fileList->GetListCtrl();
        files.SetItemState(-1, 0, LVIS_SELECTED);
        if (m_currentFile >= 0 && m_currentFile < files.GetItemCount())
            Kyvant::ListViewEx::SetFocusItem(files, m_currentFile);
        m_matchList->SelectRow(-1);
        m_currentMatch = -1;
        m_frame->SetStatus(forward ? IDS_PASSED_LAST_MATCH : IDS_PASSED_FIRST_MATCH, true);
        return;
    }
    SetIdleStatus();
    SetCurrentFile(file);
    SelectMatch(match < 0 ? LastMatchOf(file) : match, true);
}
