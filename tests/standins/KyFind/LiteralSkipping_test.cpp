// The literals the finder takes from its patterns only ever save work:
// generated patterns of every flavour (escapes, brackets, alternations,
// anchors, repetitions, classes) over generated lines give the same result
// lines, byte for byte, with the literals as without them, plain and
// inverted, under random option letters.
#include "InProcessFind.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <iostream>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Kyvant::StandIn::LiteralUse;

const char kIde[] = "--kyvant_ide_output";
const std::uint32_t kSeed = 20240607;
const int kPatternsPerFlavor = 1500;
const int kLinesPerText = 8;
const int kMaxLineLength = 8;
const int kMaxSequenceItems = 5;
const int kMaxRawLength = 10;
const int kMaxBracketItems = 3;
const int kMaxGroupDepth = 2;
const std::size_t kMismatchesShown = 10;
// At least one case in this many must take literals, and find lines.
const int kLeastShare = 5;

// Characters the lines are made of: matches are likely. '\xC4' and '\xE4'
// are a letter's two cases in the single-byte code page.
const char kLineCharacters[] = "aAbBx014\t]\\| \xC4\xE4";
// Ordinary pattern characters, and those a pattern may hold at random.
const char kPatternLetters[] = "aAbBx014\xE4";
const char kRawPatternCharacters[] = "aAbx14\\[]()|*+?{}^$.-tcud0 #\xC4";

enum class Flavor { Literal, Basic, Extended, Perl };
const Flavor kFlavors[] = {Flavor::Literal, Flavor::Basic, Flavor::Extended, Flavor::Perl};

// Draws from a fixed-seed engine without the library's distributions, whose
// results the standard leaves open.
class Dice {
public:
    explicit Dice(std::uint32_t seed) : engine_(seed) {}
    int Below(int n) { return static_cast<int>(engine_() % static_cast<std::uint32_t>(n)); }
    bool OneIn(int n) { return Below(n) == 0; }
    char Of(const char* characters)
    {
        return characters[Below(static_cast<int>(std::char_traits<char>::length(characters)))];
    }

private:
    std::mt19937 engine_;
};

// Escapes each flavour knows, beside a backslash before any pattern character.
const char* const kPosixEscapes[] = {"\\.", "\\*", "\\[", "\\]", "\\\\", "\\^", "\\$", "\\x41",
                                     "\\1", "\\t", "\\|", "\\+", "\\?",  "\\}", "\\a"};
const char* const kPerlEscapes[] = {
    "\\x41",   "\\x61", "\\x42", "\\x09", "\\x5d", "\\x5c", "\\x7c", "\\x31", "\\u0041", "\\u0062",
    "\\u005D", "\\cA",  "\\c]",  "\\c\\", "\\c|",  "\\0",   "\\01",  "\\1",   "\\2",     "\\10",
    "\\d",     "\\D",   "\\s",   "\\S",   "\\w",   "\\W",   "\\b",   "\\B",   "\\t",     "\\r",
    "\\f",     "\\v",   "\\.",   "\\\\",  "\\]",   "\\[",   "\\|",   "\\(",   "\\)",     "\\{",
    "\\}",     "\\*",   "\\+",   "\\?",   "\\^",   "\\$",   "\\/",   "\\-"};

template <class T, std::size_t N>
const T& OneOf(Dice& dice, const T (&items)[N])
{
    return items[dice.Below(static_cast<int>(N))];
}

// The parts of a generated pattern, each as often as it is listed.
enum class AtomKind { Escape, Bracket, Group, Anchor, AnyCharacter, Letter };
const AtomKind kAtomKinds[] = {AtomKind::Escape, AtomKind::Escape, AtomKind::Bracket,
                               AtomKind::Group,  AtomKind::Anchor, AtomKind::AnyCharacter,
                               AtomKind::Letter, AtomKind::Letter, AtomKind::Letter,
                               AtomKind::Letter, AtomKind::Letter, AtomKind::Letter};
// Repetitions behind a part, none most often.
const char* const kRepeats[] = {"*", "?", "+", "{0}", "{1}", "{2}", "{0,1}", "{1,}", "*?", "",
                                "",  "",  "",  "",    "",    "",    "",      "",     "",   ""};

class PatternMaker {
public:
    PatternMaker(Dice& dice, Flavor flavor) : dice_(dice), flavor_(flavor) {}

