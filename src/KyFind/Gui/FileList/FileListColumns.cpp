// FileListView's column table and the default widths of its columns.
#include "KyFind/Gui/FileList/FileListView.h"

#include "KyFind/Gui/FileList/FileListResource.h"

namespace {

const UINT kColumnMask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;

using Info = KyFileListViewBase::ColumnInitInfo;
const Info kColumns[FileListView::ColumnCount] = {
    {1, 0, 0, KyFileListViewBase::SortAscending, IDS_FL_NAME, LVCFMT_LEFT, kColumnMask,
     "WFilename"},
    {1, 0, 1, KyFileListViewBase::SortAscending, IDS_FL_IN_FOLDER, LVCFMT_LEFT, kColumnMask,
     "WPath"},
    {1, 0, -1, KyFileListViewBase::SortDescending, IDS_FL_MATCHES, LVCFMT_RIGHT, kColumnMask,
     "WMatches"},
    {1, 1, 3, KyFileListViewBase::SortDescending, IDS_FL_SIZE, LVCFMT_RIGHT, kColumnMask, "WSize"},
    {1, 1, 4, KyFileListViewBase::SortAscending, IDS_FL_TYPE, LVCFMT_LEFT, kColumnMask, "WType"},
    {1, 1, 5, KyFileListViewBase::SortDescending, IDS_FL_MODIFIED, LVCFMT_LEFT, kColumnMask,
     "WTime"},
    {0, 1, 6, KyFileListViewBase::SortDescending, IDS_FL_CREATED, LVCFMT_LEFT, kColumnMask,
     "WCreationTime"},
    {1, 1, 7, KyFileListViewBase::SortAscending, IDS_FL_ATTRIBUTES, LVCFMT_RIGHT, kColumnMask,
     "WAttributes"},
};

} // namespace

const KyFileListViewBase::ColumnInitInfo* FileListView::ColumnTable()
{
    return kColumns;
}

// w: width of "x", n: of "0", i: a small icon, e: the extra.
void FileListView::InitColumnWidths(int* widths, int availableWidth, int w, int n, int i, int e)
{
    const int attributeText = AttributesTextWidth(kColumns[Attributes].titleId);

    widths[Name] = i + 20 * w + e;
    widths[InFolder] = i + 40 * w + e;
    widths[Matches] = e + 4 * n + 6 * w;
    widths[Size] = e + 4 * n + 6 * w;
    widths[Type] = e + 15 * w;
    widths[Modified] = e + 9 * w + 10 * n;
    widths[Created] = e + 9 * w + 10 * n;
    widths[Attributes] = 4 * w + e + attributeText;

    SpreadSurplusWidth(widths, availableWidth, Name, InFolder, Type);
}
