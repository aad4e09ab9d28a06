// The file list's column orders: the file columns as every result list
// orders them, and the match counts.
#include "KyFind/Gui/FileList/FileRecOrder.h"

using Kyvant::FileListOrder::CompareNumbers;

FileRecOrder::FileRecOrder(int column, bool descending)
    : ColumnOrder(FileListView::kFileColumns.Of(column), descending,
                  Kyvant::ShFileRec::Item::NoFields),
      m_byMatches(column == FileListView::Matches)
{
}

int FileRecOrder::Compare(const FileRec& a, const FileRec& b) const
{
    Prepare(a, b);
    if (m_byMatches)
        return CompareNumbers(a.GetMatchCount(), b.GetMatchCount());
    return CompareFileColumn(a, b);
}
