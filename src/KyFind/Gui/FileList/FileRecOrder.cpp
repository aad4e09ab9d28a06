// The file list's column orders: names and folders as file names, counts,
// sizes, type names without case, times, and attribute letters.
#include "KyFind/Gui/FileList/FileRecOrder.h"

#include <cstring>

using Kyvant::ShFileRec::Item;
using namespace Kyvant::FileListOrder;

namespace {

Item::Fields FieldsOf(FileListView::Column column)
{
    switch (column) {
    case FileListView::Size:
    case FileListView::Modified:
    case FileListView::Attributes:
        return Item::FileData;
    case FileListView::Created:
        return Item::CreationTimeText;
    case FileListView::Type:
        return Item::TypeName;
    default:
        return Item::NoFields;
    }
}

} // namespace

FileRecOrder::FileRecOrder(FileListView::Column column, bool descending)
    : m_column(column), m_descending(descending), m_needed(FieldsOf(column))
{
}

Item::Fields FileRecOrder::NeededFields() const
{
    return m_needed;
}

int FileRecOrder::Compare(const FileRec& a, const FileRec& b) const
{
    PrepareFields(a, m_needed);
    PrepareFields(b, m_needed);
    switch (m_column) {
    case FileListView::Name:
        return CompareFileNames(a.GetName(), b.GetName());
    case FileListView::InFolder:
        return CompareFileNames(a.GetFolder(), b.GetFolder());
    case FileListView::Matches:
        return CompareNumbers(a.GetMatchCount(), b.GetMatchCount());
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
    default:
        return 0;
    }
}
