// Reading the characters every match of a pattern must contain: the
// characters outside groups and classes that no quantifier follows, an
// escape among them only where it certainly stands for its one character,
// taken in runs; an alternation outside groups gives nothing.
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

// The characters that a backslash before them makes ordinary in each
// grammar. A backslash before any other character may give something else
// (a back-reference, a class, a character named by the digits behind it),
// or differ between grammars: such an escape ends a run.
const char kBasicQuoted[] = ".[\\*^$";
const char kExtendedQuoted[] = ".[\\()*+?{|^$";
const char kEcmaQuoted[] = "^$\\.*+?()[]{}|/";

const char kHexDigits[] = "0123456789abcdefABCDEF";
const std::size_t kHexEscapeDigits = 2;     // "\xHH"
const std::size_t kUnicodeEscapeDigits = 4; // "\uHHHH"

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

bool IsOneOf(char c, const char* characters)
{
    return c != '\0' && std::strchr(characters, c) != nullptr;
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

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Whether the count characters from s[i] are hexadecimal digits.
bool HexDigitsAt(const std::string& s, std::size_t i, std::size_t count)
{
    if (i + count > s.size())
        return false;
    for (std::size_t k = 0; k < count; ++k)
        if (!IsOneOf(s[i + k], kHexDigits))
            return false;
    return true;
}

// The length of the ECMAScript escape that starts at s[i] (a backslash):
// "\x" and "\u" with their hexadecimal digits, "\c" with the character
// behind it, a backslash and digits (a back-reference, or NUL and digits)
// with all of them, else a backslash and one character. 0 when it is cut
// short.
std::size_t EcmaEscapeLength(const std::string& s, std::size_t i)
{
    if (i + 1 >= s.size())
        return 0;
    const char d = s[i + 1];
    if (d == 'x' || d == 'u') {
        const std::size_t digits = d == 'x' ? kHexEscapeDigits : kUnicodeEscapeDigits;
        return HexDigitsAt(s, i + 2, digits) ? 2 + digits : 0;
    }
    if (d == 'c')
        return i + 2 < s.size() ? 3 : 0;
    std::size_t length = 2;
    while (IsDigit(d) && i + length < s.size() && IsDigit(s[i + length]))
        ++length;
    return length;
}

// Behind the bracket expression that starts at s[i]; kFailed for anything
// unusual (a '[' inside, an ECMAScript class that may be empty). In the
// POSIX grammars a backslash inside brackets is a character of its own, so
// "[\]" is a whole bracket expression; in ECMAScript it starts an escape,
// which may take a ']' with it ("\]", "\c]").
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
        if (s[j] == ']')
            return j + 1;
        if (!ecma || s[j] != '\\') {
            ++j;
            continue;
        }
        const std::size_t length = EcmaEscapeLength(s, j);
        if (length == 0)
            return kFailed;
        j += length;
    }
    return kFailed;
}

// Behind the closing text of an interval that starts at s[i].
std::size_t SkipInterval(const std::string& s, std::size_t i, const char* close)
{
    const std::size_t at = s.find(close, i);
    return at == std::string::npos ? kFailed : at + std::strlen(close);
}

// The one character behind a backslash at s[i] that is no group or
// interval: in the run when the grammar makes it ordinary, else the run ends.
std::size_t QuotedStep(const std::string& s, std::size_t i, const char* quoted, Runs& runs)
{
    if (i + 1 >= s.size())
        return kFailed;
    if (IsOneOf(s[i + 1], quoted))
        runs.Add(s[i + 1]);
    else
        runs.End();
    return i + 2;
}

// An escape of a basic expression at s[i]: a group's bounds, an interval,
// or one character. "\|" is taken as the alternation it is elsewhere.
std::size_t BasicEscape(const std::string& s, std::size_t i, Runs& runs)
{
    const char d = i + 1 < s.size() ? s[i + 1] : '\0';
    switch (d) {
    case '(':
        runs.Open();
        return i + 2;
    case ')':
        return runs.Close() ? i + 2 : kFailed;
    case '{':
        runs.Quantified();
        return SkipInterval(s, i + 2, "\\}");
    case '|':
        return kFailed;
    default:
        return QuotedStep(s, i, kBasicQuoted, runs);
    }
}

// An ECMAScript escape at s[i]: an ordinary special character, or a
// character, class, assertion or back-reference that ends the run.
std::size_t EcmaEscape(const std::string& s, std::size_t i, Runs& runs)
{
    const std::size_t length = EcmaEscapeLength(s, i);
    if (length == 0)
        return kFailed;
    if (length == 2)
        return QuotedStep(s, i, kEcmaQuoted, runs);
    runs.End();
    return i + length;
}

// One step of a basic expression at s[i]; the index behind it.
std::size_t BasicStep(const std::string& s, std::size_t i, Runs& runs)
{
    const char c = s[i];
    if (c == '\\')
        return BasicEscape(s, i, runs);
    if (c == '[') {
        runs.End();
        return SkipBracket(s, i, false);
    }
    if (c == '*')
        runs.Quantified();
    else if (IsOneOf(c, kBasicSpecials))
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
        return ecma ? EcmaEscape(s, i, runs) : QuotedStep(s, i, kExtendedQuoted, runs);
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
    if (IsOneOf(c, ecma ? kEcmaSpecials : kExtendedSpecials))
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
        plain = plain && !IsOneOf(c, specials);
    out.plain = plain;
    out.text = plain ? source : MandatoryRun(source, flavor);
    return out;
}

} // namespace StandIn
} // namespace Kyvant
