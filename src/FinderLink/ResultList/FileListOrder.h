// Kyvant::FileListOrder: the comparisons both result lists' column orders
// share: numbers, text without case, file names under the rules of
// Kyvant::ky_F, and the fetching of the display fields an order reads
// (header-only, free of either front-end's types).
#pragma once

#include "KyGuiTool/FileRecords/ShFileRecItem.h"
#include "KyStd/Files/FileNameChars.h"
#include "KyStd/Strings/StringTraits.h"

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

} // namespace FileListOrder
} // namespace Kyvant
