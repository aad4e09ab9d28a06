// Character traits of the string classes: the storage traits (copy, fill,
// length) and the two comparison rules, case-sensitive and case-insensitive.
// Characters are taken as unsigned values, so bytes of 0x80 and up are
// ordinary text for comparison and case mapping.
#pragma once

#include <cctype>
#include <cstring>
#include <cwctype>

namespace Kyvant {

// Case mapping of one character under the C runtime's current locale.
inline int ky_tolower(char c)
{
    return std::tolower(static_cast<unsigned char>(c));
}
inline int ky_toupper(char c)
{
    return std::toupper(static_cast<unsigned char>(c));
}
inline int ky_tolower(unsigned short c)
{
    return static_cast<int>(std::towlower(c));
}
inline int ky_toupper(unsigned short c)
{
    return static_cast<int>(std::towupper(c));
}
inline int ky_tolower(wchar_t c)
{
    return static_cast<int>(std::towlower(static_cast<wint_t>(c)));
}
inline int ky_toupper(wchar_t c)
{
    return static_cast<int>(std::towupper(static_cast<wint_t>(c)));
}

// Storage traits: plain copy, fill and the NUL.
template <class T>
struct ky_SACT {
    static unsigned length(const T* s)
    {
        const T* p = s;
        while (*p != T())
            ++p;
        return static_cast<unsigned>(p - s);
    }
    // Non-overlapping ranges.
    static void copy(T* dst, const T* src, unsigned n)
    {
        if (n != 0)
            std::memcpy(dst, src, n * sizeof(T));
    }
    // Ranges that may overlap.
    static void move(T* dst, const T* src, unsigned n)
    {
        if (n != 0)
            std::memmove(dst, src, n * sizeof(T));
    }
    static void assign(T* dst, unsigned n, T c)
    {
        for (unsigned i = 0; i < n; ++i)
            dst[i] = c;
    }
};

template <>
inline unsigned ky_SACT<char>::length(const char* s)
{
    return static_cast<unsigned>(std::strlen(s));
}

template <>
inline void ky_SACT<char>::assign(char* dst, unsigned n, char c)
{
    if (n != 0)
        std::memset(dst, c, n);
}

// Case-sensitive comparison: characters compare as unsigned values.
template <class T>
struct ky_SCCT {
    static bool eq(T a, T b) { return a == b; }
    // Negative, zero or positive as a sorts before, with or after b.
    static int compare(const T* a, const T* b, unsigned n)
    {
        for (unsigned i = 0; i < n; ++i) {
            if (a[i] != b[i])
                return static_cast<unsigned>(a[i]) < static_cast<unsigned>(b[i]) ? -1 : 1;
        }
        return 0;
    }
    // The first of the n characters of s equal to c, or null.
    static const T* find(const T* s, unsigned n, T c)
    {
        for (unsigned i = 0; i < n; ++i) {
            if (s[i] == c)
                return s + i;
        }
        return nullptr;
    }
};

template <>
inline int ky_SCCT<char>::compare(const char* a, const char* b, unsigned n)
{
    return n == 0 ? 0 : std::memcmp(a, b, n);
}

template <>
inline const char* ky_SCCT<char>::find(const char* s, unsigned n, char c)
{
    return n == 0 ? nullptr : static_cast<const char*>(std::memchr(s, c, n));
}

// Case-insensitive comparison: the lower case of both characters decides.
template <class T>
struct ky_ICCT {
    static bool eq(T a, T b) { return a == b || ky_tolower(a) == ky_tolower(b); }
    static int compare(const T* a, const T* b, unsigned n)
    {
        for (unsigned i = 0; i < n; ++i) {
            if (a[i] == b[i])
                continue;
            int la = ky_tolower(a[i]);
            int lb = ky_tolower(b[i]);
            if (la != lb)
                return la < lb ? -1 : 1;
        }
        return 0;
    }
    static const T* find(const T* s, unsigned n, T c)
    {
        int lc = ky_tolower(c);
        for (unsigned i = 0; i < n; ++i) {
            if (s[i] == c || ky_tolower(s[i]) == lc)
                return s + i;
        }
        return nullptr;
    }
};

} // namespace Kyvant
