// The literals the finder takes from patterns: plain text is recognised in
// each grammar, and the run every match must contain leaves out whatever a
// quantifier, group, class, escape or alternation may change, an escape
// whole (a quoted special character is kept); and the Horspool search finds
// what a plain search finds, with case folded.
#include "KyFind/LiteralFinder.h"
#include "KyFind/PatternLiteral.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using namespace Kyvant::StandIn;

namespace {

struct Case {
    const char* what;
    PatternFlavor flavor;
    const char* source;
    bool plain;
    const char* literal;
};

} // namespace

TEST(PatternLiteral, EachGrammarGivesItsLiteral)
{
    const PatternFlavor B = PatternFlavor::Basic, E = PatternFlavor::Extended,
                        P = PatternFlavor::Perl;
    const Case cases[] = {
        {"plain basic", B, "buffer", true, "buffer"},
        {"basic: + ? | ( ) are ordinary", B, "a+b?c|d(e)", true, "a+b?c|d(e)"},
        {"basic star takes its character", B, "buf*er", false, "bu"},
        {"basic interval takes its character and its digits", B, "ab\\{2,3\\}cde", false, "cde"},
        {"basic group left out", B, "\\(cat\\)alogue", false, "alogue"},
        {"basic quoted special joins the run", B, "ab\\.cdef", false, "ab.cdef"},
        {"basic back-reference breaks the run", B, "\\(a\\)\\1bcd", false, "bcd"},
        {"basic: a backslash inside brackets is itself", B, "[\\]xyz", false, "xyz"},
        {"basic alternation escape gives nothing", B, "abc\\|def", false, ""},
        {"basic anchors break runs", B, "^abc$", false, "abc"},
        {"basic class left out", B, "b[aeiu]ffer", false, "ffer"},
        {"POSIX class inside a class gives nothing", B, "[[:alpha:]]uffer", false, ""},
        {"a ']' first in a class belongs to it", B, "[]ab]xyz", false, "xyz"},
        {"an unclosed class gives nothing", B, "ab[cd", false, ""},
        {"extended plus takes its character", E, "buf+er", false, "bu"},
        {"extended alternation outside groups gives nothing", E, "buffer|cat", false, ""},
        {"extended alternation inside a group", E, "(foo|bar)bazz", false, "bazz"},
        {"extended interval takes its character and its numbers", E, "buf{2,3}erzz", false, "erzz"},
        {"extended: ']' and '}' are taken as special", E, "ab]cd}ef", false, "ab"},
        {"extended unbalanced group gives nothing", E, "ab)cd", false, ""},
        {"extended quoted specials join the run", E, "a\\+b\\|c", false, "a+b|c"},
        {"extended: other escapes break the run", E, "ab\\1cde", false, "cde"},
        {"extended: the bar behind a bracket with a backslash is an alternation", E, "[\\]|x]abc",
         false, ""},
        {"perl escapes break runs", P, "\\bcat\\b", false, "cat"},
        {"perl lazy quantifier", P, "abc*?de", false, "ab"},
        {"perl quoted specials join the run", P, "a\\.b\\/c", false, "a.b/c"},
        {"perl class escapes break the run", P, "ab\\dcde", false, "cde"},
        {"perl hex escape left out with its digits", P, "\\x41BC", false, "BC"},
        {"perl unicode escape left out with its digits", P, "\\u0041bc", false, "bc"},
        {"perl control escape left out with its character", P, "\\c\\|ab", false, ""},
        {"perl back-reference left out with its digits", P, "(a)\\12bc", false, "bc"},
        {"perl NUL left out with the digits behind it", P, "abc\\0123de", false, "abc"},
        {"perl control escape in a class takes a bracket", P, "[\\c]ab]x", false, "x"},
        {"perl non-capturing group left out", P, "(?:cat)alog", false, "alog"},
        {"perl class with an escaped bracket", P, "[\\]]xy", false, "xy"},
        {"perl class that may be empty gives nothing", P, "[]ab]xyz", false, ""},
        {"perl plain", P, "buffer", true, "buffer"},
        {"a line end in the pattern gives nothing", P, "foo\nbar", false, ""},
        {"the longest run wins", E, "ab.cdefg.hi", false, "cdefg"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const PatternLiteral literal = LiteralOf(c.source, c.source, c.flavor);
        EXPECT_EQ(literal.plain, c.plain);
        EXPECT_EQ(literal.text, c.literal);
    }
}

TEST(PatternLiteral, FgrepPatternsAreTakenAsGiven)
{
    const PatternLiteral literal = LiteralOf("a.b*", "a\\.b\\*", PatternFlavor::Literal);
    EXPECT_TRUE(literal.plain);
    EXPECT_EQ(literal.text, "a.b*");
    EXPECT_FALSE(LiteralOf("", "", PatternFlavor::Literal).plain);
}

TEST(LiteralFinder, FindsTheFirstOccurrenceWithinTheRange)
{
    struct Find {
        const char* what;
        const char* literal;
        bool foldCase;
        std::string text;
        std::size_t from, end;
        std::size_t expected;
    };
    const std::size_t npos = LiteralFinder::npos;
    const Find cases[] = {
        {"at the start", "abc", false, "abcabc", 0, 6, 0},
        {"after from", "abc", false, "abcabc", 1, 6, 3},
        {"must end by end", "abc", false, "abcabc", 1, 5, npos},
        {"overlapping repeats", "aab", false, "aaaab", 0, 5, 2},
        {"one character", "x", false, "abcx", 0, 4, 3},
        {"case kept", "Abc", false, "abc ABC Abc", 0, 11, 8},
        {"case folded", "aBC", true, "xx ABC", 0, 6, 3},
        {"bytes above 0x7F and NUL", "\xE4\0z", false, std::string("a\xE4\0z", 4), 0, 4, 1},
        {"longer than the text", "abcdef", false, "abc", 0, 3, npos},
    };
    Kyvant::StandIn::FoldTable lower = IdentityFold();
    for (std::size_t c = 'A'; c <= 'Z'; ++c)
        lower[c] = static_cast<unsigned char>(c + 32);
    for (const Find& f : cases) {
        SCOPED_TRACE(f.what);
        const std::string literal =
            std::string(f.literal, f.literal[0] == '\xE4' ? 3 : std::strlen(f.literal));
        const LiteralFinder finder(literal, f.foldCase ? lower : IdentityFold());
        EXPECT_EQ(finder.Find(f.text.data(), f.from, f.end), f.expected);
    }
}