    std::string Make()
    {
        if (flavor_ == Flavor::Literal || dice_.OneIn(4))
            return Raw();
        std::string out = Sequence(0);
        while (dice_.OneIn(4))
            out += Bar() + Sequence(0);
        return out;
    }

private:
    std::string Bar() const { return flavor_ == Flavor::Basic ? "\\|" : "|"; }

    // Pattern characters at random: most do not compile, the rest are odd.
    std::string Raw()
    {
        std::string out;
        for (int n = 1 + dice_.Below(kMaxRawLength); n > 0; --n)
            out += dice_.Of(kRawPatternCharacters);
        return out;
    }

    std::string Sequence(int depth)
    {
        std::string out;
        for (int n = 1 + dice_.Below(kMaxSequenceItems); n > 0; --n)
            out += Atom(depth) + Repeat();
        return out;
    }

    std::string Atom(int depth)
    {
        switch (OneOf(dice_, kAtomKinds)) {
        case AtomKind::Escape:
            return Escape();
        case AtomKind::Bracket:
            return Bracket();
        case AtomKind::Group:
            return depth < kMaxGroupDepth ? Group(depth) : "a";
        case AtomKind::Anchor:
            return dice_.OneIn(2) ? "^" : "$";
        case AtomKind::AnyCharacter:
            return ".";
        case AtomKind::Letter:
            break;
        }
        return std::string(1, dice_.Of(kPatternLetters));
    }

    std::string Escape()
    {
        if (dice_.OneIn(5))
            return std::string("\\") + dice_.Of(kRawPatternCharacters);
        return flavor_ == Flavor::Perl ? OneOf(dice_, kPerlEscapes) : OneOf(dice_, kPosixEscapes);
    }

    std::string Bracket()
    {
        static const char* const kInside[] = {"a", "A", "b", "1", "\\",  "]",        "|",
                                              "-", "^", "x", "[", "\\]", "[:digit:]"};
        static const char* const kPerlInside[] = {"\\x41", "\\u0062", "\\c]", "\\d", "\\]", "\\b"};
        std::string out = "[";
        if (dice_.OneIn(4))
            out += "^";
        for (int n = 1 + dice_.Below(kMaxBracketItems); n > 0; --n)
            out += flavor_ == Flavor::Perl && dice_.OneIn(3) ? OneOf(dice_, kPerlInside)
                                                             : OneOf(dice_, kInside);
        return out + "]";
    }

    std::string Group(int depth)
    {
        static const char* const kPerlOpens[] = {"(", "(", "(?:", "(?=", "(?!"};
        const std::string open = flavor_ == Flavor::Basic  ? "\\("
                                 : flavor_ == Flavor::Perl ? OneOf(dice_, kPerlOpens)
                                                           : "(";
        std::string out = open + Sequence(depth + 1);
        if (dice_.OneIn(2))
            out += Bar() + Sequence(depth + 1);
        return out + (flavor_ == Flavor::Basic ? "\\)" : ")");
    }

    // A repetition in the extended spelling, made basic or left out where
    // the flavour has no such thing.
    std::string Repeat()
    {
        const std::string repeat = OneOf(dice_, kRepeats);
        if (flavor_ == Flavor::Perl)
            return repeat;
        if (repeat == "*?")
            return "";
        if (flavor_ != Flavor::Basic || repeat.empty() || repeat == "*")
            return repeat;
        if (repeat == "?")
            return "\\{0,1\\}";
        if (repeat == "+")
            return "\\{1,\\}";
        return "\\" + repeat.substr(0, repeat.size() - 1) + "\\}";
    }

    Dice& dice_;
    Flavor flavor_;
};

std::string MakeText(Dice& dice)
{
    std::string text;
    const std::string end = dice.OneIn(4) ? "\r\n" : "\n";
    for (int i = 0; i < kLinesPerText; ++i) {
        for (int n = dice.Below(kMaxLineLength + 1); n > 0; --n)
            text += dice.Of(kLineCharacters);
        if (i + 1 < kLinesPerText || !dice.OneIn(3))
            text += end;
    }
    return text;
}

// Option letters at random, each family's own (inverting is added apart).
std::string DrawLetters(Dice& dice, Flavor flavor)
{
    std::string letters;
    letters += dice.OneIn(3) ? "i" : "";
    letters += dice.OneIn(4) ? "w" : "";
    if (flavor == Flavor::Perl) {
        letters += dice.OneIn(4) ? "I" : "";
        letters += dice.OneIn(5) ? "Z" : "";
        letters += dice.OneIn(5) ? "x" : "";
        letters += dice.OneIn(5) ? "s" : "";
        letters += dice.OneIn(5) ? "" : "L"; // mostly line by line: the literals' mode
        return letters;
    }
    letters += dice.OneIn(4) ? "aU" : "";
    letters += dice.OneIn(6) ? "C" : "";
    letters += dice.OneIn(6) ? "l" : "";
    return letters;
}

