// Tests of the permuting option parser: a table of scans, restarts, and letters above ASCII.
#include "KyConTool/App/GetOpt.h"
#include "StderrCapture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct GetOptCase {
    const char* title;
    const char* prefixes; // NULL: the default "-"
    int err;
    const char* options;
    std::vector<std::string> words; // after argv[0]
    const char* results;            // one token per call: letter[=arg] or ?letter
    const char* argvAfter;          // the words after the scan, joined by ' '
    int optindAfter;
    const char* messages;
};

const GetOptCase kCases[] = {
    {"group of plain letters", nullptr, 1, "ab", {"-ab"}, "a b", "-ab", 2, ""},
    {"attached required argument", nullptr, 1, "x:", {"-xfoo"}, "x=foo", "-xfoo", 2, ""},
    {"separate required argument", nullptr, 1, "x:", {"-x", "foo"}, "x=foo", "-x foo", 3, ""},
    {"required argument that looks like an option",
     nullptr,
     1,
     "x:a",
     {"-x", "-a"},
     "x=-a",
     "-x -a",
     3,
     ""},
    {"optional argument absent", nullptr, 1, "x::", {"-x"}, "x", "-x", 2, ""},
    {"optional argument never takes the next word",
     nullptr,
     1,
     "x::",
     {"-x", "foo"},
     "x",
     "-x foo",
     2,
     ""},
    {"optional argument attached", nullptr, 1, "x::", {"-xbar"}, "x=bar", "-xbar", 2, ""},
    {"help letter is quiet", nullptr, 1, "a", {"-?"}, "??", "-?", 2, ""},
    {"unknown letter is reported",
     nullptr,
     1,
     "a",
     {"-z", "-a"},
     "?z a",
     "-z -a",
     3,
     "prog: unrecognized option `-z'\n"},
    {"missing argument",
     nullptr,
     1,
     "ax:",
     {"-a", "-x"},
     "a ?x",
     "-a -x",
     3,
     "prog: missing argument in option `-x'\n"},
    {"missing argument at the end of a group",
     nullptr,
     1,
     "ax:",
     {"-ax"},
     "a ?x",
     "-ax",
     2,
     "prog: missing argument in option `-x'\n"},
    {"unknown letter drops the rest of its group",
     nullptr,
     0,
     "ab",
     {"-azb", "-b"},
     "a ?z b",
     "-azb -b",
     3,
     ""},
    {"colon is never an option", nullptr, 0, "a:", {"-:"}, "?:", "-:", 2, ""},
    {"prefix character is never a letter", nullptr, 0, "a", {"--a"}, "?-", "--a", 2, ""},
    {"double dash ends the options",
     nullptr,
     1,
     "ab",
     {"-a", "--", "-b", "c"},
     "a",
     "-a -- -b c",
     3,
     ""},
    {"double dash after non-options",
     nullptr,
     1,
     "ab",
     {"f1", "-a", "f2", "--", "-b"},
     "a",
     "-a -- f1 f2 -b",
     3,
     ""},
    {"non-options move behind the options",
     nullptr,
     1,
     "v",
     {"a", "-v", "b"},
     "v",
     "-v a b",
     2,
     ""},
    {"several runs keep their order",
     nullptr,
     1,
     "ab:c",
     {"f1", "-a", "f2", "f3", "-b", "arg", "f4", "-c"},
     "a b=arg c",
     "-a -b arg -c f1 f2 f3 f4",
     5,
     ""},
    {"non-options at the end stay", nullptr, 1, "a", {"-a", "f", "g"}, "a", "-a f g", 2, ""},
    {"lone dash is a non-option", nullptr, 1, "v", {"-", "-v"}, "v", "-v -", 2, ""},
    {"only non-options", nullptr, 1, "v", {"x", "y"}, "", "x y", 1, ""},
    {"no words", nullptr, 1, "v", {}, "", "", 1, ""},
    {"slash prefix, quiet", "-/", 0, "vw", {"/v", "-w", "/z", "f"}, "v w ?z", "/v -w /z f", 4, ""},
    {"slash alone is not an option with the default prefix",
     nullptr,
     1,
     "v",
     {"/v", "-v"},
     "v",
     "-v /v",
     2,
     ""},
};

std::string Token(int r)
{
    if (r == '?')
        return std::string("?") + optvalue;
    std::string t(1, static_cast<char>(r));
    if (optarg)
        t += std::string("=") + optarg;
    return t;
}

} // namespace

TEST(GetOpt, Table)
{
    for (const GetOptCase& c : kCases) {
        SCOPED_TRACE(c.title);
        std::vector<std::string> store{"prog"};
        store.insert(store.end(), c.words.begin(), c.words.end());
        std::vector<char*> argv;
        for (std::string& s : store)
            argv.push_back(&s[0]);
        argv.push_back(nullptr);
        const int argc = static_cast<int>(store.size());

        getopt_reset(c.err, c.prefixes);
        StreamCapture capture;
        std::string results;
        int r, calls = 0;
        while ((r = getopt(argc, argv.data(), c.options)) != -1 && ++calls < 50)
            results += (results.empty() ? "" : " ") + Token(r);
        EXPECT_EQ(getopt(argc, argv.data(), c.options), -1) << "stays finished";
        EXPECT_EQ(capture.Stop(), c.messages);

        std::string after;
        for (int i = 1; i < argc; ++i)
            after += (i > 1 ? " " : "") + std::string(argv[i]);
        EXPECT_EQ(results, c.results);
        EXPECT_EQ(after, c.argvAfter);
        EXPECT_EQ(optind, c.optindAfter);
        EXPECT_EQ(argv[argc], nullptr);
    }
    getopt_reset(1, nullptr);
}

TEST(GetOpt, SettingOptindToZeroRestarts)
{
    char w0[] = "prog", w1[] = "-ab", w2[] = "-c";
    char* argv[] = {w0, w1, w2, nullptr};
    getopt_reset(1, nullptr);
    EXPECT_EQ(getopt(3, argv, "abc"), 'a');
    optind = 0;
    EXPECT_EQ(getopt(3, argv, "abc"), 'a');
    EXPECT_EQ(getopt(3, argv, "abc"), 'b');
    EXPECT_EQ(getopt(3, argv, "abc"), 'c');
    EXPECT_EQ(optchar, '-');
    EXPECT_EQ(getopt(3, argv, "abc"), -1);
    EXPECT_EQ(optind, 3);
}

TEST(GetOpt, LettersAboveAsciiAreNotTheEnd)
{
    char w0[] = "prog", w1[] = "-\xff";
    char* argv[] = {w0, w1, nullptr};
    getopt_reset(1, nullptr);
    EXPECT_EQ(getopt(2, argv, "\xff"), 0xff);
    EXPECT_EQ(getopt(2, argv, "\xff"), -1);
}
