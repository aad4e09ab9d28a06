// FileListViewBaseT<T>: the parts of the columns' default widths both views
// share: the file columns' widths and the spreading of the width the
// columns shown by default leave over.
#pragma once

#include "FinderLink/ResultList/FileListViewBaseT.h"
#include "KyGuiTool/FileRecords/FileDisplayFormat.h"

#include <afxwin.h>

#include <algorithm>

namespace Kyvant {

template <class T>
int FileListViewBaseT<T>::AttributesTextWidth(UINT titleId) const
{
    const DWORD allAttributes = 0xFFFFFFFF; // every attribute letter, for the widest text
    char letters[ShFileRec::Item::AttributeTextCapacity] = "";
    ShFileRec::FormatFileAttributesForDisplay(allAttributes, letters);
    CString title;
    title.LoadString(titleId);
    return std::max(StringWidth(letters), StringWidth(title));
}

template <class T>
void FileListViewBaseT<T>::FileColumnWidths(int* widths, int w, int n, int i, int e,
                                            UINT attributesTitleId) const
{
    const FileColumnIds& ids = m_fileColumns;
    widths[ids.name] = i + 20 * w + e;
    widths[ids.inFolder] = i + 40 * w + e;
    widths[ids.size] = e + 4 * n + 6 * w;
    widths[ids.type] = e + 15 * w;
    widths[ids.modified] = e + 9 * w + 10 * n;
    widths[ids.created] = e + 9 * w + 10 * n;
    widths[ids.attributes] = 4 * w + e + AttributesTextWidth(attributesTitleId);
}

template <class T>
void FileListViewBaseT<T>::SpreadSurplusWidth(int* widths, int availableWidth) const
{
    const int folderTenths = 6;
    const int typeTenths = 1;
    const int tenths = 10;
    int shownWidth = 0;
    for (unsigned column = 0; column < m_columnCount; ++column)
        if (m_columns[column].shownByDefault)
            shownWidth += widths[column];
    const int surplus = availableWidth - shownWidth;
    if (surplus <= 0)
        return;
    const int toFolder = surplus * folderTenths / tenths;
    const int toType = surplus * typeTenths / tenths;
    widths[m_fileColumns.inFolder] += toFolder;
    widths[m_fileColumns.type] += toType;
    widths[m_fileColumns.name] += surplus - toFolder - toType;
}

} // namespace Kyvant
