// Tests of the string classes: sharing, capacity, self-assignment, errors, search and compare.
#include "KyStd/Strings/String.h"
#include "peer/PeerStrings.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <type_traits>
#include <vector>

using namespace Kyvant;

namespace {

using W = ky_BS<unsigned short, ky_SCCT<unsigned short>>;
using Vec = COWVector<char, ky_A<char>, ky_CVIR<char, ky_A<char>>, ky_CVCIR<char, ky_A<char>>>;
const unsigned npos = ky_S::npos;
const unsigned kMax = ky_S::max_size();

long Refs(const ky_BSB<char>& s)
{
    return s.holder()->Count();
}

std::string Str(const ky_BSB<char>& s)
{
    return std::string(s.data(), s.length());
}

} // namespace

TEST(StringSharing, CopySharesAndEveryChangeUnshares)
{
    ky_S a("x");
    ky_S b(a);
    EXPECT_EQ(a.c_str(), b.c_str());
    EXPECT_EQ(Refs(a), 2);
    b += 'y';
    EXPECT_EQ(Str(a), "x");
    EXPECT_EQ(Str(b), "xy");
    EXPECT_EQ(Refs(a), 1);

    // Writing through an element reference copies exactly length + 1.
    ky_S c(b);
    c[0] = 'Z';
    EXPECT_EQ(Str(b), "xy");
    EXPECT_EQ(Str(c), "Zy");
    EXPECT_EQ(c.capacity(), 3u);

    std::vector<std::function<void(ky_S&)>> changes = {
        [](ky_S& s) { s.append("g"); },
        [](ky_S& s) { s.assign(3, 'q'); },
        [](ky_S& s) { s.replace(1, 2, "XY"); },
        [](ky_S& s) { s.erase(1, 2); },
        [](ky_S& s) { s.clear(); },
        [](ky_S& s) { s.chop(); },
        [](ky_S& s) { s.resize(2); },
        [](ky_S& s) { s.resize(9, '-'); },
        [](ky_S& s) { s.reserve(50); },
        [](ky_S& s) { s.ToUpper(); },
        [](ky_S& s) { s.Reverse(); },
        [](ky_S& s) { s.Substitute("c", "CC"); },
        [](ky_S& s) { s.Substitute("b", "B"); },
        [](ky_S& s) { *s.begin() = 'A'; },
        [](ky_S& s) { s.at(5) = 'F'; },
        [](ky_S& s) { s.assign(s, 1, 3); },
    };
    for (size_t i = 0; i < changes.size(); ++i) {
        ky_S original("abcdef");
        ky_S copy(original);
        changes[i](copy);
        EXPECT_EQ(Str(original), "abcdef") << "change " << i;
        EXPECT_EQ(Refs(original), 1) << "change " << i;
    }
}

TEST(StringSharing, EmptyStringsShareOneBlockInEveryModule)
{
    const char* empty8 = ky_S().c_str();
    EXPECT_EQ(KyStdPeer::EmptyStringBuffer8(), static_cast<const void*>(empty8));
    ky_S full("abc");
    std::vector<ky_S> empties = {
        ky_S(),        ky_I(),         ky_S(""),         ky_S("abc", 0u),
        ky_S(0u, 'x'), full.substr(3), ky_S(full, 1, 0), ky_S(full.c_str(), full.c_str())};
    for (size_t i = 0; i < empties.size(); ++i) {
        EXPECT_EQ(empties[i].c_str(), empty8) << "case " << i;
        EXPECT_EQ(empties[i].capacity(), 1u) << "case " << i;
    }
    // The owner holds a reference, so an empty string never writes the block.
    EXPECT_GE(Refs(ky_S()), 2);
    ky_S shared(full);
    shared.assign("", 0);
    EXPECT_EQ(shared.c_str(), empty8);

    W wide;
    EXPECT_EQ(KyStdPeer::EmptyStringBuffer16(), static_cast<const void*>(wide.c_str()));
    EXPECT_NE(static_cast<const void*>(wide.c_str()), static_cast<const void*>(empty8));
    EXPECT_EQ(wide.c_str()[0], 0);

    // A string made in the peer is freed here without trouble.
    ky_S fromPeer = KyStdPeer::MakeString("peer text");
    EXPECT_EQ(Str(fromPeer), "peer text");
}

TEST(StringCapacity, RoundsToEightAndDoublesOnAppend)
{
    struct {
        unsigned reserve, capacity;
    } cases[] = {{0, 8}, {7, 8}, {8, 16}, {15, 16}, {16, 24}, {100, 104}};
    for (auto& c : cases) {
        ky_S s;
        s.reserve(c.reserve);
        EXPECT_EQ(s.capacity(), c.capacity) << "reserve " << c.reserve;
    }
    ky_S s;
    std::vector<unsigned> seen;
    for (int i = 0; i < 100; ++i) {
        s += 'a';
        if (seen.empty() || seen.back() != s.capacity())
            seen.push_back(s.capacity());
    }
    EXPECT_EQ(seen, (std::vector<unsigned>{8, 16, 32, 64, 128}));
    EXPECT_EQ(ky_S::max_size(), 4294967282u);
    EXPECT_EQ(W::max_size(), 2147483640u);
}

