// The compiled patterns of one run and the search for the earliest match of
// any of them in a range, whole words checked by hand (std::regex's basic
// and extended grammars have no word boundaries).
#pragma once

#include "FindOptions.h"

#include <cstddef>
#include <regex>
#include <vector>

namespace Kyvant {
namespace StandIn {

struct MatchSpan {
    std::size_t begin = 0; // offsets in the searched text
    std::size_t end = 0;
};

class PatternSet {
public:
    // Throws std::runtime_error naming a pattern that does not compile.
    explicit PatternSet(const FindOptions& options);

    // The earliest match (the longest of those that start together) that
    // starts in [from, rangeEnd) of text and lies within [rangeBegin,
    // rangeEnd); characters before rangeBegin are not looked at.
    bool Find(const std::string& text, std::size_t rangeBegin, std::size_t from,
              std::size_t rangeEnd, MatchSpan& out) const;

private:
    bool FindOne(const std::regex& re, const std::string& text, std::size_t rangeBegin,
                 std::size_t from, std::size_t rangeEnd, MatchSpan& out) const;

    std::vector<std::regex> regexes_;
    bool wholeWords_;
};

} // namespace StandIn
} // namespace Kyvant
