// FileListView's part of the list's growth on the monitor timer: the row
// that was last at the previous tick shows its growing match count, and
// the first rows make row 0 the current file when there is none.
#include "KyFind/Gui/FileList/FileListView.h"

#include "KyGui/Helpers/ListViewEx.h"

void FileListView::BeforeGrowing(int count, int shown)
{
    Finder::Model& model = m_finder->GetModel();
    if (m_watchedRow >= 0) {
        const FileRec* watched = model.GetFile(m_watchedRow);
        if (watched != nullptr && watched->GetMatchCount() != m_watchedCount) {
            m_watchedCount = watched->GetMatchCount();
            InvalidateMatchesCell(m_watchedRow);
        }
    }
    if (count == shown)
        return;
    m_watchedRow = count - 1;
    const FileRec* last = model.GetFile(m_watchedRow);
    m_watchedCount = last != nullptr ? last->GetMatchCount() : -1;
}

void FileListView::AfterGrowing(int)
{
    if (m_link->GetCurrentFile() < 0)
        Kyvant::ListViewEx::SetCurSel(GetListCtrl(), 0, false);
}

void FileListView::InvalidateMatchesCell(int row)
{
    const int index = GetColIndexX(Matches);
    if (index < 0)
        return;
    RECT cell = {LVIR_BOUNDS, index, 0, 0}; // the asked part in left, the sub-item in top
    if (GetListCtrl().SendMessage(LVM_GETSUBITEMRECT, static_cast<WPARAM>(row),
                                  reinterpret_cast<LPARAM>(&cell)))
        GetListCtrl().InvalidateRect(&cell);
}