TEST(StringSelf, AppendAndAssignFromTheOwnText)
{
    ky_S s("abc");
    for (int i = 0; i < 6; ++i)
        s.append(s);
    ASSERT_EQ(s.length(), 192u);
    for (unsigned i = 0; i < s.length(); ++i)
        ASSERT_EQ(s[i], "abc"[i % 3]);
    s = "abcdef";
    s.append(s, 1, 2);
    EXPECT_EQ(Str(s), "abcdefbc");

    ky_S a("abcdef");
    const char* block = a.c_str();
    a.assign(a, 2, 3);
    EXPECT_EQ(Str(a), "cde");
    EXPECT_EQ(a.c_str(), block);

    struct {
        unsigned from, count;
        const char* result;
    } shared[] = {{2, 3, "cde"}, {0, 2, "ab"}, {4, 100, "ef"}, {0, 0, ""}};
    for (auto& c : shared) {
        ky_S t("abcdef");
        ky_S other(t);
        t.assign(t.c_str() + c.from, c.count);
        EXPECT_EQ(Str(t), c.result);
        EXPECT_EQ(Str(other), "abcdef");
    }

    ky_S r("abcdef");
    r.replace(1, 2, r.c_str() + 3, 3);
    EXPECT_EQ(Str(r), "adefdef");
}

TEST(StringErrors, OutOfRangeOperationsThrowTheirTexts)
{
    ky_S s("abc");
    const ky_S& cs = s;
    char buf[8];
    struct Case {
        std::function<void()> op;
        bool lengthError;
        const char* text;
    } cases[] = {
        {[&] { s.substr(4); }, false, "ky_basic_string_base::check"},
        {[&] { s.erase(4); }, false, "ky_basic_string_base::check"},
        {[&] { s.replace(4, 1, "x"); }, false, "ky_basic_string_base::check"},
        {[&] { s.copy(buf, 1, 4); }, false, "ky_basic_string_base::check"},
        {[&] { s.assign(s, 4, 1); }, false, "ky_basic_string_base::check"},
        {[&] { s.compare(4, 1, "x", 1); }, false, "ky_basic_string_base::check"},
        {[&] { s.at(3); }, false, "ky_basic_string_base::at"},
        {[&] { cs.at(3); }, false, "ky_basic_string_base::at"},
        {[&] { s.append("x", kMax + 1); }, false, "ky_basic_string_base::checknpos"},
        {[&] { s.find("x", 0, kMax + 1); }, false, "ky_basic_string_base::checknpos"},
        {[&] { s.assign(kMax + 1, 'x'); }, true, "ky_basic_string_base::checknpos"},
        {[&] { s.reserve(kMax + 1); }, true, "ky_basic_string_base::round"},
        {[&] { s.append(kMax - 1, 'x'); }, true, "ky_basic_string_base::append"},
        {[&] { s.replace(0, 0, kMax - 1, 'x'); }, true, "ky_basic_string_base::replace"},
        {[&] { static_cast<Vec&>(s).at(4); }, false, "COWVector::at"},
        {[&] { static_cast<const Vec&>(s).at(4); }, false, "COWVector::at - const"},
        {[&] {
             ky_S many(16, 'a');
             many.Substitute("a", "x", false, 1, 0x10000000);
         },
         true, "ky_basic_string_base::Substitute"},
    };
    for (auto& c : cases) {
        try {
            c.op();
            ADD_FAILURE() << "no exception: " << c.text;
        } catch (const std::out_of_range& e) {
            EXPECT_FALSE(c.lengthError) << c.text;
            EXPECT_STREQ(e.what(), c.text);
        } catch (const std::length_error& e) {
            EXPECT_TRUE(c.lengthError) << c.text;
            EXPECT_STREQ(e.what(), c.text);
        }
    }
    EXPECT_EQ(Str(s), "abc");
    EXPECT_EQ(s.substr(3).length(), 0u);
    ky_S empty;
    EXPECT_EQ(empty.chop(), '\0');
    EXPECT_TRUE(empty.empty());
}

