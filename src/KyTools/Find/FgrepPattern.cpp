// Splitting an Fgrep pattern into its alternatives and joining them again.
#include "KyTools/Find/FgrepPattern.h"

#include "KyTools/Find/FindResource.h"

namespace Kyvant {
namespace FgrepPattern {

namespace {

const char kBar = '|';
const char kEscape = '\\';

} // namespace

unsigned Split(const ky_S& pattern, std::vector<ky_S>& out)
{
    std::vector<ky_S> pieces;
    ky_S current;
    const unsigned length = pattern.length();
    for (unsigned i = 0; i < length; ++i) {
        const char c = pattern[i];
        const bool last = i + 1 == length;
        if (c == kEscape) {
            if (last)
                return IDS_KY_FIND_TRAILING_BACKSLASH;
            current += pattern[++i];
        } else if (c == kBar) {
            if (current.empty())
                return last ? IDS_KY_FIND_TRAILING_BAR : IDS_KY_FIND_ADJACENT_BARS;
            if (last)
                return IDS_KY_FIND_TRAILING_BAR;
            pieces.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty())
        pieces.push_back(current);
    out.swap(pieces);
    return 0;
}

unsigned Convert(const ky_S& pattern, const char* separator, ky_S& out)
{
    std::vector<ky_S> pieces;
    const unsigned failure = Split(pattern, pieces);
    if (failure != 0)
        return failure;
    ky_S joined;
    for (size_t i = 0; i < pieces.size(); ++i) {
        if (i != 0)
            joined += separator;
        joined += pieces[i];
    }
    out = joined;
    return 0;
}

ky_S Join(const std::vector<ky_S>& alternatives)
{
    ky_S pattern;
    for (const ky_S& alternative : alternatives) {
        if (alternative.empty())
            continue;
        if (!pattern.empty())
            pattern += kBar;
        for (unsigned i = 0; i < alternative.length(); ++i) {
            const char c = alternative[i];
            if (c == kEscape || c == kBar)
                pattern += kEscape;
            pattern += c;
        }
    }
    return pattern;
}

} // namespace FgrepPattern
} // namespace Kyvant
