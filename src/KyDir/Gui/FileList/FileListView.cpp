// FileListView: construction, the message map, the rows' records, window
// styles, the empty list's text and the display texts.
#include "KyDir/Gui/FileList/FileListView.h"

#include "KyDir/Gui/App/KyDirGApp.h"
#include "KyDir/Gui/FileList/FileListResource.h"

#include <afxres.h>

#include <cstdlib>

using Kyvant::ShFileRec::Item;

namespace {

// Several rows may be selected; labels are file names to rename.
const DWORD kViewStyles = LVS_SHOWSELALWAYS | LVS_EDITLABELS;
const int kNoImage = I_IMAGENONE;
const int kRankRadix = 10;
const unsigned kRankTextSize = 12;

} // namespace

IMPLEMENT_DYNCREATE(FileListView, KyFileListViewBase)

BEGIN_MESSAGE_MAP(FileListView, KyFileListViewBase)
ON_FILE_LIST_VIEW_MESSAGES(ID_DL_COLUMN_FIRST, ID_DL_COLUMN_LAST)
ON_NOTIFY_REFLECT(LVN_ITEMCHANGED, OnItemChanged)
ON_NOTIFY_REFLECT(LVN_ODSTATECHANGED, OnOdStateChanged)
ON_NOTIFY_REFLECT(NM_RETURN, OnReturn)
ON_NOTIFY_REFLECT(NM_DBLCLK, OnDoubleClickRow)
ON_NOTIFY_REFLECT(NM_CLICK, OnClick)
ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, OnCustomDraw)
ON_WM_DESTROY()
END_MESSAGE_MAP()

FileListView::FileListView()
    : Base(ColumnTable(), ColumnCount, IDR_DL_HEADER_MENU, ID_DL_COLUMN_FIRST, kFileColumns)
{
}

FileListView::~FileListView() {}

FileListView::Rows* FileListView::GetRows() const
{
    return m_finder != nullptr ? &m_finder->GetModel().GetItems() : nullptr;
}

// A listing that went to a list file is no empty result.
void FileListView::GetMsgWndText(Kyvant::ky_S& out)
{
    CString text;
    text.LoadString(CKyDirGApp::Instance().GetListFileNamed() ? IDS_DL_RESULTS_SAVED
                                                              : IDS_DL_RESULTS_EMPTY);
    out = static_cast<const char*>(text);
}

BOOL FileListView::PreCreateWindow(CREATESTRUCT& cs)
{
    return PreCreateListWindow(cs, kViewStyles);
}

void FileListView::OnDestroy()
{
    Clear();
    Base::OnDestroy();
}

// All fields at a row's first display; while a select-all or invert runs,
// only the asked column's, and no Name outside the rows it recorded.
void FileListView::FillDispInfo(LVITEMA& item)
{
    const Item* record = GetRecord(item.iItem);
    if (record == nullptr)
        return;
    const Column column = static_cast<Column>(GetColIDX(item.iSubItem, false));
    if (m_selectAllInProgress) {
        if (column == Name && (item.iItem < m_selectTop || item.iItem > m_selectEnd))
            return;
        static const Item::Fields kFieldsOf[ColumnCount] = {
            Item::Icon,     Item::FolderIcon,       Item::FileData,      Item::TypeName,
            Item::FileData, Item::CreationTimeText, Item::AttributeText, Item::NoFields};
        if (column >= 0 && column < ColumnCount)
            record->PrepForDisplay_imp_1(kFieldsOf[column]);
    } else {
        record->PrepForDisplay_imp_1(Item::AllFields);
    }
    switch (column) {
    case Rank: {
        char text[kRankTextSize] = "";
        _ltoa(static_cast<long>(record->GetRank()), text, kRankRadix);
        HandleDispInfo_imp(item, text, kNoImage, 0);
        break;
    }
    default:
        FillFileColumn(item, *record, column);
        break;
    }
}
