// Every escape form of each flavour through the finder's search (literals
// taken, as the finder runs): the line is found when std::regex matches it,
// and listed by the inverted search when it does not.
#include "InProcessFind.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Kyvant::StandIn::LiteralUse;

const char kIde[] = "--kyvant_ide_output";
const char kPerl[] = "perl";

struct Row {
    const char* flavor;  // "F", "G", "E" or "perl"
    const char* letters; // further option letters
    const char* pattern;
    std::string line;
    bool matches;
};

std::vector<std::string> WordsOf(const Row& row, bool inverted)
{
    const std::string letters = std::string(row.letters) + (inverted ? "v" : "");
    if (std::string(row.flavor) == kPerl)
        return {"-zperl", "-P", std::string("-p") + row.pattern, "-nrL" + letters + "Y"};
    return {"-n" + letters + row.flavor, kIde, std::string("-e") + row.pattern};
}

std::string Shown(const std::vector<std::string>& words)
{
    std::string out;
    for (const std::string& word : words)
        out += word + " ";
    return out;
}

void ExpectRows(const std::vector<Row>& rows)
{
    for (const Row& row : rows) {
        for (const bool inverted : {false, true}) {
            const std::vector<std::string> words = WordsOf(row, inverted);
            SCOPED_TRACE(Shown(words) + "over \"" + row.line + "\"");
            const std::string out = sitest::FindInText(sitest::FindOptionsOf(words),
                                                       row.line + "\n", LiteralUse::Taken);
            EXPECT_EQ(!out.empty(), row.matches != inverted) << out;
        }
    }
}

} // namespace

TEST(PatternEscapes, FgrepTakesBackslashesAsText)
{
    ExpectRows({
        {"F", "", "\\x41", "A", false},
        {"F", "", "\\x41", "\\x41", true},
        {"F", "", "[\\]", "[\\]", true},
        {"F", "i", "\\T", "\\t", true},
        {"F", "aU", "a\\tb", "a\\tb\r", true},
    });
}

// A backslash before one of the grammar's special characters, or before
// any other ordinary character, is that character; before a digit it is a
// back-reference; "\(", "\)", "\{" and "\}" group and repeat. Inside
// brackets a backslash is itself.
TEST(PatternEscapes, BasicEscapesFindWhatTheyMatch)
{
    ExpectRows({
        {"G", "", "a\\.b", "a.b", true},         {"G", "", "a\\.b", "axb", false},
        {"G", "", "a\\*b", "a*b", true},         {"G", "", "a\\[b", "a[b", true},
        {"G", "", "a\\]b", "a]b", true},         {"G", "", "a\\\\b", "a\\b", true},
        {"G", "", "a\\^b\\$", "a^b$", true},     {"G", "", "\\(ab\\)c", "abc", true},
        {"G", "", "ab\\{2\\}c", "abbc", true},   {"G", "", "ab\\{2\\}c", "abc", false},
        {"G", "", "\\(a\\)\\1bc", "aabc", true}, {"G", "", "\\(a\\)\\1bc", "abc", false},
        {"G", "", "\\x41BC", "x41BC", true},     {"G", "", "\\x41BC", "ABC", false},
        {"G", "i", "\\x41bc", "X41BC", true},    {"G", "", "\\tfoo", "tfoo", true},
        {"G", "", "\\tfoo", "\tfoo", false},     {"G", "", "ab\\|cd", "ab|cd", true},
        {"G", "", "ab\\|cd", "ab", false},       {"G", "", "a\\+\\?\\}", "a+?}", true},
        {"G", "", "[\\]", "\\", true},           {"G", "", "[\\]]", "\\]", true},
        {"G", "", "[\\]]", "]", false},          {"G", "", "[\\]x]bc", "\\x]bc", true},
        {"G", "", "[\\]*x", "x", true},          {"G", "aU", "[\\]\\.", "\\.\r", true},
    });
}

