// The Horspool search over folded characters.
#include "LiteralFinder.h"

namespace Kyvant {
namespace StandIn {

FoldTable IdentityFold()
{
    FoldTable fold;
    for (std::size_t c = 0; c < fold.size(); ++c)
        fold[c] = static_cast<unsigned char>(c);
    return fold;
}

LiteralFinder::LiteralFinder(const std::string& literal, const FoldTable& fold) : fold_(fold)
{
    for (char c : literal)
        folded_ += static_cast<char>(fold_[static_cast<unsigned char>(c)]);
    const std::size_t m = folded_.size();
    skip_.fill(m);
    for (std::size_t k = 0; k + 1 < m; ++k)
        skip_[static_cast<unsigned char>(folded_[k])] = m - 1 - k;
}

std::size_t LiteralFinder::Find(const char* text, std::size_t from, std::size_t end) const
{
    const std::size_t m = folded_.size();
    if (m == 0 || end < m)
        return npos;
    const auto* t = reinterpret_cast<const unsigned char*>(text);
    const auto* p = reinterpret_cast<const unsigned char*>(folded_.data());
    const unsigned char last = p[m - 1];
    for (std::size_t i = from; i <= end - m;) {
        const unsigned char c = fold_[t[i + m - 1]];
        if (c == last) {
            std::size_t k = 0;
            while (k + 1 < m && fold_[t[i + k]] == p[k])
                ++k;
            if (k + 1 >= m)
                return i;
        }
        i += skip_[c];
    }
    return npos;
}

} // namespace StandIn
} // namespace Kyvant
