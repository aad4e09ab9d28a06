// Comparing and displaying mask-set names.
#include "KyDB/Named/MaskSetNames.h"

#include <cctype>

namespace Kyvant {

int MaskSetLess::CompareAmpersandStrings(const char* a, const char* b)
{
    for (;; ++a, ++b) {
        if (*a == '&')
            ++a;
        if (*b == '&')
            ++b;
        const int ca = std::tolower(static_cast<unsigned char>(*a));
        const int cb = std::tolower(static_cast<unsigned char>(*b));
        if (ca != cb)
            return static_cast<unsigned char>(ca) < static_cast<unsigned char>(cb) ? -1 : 1;
        if (*a == 0)
            return 0;
    }
}

void UnAmpersandName(const ky_I& name, ky_BSB<char>& out)
{
    const ky_I source(name); // out may be the name itself
    out.clear();
    const char* s = source.c_str();
    const char* end = s + source.length();
    for (; s < end; ++s) {
        if (*s == '&') {
            if (s + 1 < end && s[1] == '&')
                out += *++s;
            continue;
        }
        out += *s;
    }
}

ky_I UnAmpersandName(const ky_I& name)
{
    ky_I out;
    UnAmpersandName(name, out);
    return out;
}

} // namespace Kyvant
