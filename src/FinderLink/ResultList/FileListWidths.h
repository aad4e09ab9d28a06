// FileListViewBaseT<T>: the parts of the columns' default widths both views
// share: the Attributes column's text and the spreading of the width the
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
void FileListViewBaseT<T>::SpreadSurplusWidth(int* widths, int availableWidth, int name,
                                              int inFolder, int type) const
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
    widths[inFolder] += toFolder;
    widths[type] += toType;
    widths[name] += surplus - toFolder - toType;
}

} // namespace Kyvant
