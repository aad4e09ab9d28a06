// FileListView's column table and the default widths of its columns.
#include "KyDir/Gui/FileList/FileListView.h"

#include "KyDir/Gui/FileList/FileListResource.h"

#include <algorithm>

namespace {

using namespace Kyvant;

const KyFileListViewBase::ColumnInitInfo kColumns[FileListView::ColumnCount] = {
    FileColumnInfo(FileColumn::Name, FileListView::Name, kColumnAlwaysShown, IDS_DL_NAME),
    FileColumnInfo(FileColumn::InFolder, FileListView::InFolder, kColumnMayHide, IDS_DL_IN_FOLDER),
    FileColumnInfo(FileColumn::Size, FileListView::Size, kColumnMayHide, IDS_DL_SIZE),
    FileColumnInfo(FileColumn::Type, FileListView::Type, kColumnMayHide, IDS_DL_TYPE),
    FileColumnInfo(FileColumn::Modified, FileListView::Modified, kColumnMayHide, IDS_DL_MODIFIED),
    FileColumnInfo(FileColumn::Created, FileListView::Created, kColumnMayHide, IDS_DL_CREATED),
    FileColumnInfo(FileColumn::Attributes, FileListView::Attributes, kColumnMayHide,
                   IDS_DL_ATTRIBUTES),
    ColumnInfo(0, kColumnMayHide, 7, KyFileListViewBase::SortDescending, IDS_DL_RANK, LVCFMT_RIGHT,
               "WRank"),
};

} // namespace

const KyFileListViewBase::ColumnInitInfo* FileListView::ColumnTable()
{
    return kColumns;
}

// w: width of "x", n: of "0", i: a small icon, e: the margin.
void FileListView::InitColumnWidths(int* widths, int availableWidth, int w, int n, int i, int e)
{
    CString rankTitle;
    rankTitle.LoadString(kColumns[Rank].titleId);
    FileColumnWidths(widths, w, n, i, e, IDS_DL_ATTRIBUTES);
    widths[Rank] = std::max(4 * n, StringWidth(rankTitle)) + 4 * w + e;
    SpreadSurplusWidth(widths, availableWidth);
}
