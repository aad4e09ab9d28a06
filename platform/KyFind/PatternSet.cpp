// Compiling KyFind's patterns for std::regex and finding matches.
#include "PatternSet.h"

#include "PatternLiteral.h"
#include "PerlPattern.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <stdexcept>

namespace Kyvant {
namespace StandIn {

namespace {

const char kEcmaSpecials[] = "\\^$.|?*+()[]{}/";

std::string EscapeLiteral(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if (c != '\0' && std::strchr(kEcmaSpecials, c))
            out += '\\';
        out += c;
    }
    return out;
}

std::regex::flag_type GrammarOf(PatternFlavor flavor)
{
    switch (flavor) {
    case PatternFlavor::Basic:
        return std::regex::basic;
    case PatternFlavor::Extended:
        return std::regex::extended;
    case PatternFlavor::Perl:
        return std::regex::ECMAScript | std::regex::multiline;
    case PatternFlavor::Literal:
        break;
    }
    return std::regex::ECMAScript;
}

std::string SourceOf(const std::string& pattern, const FindOptions& options)
{
    switch (options.flavor) {
    case PatternFlavor::Literal:
        return EscapeLiteral(pattern);
    case PatternFlavor::Perl:
        return TranslatePerlPattern(pattern, options.legible, options.dotMatchesNewline);
    default:
        return pattern;
    }
}

bool IsWordChar(char c)
{
    return c == '_' || std::isalnum(static_cast<unsigned char>(c)) != 0;
}

} // namespace

PatternSet::PatternSet(const FindOptions& options, LiteralUse literals)
    : wholeWords_(options.wholeWords)
{
    std::regex::flag_type flags = GrammarOf(options.flavor);
    if (options.ignoreCase)
        flags |= std::regex::icase;
    for (const std::string& pattern : options.patterns) {
        try {
            regexes_.emplace_back(SourceOf(pattern, options), flags);
        } catch (const std::regex_error& e) {
            throw std::runtime_error("Invalid pattern \"" + pattern + "\": " + e.what());
        }
    }
    if (literals == LiteralUse::Taken)
        TakeLiterals(options);
}

// The literals compare characters as the expressions do: through the
// case folding of the expressions' locale when case is ignored.
void PatternSet::TakeLiterals(const FindOptions& options)
{
    FoldTable fold = IdentityFold();
    if (options.ignoreCase && !regexes_.empty()) {
        const auto& ctype = std::use_facet<std::ctype<char>>(regexes_.front().getloc());
        for (std::size_t c = 0; c < fold.size(); ++c)
            fold[c] = static_cast<unsigned char>(ctype.tolower(static_cast<char>(c)));
    }
    bool plain = true;
    std::vector<LiteralFinder> finders;
    for (const std::string& pattern : options.patterns) {
        const PatternLiteral literal =
            LiteralOf(pattern, SourceOf(pattern, options), options.flavor);
        if (literal.text.empty())
            return;
        plain = plain && literal.plain && literal.text.size() <= kMaxMatchLength;
        finders.emplace_back(literal.text, fold);
    }
    finders_.swap(finders);
    allPlain_ = plain && !finders_.empty();
}

std::size_t PatternSet::FindLiteral(std::size_t k, const std::string& text, std::size_t rangeBegin,
                                    std::size_t from, std::size_t rangeEnd) const
{
    const LiteralFinder& finder = finders_[k];
    const std::size_t length = finder.Length();
    for (;;) {
        const std::size_t at = finder.Find(text.data(), from, rangeEnd);
        if (at == LiteralFinder::npos || !wholeWords_)
            return at;
        const bool wordBefore = at > rangeBegin && IsWordChar(text[at - 1]);
        const bool wordAfter = at + length < rangeEnd && IsWordChar(text[at + length]);
        if (!wordBefore && !wordAfter)
            return at;
        from = at + 1;
    }
}

bool PatternSet::FindPlain(const std::string& text, std::size_t rangeBegin, std::size_t from,
                           std::size_t rangeEnd, MatchSpan& out) const
{
    bool found = false;
    for (std::size_t k = 0; k < finders_.size(); ++k) {
        const std::size_t at = FindLiteral(k, text, rangeBegin, from, rangeEnd);
        if (at == LiteralFinder::npos)
            continue;
        const std::size_t end = at + finders_[k].Length();
        if (!found || at < out.begin || (at == out.begin && end > out.end))
            out = MatchSpan{at, end};
        found = true;
    }
    return found;
}

bool PatternSet::AnyLiteral(const std::string& text, std::size_t begin, std::size_t end) const
{
    for (const LiteralFinder& finder : finders_)
        if (finder.Find(text.data(), begin, end) != LiteralFinder::npos)
            return true;
    return false;
}

bool PatternSet::Find(const std::string& text, std::size_t rangeBegin, std::size_t from,
                      std::size_t rangeEnd, MatchSpan& out) const
{
    for (;;) {
        const std::size_t windowEnd = std::min(rangeEnd, from + kSearchWindow);
        const bool found = FindInWindow(text, rangeBegin, from, windowEnd, rangeEnd, out);
        if (windowEnd == rangeEnd)
            return found;
        // A match that starts in the window's first half lies in it whole
        // (up to the length limit); a later one is looked for again.
        if (found && out.begin < from + kMaxMatchLength)
            return true;
        from += kMaxMatchLength;
    }
}

bool PatternSet::FindInWindow(const std::string& text, std::size_t rangeBegin, std::size_t from,
                              std::size_t windowEnd, std::size_t rangeEnd, MatchSpan& out) const
{
    bool found = false;
    for (const std::regex& re : regexes_) {
        MatchSpan span;
        if (!FindOne(re, text, rangeBegin, from, windowEnd, rangeEnd, span))
            continue;
        if (!found || span.begin < out.begin || (span.begin == out.begin && span.end > out.end))
            out = span;
        found = true;
    }
    return found;
}

bool PatternSet::FindOne(const std::regex& re, const std::string& text, std::size_t rangeBegin,
                         std::size_t from, std::size_t windowEnd, std::size_t rangeEnd,
                         MatchSpan& out) const
{
    const char* base = text.data();
    while (from <= windowEnd) {
        auto flags = from > rangeBegin ? std::regex_constants::match_prev_avail
                                       : std::regex_constants::match_default;
        if (windowEnd < rangeEnd)
            flags |= std::regex_constants::match_not_eol;
        std::cmatch m;
        if (!std::regex_search(base + from, base + windowEnd, m, re, flags))
            return false;
        out.begin = from + static_cast<std::size_t>(m.position(0));
        out.end = out.begin + static_cast<std::size_t>(m.length(0));
        const bool wordBefore = out.begin > rangeBegin && IsWordChar(text[out.begin - 1]);
        const bool wordAfter = out.end < rangeEnd && IsWordChar(text[out.end]);
        if (!wholeWords_ || (!wordBefore && !wordAfter))
            return true;
        from = out.begin + 1;
    }
    return false;
}

} // namespace StandIn
} // namespace Kyvant
