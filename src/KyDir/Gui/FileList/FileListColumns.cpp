// FileListView's column table and the default widths of its columns.
#include "KyDir/Gui/FileList/FileListView.h"

#include "KyDir/Gui/FileList/FileListResource.h"

#include <algorithm>

namespace {

const UINT kColumnMask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;

using Info = KyFileListViewBase::ColumnInitInfo;
const Info kColumns[FileListView::ColumnCount] = {
    {1, 0, 0, KyFileListViewBase::SortAscending, IDS_DL_NAME, LVCFMT_LEFT, kColumnMask,
     "WFilename"},
    {1, 1, 1, KyFileListViewBase::SortAscending, IDS_DL_IN_FOLDER, LVCFMT_LEFT, kColumnMask,
     "WPath"},
    {1, 1, 2, KyFileListViewBase::SortDescending, IDS_DL_SIZE, LVCFMT_RIGHT, kColumnMask, "WSize"},
    {1, 1, 3, KyFileListViewBase::SortAscending, IDS_DL_TYPE, LVCFMT_LEFT, kColumnMask, "WType"},
    {1, 1, 4, KyFileListViewBase::SortDescending, IDS_DL_MODIFIED, LVCFMT_LEFT, kColumnMask,
     "WTime"},
    {0, 1, 5, KyFileListViewBase::SortDescending, IDS_DL_CREATED, LVCFMT_LEFT, kColumnMask,
     "WCreationTime"},
    {1, 1, 6, KyFileListViewBase::SortAscending, IDS_DL_ATTRIBUTES, LVCFMT_RIGHT, kColumnMask,
     "WAttributes"},
    {0, 1, 7, KyFileListViewBase::SortDescending, IDS_DL_RANK, LVCFMT_RIGHT, kColumnMask, "WRank"},
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

    widths[Name] = i + 20 * w + e;
    widths[InFolder] = i + 40 * w + e;
    widths[Size] = 4 * n + 6 * w + e;
    widths[Type] = 15 * w + e;
    widths[Modified] = 9 * w + 10 * n + e;
    widths[Created] = 9 * w + 10 * n + e;
    widths[Attributes] = AttributesTextWidth(kColumns[Attributes].titleId) + 4 * w + e;
    widths[Rank] = std::max(4 * n, StringWidth(rankTitle)) + 4 * w + e;

    SpreadSurplusWidth(widths, availableWidth, Name, InFolder, Type);
}
