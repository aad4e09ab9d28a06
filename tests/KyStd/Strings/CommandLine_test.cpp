// Tests of command lines: quoting edge cases, the word iterator, and random round trips.
#include "KyStd/Strings/CommandLine.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace Kyvant;
using Args = std::vector<std::string>;

namespace {

std::string Str(const ky_BSB<char>& s)
{
    return std::string(s.data(), s.length());
}

Args Read(const std::string& line)
{
    Args args;
    for (CommandLine::Iterator it(ky_S(line.c_str(), static_cast<unsigned>(line.size()))), end;
         it != end; ++it)
        args.push_back(Str(*it));
    return args;
}

} // namespace

TEST(CommandLine, QuoteArgEdgeCases)
{
    struct Case {
        std::string arg;
        bool force;
        std::string quoted;
    } cases[] = {
        {"C:\\dir\\file.txt", false, "C:\\dir\\file.txt"},
        {"-x+@!/_", false, "-x+@!/_"},
        {"my file", false, "\"my file\""},
        {"a\"b", false, "\"a\\\"b\""},
        {"dir with blank\\", false, "\"dir with blank\\\\\""},
        {"a\\\\\"b", false, "\"a\\\\\\\\\\\"b\""},
        {"a\\b c", false, "\"a\\b c\""},
        {"x,y", false, "\"x,y\""},
        {"word", true, "\"word\""},
        {"", false, ""},
        {"", true, "\"\""},
    };
    for (auto& c : cases) {
        ky_S q = CommandLine::QuoteArg(c.arg.c_str(), static_cast<unsigned>(c.arg.size()), c.force);
        EXPECT_EQ(Str(q), c.quoted) << c.arg;
    }
    EXPECT_EQ(Str(CommandLine::QuoteArg("abc def", 3)), "abc");
    EXPECT_EQ(Str(CommandLine::QuoteArg("a b")), "\"a b\"");
}

TEST(CommandLine, IteratorEdgeCases)
{
    struct Case {
        std::string line;
        Args args;
    } cases[] = {
        {" \"\" x", {"x"}},
        {"\"a b\" c", {"a b", "c"}},
        {"a\\\\\\\"b", {"a\\\"b"}},
        {"a\\\\\"b c\"", {"a\\b c"}},
        {"a\\b \\\\", {"a\\b", "\\\\"}},
        {"a\"\"b", {"ab"}},
        {"\"open to the end", {"open to the end"}},
        {"\t a \n b ", {"a", "b"}},
        {"   ", {}},
        {"", {}},
    };
    for (auto& c : cases)
        EXPECT_EQ(Read(c.line), c.args) << c.line;

    CommandLine::Iterator it(ky_S("one two")), end;
    CommandLine::Iterator copy(it);
    EXPECT_TRUE(copy == it);
    EXPECT_EQ(Str(*it++), "one");
    EXPECT_FALSE(copy == it);
    EXPECT_EQ(Str(*it), "two");
    ++it;
    EXPECT_TRUE(it == end);
    EXPECT_EQ(Str(*copy), "one");
}

TEST(CommandLine, RandomArgumentsSurviveQuoteThenSplit)
{
    const char alphabet[] = {'a', 'b', ' ', '\t', '"', '\\', '.', ':', '\xE9', '%'};
    std::mt19937 rng(20240607);
    for (int round = 0; round < 500; ++round) {
        Args args(1 + rng() % 6);
        std::string line;
        for (auto& arg : args) {
            size_t n = 1 + rng() % 8;
            for (size_t i = 0; i < n; ++i)
                arg += alphabet[rng() % sizeof alphabet];
            if (!line.empty())
                line += ' ';
            line += Str(CommandLine::QuoteArg(arg.c_str(), static_cast<unsigned>(arg.size())));
        }
        ASSERT_EQ(Read(line), args) << line;
    }
}
