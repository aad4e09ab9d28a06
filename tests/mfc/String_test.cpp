// CString edge cases: bounds of Mid/Left/Right, searches, replacing, formatting long texts and buffers.
#include <afx.h>
#include <afxres.h>

#include <gtest/gtest.h>

#include <string>

namespace {

std::string S(const CString& s) { return std::string(s); }

TEST(CStringParts, OutOfRangeCountsAreClamped)
{
    CString s("abcdef");
    struct Case { CString got; const char* expected; };
    const Case cases[] = {
        { s.Mid(2), "cdef" }, { s.Mid(2, 2), "cd" }, { s.Mid(4, 10), "ef" }, { s.Mid(6), "" },
        { s.Mid(10, 2), "" }, { s.Mid(-3, 2), "ab" }, { s.Left(0), "" }, { s.Left(99), "abcdef" },
        { s.Right(2), "ef" }, { s.Right(99), "abcdef" }, { s.Right(0), "" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, S(c.got));
}

TEST(CStringSearch, FindsAndMisses)
{
    CString s("one two one");
    EXPECT_EQ(0, s.Find("one"));
    EXPECT_EQ(8, s.Find("one", 1));
    EXPECT_EQ(-1, s.Find("three"));
    EXPECT_EQ(-1, s.Find(""));
    EXPECT_EQ(-1, s.Find('o', 99));
    EXPECT_EQ(10, s.ReverseFind('e'));
    EXPECT_EQ(1, s.FindOneOf("xn"));
    EXPECT_EQ(2, s.Replace("one", "1"));
    EXPECT_EQ("1 two 1", S(s));
    EXPECT_EQ(0, s.Replace("", "x"));
}

TEST(CStringFormat, LongResultsAreKeptWhole)
{
    std::string longText(1000, 'x');
    CString s;
    s.Format("[%s] %d", longText.c_str(), 42);
    EXPECT_EQ("[" + longText + "] 42", S(s));
}

TEST(CStringBuffer, ReleaseBufferTakesTheTextUpToItsEnd)
{
    CString s("abc");
    char* p = s.GetBuffer(10);
    p[3] = 'd';
    p[4] = '\0';
    s.ReleaseBuffer();
    EXPECT_EQ("abcd", S(s));
    s.GetBufferSetLength(2);
    s.ReleaseBuffer(2);
    EXPECT_EQ("ab", S(s));
}

TEST(CStringCompare, CaseAndOrder)
{
    CString s("Alpha");
    EXPECT_EQ(0, s.CompareNoCase("ALPHA"));
    EXPECT_NE(0, s.Compare("ALPHA"));
    EXPECT_TRUE(s == "Alpha");
    EXPECT_TRUE(CString("a") < CString("b"));
    s.MakeUpper();
    EXPECT_EQ("ALPHA", S(s));
    CString padded("  x  ");
    padded.TrimLeft();
    padded.TrimRight();
    EXPECT_EQ("x", S(padded));
}

TEST(CStringFormatStrings, PercentArgumentsAreReplaced)
{
    LPCSTR args[] = { "one", "two" };
    CString s;
    AfxFormatStrings(s, "%2 then %1, %3 and 100%", args, 2);
    EXPECT_EQ("two then one,  and 100%", S(s));
    CString fromId(MAKEINTRESOURCEA(AFX_IDP_PARSE_INT_RANGE));
    EXPECT_EQ("Enter a whole number from %1 to %2.", S(fromId));
}

}  // namespace
