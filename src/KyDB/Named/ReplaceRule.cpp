// Replace rules: stored text and argument words.
#include "KyDB/Named/ReplaceRule.h"

#include "KyDB/Named/StoredFields.h"

#include <stdexcept>

namespace Kyvant {

namespace {

const char kFieldSep = '\x01';
const char kRuleEnd = '\x02';

bool FlagOf(const ky_S& piece)
{
    return piece.GetLong() != 0;
}

} // namespace

ReplaceRule::ReplaceRule()
    : m_enabled(true), m_ignoreCase(false), m_wholeWords(false), m_dotMatchesNL(false),
      m_regEx(false), m_legibleRegEx(false), m_confirm(true), m_evalReplacement(false),
      m_doubleQuoteSearch(false)
{
}

ReplaceRule::ReplaceRule(bool enabled, const ky_S& find, const ky_S& replace, bool i, bool w,
                         bool s, bool r, bool x, bool confirm, bool e, bool d)
    : m_find(find), m_replace(replace), m_enabled(enabled), m_ignoreCase(i), m_wholeWords(w),
      m_dotMatchesNL(s), m_regEx(r), m_legibleRegEx(x), m_confirm(confirm), m_evalReplacement(e),
      m_doubleQuoteSearch(d)
{
}

ReplaceRule::ReplaceRule(const ky_S& stored) : ReplaceRule()
{
    std::vector<ky_S> f = SplitStoredFields(stored, kFieldSep);
    if (f.size() < 9)
        throw std::runtime_error("Damaged Replace Rule.");
    m_find = f[0];
    m_replace = f[1];
    m_enabled = FlagOf(f[2]);
    m_ignoreCase = FlagOf(f[3]);
    m_wholeWords = FlagOf(f[4]);
    m_dotMatchesNL = FlagOf(f[5]);
    m_regEx = FlagOf(f[6]);
    m_legibleRegEx = FlagOf(f[7]);
    m_confirm = FlagOf(f[8]);
    m_evalReplacement = f.size() > 9 && FlagOf(f[9]);
    m_doubleQuoteSearch = f.size() > 10 && FlagOf(f[10]);
}

void ReplaceRule::StoreContents(ky_BSB<char>& out) const
{
    out += m_find;
    out += kFieldSep;
    out += m_replace;
    for (bool flag : {m_enabled, m_ignoreCase, m_wholeWords, m_dotMatchesNL, m_regEx,
                      m_legibleRegEx, m_confirm, m_evalReplacement, m_doubleQuoteSearch}) {
        out += kFieldSep;
        out += flag ? '1' : '0';
    }
}

void ReplaceRule::StoreAsCmdArgs(const output_sequencer<ky_BSB<char>>& out) const
{
    if (!m_enabled) {
        out.append(ky_BSB<char>("-0"));
        return;
    }
    out.append(ky_BSB<char>("-p") += m_find);
    if (!m_replace.empty())
        out.append(ky_BSB<char>("-q") += m_replace);
    ky_BSB<char> options("-");
    const struct {
        bool on;
        char letter;
    } letters[] = {{m_ignoreCase, 'i'},      {m_wholeWords, 'w'},       {m_dotMatchesNL, 's'},
                   {m_regEx, 'r'},           {m_legibleRegEx, 'x'},     {!m_confirm, 'n'},
                   {m_evalReplacement, 'e'}, {m_doubleQuoteSearch, 'd'}};
    for (const auto& l : letters)
        if (l.on)
            options += l.letter;
    if (options.length() > 1)
        out.append(options);
}

bool ReplaceRule::operator==(const ReplaceRule& o) const
{
    return m_find == o.m_find && m_replace == o.m_replace && m_enabled == o.m_enabled &&
           m_ignoreCase == o.m_ignoreCase && m_wholeWords == o.m_wholeWords &&
           m_dotMatchesNL == o.m_dotMatchesNL && m_regEx == o.m_regEx &&
           m_legibleRegEx == o.m_legibleRegEx && m_confirm == o.m_confirm &&
           m_evalReplacement == o.m_evalReplacement && m_doubleQuoteSearch == o.m_doubleQuoteSearch;
}

ReplaceRuleVector::ReplaceRuleVector(const ky_S& stored)
{
    for (const ky_S& piece : SplitStoredFields(stored, kRuleEnd))
        push_back(ReplaceRule(piece));
}

void ReplaceRuleVector::StoreContents(ky_BSB<char>& out) const
{
    for (const ReplaceRule& rule : *this) {
        rule.StoreContents(out);
        out += kRuleEnd;
    }
}

void ReplaceRuleVector::StoreAsCmdArgs(const output_sequencer<ky_BSB<char>>& out) const
{
    for (const ReplaceRule& rule : *this)
        rule.StoreAsCmdArgs(out);
}

} // namespace Kyvant
