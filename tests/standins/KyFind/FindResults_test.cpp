// The console finder over fixture files: the result lines of each page's
// vector (positions with and without CR LF, groups, whole words, inverted,
// alternatives, a Perl match over two lines, a Perl hexadecimal escape) and
// its exit codes.
#include "StandInRun.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const char kProgram[] = "KyFind.exe";
const char kIde[] = "--kyvant_ide_output";

class FindResults : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        files = new sitest::Fixtures("find");
        files->Add("crlf.txt", "alpha one\r\nbeta two\r\ngamma alpha\r\n");
        files->Add("words.txt", "cat\ncatalog\nthe cat sat\nbobcat\n");
        files->Add("ctx.txt", "l1\nl2\nl3\nHIT\nl5\nl6\nl7");
        files->Add("perl.txt", "begin\nfoo\nbar end\n");
        files->Add("special.txt", "axb\na.b\n");
        files->Add("escapes.txt", "ABC\n\tfoo\nAb\n");
        files->Add("bin.dat", std::string("abc\0def\r\nmatch here\r\n", 21));
        files->Add("long.txt", std::string(300000, 'q') + "needle\n" +
                                   std::string(400000, 'w') + "\nend\n");
    }
    static void TearDownTestSuite()
    {
        delete files;
        files = nullptr;
    }
    static sitest::StandInRun Run(const std::vector<std::string>& options,
                                  const std::vector<std::string>& names)
    {
        std::vector<std::string> paths;
        for (const std::string& n : names)
            paths.push_back(sitest::WithRoot(n, files->Root()));
        return sitest::RunStandIn(kProgram, options, paths);
    }

    static sitest::Fixtures* files;
};

sitest::Fixtures* FindResults::files = nullptr;

} // namespace

