// The compiled rules and their application: to the whole text or line by line, with a judge.
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
    // For confirmation: the rule as written and its number.
    RuleSpec spec;
    unsigned number = 0;

    // The judge sees the matches of rules that ask for confirmation.
    struct Context {
        MatchJudge* judge;
        unsigned ruleCount;
        std::size_t line;
    };

    unsigned long Apply(std::string& text, const Context& context) const
    {
        MatchJudge* judge = spec.noConfirm ? nullptr : context.judge;
        return plain ? ApplyPlain(text, judge, context) : ApplyPattern(text, judge, context);
    }

    // Asks about the match at pos of text, of which [0, done) is already
    // out (with replacements).
    bool Confirm(MatchJudge& judge, const Context& context, const std::string& out,
                 const std::string& text, std::size_t done, std::size_t pos, std::size_t length,
                 std::string replacement) const
    {
        MatchOffer offer;
        offer.rule = number;
        offer.ruleCount = context.ruleCount;
        offer.spec = &spec;
        offer.line = context.line;
        offer.start = out.size() + (pos - done);
        offer.length = length;
        offer.subject = out;
        offer.subject.append(text, done, std::string::npos);
        offer.replacement = std::move(replacement);
        return judge.Replace(offer);
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

    unsigned long ApplyPlain(std::string& text, MatchJudge* judge, const Context& context) const
    {
        unsigned long count = 0;
        std::string out;
        std::size_t done = 0;
        for (std::size_t pos = Find(text, 0); pos != std::string::npos;) {
            if (wholeWords && !AtWordEdges(text, pos)) {
                pos = Find(text, pos + 1);
                continue;
            }
            if (judge &&
                !Confirm(*judge, context, out, text, done, pos, needle.size(), plainReplacement)) {
                pos = Find(text, pos + needle.size());
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

    std::string Replacement(const std::smatch& m) const
    {
        std::string r;
        for (const ReplacementPiece& piece : replacement) {
            r += piece.text;
            if (piece.group >= 0 && m[piece.group].matched)
                r.append(m[piece.group].first, m[piece.group].second);
        }
        return r;
    }

    unsigned long ApplyPattern(std::string& text, MatchJudge* judge, const Context& context) const
    {
        unsigned long count = 0;
        std::string out;
        auto done = text.cbegin();
        for (std::sregex_iterator it(text.cbegin(), text.cend(), pattern), end; it != end; ++it) {
            const std::smatch& m = *it;
            std::string r = Replacement(m);
            if (judge) {
                const auto at = [&text](std::string::const_iterator i) {
                    return static_cast<std::size_t>(i - text.cbegin());
                };
                if (!Confirm(*judge, context, out, text, at(done), at(m[0].first),
                             static_cast<std::size_t>(m.length(0)), r))
                    continue;
            }
            if (count++ == 0)
                out.reserve(text.size());
            out.append(done, m[0].first);
            out += r;
            done = m[0].second;
        }
        if (count) {
            out.append(done, text.cend());
            text.swap(out);
        }
        return count;
    }
};

MatchJudge::~MatchJudge() {}

RuleSet::RuleSet(const std::vector<RuleSpec>& rules)
{
    unsigned number = 0;
    for (const RuleSpec& spec : rules) {
        ++number;
        if (!spec.enabled)
            continue;
        std::unique_ptr<Rule> rule(new Rule);
        rule->spec = spec;
        rule->number = number;
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
    ruleCount_ = number;
}

RuleSet::~RuleSet() {}

unsigned long RuleSet::Apply(std::string& text, MatchJudge* judge) const
{
    return ApplyToLine(text, 0, judge);
}

unsigned long RuleSet::ApplyToLine(std::string& text, std::size_t line, MatchJudge* judge) const
{
    const Rule::Context context{judge, ruleCount_, line};
    unsigned long count = 0;
    for (const auto& rule : rules_)
        count += rule->Apply(text, context);
    return count;
}

unsigned long RuleSet::ApplyByLine(std::string& text, bool binary, MatchJudge* judge) const
{
    unsigned long count = 0;
    std::string out, line;
    std::size_t start = 0;
    for (std::size_t number = 0; start < text.size(); ++number) {
        std::size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end + 1;
        std::size_t bodyEnd = end;
        if (bodyEnd > start && text[bodyEnd - 1] == '\n')
            --bodyEnd;
        if (!binary && bodyEnd > start && text[bodyEnd - 1] == '\r')
            --bodyEnd;
        line.assign(text, start, bodyEnd - start);
        count += ApplyToLine(line, number, judge);
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
