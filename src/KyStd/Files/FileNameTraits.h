// Comparison traits of file names: '\' equals '/', letters compare without
// case, and separators sort before every other character except NUL.
#pragma once

#include "KyStd/Files/FileNameChars.h"

namespace Kyvant {

template <class T>
struct ky_FCCT;

template <>
struct ky_FCCT<char> {
    static bool eq(char a, char b) { return FileCharEq(a, b); }
    static bool lt(char a, char b) { return !FileCharEq(a, b) && FileCharLess(a, b); }
    // Negative, zero or positive as a sorts before, with or after b.
    static int compare(const char* a, const char* b, unsigned n)
    {
        for (unsigned i = 0; i < n; ++i) {
            if (!FileCharEq(a[i], b[i]))
                return FileCharLess(a[i], b[i]) ? -1 : 1;
        }
        return 0;
    }
    // The first of the n characters of s equal to c, or null.
    static const char* find(const char* s, unsigned n, char c)
    {
        for (unsigned i = 0; i < n; ++i) {
            if (FileCharEq(s[i], c))
                return s + i;
        }
        return nullptr;
    }
};

} // namespace Kyvant