// As basic, except that "(", ")", "{", "|", "+" and "?" are special
// unescaped and ordinary escaped, and a backslash before a digit is the
// digit.
TEST(PatternEscapes, ExtendedEscapesFindWhatTheyMatch)
{
    ExpectRows({
        {"E", "", "a\\.b", "a.b", true},
        {"E", "", "a\\.b", "axb", false},
        {"E", "", "a\\+b\\?", "a+b?", true},
        {"E", "", "a\\|b", "a|b", true},
        {"E", "", "a\\|b", "a", false},
        {"E", "", "\\(ab\\)", "(ab)", true},
        {"E", "", "a\\{2\\}", "a{2}", true},
        {"E", "", "\\x41BC", "x41BC", true},
        {"E", "", "\\x41BC", "ABC", false},
        {"E", "", "(a)\\1", "a1", true},
        {"E", "", "(a)\\1", "aa", false},
        {"E", "", "[\\]", "\\", true},
        {"E", "", "[\\]]x", "\\]x", true},
        {"E", "", "[\\]|x]abc", "\\", true},
        {"E", "", "[\\]|x]abc", "x]abc", true},
        {"E", "", "[\\]|x]abc", "abc", false},
        {"E", "w", "[\\]|cat", "\\", true},
        {"E", "i", "a|[\\]", "A", true},
        {"E", "aU", "(b|[\\])de", "\\de\r", true},
    });
}

// Hexadecimal and Unicode escapes stand for one character each; "\c" takes
// the character behind it; a digit starts a back-reference, "\0" is NUL;
// letters stand for classes, assertions or control characters; other
// characters for themselves.
TEST(PatternEscapes, PerlEscapesFindWhatTheyMatch)
{
    ExpectRows({
        {kPerl, "", "\\x41BC", "ABC", true},
        {kPerl, "", "\\x41BC", "41BC", false},
        {kPerl, "", "\\x41", "ABC", true},
        {kPerl, "", "A\\x42C", "ABC", true},
        {kPerl, "", "\\x09foo", "\tfoo", true},
        {kPerl, "", "\\u0041b", "Ab", true},
        {kPerl, "", "\\u0041b", "0041b", false},
        {kPerl, "", "[\\x41]BC", "ABC", true},
        {kPerl, "i", "\\x61bc", "ABC", true},
        {kPerl, "i", "\\u0041B", "ab", true},
        {kPerl, "w", "\\x41BC", "x ABC", true},
        {kPerl, "", "x\\cJy", "xJy", true},
        {kPerl, "", "\\c\\|ab", "\\", true},
        {kPerl, "I", "a\\0b", std::string("a\0b", 3), true},
        {kPerl, "", "a\\tb", "a\tb", true},
        {kPerl, "I", "b\\r", "ab\r", true},
        {kPerl, "", "a\\fb\\v", "a\fb\v", true},
        {kPerl, "", "(a)\\1bc", "aabc", true},
        {kPerl, "", "(a)\\1bc", "abc", false},
        {kPerl, "", "a\\d\\d", "a12", true},
        {kPerl, "", "a\\Db", "a-b", true},
        {kPerl, "", "a\\sb\\S", "a b!", true},
        {kPerl, "", "\\w\\W", "a-", true},
        {kPerl, "", "\\bcat\\b", "a cat", true},
        {kPerl, "", "\\bcat\\b", "bobcat", false},
        {kPerl, "", "\\Bcat", "bobcat", true},
        {kPerl, "", "a\\.b", "a.b", true},
        {kPerl, "", "a\\.b", "axb", false},
        {kPerl, "", "a\\/b\\-c", "a/b-c", true},
        {kPerl, "", "\\(a\\)\\[b\\]\\{c\\}", "(a)[b]{c}", true},
        {kPerl, "", "a\\|b", "a|b", true},
        {kPerl, "", "a\\|b", "a", false},
        {kPerl, "", "a\\*\\+\\?", "a*+?", true},
        {kPerl, "", "\\^a\\$\\\\", "^a$\\", true},
        {kPerl, "", "[\\]]x", "]x", true},
        {kPerl, "", "[\\c]ab]x", "ax", true},
    });
}
