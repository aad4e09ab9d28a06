// Tests of wildcard matching: a table of cases, random input against a plain rule, many stars.
#include "KyStd/Files/FileName.h"

#include <gtest/gtest.h>

#include <cctype>
#include <random>
#include <stdexcept>
#include <string>

using namespace Kyvant;

namespace {

bool Eq(char a, char b)
{
    bool sa = a == '\\' || a == '/', sb = b == '\\' || b == '/';
    return a == b || (sa && sb) || std::tolower((unsigned char)a) == std::tolower((unsigned char)b);
}

// The matching rule written out as plainly as it reads, without memory.
bool PlainMatch(const char* m, const char* n)
{
    for (; *m != '*'; ++m, ++n) {
        if (!*m)
            return !*n;
        if (*m == '.' && !m[1] && !*n)
            return true;
        if (!*n || (*m != '?' && !Eq(*m, *n)))
            return false;
    }
    for (; *m == '*' || *m == '?'; ++m) {
        if (*m == '?' && !*n++)
            return false;
    }
    if (!*m)
        return true;
    for (const char* p = n; *p; ++p) {
        if (Eq(*m, *p) && PlainMatch(m, p))
            return true;
    }
    if (*m == '.' && !m[1]) {
        for (const char* s = n; *s; ++s) {
            if (*s == '.' && s[1])
                return false;
        }
        return true;
    }
    return false;
}

} // namespace

TEST(WildcardMatch, Table)
{
    struct Row {
        const char *mask, *name;
        bool match;
    } rows[] = {
        {"*.*", "README", true},  {"*.*", "a.b.c", true},
        {"*.", "README", true},   {"*.", "a.txt", false},
        {"*.", "abc.", true},     {"*.", "a.b.", true},
        {"abc.", "abc", true},    {"abc.", "abc.", true},
        {"abc.", "abcd", false},  {"a?c", "ac", false},
        {"a?c", "abc", true},     {"?", "", false},
        {"*.TXT", "x.txt", true}, {"*.txt", "x.txt.bak", false},
        {"a/b", "a\\b", true},    {"*", "", true},
        {"", "", true},           {"", "a", false},
        {"*?", "", false},        {"*??", "ab", true},
        {"*a*b", "xaxb", true},   {"a*b*c", "abcab", false},
        {"*.h*", "x.hpp", true},  {"**x", "ax", true},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(ky_F::Match(r.mask, r.name), r.match) << r.mask << " / " << r.name;
        const char* plainMask = std::string(r.mask) == "*.*" ? "*" : r.mask;
        EXPECT_EQ(PlainMatch(plainMask, r.name), r.match) << r.mask << " / " << r.name;
    }
    EXPECT_THROW(ky_F::Match(nullptr, "a"), std::invalid_argument);
    EXPECT_THROW(ky_F::Match("a", nullptr), std::invalid_argument);
}

TEST(WildcardMatch, AgreesWithThePlainRuleOnRandomInput)
{
    std::mt19937 rng(20240607);
    const char maskChars[] = "aB./*?";
    const char nameChars[] = "Abb.\\";
    for (int i = 0; i < 200000; ++i) {
        std::string mask, name;
        for (unsigned k = rng() % 12; k > 0; --k)
            mask += maskChars[rng() % 6];
        for (unsigned k = rng() % 14; k > 0; --k)
            name += nameChars[rng() % 5];
        const char* plainMask = mask == "*.*" ? "*" : mask.c_str();
        ASSERT_EQ(ky_F::Match(mask.c_str(), name.c_str()), PlainMatch(plainMask, name.c_str()))
            << "mask '" << mask << "' name '" << name << "'";
    }
}

TEST(WildcardMatch, ManyStarsStayCheap)
{
    // Without memory this walks about 250^8 paths.
    const std::string as(250, 'a');
    EXPECT_FALSE(ky_F::Match("*a*a*a*a*a*a*a*a*b", as.c_str()));
    EXPECT_TRUE(ky_F::Match("*a*a*a*a*a*a*a*a*a", as.c_str()));
    EXPECT_FALSE(ky_F::Match("*a?*a?*a?*a?*a?*a?*.b", (as + ".x").c_str()));
    // A '?' may take the '.', leaving a name without extension for "*.".
    EXPECT_TRUE(ky_F::Match("*a?*a?*a?*a?*a?*a?*.", (as + ".x").c_str()));
}
