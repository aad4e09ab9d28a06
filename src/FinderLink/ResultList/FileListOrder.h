// Kyvant::FileListOrder: the comparisons both result lists' column orders
// share: numbers, text without case, file names under the rules of
// Kyvant::ky_F, the fetching of the display fields an order reads, and
// ColumnOrder, the order by one column that compares the file columns
// (header-only, free of either front-end's types).
#pragma once

#include "FinderLink/ResultList/FileColumns.h"
#include "KyGuiTool/FileRecords/ShFileRecItem.h"
#include "KyStd/Files/FileNameChars.h"
#include "KyStd/Strings/StringTraits.h"

#include <windows.h>

#include <cstring>

namespace Kyvant {
namespace FileListOrder {

// Negative, zero or positive as a is below, equal to or above b.
template <class N>
int CompareNumbers(N a, N b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}

inline int CompareWithoutCase(const ky_S& a, const ky_S& b)
{
    const unsigned common = a.length() < b.length() ? a.length() : b.length();
    const int order = ky_ICCT<char>::compare(a.data(), b.data(), common);
    return order != 0 ? order : CompareNumbers(a.length(), b.length());
}

// Prepares the record's fields that it lacks of those asked for.
template <class T>
void PrepareFields(const T& record, ShFileRec::Item::Fields needed)
{
    if ((record.GetPreparedFields() & needed) != needed)
        record.PrepForDisplay_imp_1(needed);
}

// File names under the rules of Kyvant::ky_F (letters without case, '/'
// equal to '\\', separators before every other character), as
// ky_F::compare orders them. Each byte's place in that order is looked up
// once, when the order is made, rather than asked of the C runtime in
// every comparison.
class FileNameOrder {
public:
    // NUL first, then the separators, then every other byte by its lower case.
    FileNameOrder()
    {
        for (int byte = 0; byte < kByteCount; ++byte) {
            const char c = static_cast<char>(byte);
            m_charKey[byte] =
                c == '\0'     ? kNulKey
                : IsDirSep(c) ? kSeparatorKey
                              : static_cast<unsigned short>(kSeparatorKey + 1 + FileCharLower(c));
        }
    }

    int Compare(const ky_F& a, const ky_F& b) const
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

private:
    static const int kByteCount = 256;
    static const unsigned short kNulKey = 0;
    static const unsigned short kSeparatorKey = 1;

    unsigned short m_charKey[kByteCount];
};

// The display fields the order by a file column reads.
inline ShFileRec::Item::Fields FieldsOf(FileColumn column)
{
    switch (column) {
    case FileColumn::Size:
    case FileColumn::Modified:
    case FileColumn::Attributes:
        return ShFileRec::Item::FileData;
    case FileColumn::Created:
        return ShFileRec::Item::CreationTimeText;
    case FileColumn::Type:
        return ShFileRec::Item::TypeName;
    default:
        return ShFileRec::Item::NoFields;
    }
}

// The order of a list's records by one of its columns, ascending or
// descending; equal records compare equal, so a stable sort keeps their
// order. It compares the file columns; a list's own order derives from it
// and compares its other columns.
class ColumnOrder {
public:
    // The display fields the order reads (prepared before comparing).
    ShFileRec::Item::Fields NeededFields() const { return m_needed; }

    // Two file names under the rules of Kyvant::ky_F (letters without case,
    // '/' equal to '\\', separators before every other character), as
    // ky_F::compare orders them.
    int CompareFileNames(const ky_F& a, const ky_F& b) const { return m_names.Compare(a, b); }

protected:
    // extraFields: what the list's own order reads beside the column.
    ColumnOrder(FileColumn column, bool descending, ShFileRec::Item::Fields extraFields)
        : m_column(column), m_descending(descending), m_needed(FieldsOf(column) | extraFields)
    {
    }

    FileColumn GetFileColumn() const { return m_column; }

    // Whether a record that compares as order to another sorts before it.
    bool Before(int order) const { return m_descending ? order > 0 : order < 0; }

    // Prepares the fields the order reads that the records lack.
    template <class T>
    void Prepare(const T& a, const T& b) const
    {
        PrepareFields(a, m_needed);
        PrepareFields(b, m_needed);
    }

    // Negative, zero or positive as a sorts before, with or after b in
    // ascending order by the file column (0 for another column), their
    // fields prepared.
    template <class T>
    int CompareFileColumn(const T& a, const T& b) const
    {
        switch (m_column) {
        case FileColumn::Name:
            return CompareFileNames(a.GetName(), b.GetName());
        case FileColumn::InFolder:
            return CompareFileNames(a.GetFolder(), b.GetFolder());
        case FileColumn::Size:
            return CompareNumbers(a.GetSize(), b.GetSize());
        case FileColumn::Type:
            return CompareWithoutCase(a.GetTypeName(), b.GetTypeName());
        case FileColumn::Modified:
            return ::CompareFileTime(&a.GetWriteTime(), &b.GetWriteTime());
        case FileColumn::Created:
            return ::CompareFileTime(&a.GetCreationTime(), &b.GetCreationTime());
        case FileColumn::Attributes:
            return std::strcmp(a.GetAttributeText(), b.GetAttributeText());
        default:
            return 0;
        }
    }

private:
    FileColumn m_column;
    bool m_descending;
    ShFileRec::Item::Fields m_needed;
    FileNameOrder m_names;
};

} // namespace FileListOrder
} // namespace Kyvant