TEST_F(FindResults, EachPageVectorGivesItsLines)
{
    struct Case {
        const char* what;
        std::vector<std::string> options;
        std::vector<std::string> files;
        const char* expected; // "{D}" is the fixture folder
    };
    const Case cases[] = {
        {"Grep, ignore case: positions count CR LF as one",
         {"-inG", kIde, "-eALPHA"},
         {"{D}crlf.txt"},
         "{D}crlf.txt(1):x(0):alpha one\n{D}crlf.txt(3):x(25):gamma alpha\n"},
        {"binary mode: byte offsets, CR kept",
         {"-naUG", kIde, "-ealpha"},
         {"{D}crlf.txt"},
         "{D}crlf.txt(1):x(0):alpha one\r\n{D}crlf.txt(3):x(27):gamma alpha\r\n"},
        {"binary mode searches a file with NUL bytes",
         {"-naUF", kIde, "-ematch"},
         {"{D}bin.dat"},
         "{D}bin.dat(2):x(9):match here\r\n"},
        {"whole words",
         {"-wnG", kIde, "-ecat"},
         {"{D}words.txt"},
         "{D}words.txt(1):x(0):cat\n{D}words.txt(3):x(16):the cat sat\n"},
        {"inverted: the line start is the position",
         {"-vnG", kIde, "-ealpha"},
         {"{D}crlf.txt"},
         "{D}crlf.txt(2):x(10):beta two\n"},
        {"Egrep alternatives",
         {"-nE", kIde, "-ebeta|gamma"},
         {"{D}crlf.txt"},
         "{D}crlf.txt(2):x(10):beta two\n{D}crlf.txt(3):x(19):gamma alpha\n"},
        {"Grep basic: the bar is literal", {"-nG", kIde, "-ebeta|gamma"}, {"{D}crlf.txt"}, ""},
        {"Fgrep: several literal alternatives, the earliest one counts",
         {"-nF", kIde, "-egamma", "-etwo", "-ea one"},
         {"{D}crlf.txt"},
         "{D}crlf.txt(1):x(4):alpha one\n{D}crlf.txt(2):x(15):beta two\n"
         "{D}crlf.txt(3):x(19):gamma alpha\n"},
        {"Plain Text: a dot is a dot",
         {"-inF", kIde, "-eA.B"},
         {"{D}special.txt"},
         "{D}special.txt(2):x(4):a.b\n"},
        {"context lines make a group of five",
         {"-nGC", kIde, "-eHIT"},
         {"{D}ctx.txt"},
         "::5\n{D}ctx.txt(2):x(3):l2\n{D}ctx.txt(3):x(6):l3\n{D}ctx.txt(4):x(9):HIT\n"
         "{D}ctx.txt(5):x(13):l5\n{D}ctx.txt(6):x(16):l6\n"},
        {"context at the end of a file without a last line end",
         {"-nGC", kIde, "-el7"},
         {"{D}ctx.txt"},
         "::3\n{D}ctx.txt(5):x(13):l5\n{D}ctx.txt(6):x(16):l6\n{D}ctx.txt(7):x(19):l7\n"},
        {"without line numbers the line field is 0",
         {"-hG", kIde, "-eHIT"},
         {"{D}ctx.txt"},
         "{D}ctx.txt(0):x(9):HIT\n"},
        {"file names only: the first match of each file",
         {"-nlG", kIde, "-ea"},
         {"{D}crlf.txt", "{D}words.txt", "{D}ctx.txt"},
         "{D}crlf.txt(1):x(0):alpha one\n{D}words.txt(1):x(1):cat\n"},
        {"a walked folder",
         {"-nF", kIde, "-ecat"},
         {"{D}*.txt"},
         "{D}words.txt(1):x(0):cat\n{D}words.txt(2):x(4):catalog\n"
         "{D}words.txt(3):x(16):the cat sat\n{D}words.txt(4):x(27):bobcat\n"},
        {"Perl: a match over two lines is a group",
         {"-zperl", "-P", "-pfoo\\nbar", "-nrY"},
         {"{D}perl.txt"},
         "::2\n{D}perl.txt(2):x(6):foo\n{D}perl.txt(3):x(10):bar end\n"},
        {"Perl line mode: no match spans lines",
         {"-zperl", "-P", "-pfoo\\nbar", "-nrLY"},
         {"{D}perl.txt"},
         ""},
        {"Perl line mode: a hexadecimal escape is its character",
         {"-zperl", "-P", "-p\\x41BC", "-nrLY"},
         {"{D}escapes.txt"},
         "{D}escapes.txt(1):x(0):ABC\n"},
        {"Perl dot matches NL",
         {"-zperl", "-P", "-po.b", "-nrsY"},
         {"{D}perl.txt"},
         "::2\n{D}perl.txt(2):x(8):foo\n{D}perl.txt(3):x(10):bar end\n"},
        {"Perl legible pattern, ignore case, whole words",
         {"-zperl", "-P", "-pB A R  # the word\n", "-nriwxY"},
         {"{D}perl.txt", "{D}words.txt"},
         "{D}perl.txt(3):x(10):bar end\n"},
        {"Perl file names only, no line numbers",
         {"-zperl", "-P", "-pend|foo", "-nrZ"},
         {"{D}perl.txt"},
         "{D}perl.txt(0):x(6):foo\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const sitest::StandInRun run = Run(c.options, c.files);
        EXPECT_EQ(run.out, sitest::WithRoot(c.expected, files->Root()));
        EXPECT_EQ(run.exitCode, 0u);
        EXPECT_EQ(run.err, "");
    }
}

TEST_F(FindResults, ExitCodesAreKyConToolsOnes)
{
    struct Case {
        const char* what;
        std::vector<std::string> options;
        std::vector<std::string> files;
        DWORD exitCode;
        const char* errorPart; // in standard error; "" for none
        std::string expected;  // standard output
    };
    const Case cases[] = {
        {"no match is no error", {"-nG", kIde, "-enowhere"}, {"{D}crlf.txt"}, 0, "", ""},
        {"a missing file is skipped",
         {"-nG", kIde, "-ebeta"},
         {"{D}gone.txt", "{D}crlf.txt"},
         1,
         "gone.txt",
         "{D}crlf.txt(2):x(10):beta two\n"},
        {"a binary file is skipped without binary mode",
         {"-nF", kIde, "-ematch"},
         {"{D}bin.dat"},
         1,
         "Binary file: ",
         ""},
        {"a pattern that does not compile", {"-nE", kIde, "-e("}, {"{D}crlf.txt"}, 2,
         "Invalid pattern \"(\"", ""},
        {"an unknown letter", {"-nQ", kIde, "-ex"}, {"{D}crlf.txt"}, 2, "-Q", ""},
        {"no pattern", {"-nG", kIde}, {"{D}crlf.txt"}, 2, "No pattern", ""},
        {"an engine other than perl", {"-zawk", "-P", "-px", "-nr"}, {"{D}crlf.txt"}, 2,
         "Unknown engine: awk", ""},
        {"no file arguments", {"-nG", kIde, "-ex"}, {}, 2, "No file arguments", ""},
        {"a very long line is searched to its end",
         {"-nG", kIde, "-eneedle"},
         {"{D}long.txt"},
         0,
         "",
         "{D}long.txt(1):x(300000):" + std::string(300000, 'q') + "needle\n"},
        {"a match too long to be kept is no crash",
         {"-zperl", "-P", "-pneedle.*end", "-nrsY"},
         {"{D}long.txt"},
         0,
         "",
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const sitest::StandInRun run = Run(c.options, c.files);
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_EQ(run.out, sitest::WithRoot(c.expected, files->Root()));
        if (*c.errorPart)
            EXPECT_NE(run.err.find(c.errorPart), std::string::npos) << run.err;
        else
            EXPECT_EQ(run.err, "");
    }
}
