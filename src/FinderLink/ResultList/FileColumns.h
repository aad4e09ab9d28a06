// Kyvant::FileColumn and Kyvant::FileColumnIds: the columns every result
// list has (name, folder, size, type, the two times, the attributes) and
// the ids a view gives them; FileColumnInfo makes such a column's entry of
// a view's column table with what both lists say alike of it: its first
// sort direction, alignment, inserting mask and registry value
// (header-only).
#pragma once

#include "KyGuiTool/ResultList/KyFileListViewBase.h"

#include <afxcmn.h>

namespace Kyvant {

// Other: a column of one list alone.
enum class FileColumn { Name, InFolder, Size, Type, Modified, Created, Attributes, Other };

// The view's ids of the file columns.
struct FileColumnIds {
    int name;
    int inFolder;
    int size;
    int type;
    int modified;
    int created;
    int attributes;

    constexpr FileColumn Of(int column) const
    {
        return column == name         ? FileColumn::Name
               : column == inFolder   ? FileColumn::InFolder
               : column == size       ? FileColumn::Size
               : column == type       ? FileColumn::Type
               : column == modified   ? FileColumn::Modified
               : column == created    ? FileColumn::Created
               : column == attributes ? FileColumn::Attributes
                                      : FileColumn::Other;
    }
};

// Whether the user may hide a column.
constexpr BYTE kColumnAlwaysShown = 0;
constexpr BYTE kColumnMayHide = 1;

// Every column is inserted with its alignment, width and title.
constexpr UINT kFileListColumnMask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;

// A column's entry of a view's column table.
constexpr KyFileListViewBase::ColumnInitInfo ColumnInfo(BYTE shown, BYTE mayHide, int orderKey,
                                                        KyFileListViewBase::SortState firstSort,
                                                        UINT titleId, int format,
                                                        const char* registryValueName)
{
    return {shown,
            mayHide,
            orderKey,
            firstSort,
            titleId,
            format,
            kFileListColumnMask,
            registryValueName};
}

// A file column's entry: shown by default unless it is Created, its
// default place its id.
constexpr KyFileListViewBase::ColumnInitInfo FileColumnInfo(FileColumn column, int id, BYTE mayHide,
                                                            UINT titleId)
{
    using View = KyFileListViewBase;
    const BYTE shown = 1;
    switch (column) {
    case FileColumn::Name:
        return ColumnInfo(shown, mayHide, id, View::SortAscending, titleId, LVCFMT_LEFT,
                          "WFilename");
    case FileColumn::InFolder:
        return ColumnInfo(shown, mayHide, id, View::SortAscending, titleId, LVCFMT_LEFT, "WPath");
    case FileColumn::Size:
        return ColumnInfo(shown, mayHide, id, View::SortDescending, titleId, LVCFMT_RIGHT, "WSize");
    case FileColumn::Type:
        return ColumnInfo(shown, mayHide, id, View::SortAscending, titleId, LVCFMT_LEFT, "WType");
    case FileColumn::Modified:
        return ColumnInfo(shown, mayHide, id, View::SortDescending, titleId, LVCFMT_LEFT, "WTime");
    case FileColumn::Created:
        return ColumnInfo(0, mayHide, id, View::SortDescending, titleId, LVCFMT_LEFT,
                          "WCreationTime");
    default:
        return ColumnInfo(shown, mayHide, id, View::SortAscending, titleId, LVCFMT_RIGHT,
                          "WAttributes");
    }
}

} // namespace Kyvant
