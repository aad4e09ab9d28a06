// The Dir list's column orders: the folder rule, then names and folders as
// file names, sizes, type names without case, times, attribute letters and
// ranks.
#include "KyDir/Gui/FileList/DirItemOrder.h"

#include "KyStd/Files/FileNameChars.h"
#include "KyStd/Strings/StringTraits.h"

#include <cstring>

using Kyvant::ShFileRec::Item;

namespace {

template <class N>
int CompareNumbers(N a, N b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}

int CompareWithoutCase(const Kyvant::ky_S& a, const Kyvant::ky_S& b)
{
    const unsigned common = a.length() < b.length() ? a.length() : b.length();
    const int order = Kyvant::ky_ICCT<char>::compare(a.data(), b.data(), common);
    return order != 0 ? order : CompareNumbers(a.length(), b.length());
}

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

// NUL first, then the separators, then every other byte by its lower case.
DirItemOrder::DirItemOrder(FileListView::Column column, bool descending)
    : m_column(column), m_descending(descending), m_needed(FieldsOf(column))
{
    const unsigned short separatorKey = 1;
    for (int byte = 0; byte < 256; ++byte) {
        const char c = static_cast<char>(byte);
        m_charKey[byte] =
            c == '\0' ? 0
            : Kyvant::IsDirSep(c)
                ? separatorKey
                : static_cast<unsigned short>(separatorKey + 1 + Kyvant::FileCharLower(c));
    }
}

int DirItemOrder::CompareFileNames(const Kyvant::ky_F& a, const Kyvant::ky_F& b) const
{
    const unsigned char* x = reinterpret_cast<const unsigned char*>(a.data());
    const unsigned char* y = reinterpret_cast<const unsigned char*>(b.data());
    const unsigned common = a.length() < b.length() ? a.length() : b.length();
    for (unsigned i = 0; i < common; ++i) {
        if (x[i] == y[i])
            continue;
        const unsigned short kx = m_charKey[x[i]];
        const unsigned short ky = m_charKey[y[i]];
        if (kx != ky)
            return kx < ky ? -1 : 1;
    }
    return CompareNumbers(a.length(), b.length());
}

int DirItemOrder::Compare(const Item& a, const Item& b) const
{
    if ((a.GetPreparedFields() & m_needed) != m_needed)
        a.PrepForDisplay_imp_1(m_needed);
    if ((b.GetPreparedFields() & m_needed) != m_needed)
        b.PrepForDisplay_imp_1(m_needed);
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
