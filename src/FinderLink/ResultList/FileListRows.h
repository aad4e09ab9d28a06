// FileListViewBaseT<T>: the selected rows, removing rows, refresh, delete
// and rename.
#pragma once

#include "FinderLink/ResultList/FileListViewBaseT.h"
#include "FinderLink/ResultList/FileOperations.h"
#include "KyGui/Helpers/ListViewEx.h"
#include "KyGuiTool/ResultList/ResultListSeams.h"

#include <afxwin.h>

#include <algorithm>
#include <cstring>
#include <set>

namespace Kyvant {

template <class T>
void FileListViewBaseT<T>::GetSelectedRows(RowIterators& rows, std::vector<ky_F>* paths) const
{
    const CListCtrl& list = GetListCtrl();
    rows.clear();
    if (paths != nullptr)
        paths->clear();
    for (int row = list.GetNextItem(-1, LVNI_SELECTED); row >= 0;
         row = list.GetNextItem(row, LVNI_SELECTED)) {
        const T* record = GetRecord(row);
        if (record == nullptr)
            continue;
        rows.push_back(GetRowIterator(row));
        if (paths != nullptr)
            paths->push_back(record->GetFullFileName());
    }
}

// Only iterators of rows the list still shows may be followed to their
// records: the others may name freed nodes.
template <class T>
typename FileListViewBaseT<T>::RowIterators
FileListViewBaseT<T>::LiveRows(const RowIterators& rows) const
{
    std::set<const void*> shown;
    const int count = GetListCtrl().GetItemCount();
    for (int row = 0; row < count; ++row)
        if (GetRecord(row) != nullptr)
            shown.insert(GetRowIterator(row).node());
    RowIterators live;
    for (const RowIterator& row : rows)
        if (shown.count(row.node()) != 0)
            live.push_back(row);
    return live;
}

template <class T>
void FileListViewBaseT<T>::RemoveRows(const RowIterators& rows, bool onlyGone)
{
    CListCtrl& list = GetListCtrl();
    if (rows.empty() || list.GetItemCount() == 0)
        return;
    CWaitCursor wait;
    int focus = ListViewEx::GetFocusItem(list);
    if (focus >= 0)
        list.SetItemState(focus, 0, LVIS_FOCUSED);
    COleDataSource::FlushClipboard();
    RowIterators doomed = LiveRows(rows);
    if (onlyGone)
        doomed.erase(
            std::remove_if(doomed.begin(), doomed.end(),
                           [](const RowIterator& row) { return row->GetFullFileName().Exists(); }),
            doomed.end());
    if (!doomed.empty())
        EraseRows(doomed, focus);
    const int count = list.GetItemCount();
    if (count > 0)
        ListViewEx::SetFocusItem(list, focus < 0 ? 0 : std::min(focus, count - 1), false);
}

template <class T>
void FileListViewBaseT<T>::Refresh()
{
    CWaitCursor wait;
    CListCtrl& list = GetListCtrl();
    const int count = list.GetItemCount();
    const ShFileRec::Item::Fields fileSystemFields = ShFileRec::Item::FileData |
                                                     ShFileRec::Item::CreationTimeText |
                                                     ShFileRec::Item::DetailsGiven;
    RowIterators gone;
    for (int row = 0; row < count; ++row) {
        T* record = GetRecord(row);
        if (record == nullptr)
            continue;
        if (record->GetFullFileName().Exists())
            record->ForgetFields(fileSystemFields);
        else
            gone.push_back(GetRowIterator(row));
    }
    if (!gone.empty())
        RemoveRows(gone, false);
    list.Invalidate();
}

// The shell asks before it deletes; what it did not delete keeps its row.
template <class T>
void FileListViewBaseT<T>::DeleteItems()
{
    if (m_labelEditing) {
        const HWND edit = reinterpret_cast<HWND>(GetListCtrl().SendMessage(LVM_GETEDITCONTROL));
        if (edit != nullptr)
            ::SendMessageA(edit, WM_CLEAR, 0, 0);
        else
            ResultList::Beep(MB_ICONEXCLAMATION);
        return;
    }
    CWaitCursor wait;
    AllSelectorSetup guard(*this);
    RowIterators rows;
    std::vector<ky_F> paths;
    GetSelectedRows(rows, &paths);
    if (rows.empty())
        return;
    const bool forGood = ::GetKeyState(VK_SHIFT) < 0;
    const bool deleted = FileOps::DeleteFiles(m_hWnd, paths, !forGood);
    RemoveRows(rows, !deleted);
}

template <class T>
void FileListViewBaseT<T>::EndItemLabelEdit(NMHDR* pNMHDR, LRESULT* pResult)
{
    m_labelEditing = false;
    *pResult = FALSE;
    const LVITEMA& item = reinterpret_cast<const NMLVDISPINFOA*>(pNMHDR)->item;
    if (m_cancellingLabelEdit || item.pszText == nullptr || item.pszText[0] == '\0')
        return;
    if (FileOps::HasBadNameChar(item.pszText))
        throw FileOps::BadNameError();
    RenameRow(item.iItem, item.pszText, pResult);
}

// A folder, or a file whose extension changed, shows its icon and type
// fetched anew.
template <class T>
void FileListViewBaseT<T>::RenameRow(int row, const char* newName, LRESULT* pResult)
{
    T* record = GetRecord(row);
    if (record == nullptr)
        return;
    if (std::strcmp(record->GetName().c_str(), newName) == 0)
        return;
    const ky_F name(newName);
    record->PrepForDisplay_imp_1(ShFileRec::Item::AttributeText);
    ky_F target;
    target.ToPath(record->GetFolder().c_str(), newName);
    if (!FileOps::RenameFile(m_hWnd, record->GetFullFileName(), target))
        return;
    const bool folder = (record->GetAttributes() & FILE_ATTRIBUTE_DIRECTORY) != 0;
    const bool newExtension =
        FileOps::ExtensionOf(record->GetName()).compare(FileOps::ExtensionOf(name)) != 0;
    record->SetName(name);
    if (folder || newExtension)
        record->ForgetFields(ShFileRec::Item::ShellData);
    GetListCtrl().RedrawItems(row, row);
    *pResult = TRUE;
}

} // namespace Kyvant
