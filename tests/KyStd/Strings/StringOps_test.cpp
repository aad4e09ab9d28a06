// Tests of string operations: splits, substitution, edits, line readers and the environment.
#include "KyStd/Strings/String.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

using namespace Kyvant;

namespace {

using Pieces = std::vector<std::string>;
using Items = std::vector<ky_BSB<char>>;

std::string Str(const ky_BSB<char>& s)
{
    return std::string(s.data(), s.length());
}

template <class S>
Pieces Split(const S& text, const char* seps, bool keepEmpty, bool dropTrailing, unsigned max,
             bool isString, unsigned sepsLen = ky_S::npos)
{
    Items out{ky_BSB<char>("stale")};
    back_insert_sequencer<Items> sink(out);
    unsigned n = text.Split(sink, seps, keepEmpty, dropTrailing, max, isString, sepsLen);
    EXPECT_EQ(n, out.size());
    Pieces p;
    for (auto& s : out)
        p.push_back(Str(s));
    return p;
}

// A scratch file with the given bytes, removed on destruction.
struct TempFile {
    explicit TempFile(const std::string& bytes)
    {
        char dir[MAX_PATH];
        GetTempPathA(MAX_PATH, dir);
        GetTempFileNameA(dir, "kst", 0, path);
        FILE* f = std::fopen(path, "wb");
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
    ~TempFile() { DeleteFileA(path); }
    char path[MAX_PATH];
};

} // namespace

TEST(StringSplit, PiecesOfEveryMode)
{
    const unsigned all = ky_S::npos;
    struct Case {
        const char* text;
        const char* seps;
        bool keepEmpty, dropTrailing;
        unsigned max;
        bool isString;
        Pieces expected;
    } cases[] = {
        {"a;b;;c", ";", false, false, all, false, {"a", "b", "c"}},
        {"a;b;;c", ";", true, false, all, false, {"a", "b", "", "c"}},
        {"a;b;;c", ";", false, false, 2, false, {"a", "b;;c"}},
        {";;a; ;b;", "; ", false, false, all, false, {"a", "b"}},
        {"a,b,", ",", true, false, all, false, {"a", "b"}},
        {",a", ",", true, false, all, false, {"", "a"}},
        {"a,,b", ",", true, false, all, false, {"a", "", "b"}},
        {"a,,", ",", true, false, all, false, {"a", ""}},
        {"a,,", ",", true, true, all, false, {"a"}},
        {"a,,b", ",", true, false, 2, false, {"a", ",b"}},
        {"a,b,c", ",", true, false, 2, false, {"a", "b,c"}},
        {"x,y,z", ",", true, false, 3, false, {"x", "y", "z"}},
        {"a\r\nb\r\n\r\nc\r\n", "\r\n", false, false, all, true, {"a", "b", "c"}},
        {"a\r\n\r\nb", "\r\n", true, false, all, true, {"a", "", "b"}},
        {"a<>b<>c", "<>", false, false, 2, true, {"a", "b<>c"}},
        {"one\x01two", "\x01", false, false, all, false, {"one", "two"}},
        {"x", ",", false, false, 1, false, {"x"}},
        {"a,b", ",", false, false, 0, false, {"a,b"}},
        {"", ",", true, false, all, false, {}},
        {",,,", ",", false, false, all, false, {}},
    };
    for (auto& c : cases)
        EXPECT_EQ(Split(ky_S(c.text), c.seps, c.keepEmpty, c.dropTrailing, c.max, c.isString),
                  c.expected)
            << "'" << c.text << "' keepEmpty " << c.keepEmpty << " max " << c.max;

    EXPECT_EQ(Split(ky_S("abcd"), "", false, false, 3, false, 0), (Pieces{"a", "b", "cd"}));
    EXPECT_EQ(Split(ky_I("xAByabz"), "ab", false, false, all, true), (Pieces{"x", "y", "z"}));
    EXPECT_EQ(Split(ky_I("aXbxc"), "x", false, false, all, false), (Pieces{"a", "b", "c"}));
    EXPECT_EQ(Split(ky_S("aXbxc"), "x", false, false, all, false), (Pieces{"aXb", "c"}));
}

TEST(StringSubstitute, GrowsShrinksAndMatchesLeftToRight)
{
    struct Case {
        const char* text;
        const char* from;
        const char* to;
        bool strip;
        const char* expected;
    } cases[] = {
        {"aaa", "a", "bb", false, "bbbbbb"},     {"x//", "/", "\\", true, "x"},
        {"x//y//", "/", "\\", true, "x\\\\y"},   {"a--b--c", "--", "-", false, "a-b-c"},
        {"abcabc", "bc", "XY", false, "aXYaXY"}, {"a.b.c", ".", "/", false, "a/b/c"},
        {"hello", "ll", "LLL", false, "heLLLo"}, {"aaaa", "aa", "b", false, "bb"},
        {"aaa", "aa", "b", false, "ba"},         {"abc", "abcd", "x", false, "abc"},
        {"abc", "", "x", false, "abc"},          {"a-b", "-", "", false, "ab"},
    };
    for (auto& c : cases) {
        ky_S s(c.text);
        s.Substitute(c.from, c.to, c.strip);
        EXPECT_EQ(Str(s), c.expected) << c.text << " " << c.from << " -> " << c.to;
    }

    ky_I path("Path\\PATH\\path");
    path.Substitute("path", "X");
    EXPECT_EQ(Str(path), "X\\X\\X");

    // Far more matches than the remembered positions, growing and shrinking.
    for (const char* to : {"<long>", "", "#"}) {
        std::string plain;
        for (int i = 0; i < 1500; ++i)
            plain += i % 7 ? "ab" : "b";
        ky_S s(plain.c_str());
        ky_S shared(s);
        s.Substitute("b", to);
        std::string expected;
        for (char ch : plain)
            expected += ch == 'b' ? std::string(to) : std::string(1, ch);
        EXPECT_EQ(Str(s), expected) << to;
        EXPECT_EQ(Str(shared), plain);
    }

    // No match leaves a shared buffer shared.
    ky_S a("abc");
    ky_S b(a);
    b.Substitute("x", "yy");
    EXPECT_EQ(a.c_str(), b.c_str());

    // from and to taken from the string itself.
    ky_S self("a-b-c");
    self.Substitute(self.c_str() + 1, self.c_str() + 2, false, 1, 2);
    EXPECT_EQ(Str(self), "ab-bb-c");
}

TEST(StringEdits, RangesTrimsAndJoin)
{
    struct Case {
        const char* text;
        std::function<void(ky_S&)> edit;
        const char* expected;
    } cases[] = {
        {"abcdef", [](ky_S& s) { s.Reverse(1, 3); }, "adcbef"},
        {"abcdef", [](ky_S& s) { s.Reverse(5); }, "abcdef"},
        {"abcdef", [](ky_S& s) { s.Reverse(); }, "fedcba"},
        {"abcd", [](ky_S& s) { s.ToUpper(2); }, "abCD"},
        {"ABCD", [](ky_S& s) { s.ToLower(0, 2); }, "abCD"},
        {" \t a b \r\n", [](ky_S& s) { s.EraseFrontSpaces(); }, "a b \r\n"},
        {" \t a b \r\n", [](ky_S& s) { s.EraseBackSpaces(); }, " \t a b"},
        {" \t a b \r\n", [](ky_S& s) { s.EraseEdgeSpaces(); }, "a b"},
        {"   ", [](ky_S& s) { s.EraseEdgeSpaces(); }, ""},
        {"ab", [](ky_S& s) { EXPECT_EQ(s.chop(), 'b'); }, "a"},
    };
    for (auto& c : cases) {
        ky_S s(c.text);
        c.edit(s);
        EXPECT_EQ(Str(s), c.expected) << c.text;
    }
    ky_S s("abc");
    EXPECT_THROW(s.Reverse(4), std::out_of_range);
    EXPECT_THROW(s.ToUpper(4, 1), std::out_of_range);

    Items items{ky_BSB<char>("a"), ky_BSB<char>(""), ky_BSB<char>("c")};
    ky_S joined("old");
    joined.Join(forward_input_sequencer<Items>(items), ", ");
    EXPECT_EQ(Str(joined), "a, , c");
    joined.Join(forward_input_sequencer<Items>(items), "\x01", true);
    EXPECT_EQ(Str(joined), "a\x01\x01"
                           "c\x01");
    Items none;
    joined.Join(forward_input_sequencer<Items>(none), ";", true);
    EXPECT_EQ(Str(joined), "");
}

TEST(StringLines, FileAndBufferReaders)
{
    std::string longLine(5000, 'x');
    TempFile file("short\n" + longLine + "\r\n\nlast");
    FILE* f = std::fopen(file.path, "rb");
    ASSERT_NE(f, nullptr);
    ky_S line("previous");
    std::vector<std::string> lines;
    while (line.getline(f))
        lines.push_back(Str(line));
    std::fclose(f);
    EXPECT_EQ(lines, (std::vector<std::string>{"short", longLine + "\r", "", "last"}));
    EXPECT_TRUE(line.empty());

    // A read error is an error, not the end of the file.
    FILE* broken = std::fopen(file.path, "rb");
    ASSERT_NE(broken, nullptr);
    _close(_fileno(broken));
    EXPECT_THROW(line.getline(broken), rtl_error);
    std::fclose(broken);

    const char buf[] = "ab\ncd\n\nx";
    unsigned pos = 0;
    lines.clear();
    while (line.getline(buf, sizeof buf - 1, pos))
        lines.push_back(Str(line));
    EXPECT_EQ(lines, (std::vector<std::string>{"ab", "cd", "", "x"}));
    EXPECT_EQ(pos, sizeof buf - 1);
    pos = 100; // past the end: at end, nothing read
    EXPECT_FALSE(line.getline(buf, sizeof buf - 1, pos));
}

TEST(StringEnvironment, RoundTripRemovalAndExpansion)
{
    const char* name = "KYTEST_STRING_ENV";
    ky_S("hello").PutEnv(name, ky_S::npos, true);
    EXPECT_EQ(Str(ky_S().GetEnv(name, nullptr)), "hello");
    char value[32] = {};
    EXPECT_EQ(GetEnvironmentVariableA(name, value, sizeof value), 5u);

    ky_S().PutEnv(name, ky_S::npos, true);
    EXPECT_EQ(std::getenv(name), nullptr);
    EXPECT_EQ(GetEnvironmentVariableA(name, value, sizeof value), 0u);
    EXPECT_EQ(Str(ky_S().GetEnv(name, "fallback")), "fallback");
    try {
        ky_S().GetEnv(name, nullptr);
        ADD_FAILURE() << "no exception";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "GetEnv failed.");
    }
    ky_S("cut").PutEnv("KYTEST_CUTxxxx", 10);
    EXPECT_STREQ(std::getenv("KYTEST_CUT"), "cut");
    try {
        ky_S("v").PutEnv("", 0);
        ADD_FAILURE() << "no exception";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "PutEnv failed.");
    }

    std::string big(300, 'q');
    ky_S(big.c_str()).PutEnv("KYTEST_BIG", ky_S::npos, true);
    ky_S text("<%KYTEST_BIG%>%KYTEST_UNSET_NAME%");
    text.ExpandEnvironmentStringsA();
    EXPECT_EQ(Str(text), "<" + big + ">%KYTEST_UNSET_NAME%");
    ky_S().PutEnv("KYTEST_BIG", ky_S::npos, true);
}

TEST(StringConvert, PrecisionIsClamped)
{
    ky_S s;
    EXPECT_EQ(Str(s.Convert(0.5, 20, false)), "0.5");
    EXPECT_EQ(Str(s.Convert(1.0 / 3, 20, false)), "0.333333333333333");
    EXPECT_EQ(Str(s.Convert(1234.5678, 6, false)), "1234.57");
    EXPECT_EQ(Str(s.Convert(-3.0, -5, false)), "-3");
    EXPECT_EQ(Str(s.Convert(0.5, 3, true)).substr(0, 8), "5.000E-0");
}
