// FileListView's monitor timer: while a task runs the list grows to the
// model's file count each second, without scrolling, and the row that was
// last at the previous tick shows its growing match count.
#include "KyFind/Gui/FileList/FileListView.h"

#include "KyGui/Helpers/ListViewEx.h"

// The reader may end while this tick reads the count: a task that was
// still running gets one more tick for the rows it added last.
void FileListView::OnMonitorTick()
{
    const bool running = m_finder != nullptr && m_finder->IsRunning();
    const unsigned count = m_finder != nullptr ? m_finder->GetModel().GetFileCount() : 0;
    if (count > 0)
        FollowWatchedRow(count);
    if (!running)
        EnableMonitorTimer(false);
}

void FileListView::FollowWatchedRow(unsigned count)
{
    Finder::Model& model = m_finder->GetModel();
    if (m_watchedRow >= 0) {
        const FileRec* watched = model.GetFile(m_watchedRow);
        if (watched != nullptr && watched->GetMatchCount() != m_watchedCount) {
            m_watchedCount = watched->GetMatchCount();
            InvalidateMatchesCell(m_watchedRow);
        }
    }
    CListCtrl& list = GetListCtrl();
    if (static_cast<int>(count) == list.GetItemCount())
        return;
    m_watchedRow = static_cast<int>(count) - 1;
    const FileRec* last = model.GetFile(m_watchedRow);
    m_watchedCount = last != nullptr ? last->GetMatchCount() : -1;
    list.SetItemCountEx(static_cast<int>(count), LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
    if (m_link->GetCurrentFile() < 0)
        Kyvant::ListViewEx::SetCurSel(list, 0, false);
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
