// FileListView's column table and the default widths of its columns.
#include "KyFind/Gui/FileList/FileListView.h"

#include "KyFind/Gui/FileList/FileListResource.h"

namespace {

using namespace Kyvant;

const KyFileListViewBase::ColumnInitInfo kColumns[FileListView::ColumnCount] = {
    FileColumnInfo(FileColumn::Name, FileListView::Name, kColumnAlwaysShown, IDS_FL_NAME),
    FileColumnInfo(FileColumn::InFolder, FileListView::InFolder, kColumnAlwaysShown,
                   IDS_FL_IN_FOLDER),
    ColumnInfo(1, kColumnAlwaysShown, -1, KyFileListViewBase::SortDescending, IDS_FL_MATCHES,
               LVCFMT_RIGHT, "WMatches"),
    FileColumnInfo(FileColumn::Size, FileListView::Size, kColumnMayHide, IDS_FL_SIZE),
    FileColumnInfo(FileColumn::Type, FileListView::Type, kColumnMayHide, IDS_FL_TYPE),
    FileColumnInfo(FileColumn::Modified, FileListView::Modified, kColumnMayHide, IDS_FL_MODIFIED),
    FileColumnInfo(FileColumn::Created, FileListView::Created, kColumnMayHide, IDS_FL_CREATED),
    FileColumnInfo(FileColumn::Attributes, FileListView::Attributes, kColumnMayHide,
                   IDS_FL_ATTRIBUTES),
};

} // namespace

const KyFileListViewBase::ColumnInitInfo* FileListView::ColumnTable()
{
    return kColumns;
}

// w: width of "x", n: of "0", i: a small icon, e: the extra.
void FileListView::InitColumnWidths(int* widths, int availableWidth, int w, int n, int i, int e)
{
    FileColumnWidths(widths, w, n, i, e, IDS_FL_ATTRIBUTES);
    widths[Matches] = e + 4 * n + 6 * w;
    SpreadSurplusWidth(widths, availableWidth);
}
