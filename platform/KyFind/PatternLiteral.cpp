// Reading the characters every match of a pattern must contain: the
// characters outside groups, classes and escapes that no quantifier
// follows, taken in runs; an alternation outside groups gives nothing.
#include "PatternLiteral.h"

#include <cstring>

namespace Kyvant {
namespace StandIn {

namespace {

// Characters with a meaning of their own in each grammar (']' and '}' in
// all of them, to be safe).
const char kBasicSpecials[] = ".[]\\*^${}";
const char kExtendedSpecials[] = ".[]\\()*+?{}|^$";
const char kEcmaSpecials[] = "^$\\.*+?()[]{}|";

const char* SpecialsOf(PatternFlavor flavor)
{
    switch (flavor) {
    case PatternFlavor::Basic:
        return kBasicSpecials;
    case PatternFlavor::Extended:
        return kExtendedSpecials;
    default:
        return kEcmaSpecials;
    }
}

bool IsSpecial(char c, const char* specials)
{
    return c != '\0' && std::strchr(specials, c) != nullptr;
}

// Runs of mandatory characters, the longest kept.
class Runs {
public:
    void Add(char c)
    {
        if (depth_ == 0)
            current_ += c;
    }
    // A quantifier takes the character before it out of the run.
    void Quantified()
    {
        if (!current_.empty())
            current_.pop_back();
        End();
    }
    void End()
    {
        if (current_.size() > best_.size())
            best_ = current_;
        current_.clear();
    }
    void Open()
    {
        End();
        ++depth_;
    }
    bool Close()
    {
        End();
        return --depth_ >= 0;
    }
    bool Balanced() const { return depth_ == 0; }
    const std::string& Best() const { return best_; }

private:
    std::string current_, best_;
    int depth_ = 0;
};

const std::size_t kFailed = std::string::npos;

// Behind the bracket expression that starts at s[i]; kFailed for anything
// unusual (a '[' inside, an ECMAScript class that may be empty). A
// backslash always takes the next character with it, so the expression is
// never taken to end sooner than the engine takes it to.
std::size_t SkipBracket(const std::string& s, std::size_t i, bool ecma)
{
    std::size_t j = i + 1;
    if (j < s.size() && s[j] == '^')
        ++j;
    if (j < s.size() && s[j] == ']') {
        if (ecma)
            return kFailed;
        ++j;
    }
    while (j < s.size()) {
        if (s[j] == '[')
            return kFailed;
        if (s[j] == '\\') {
            j += 2;
            continue;
        }
        if (s[j] == ']')
            return j + 1;
        ++j;
    }
    return kFailed;
}

// Behind the closing text of an interval that starts at s[i].
std::size_t SkipInterval(const std::string& s, std::size_t i, const char* close)
{
    const std::size_t at = s.find(close, i);
    return at == std::string::npos ? kFailed : at + std::strlen(close);
}

// One step of a basic expression at s[i]; the index behind it.
std::size_t BasicStep(const std::string& s, std::size_t i, Runs& runs)
{
    const char c = s[i];
    if (c == '\\') {
        if (i + 1 >= s.size())
            return kFailed;
        const char d = s[i + 1];
        if (d == '(') {
            runs.Open();
        } else if (d == ')') {
            if (!runs.Close())
                return kFailed;
        } else if (d == '{') {
            runs.Quantified();
            return SkipInterval(s, i + 2, "\\}");
        } else if (d == '|') {
            return kFailed;
        } else {
            runs.End();
        }
        return i + 2;
    }
    if (c == '[') {
        runs.End();
        return SkipBracket(s, i, false);
    }
    if (c == '*')
        runs.Quantified();
    else if (IsSpecial(c, kBasicSpecials))
        runs.End();
    else
        runs.Add(c);
    return i + 1;
}

// One step of an extended or ECMAScript expression at s[i].
std::size_t ExtendedStep(const std::string& s, std::size_t i, bool ecma, Runs& runs)
{
    const char c = s[i];
    switch (c) {
    case '\\':
        runs.End();
        return i + 2;
    case '[':
        runs.End();
        return SkipBracket(s, i, ecma);
    case '(':
        runs.Open();
        return i + 1;
    case ')':
        return runs.Close() ? i + 1 : kFailed;
    case '|':
        if (runs.Balanced())
            return kFailed;
        runs.End();
        return i + 1;
    case '*':
    case '+':
    case '?':
        runs.Quantified();
        return i + 1;
    case '{':
        runs.Quantified();
        return SkipInterval(s, i + 1, "}");
    default:
        break;
    }
    if (IsSpecial(c, ecma ? kEcmaSpecials : kExtendedSpecials))
        runs.End();
    else
        runs.Add(c);
    return i + 1;
}

std::string MandatoryRun(const std::string& s, PatternFlavor flavor)
{
    Runs runs;
    const bool ecma = flavor == PatternFlavor::Perl;
    for (std::size_t i = 0; i < s.size();) {
        i = flavor == PatternFlavor::Basic ? BasicStep(s, i, runs) : ExtendedStep(s, i, ecma, runs);
        if (i == kFailed)
            return std::string();
    }
    runs.End();
    return runs.Balanced() ? runs.Best() : std::string();
}

} // namespace

PatternLiteral LiteralOf(const std::string& pattern, const std::string& source,
                         PatternFlavor flavor)
{
    PatternLiteral out;
    if (pattern.find('\n') != std::string::npos || source.find('\n') != std::string::npos)
        return out;
    if (flavor == PatternFlavor::Literal) {
        out.plain = !pattern.empty();
        out.text = pattern;
        return out;
    }
    const char* specials = SpecialsOf(flavor);
    bool plain = !source.empty();
    for (char c : source)
        plain = plain && !IsSpecial(c, specials);
    out.plain = plain;
    out.text = plain ? source : MandatoryRun(source, flavor);
    return out;
}

} // namespace StandIn
} // namespace Kyvant
