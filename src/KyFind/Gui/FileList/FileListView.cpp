// FileListView: construction, the message map, the rows' records, window
// styles, the first initial update, Clear and the display texts.
#include "KyFind/Gui/FileList/FileListView.h"

#include "KyFind/Gui/FileList/FileListResource.h"

#include <afxres.h>

#include <string>

using Kyvant::ShFileRec::Item;

namespace {

const DWORD kViewStyles = LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_EDITLABELS;
const int kNoImage = I_IMAGENONE;

} // namespace

IMPLEMENT_DYNCREATE(FileListView, KyFileListViewBase)

BEGIN_MESSAGE_MAP(FileListView, KyFileListViewBase)
ON_FILE_LIST_VIEW_MESSAGES(ID_FL_COLUMN_FIRST, ID_FL_COLUMN_LAST)
ON_NOTIFY_REFLECT(LVN_ITEMCHANGED, OnItemChanged)
ON_NOTIFY_REFLECT(NM_RETURN, OnReturn)
ON_NOTIFY_REFLECT(NM_DBLCLK, OnDoubleClickRow)
ON_NOTIFY_REFLECT(NM_CLICK, OnClick)
ON_NOTIFY_REFLECT(NM_RCLICK, OnRightClickRow)
END_MESSAGE_MAP()

FileListView::FileListView()
    : Base(ColumnTable(), ColumnCount, IDR_FL_HEADER_MENU, ID_FL_COLUMN_FIRST, kFileColumns),
      m_link(&m_ownLink), m_initialUpdated(false), m_watchedRow(-1), m_watchedCount(-1)
{
}

FileListView::~FileListView() {}

FileListView::Rows* FileListView::GetRows() const
{
    return m_finder != nullptr ? &m_finder->GetModel().GetFiles() : nullptr;
}

void FileListView::GetMsgWndText(Kyvant::ky_S& out)
{
    CString text;
    text.LoadString(IDS_FL_RESULTS_EMPTY);
    out = static_cast<const char*>(text);
}

BOOL FileListView::PreCreateWindow(CREATESTRUCT& cs)
{
    return PreCreateListWindow(cs, kViewStyles);
}

// The first time only: whole rows are selected, and the match list learns
// how wide the Matches column is.
void FileListView::OnInitialUpdate()
{
    Base::OnInitialUpdate();
    if (m_initialUpdated)
        return;
    m_initialUpdated = true;
    CListCtrl& list = GetListCtrl();
    list.SetExtendedStyle(list.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
    const int index = GetColIndexX(Matches);
    m_link->SetMatchesColumnWidth(index >= 0 ? list.GetColumnWidth(index) : m_widths[Matches]);
}

void FileListView::Clear()
{
    Base::Clear();
    m_watchedRow = -1;
    m_watchedCount = -1;
    m_link->MoveCurrentFile(-1);
}

void FileListView::OnMonitorTimerKilled()
{
    m_watchedRow = -1;
    m_watchedCount = -1;
}

void FileListView::EndItemLabelEdit(NMHDR* pNMHDR, LRESULT* pResult)
{
    Base::EndItemLabelEdit(pNMHDR, pResult);
    if (*pResult)
        m_link->OnFileRenamed();
}

// Rows past the model's end (emptied under the list) show nothing.
void FileListView::FillDispInfo(LVITEMA& item)
{
    const FileRec* record = GetRecord(item.iItem);
    if (record == nullptr)
        return;
    record->PrepForDisplay_imp_1(Item::AllFields);
    const int column = GetColIDX(item.iSubItem, false);
    switch (column) {
    case Matches: {
        const unsigned count = record->GetMatchCount();
        HandleDispInfo_imp(item, count != 0 ? std::to_string(count).c_str() : "", kNoImage, 0);
        break;
    }
    default:
        FillFileColumn(item, *record, column);
        break;
    }
}