TEST(StringSearch, FindsUnderEachClassTraits)
{
    enum Op { Find, RFind, FirstOf, LastOf, FirstNot, LastNot };
    struct Case {
        Op op;
        const char* text;
        const char* needle;
        unsigned pos;
        unsigned sensitive, insensitive;
    } cases[] = {
        {Find, "abcABC", "", 0, npos, npos},     {Find, "abcABC", "bc", 6, npos, npos},
        {Find, "abcABC", "BC", 0, 4, 1},         {Find, "abcABC", "bc", 2, npos, 4},
        {Find, "abcabc", "cabx", 0, npos, npos}, {RFind, "abcABC", "", npos, npos, npos},
        {RFind, "abcABC", "bc", npos, 1, 4},     {RFind, "abcABC", "bc", 3, 1, 1},
        {RFind, "ab", "abc", npos, npos, npos},  {FirstOf, "abcABC", "CB", 0, 4, 1},
        {FirstOf, "abcABC", "", 0, npos, npos},  {FirstOf, "abc", "c", 3, npos, npos},
        {LastOf, "abcABC", "ab", npos, 1, 4},    {LastOf, "", "a", npos, npos, npos},
        {FirstNot, "aAbB", "a", 0, 1, 2},        {LastNot, "abCc", "c", npos, 2, 1},
    };
    for (auto& c : cases) {
        ky_S s(c.text);
        ky_I i(c.text);
        unsigned n = static_cast<unsigned>(std::char_traits<char>::length(c.needle));
        unsigned gotS = 0, gotI = 0;
        switch (c.op) {
        case Find:
            gotS = s.find(c.needle, c.pos, n), gotI = i.find(c.needle, c.pos, n);
            break;
        case RFind:
            gotS = s.rfind(c.needle, c.pos, n), gotI = i.rfind(c.needle, c.pos, n);
            break;
        case FirstOf:
            gotS = s.find_first_of(c.needle, c.pos, n), gotI = i.find_first_of(c.needle, c.pos, n);
            break;
        case LastOf:
            gotS = s.find_last_of(c.needle, c.pos, n), gotI = i.find_last_of(c.needle, c.pos, n);
            break;
        case FirstNot:
            gotS = s.find_first_not_of(c.needle, c.pos, n);
            gotI = i.find_first_not_of(c.needle, c.pos, n);
            break;
        case LastNot:
            gotS = s.find_last_not_of(c.needle, c.pos, n);
            gotI = i.find_last_not_of(c.needle, c.pos, n);
            break;
        }
        EXPECT_EQ(gotS, c.sensitive) << c.op << " '" << c.text << "' '" << c.needle << "'";
        EXPECT_EQ(gotI, c.insensitive) << c.op << " '" << c.text << "' '" << c.needle << "'";
    }
}

TEST(StringCompare, CaseAndLengthRules)
{
    EXPECT_EQ(ky_I("ABC").compare("abc"), 0);
    EXPECT_TRUE(ky_I("ABC") == ky_I("abc"));
    EXPECT_NE(ky_S("ABC").compare("abc"), 0);
    EXPECT_EQ(ky_S("ab").compare("abc"), -1);
    EXPECT_EQ(ky_I("AB").compare("abc"), -1);
    EXPECT_EQ(ky_S("abd").compare("abc"), 1);
    EXPECT_EQ(ky_S("xabcx").compare(1, 3, ky_S("abc")), 0);
    EXPECT_TRUE(ky_S("a") < ky_S("b"));
    EXPECT_TRUE(ky_S("abc") == "abc");

    // Bytes of 0x80 and up are ordinary text: ordered as unsigned bytes.
    EXPECT_EQ(ky_S("\x80").compare("a"), 1);
    EXPECT_EQ(ky_I("\xE4\xFFz").compare("\xE4\xFFZ"), 0);
    EXPECT_EQ(ky_I("\xFF").compare("a"), 1);
    ky_S high(" \t\xFFx\xA0\xE4 \n");
    high.EraseEdgeSpaces();
    EXPECT_EQ(Str(high), "\xFFx\xA0\xE4");
    high.ToUpper();
    EXPECT_EQ(Str(high), "\xFFX\xA0\xE4");
    high.ToLower();
    EXPECT_EQ(Str(high), "\xFFx\xA0\xE4");
    EXPECT_EQ(ky_I(high).find('X'), 1u);
}

TEST(StringTypes, ConcatenationKeepsTheLeftClass)
{
    static_assert(std::is_same<decltype(ky_I("a") + "b"), ky_I>::value, "");
    static_assert(std::is_same<decltype("a" + ky_S("b")), ky_S>::value, "");
    static_assert(std::is_same<decltype(ky_S("a").substr(0)), ky_S>::value, "");
    ky_S sum = 'x' + ky_S("yz") + '!';
    EXPECT_EQ(Str(sum), "xyz!");
    EXPECT_EQ(sum.capacity(), 8u);

    ky_S it("hello");
    auto pos = it.erase(it.begin() + 1, it.begin() + 3);
    EXPECT_EQ(Str(it), "hlo");
    EXPECT_EQ(pos - it.begin(), 1);
    EXPECT_EQ(Str(ky_S(it.begin(), it.end())), "hlo");

    const unsigned short text[] = {'a', 'b', 'a', 0};
    W wide(text);
    wide.Substitute(text, text + 1, false, 1, 1);
    EXPECT_EQ(wide.length(), 3u);
    EXPECT_EQ(wide[0], 'b');
    EXPECT_EQ(wide.find(text + 2, 0, 1), npos);
}
