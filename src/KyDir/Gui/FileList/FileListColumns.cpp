// FileListView's column table and the default widths of its columns.
#include "KyDir/Gui/FileList/FileListView.h"

#include "KyDir/Gui/FileList/FileListResource.h"
#include "KyGuiTool/FileRecords/FileDisplayFormat.h"

#include <algorithm>

namespace {

const UINT kColumnMask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
const DWORD kAllAttributes = 0xFFFFFFFF; // every attribute letter, for the widest text

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

// Of the surplus width, these tenths go to In Folder and to Type; Name
// takes the rest.
const int kFolderTenths = 6;
const int kTypeTenths = 1;

} // namespace

// The text's width in the list's font.
int FileListView::StringWidth(const char* text) const
{
    return static_cast<int>(
        GetListCtrl().SendMessage(LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>(text)));
}

const KyFileListViewBase::ColumnInitInfo* FileListView::ColumnTable()
{
    return kColumns;
}

// w: width of "x", n: of "0", i: a small icon, e: the margin.
void FileListView::InitColumnWidths(int* widths, int availableWidth, int w, int n, int i, int e)
{
    char letters[Kyvant::ShFileRec::Item::AttributeTextCapacity] = "";
    Kyvant::ShFileRec::FormatFileAttributesForDisplay(kAllAttributes, letters);
    CString attributesTitle;
    attributesTitle.LoadString(kColumns[Attributes].titleId);
    CString rankTitle;
    rankTitle.LoadString(kColumns[Rank].titleId);

    widths[Name] = i + 20 * w + e;
    widths[InFolder] = i + 40 * w + e;
    widths[Size] = 4 * n + 6 * w + e;
    widths[Type] = 15 * w + e;
    widths[Modified] = 9 * w + 10 * n + e;
    widths[Created] = 9 * w + 10 * n + e;
    widths[Attributes] = std::max(StringWidth(letters), StringWidth(attributesTitle)) + 4 * w + e;
    widths[Rank] = std::max(4 * n, StringWidth(rankTitle)) + 4 * w + e;

    int shownWidth = 0;
    for (int column = 0; column < ColumnCount; ++column)
        if (kColumns[column].shownByDefault)
            shownWidth += widths[column];
    const int surplus = availableWidth - shownWidth;
    if (surplus <= 0)
        return;
    const int toFolder = surplus * kFolderTenths / 10;
    const int toType = surplus * kTypeTenths / 10;
    widths[InFolder] += toFolder;
    widths[Type] += toType;
    widths[Name] += surplus - toFolder - toType;
}
