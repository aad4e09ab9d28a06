// Tests of the rich edit control's backward search against a plain reverse search
// of the same text: 100,000 characters in lines longer than the reading block.
#include "RichEdit/RichEditTest.h"

#include <cctype>
#include <cstring>
#include <stdexcept>

namespace {

const long kTextLength = 100000;
const long kBlock = 32768;
const long kCrossing = kTextLength - kBlock - 4; // "Crossing" spans the first block's start

// Words, some containing others, in lines of 50,000 characters; "Crossing" once.
std::string LongLinesText()
{
    static const char* const kWords[] = {"alpha", "Alpha",   "alphabet", "beta", "ALPHA",
                                         "gamma", "betamax", "xalpha",   "Beta"};
    std::string text;
    unsigned seed = 12345;
    while (static_cast<long>(text.size()) < kTextLength) {
        seed = seed * 1103515245u + 12345u;
        text += kWords[(seed >> 16) % 9];
        text += (seed >> 8) % 7 == 0 ? ", " : " ";
    }
    text.resize(kTextLength);
    text[kTextLength / 2] = '\n';
    text.replace(static_cast<size_t>(kCrossing) - 1, 10, " Crossing ");
    return text;
}

bool IsWordChar(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) != 0;
}

std::string Lower(std::string s)
{
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// The last match starting and ending inside [from, to), or -1.
long NaiveReverse(const std::string& text, const std::string& needle, long from, long to,
                  DWORD flags)
{
    const bool matchCase = (flags & FR_MATCHCASE) != 0;
    const std::string hay = matchCase ? text : Lower(text);
    const std::string want = matchCase ? needle : Lower(needle);
    const long n = static_cast<long>(want.size());
    for (long i = to - n; i >= from; --i) {
        if (hay.compare(static_cast<size_t>(i), static_cast<size_t>(n), want) != 0)
            continue;
        if ((flags & FR_WHOLEWORD) == 0 ||
            ((i == 0 || !IsWordChar(text[i - 1])) &&
             (i + n == static_cast<long>(text.size()) || !IsWordChar(text[i + n]))))
            return i;
    }
    return -1;
}

long Find(const KyRichEditCtrl& edit, const char* needle, long from, long to, DWORD flags,
          CHARRANGE* text = nullptr)
{
    FINDTEXTEXA find = {};
    find.chrg.cpMin = from;
    find.chrg.cpMax = to;
    find.lpstrText = needle;
    find.chrgText.cpMin = find.chrgText.cpMax = -7;
    const long at = edit.FindReverse(flags, &find);
    if (text != nullptr)
        *text = find.chrgText;
    return at;
}

class FindReverseTest : public RichEditTest {
protected:
    void SetUp() override
    {
        RichEditTest::SetUp();
        m_text = LongLinesText();
        Load(m_text);
        ASSERT_EQ(m_edit.GetTextLength(), kTextLength);
    }
    std::string m_text;
};

TEST_F(FindReverseTest, AgreesWithAPlainReverseSearch)
{
    const char* const needles[] = {"alpha",    "Alpha",    "ALPHA",   "beta",
                                   "Crossing", "crossing", "gamma, ", "zeta"};
    const DWORD flagSets[] = {0, FR_MATCHCASE, FR_WHOLEWORD, FR_MATCHCASE | FR_WHOLEWORD};
    struct Range {
        long from;
        long to;
    };
    const Range ranges[] = {{0, kTextLength},
                            {0, kCrossing + 5},           // ends inside "Crossing"
                            {kCrossing + 1, kTextLength}, // starts inside it
                            {10, kTextLength / 2 + 10},   // across the line feed
                            {kTextLength - kBlock - 100, kTextLength - kBlock + 100}};
    for (const char* needle : needles) {
        for (DWORD flags : flagSets) {
            for (const Range& r : ranges) {
                CHARRANGE found = {};
                const long expected = NaiveReverse(m_text, needle, r.from, r.to, flags);
                const long at = Find(m_edit, needle, r.from, r.to, flags, &found);
                EXPECT_EQ(at, expected)
                    << needle << " flags " << flags << " in " << r.from << "-" << r.to;
                if (at >= 0) {
                    EXPECT_EQ(found.cpMin, at);
                    EXPECT_EQ(found.cpMax, at + static_cast<long>(std::strlen(needle)));
                }
            }
        }
    }
}

TEST_F(FindReverseTest, FindsTheMatchAcrossTheFirstBlocksStart)
{
    EXPECT_EQ(Find(m_edit, "Crossing", 0, -1, FR_MATCHCASE | FR_WHOLEWORD), kCrossing);
    EXPECT_EQ(Find(m_edit, "rossi", kTextLength, 0, 0), kCrossing + 1); // reversed ends are ordered
}

TEST_F(FindReverseTest, AMatchOverTheLineFeedBeforeABlockIsFound)
{
    // The first block read begins just after the line feed in the middle.
    const long feed = kTextLength / 2;
    const std::string needle = m_text.substr(static_cast<size_t>(feed - 5), 10);
    EXPECT_EQ(Find(m_edit, needle.c_str(), 0, -1, FR_MATCHCASE), feed - 5);
    EXPECT_EQ(Find(m_edit, needle.c_str(), 0, feed + 4, FR_MATCHCASE), -1); // one short
}

TEST_F(FindReverseTest, AnEmptyOrInvalidRangeOrNeedleFindsNothing)
{
    CHARRANGE found = {};
    EXPECT_EQ(Find(m_edit, "alpha", 500, 500, 0, &found), -1);
    EXPECT_EQ(found.cpMin, -7); // untouched
    EXPECT_EQ(Find(m_edit, "alpha", -1, 500, 0), -1);
    EXPECT_EQ(Find(m_edit, "", 0, -1, 0), -1);
    FINDTEXTEXA none = {};
    EXPECT_THROW(m_edit.FindReverse(0, &none), std::invalid_argument);
    EXPECT_THROW(m_edit.FindReverse(0, nullptr), std::invalid_argument);
}

TEST_F(RichEditTest, AWholeWordGivesWayToNoLaterPartOfALongerWord)
{
    Load("alpha beta alphabet xalpha\nalphas");
    EXPECT_EQ(Find(m_edit, "alpha", 0, -1, FR_WHOLEWORD), 0);
    EXPECT_EQ(Find(m_edit, "alpha", 0, -1, 0), 27);
    EXPECT_EQ(Find(m_edit, "beta", 0, -1, FR_WHOLEWORD | FR_MATCHCASE), 6);
    EXPECT_EQ(Find(m_edit, "Beta", 0, -1, FR_WHOLEWORD | FR_MATCHCASE), -1);
}

} // namespace
