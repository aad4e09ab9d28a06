// The compiled patterns of one run and the search for the earliest match of
// any of them in a range, whole words checked by hand (std::regex's basic
// and extended grammars have no word boundaries). std::regex matches by
// recursion as deep as the text it looks at, so a long range is searched in
// overlapping windows, so that no file or line is too long to search: a
// match of up to kMaxMatchLength characters is always found whole, a longer
// one may be found cut short or not at all. Beside each expression, the
// literal its matches contain (the whole pattern when it is plain text),
// compared with the expressions' case folding.
#pragma once

#include "FindOptions.h"
#include "LiteralFinder.h"

#include <cstddef>
#include <regex>
#include <vector>

namespace Kyvant {
namespace StandIn {

constexpr std::size_t kSearchWindow = 32768;
constexpr std::size_t kMaxMatchLength = kSearchWindow / 2;

// Whether the literals of the patterns are taken to speed the search up.
// Without them every line goes through the expressions: what the literal
// searches must give the same lines as.
enum class LiteralUse { Taken, Ignored };

struct MatchSpan {
    std::size_t begin = 0; // offsets in the searched text
    std::size_t end = 0;
};

class PatternSet {
public:
    // Throws std::runtime_error naming a pattern that does not compile.
    explicit PatternSet(const FindOptions& options, LiteralUse literals = LiteralUse::Taken);

    // The earliest match (the longest of those that start together) that
    // starts in [from, rangeEnd) of text and lies within [rangeBegin,
    // rangeEnd); characters before rangeBegin are not looked at.
    bool Find(const std::string& text, std::size_t rangeBegin, std::size_t from,
              std::size_t rangeEnd, MatchSpan& out) const;

    // Every pattern is plain text (of at most kMaxMatchLength characters):
    // its literal finds exactly what its expression finds.
    bool AllPlain() const { return allPlain_; }
    // Every pattern has a literal that each of its matches contains, so a
    // text without any of them holds no match.
    bool AllHaveLiterals() const { return !finders_.empty(); }
    std::size_t LiteralCount() const { return finders_.size(); }
    const LiteralFinder& Literal(std::size_t k) const { return finders_[k]; }
    // The first occurrence of literal k at or after from that ends by
    // rangeEnd and, with whole words, has no word character on either side
    // within [rangeBegin, rangeEnd); npos when none.
    std::size_t FindLiteral(std::size_t k, const std::string& text, std::size_t rangeBegin,
                            std::size_t from, std::size_t rangeEnd) const;
    // Find for plain patterns, through their literals.
    bool FindPlain(const std::string& text, std::size_t rangeBegin, std::size_t from,
                   std::size_t rangeEnd, MatchSpan& out) const;
    // Whether a literal occurs in [begin, end).
    bool AnyLiteral(const std::string& text, std::size_t begin, std::size_t end) const;

private:
    void TakeLiterals(const FindOptions& options);

    // The same within one window that ends at windowEnd; truncated: the
    // range goes on behind it.
    bool FindInWindow(const std::string& text, std::size_t rangeBegin, std::size_t from,
                      std::size_t windowEnd, std::size_t rangeEnd, MatchSpan& out) const;
    bool FindOne(const std::regex& re, const std::string& text, std::size_t rangeBegin,
                 std::size_t from, std::size_t windowEnd, std::size_t rangeEnd,
                 MatchSpan& out) const;

    std::vector<std::regex> regexes_;
    bool wholeWords_;
    bool allPlain_ = false;
    std::vector<LiteralFinder> finders_; // one per pattern, or none
};

} // namespace StandIn
} // namespace Kyvant