std::vector<std::string> WordsFor(Flavor flavor, const std::vector<std::string>& patterns,
                                  const std::string& letters)
{
    std::vector<std::string> words;
    if (flavor == Flavor::Perl) {
        words = {"-zperl", "-P"};
        for (const std::string& p : patterns)
            words.push_back("-p" + p);
        words.push_back("-nr" + letters + "Y");
        return words;
    }
    const char letter = flavor == Flavor::Literal ? 'F' : flavor == Flavor::Basic ? 'G' : 'E';
    words = {"-n" + letters + letter, kIde};
    for (const std::string& p : patterns)
        words.push_back("-e" + p);
    return words;
}

struct Tally {
    int cases = 0;        // a text searched for patterns that compiled, plain and inverted
    int patterns = 0;     // in those cases
    int lines = 0;        // in their texts
    int searches = 0;     // each with and without literals
    int withLiterals = 0; // cases whose searches took literals
    int found = 0;        // plain searches that listed a line
    std::vector<std::string> mismatches;
};

std::string Shown(const std::vector<std::string>& words, const std::string& text)
{
    std::string out;
    for (const std::string& w : words)
        out += "'" + w + "' ";
    return out + "over \"" + text + "\"";
}

// One search with and without literals; false when a pattern does not compile.
bool Compare(const std::vector<std::string>& words, const std::string& text, Tally& tally,
             bool& literalsTaken)
{
    const Kyvant::StandIn::FindOptions options = sitest::FindOptionsOf(words);
    std::string without;
    try {
        without = sitest::FindInText(options, text, LiteralUse::Ignored);
    } catch (const std::runtime_error&) {
        return false;
    }
    const Kyvant::StandIn::PatternSet patterns(options, LiteralUse::Taken);
    literalsTaken = literalsTaken || patterns.AllHaveLiterals();
    const std::string with =
        Kyvant::StandIn::ResultLinesOf(sitest::kSearchedName, text, options, patterns);
    ++tally.searches;
    if (!options.inverted && !without.empty())
        ++tally.found;
    if (with != without)
        tally.mismatches.push_back(Shown(words, text) + "\n  with literals: \"" + with +
                                   "\"\n  without: \"" + without + "\"");
    return true;
}

void CompareFlavor(Dice& dice, Flavor flavor, Tally& tally)
{
    PatternMaker maker(dice, flavor);
    for (int made = 0; made < kPatternsPerFlavor;) {
        std::vector<std::string> patterns = {maker.Make()};
        if (flavor != Flavor::Perl && dice.OneIn(8))
            patterns.push_back(maker.Make());
        const std::string text = MakeText(dice);
        const std::string letters = DrawLetters(dice, flavor);
        bool literalsTaken = false;
        if (!Compare(WordsFor(flavor, patterns, letters), text, tally, literalsTaken))
            continue;
        Compare(WordsFor(flavor, patterns, letters + "v"), text, tally, literalsTaken);
        ++made;
        ++tally.cases;
        tally.patterns += static_cast<int>(patterns.size());
        tally.lines += kLinesPerText;
        tally.withLiterals += literalsTaken ? 1 : 0;
    }
}

} // namespace

TEST(LiteralSkipping, GeneratedSearchesGiveTheSameLinesWithAndWithoutLiterals)
{
    Dice dice(kSeed);
    Tally tally;
    for (const Flavor flavor : kFlavors)
        CompareFlavor(dice, flavor, tally);
    std::cout << tally.cases << " cases: " << tally.patterns << " patterns over " << tally.lines
              << " lines, " << tally.searches << " searches with and without literals; literals "
              << "taken in " << tally.withLiterals << " cases; " << tally.found
              << " plain searches found lines\n";
    for (std::size_t i = 0; i < tally.mismatches.size() && i < kMismatchesShown; ++i)
        ADD_FAILURE() << tally.mismatches[i];
    EXPECT_EQ(tally.mismatches.size(), 0u);
    // The comparison means something only when literals are often taken and
    // searches often find lines.
    EXPECT_GT(tally.withLiterals, tally.cases / kLeastShare);
    EXPECT_GT(tally.found, tally.cases / kLeastShare);
}
