// The Dir list's column orders: the folder rule, then names and folders as
// file names, sizes, type names without case, times, attribute letters and
// ranks.
#include "KyDir/Gui/FileList/DirItemOrder.h"

#include <cstring>

using Kyvant::ShFileRec::Item;
using namespace Kyvant::FileListOrder;

namespace {

bool IsFolder(const DirItemOrder::Item& item)
{
    return (item.GetAttributes() & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// The attributes tell folders from files: every order reads them.
Item::Fields FieldsOf(FileListView::Column column)
{
    switch (column) {
    case FileListView::Created:
        return Item::FileData | Item::CreationTimeText;
    case FileListView::Type:
        return Item::FileData | Item::TypeName;
    default:
        return Item::FileData;
    }
}

} // namespace

DirItemOrder::DirItemOrder(FileListView::Column column, bool descending)
    : m_column(column), m_descending(descending), m_needed(FieldsOf(column))
{
}

int DirItemOrder::Compare(const Item& a, const Item& b) const
{
    PrepareFields(a, m_needed);
    PrepareFields(b, m_needed);
    if (m_column != FileListView::InFolder && IsFolder(a) != IsFolder(b))
        return IsFolder(a) ? -1 : 1;
    return CompareByColumn(a, b);
}

int DirItemOrder::CompareByColumn(const Item& a, const Item& b) const
{
    switch (m_column) {
    case FileListView::Name:
        return CompareFileNames(a.GetName(), b.GetName());
    case FileListView::InFolder:
        return CompareFileNames(a.GetFolder(), b.GetFolder());
    case FileListView::Size:
        return CompareNumbers(a.GetSize(), b.GetSize());
    case FileListView::Type:
        return CompareWithoutCase(a.GetTypeName(), b.GetTypeName());
    case FileListView::Modified:
        return CompareFileTime(&a.GetWriteTime(), &b.GetWriteTime());
    case FileListView::Created:
        return CompareFileTime(&a.GetCreationTime(), &b.GetCreationTime());
    case FileListView::Attributes:
        return std::strcmp(a.GetAttributeText(), b.GetAttributeText());
    case FileListView::Rank:
        return CompareNumbers(a.GetRank(), b.GetRank());
    default:
        return 0;
    }
}
