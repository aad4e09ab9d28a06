// The Dir list's column orders: the folder rule, then the file columns as
// every result list orders them, and ranks.
#include "KyDir/Gui/FileList/DirItemOrder.h"

using Kyvant::FileListOrder::CompareNumbers;

namespace {

bool IsFolder(const DirItemOrder::Item& item)
{
    return (item.GetAttributes() & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

} // namespace

// The attributes tell folders from files: every order reads them.
DirItemOrder::DirItemOrder(int column, bool descending)
    : ColumnOrder(FileListView::kFileColumns.Of(column), descending,
                  Kyvant::ShFileRec::Item::FileData),
      m_byRank(column == FileListView::Rank), m_foldersFirst(column != FileListView::InFolder)
{
}

int DirItemOrder::Compare(const Item& a, const Item& b) const
{
    Prepare(a, b);
    if (m_foldersFirst && IsFolder(a) != IsFolder(b))
        return IsFolder(a) ? -1 : 1;
    if (m_byRank)
        return CompareNumbers(a.GetRank(), b.GetRank());
    return CompareFileColumn(a, b);
}
