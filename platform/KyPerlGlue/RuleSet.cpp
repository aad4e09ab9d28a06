#include "KyPerlGlue/RuleSet.h"

#include "KyPerlGlue/PatternText.h"

#include <algorithm>
#include <cctype>
#include <regex>
#include <stdexcept>

namespace Kyvant {
namespace PerlGlue {

namespace {

bool IsWordChar(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

bool SameIgnoringCase(char a, char b)
{
    return std::tolower(static_cast<unsigned char>(a)) ==
           std::tolower(static_cast<unsigned char>(b));
}

} // namespace

struct RuleSet::Rule {
    // Plain texts are searched directly; patterns go through std::regex.
    bool plain = true;
    bool ignoreCase = false;
    bool wholeWords = false;
    std::string needle;
    std::string plainReplacement;
    std::regex pattern;
    std::vector<ReplacementPiece> replacement;

    unsigned long Apply(std::string& text) const
    {
        return plain ? ApplyPlain(text) : ApplyPattern(text);
    }

    // Word edges as "\b" sees them: a word character on exactly one side.
    bool AtWordEdges(const std::string& text, std::size_t pos) const
    {
        const std::size_t end = pos + needle.size();
        const bool before = pos > 0 && IsWordChar(text[pos - 1]);
        const bool after = end < text.size() && IsWordChar(text[end]);
        return before != IsWordChar(needle.front()) && after != IsWordChar(needle.back());
    }

    std::size_t Find(const std::string& text, std::size_t from) const
    {
        if (!ignoreCase)
            return text.find(needle, from);
        auto it = std::search(text.begin() + from, text.end(), needle.begin(), needle.end(),
                              SameIgnoringCase);
        return it == text.end() ? std::string::npos : static_cast<std::size_t>(it - text.begin());
    }

    unsigned long ApplyPlain(std::string& text) const
    {
        unsigned long count = 0;
        std::string out;
        std::size_t done = 0;
        for (std::size_t pos = Find(text, 0); pos != std::string::npos;) {
            if (wholeWords && !AtWordEdges(text, pos)) {
                pos = Find(text, pos + 1);
                continue;
            }
            if (count++ == 0)
                out.reserve(text.size());
            out.append(text, done, pos - done);
            out += plainReplacement;
            done = pos + needle.size();
            pos = Find(text, done);
        }
        if (count) {
            out.append(text, done, std::string::npos);
            text.swap(out);
        }
        return count;
    }

    unsigned long ApplyPattern(std::string& text) const
    {
        unsigned long count = 0;
        std::string out;
        auto done = text.cbegin();
        for (std::sregex_iterator it(text.cbegin(), text.cend(), pattern), end; it != end; ++it) {
            const std::smatch& m = *it;
            if (count++ == 0)
                out.reserve(text.size());
            out.append(done, m[0].first);
            for (const ReplacementPiece& piece : replacement) {
                out += piece.text;
                if (piece.group >= 0 && m[piece.group].matched)
                    out.append(m[piece.group].first, m[piece.group].second);
            }
            done = m[0].second;
        }
        if (count) {
            out.append(done, text.cend());
            text.swap(out);
        }
        return count;
    }
};

RuleSet::RuleSet(const std::vector<RuleSpec>& rules)
{
    unsigned number = 0;
    for (const RuleSpec& spec : rules) {
        ++number;
        if (!spec.enabled)
            continue;
        std::unique_ptr<Rule> rule(new Rule);
        rule->ignoreCase = spec.ignoreCase;
        rule->wholeWords = spec.wholeWords;
        rule->plain = !spec.regEx;
        try {
            if (rule->plain) {
                rule->needle = spec.doubleQuote ? ExpandEscapes(spec.find) : spec.find;
                if (rule->needle.empty())
                    throw std::runtime_error("the search text is empty");
                rule->plainReplacement = spec.replace;
            } else {
                std::string source =
                    TranslatePattern(spec.find, spec.dotMatchesNL, spec.legibleRegEx);
                if (spec.wholeWords)
                    source = "\\b(?:" + source + ")\\b";
                auto flags = std::regex::ECMAScript | std::regex::optimize;
                if (spec.ignoreCase)
                    flags |= std::regex::icase;
                // The breadth-first matcher needs no stack in proportion to
                // the match, so long matches over whole files cannot
                // overflow it; it lacks back-references, which only the
                // depth-first matcher then serves.
                try {
                    rule->pattern.assign(source, flags | std::regex_constants::__polynomial);
                } catch (const std::regex_error&) {
                    rule->pattern.assign(source, flags);
                }
                rule->replacement = ParseReplacement(spec.replace, rule->pattern.mark_count());
            }
        } catch (const std::exception& e) {
            throw std::runtime_error("Replace Rule " + std::to_string(number) + " (" + spec.find +
                                     "): " + e.what());
        }
        rules_.push_back(std::move(rule));
    }
}

RuleSet::~RuleSet() {}

unsigned long RuleSet::Apply(std::string& text) const
{
    unsigned long count = 0;
    for (const auto& rule : rules_)
        count += rule->Apply(text);
    return count;
}

unsigned long RuleSet::ApplyByLine(std::string& text, bool binary) const
{
    unsigned long count = 0;
    std::string out, line;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end + 1;
        std::size_t bodyEnd = end;
        if (bodyEnd > start && text[bodyEnd - 1] == '\n')
            --bodyEnd;
        if (!binary && bodyEnd > start && text[bodyEnd - 1] == '\r')
            --bodyEnd;
        line.assign(text, start, bodyEnd - start);
        count += Apply(line);
        out += line;
        out.append(text, bodyEnd, end - bodyEnd);
        start = end;
    }
    if (count)
        text.swap(out);
    return count;
}

} // namespace PerlGlue
} // namespace Kyvant
