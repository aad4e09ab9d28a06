// Tests of the pattern texts of the Find pages: Fgrep alternatives split,
// refused and joined again, the editor's lines of each kind of pattern, and
// the kinds looked up by page GUID.
#include "KyTools/Find/FgrepPattern.h"

#include "KyTools/Find/FindResource.h"
#include "KyTools/Find/KyFindGFlavor.h"
#include "KyTools/Find/KyFindGTabCtrl.h"
#include "KyTools/Find/PatternEditing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Kyvant::ky_S;
using Lines = std::vector<std::string>;

Lines Split(const char* pattern, unsigned& refusal)
{
    std::vector<ky_S> pieces;
    refusal = Kyvant::FgrepPattern::Split(ky_S(pattern), pieces);
    Lines lines;
    for (const ky_S& piece : pieces)
        lines.push_back(piece.c_str());
    return lines;
}

TEST(FgrepPattern, AlternativesAndRefusals)
{
    const struct {
        const char* pattern;
        unsigned refusal;
        Lines alternatives;
    } cases[] = {
        {"", 0, {}},
        {"a", 0, {"a"}},
        {"a|b\\|c", 0, {"a", "b|c"}},
        {"\\\\|x\\y", 0, {"\\", "xy"}},
        {"a\\|", 0, {"a|"}},
        {"with blank| and more", 0, {"with blank", " and more"}},
        {"a|", IDS_KY_FIND_TRAILING_BAR, {}},
        {"|", IDS_KY_FIND_TRAILING_BAR, {}},
        {"a||", IDS_KY_FIND_TRAILING_BAR, {}},
        {"|a", IDS_KY_FIND_ADJACENT_BARS, {}},
        {"a||b", IDS_KY_FIND_ADJACENT_BARS, {}},
        {"a\\", IDS_KY_FIND_TRAILING_BACKSLASH, {}},
        {"\\", IDS_KY_FIND_TRAILING_BACKSLASH, {}},
        {"a|b\\", IDS_KY_FIND_TRAILING_BACKSLASH, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pattern);
        unsigned refusal = 1;
        EXPECT_EQ(c.alternatives, Split(c.pattern, refusal));
        EXPECT_EQ(c.refusal, refusal);
    }
}

TEST(FgrepPattern, ConvertJoinsBySeparatorAndLeavesTheTargetOnRefusal)
{
    ky_S out("untouched");
    EXPECT_EQ(0u, Kyvant::FgrepPattern::Convert(ky_S("a|b\\|c"), "\r\n", out));
    EXPECT_STREQ("a\r\nb|c", out.c_str());
    EXPECT_EQ(0u, Kyvant::FgrepPattern::Convert(ky_S(""), "\n", out));
    EXPECT_STREQ("", out.c_str());
    out = "untouched";
    EXPECT_EQ(unsigned(IDS_KY_FIND_ADJACENT_BARS),
              Kyvant::FgrepPattern::Convert(ky_S("x||y"), "\n", out));
    EXPECT_STREQ("untouched", out.c_str());
}

TEST(FgrepPattern, JoinEscapesAndSplitGivesTheAlternativesBack)
{
    const struct {
        Lines alternatives;
        const char* pattern;
    } cases[] = {
        {{"a", "b|c"}, "a|b\\|c"},
        {{"c:\\dir\\", "x"}, "c:\\\\dir\\\\|x"},
        {{"", "a", "", "b", ""}, "a|b"},
        {{}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pattern);
        std::vector<ky_S> lines;
        Lines kept;
        for (const std::string& line : c.alternatives) {
            lines.push_back(ky_S(line.c_str()));
            if (!line.empty())
                kept.push_back(line);
        }
        const ky_S pattern = Kyvant::FgrepPattern::Join(lines);
        EXPECT_STREQ(c.pattern, pattern.c_str());
        unsigned refusal = 1;
        EXPECT_EQ(kept, Split(pattern.c_str(), refusal));
        EXPECT_EQ(0u, refusal);
    }
}

TEST(PatternEditing, EachKindsEditorLines)
{
    using namespace Kyvant::PatternEditing;
    EXPECT_STREQ("a\r\nb\r\n", ToEditorText(ky_S("a\nb\n")).c_str());
    // The grep family joins non-empty lines without a separator.
    EXPECT_STREQ("abc", JoinLines(ky_S("a\r\n\r\nb\r\nc\r\n")).c_str());
    // Perl keeps its lines as line feeds.
    EXPECT_STREQ("one\ntwo\n", KeepLines(ky_S("one\r\ntwo\r\n")).c_str());
    // Fgrep takes one alternative per line.
    EXPECT_STREQ("a|b\\|c", AlternativesFromLines(ky_S("a\r\nb|c\r\n")).c_str());
}

TEST(FindFlavors, LettersByPageGuid)
{
    // Its pages enter their kinds.
    const KyFindGTabCtrl tabs{Kyvant::rc_ptr<Kyvant::AppBridge>(), Kyvant::RegKey()};
    const struct {
        const char* guid;
        char letter;
    } cases[] = {
        {"{3EA3A11A-BA15-11d2-B005-00E0291D2688}", 'F'},
        {"{3b87ddec-4bb2-11d2-af1d-00e0291d2688}", 'G'},
        {"{3B87DDED-4BB2-11D2-AF1D-00E0291D2688}", 'E'},
        {"{3B87DDEE-4BB2-11d2-AF1D-00E0291D2688}", 'F'},
        {"{3B87DDEF-4BB2-11d2-AF1D-00E0291D2688}", 'F'},
        {"{00000000-0000-0000-0000-000000000000}", 'F'},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.guid);
        EXPECT_EQ(c.letter, Kyvant::FindFlavors::OptionLetter(Kyvant::ky_I(c.guid)));
    }
    KyFindGFlavor flavor = KyFindGFlavor::PlainText;
    ASSERT_TRUE(Kyvant::FindFlavors::Lookup(Kyvant::ky_I(cases[4].guid), flavor));
    EXPECT_EQ(KyFindGFlavor::Perl, flavor);
    EXPECT_FALSE(Kyvant::FindFlavors::Lookup(Kyvant::ky_I(cases[5].guid), flavor));
}

} // namespace
