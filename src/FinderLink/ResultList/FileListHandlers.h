// FileListViewBaseT<T>: the handlers both views route to it (display
// texts, the monitor timer, a column click, the header popup), the texts of the columns
// every file list has, window styles, text widths and the direction of the
// next sort by a column.
#pragma once

#include "FinderLink/ResultList/FileListViewBaseT.h"
#include "KyGui/Helpers/UserEx.h"
#include "KyGuiTool/ResultList/HandlerExceptions.h"

namespace Kyvant {

template <class T>
BOOL FileListViewBaseT<T>::PreCreateListWindow(CREATESTRUCT& cs, DWORD styles)
{
    cs.style |= styles;
    const BOOL created = KyFileListViewBase::PreCreateWindow(cs);
    if (UserEx::IsAppThemed())
        cs.dwExStyle &= ~WS_EX_CLIENTEDGE;
    return created;
}

template <class T>
int FileListViewBaseT<T>::StringWidth(const char* text) const
{
    return static_cast<int>(
        GetListCtrl().SendMessage(LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>(text)));
}

template <class T>
KyFileListViewBase::SortState FileListViewBaseT<T>::NextSortState(int column) const
{
    const SortState state = GetSortState(column);
    return state == SortNone        ? m_columns[column].firstSortState
           : state == SortAscending ? SortDescending
                                    : SortAscending;
}

template <class T>
void FileListViewBaseT<T>::OnGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    LVITEMA& item = reinterpret_cast<NMLVDISPINFOA*>(pNMHDR)->item;
    ResultList::RunReportingErrors([this, &item] { FillDispInfo(item); });
}

template <class T>
bool FileListViewBaseT<T>::FillFileColumn(LVITEMA& item, const T& record, int column)
{
    const FileColumnIds& ids = m_fileColumns;
    const int noImage = I_IMAGENONE;
    if (column == ids.name)
        HandleDispInfo(item, record.GetName(), record.GetIcon(), record.GetOverlay());
    else if (column == ids.inFolder)
        HandleDispInfo(item, record.GetFolder(), record.GetFolderIcon(), record.GetFolderOverlay());
    else if (column == ids.size)
        HandleDispInfo(item, record.GetSizeText(), noImage, 0);
    else if (column == ids.type)
        HandleDispInfo(item, record.GetTypeName(), noImage, 0);
    else if (column == ids.modified)
        HandleDispInfo(item, record.GetWriteTimeText(), noImage, 0);
    else if (column == ids.created)
        HandleDispInfo(item, record.GetCreationTimeText(), noImage, 0);
    else if (column == ids.attributes)
        HandleDispInfo_imp(item, record.GetAttributeText(), noImage, 0);
    else
        return false;
    return true;
}

template <class T>
void FileListViewBaseT<T>::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kMonitorTimerId) {
        KyFileListViewBase::OnTimer(nIDEvent);
        return;
    }
    if (IsMonitorTimerRunning())
        ResultList::RunReportingErrors([this] { OnMonitorTick(); });
}

template <class T>
void FileListViewBaseT<T>::OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    const int column = GetColIDX(reinterpret_cast<const NMLISTVIEW*>(pNMHDR)->iSubItem, false);
    ResultList::RunReportingErrors([this, column] { SortByColumn(column); });
}

template <class T>
void FileListViewBaseT<T>::OnHeaderCommand(UINT id)
{
    OnHeaderPopup(id);
}

template <class T>
void FileListViewBaseT<T>::OnUpdateHeaderCommand(CCmdUI* pCmdUI)
{
    OnUpdateHeaderPopup(pCmdUI);
}

} // namespace Kyvant
