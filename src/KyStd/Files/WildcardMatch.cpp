// Wildcard matching of one name against one mask, and the UNC and volume
// name tests.
#include "KyStd/Files/FileName.h"

#include <cctype>
#include <cstring>
#include <stdexcept>
#include <vector>

namespace Kyvant {

namespace {

// The wildcard rule with its recursion memoised: Rest(m, n) (mask from m,
// name from n) is only ever asked for m just after a run of '*' and '?', and
// a true answer ends the whole match, so a visited pair that is asked again
// is known to be false. Masks with one run of '*' never revisit a pair and need no
// table.
class WildcardMatcher {
public:
    WildcardMatcher(const char* mask, const char* name) : mask_(mask), name_(name)
    {
        unsigned stars = 0;
        for (const char* p = mask; *p; ++p) {
            if (*p == '*' && (p == mask || p[-1] != '*'))
                ++stars;
        }
        if (stars > 1) {
            maskLen_ = static_cast<unsigned>(std::strlen(mask));
            nameLen_ = static_cast<unsigned>(std::strlen(name)) + 1;
            slotOf_.assign(maskLen_ + 1, 0);
            unsigned slots = 0;
            for (unsigned i = 1; i <= maskLen_; ++i) {
                if (mask[i - 1] == '*' || mask[i - 1] == '?')
                    slotOf_[i] = slots++;
            }
            visited_.assign(static_cast<std::size_t>(slots) * nameLen_, false);
        }
    }

    bool Run() { return Rest(0, 0); }

private:
    bool Rest(unsigned m, unsigned n)
    {
        // Up to the first '*'.
        for (;;) {
            char mc = mask_[m];
            if (mc == '*')
                break;
            char nc = name_[n];
            if (mc == '\0')
                return nc == '\0';
            if (mc == '?') {
                if (nc == '\0')
                    return false;
            } else if (mc == '.' && mask_[m + 1] == '\0' && nc == '\0') {
                return true;
            } else if (!FileCharEq(mc, nc) || nc == '\0') {
                return false;
            }
            ++m;
            ++n;
        }
        // A run of '*' and '?': each '?' takes one character.
        while (mask_[m] == '*' || mask_[m] == '?') {
            if (mask_[m] == '?') {
                if (name_[n] == '\0')
                    return false;
                ++n;
            }
            ++m;
        }
        char c = mask_[m];
        if (c == '\0')
            return true;
        for (unsigned p = n; name_[p] != '\0'; ++p) {
            if (FileCharEq(c, name_[p]) && Try(m, p))
                return true;
        }
        // "*." at the end: names without an extension.
        if (c == '.' && mask_[m + 1] == '\0')
            return !HasExtension(name_ + n);
        return false;
    }

    bool Try(unsigned m, unsigned n)
    {
        if (visited_.empty())
            return Rest(m, n);
        std::size_t key = static_cast<std::size_t>(slotOf_[m]) * nameLen_ + n;
        if (visited_[key])
            return false;
        visited_[key] = true;
        return Rest(m, n);
    }

    // A '.' followed by at least one more character.
    static bool HasExtension(const char* s)
    {
        for (; *s; ++s) {
            if (*s == '.' && s[1] != '\0')
                return true;
        }
        return false;
    }

    const char* mask_;
    const char* name_;
    unsigned maskLen_ = 0;
    unsigned nameLen_ = 0;
    std::vector<unsigned> slotOf_;
    std::vector<bool> visited_;
};

} // namespace

bool ky_F::Match(const char* mask, const char* name)
{
    if (!mask || !name)
        throw std::invalid_argument("ky_F::Match: null mask or name");
    if (std::strcmp(mask, "*.*") == 0)
        mask = "*";
    return WildcardMatcher(mask, name).Run();
}

bool ky_F::LooksLikeUNC(const char* s, unsigned len)
{
    if (!s)
        return false;
    if (len == npos)
        len = static_cast<unsigned>(std::strlen(s));
    return len > 2 && IsDirSep(s[0]) && IsDirSep(s[1]);
}

bool ky_F::LooksLikeVolumeName(const char* s, unsigned len)
{
    if (!s)
        return false;
    if (len == npos)
        len = static_cast<unsigned>(std::strlen(s));
    if (len == 1)
        return IsDirSep(s[0]);
    if (len == 3 && std::isalpha(static_cast<unsigned char>(s[0])) && s[1] == ':' && IsDirSep(s[2]))
        return true;
    // "\\server\share\": two non-empty names, each ended by one separator.
    if (len < 6 || !IsDirSep(s[0]) || !IsDirSep(s[1]) || !IsDirSep(s[len - 1]))
        return false;
    unsigned i = 2;
    unsigned names = 0;
    while (i < len) {
        unsigned start = i;
        while (i < len && !IsDirSep(s[i]))
            ++i;
        if (i == start)
            return false;
        ++names;
        ++i;
    }
    return names == 2;
}

} // namespace Kyvant
