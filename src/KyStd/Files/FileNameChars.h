// Character rules of file names: '\' and '/' are the same separator, letters
// compare without case, and separators sort before every other character
// except NUL.
#pragma once

#include <cctype>

namespace Kyvant {

inline bool IsDirSep(char c)
{
    return c == '\\' || c == '/';
}

// A character that ends a folder or drive: '\', ':' or '/'.
inline bool IsPathChar(char c)
{
    return c == '\\' || c == ':' || c == '/';
}

// The C runtime's lower case under the current locale. Digits, punctuation
// and small ASCII letters are their own lower case in every locale, so they
// skip the call: name comparisons (the walk sorts every folder) mostly
// meet those where names differ.
inline int FileCharLower(char c)
{
    const unsigned char u = static_cast<unsigned char>(c);
    if (u < 'A' || (u >= 'a' && u <= 'z'))
        return u;
    return std::tolower(u);
}

inline bool FileCharEq(char a, char b)
{
    return a == b || (IsDirSep(a) && IsDirSep(b)) || FileCharLower(a) == FileCharLower(b);
}

// Strict order under which FileCharEq characters are equivalent.
inline bool FileCharLess(char a, char b)
{
    if (IsDirSep(a))
        return !IsDirSep(b) && b != '\0';
    if (IsDirSep(b))
        return a == '\0';
    return static_cast<unsigned char>(FileCharLower(a)) <
           static_cast<unsigned char>(FileCharLower(b));
}

} // namespace Kyvant
