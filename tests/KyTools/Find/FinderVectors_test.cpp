// The console finder given the vectors that the Find pages build, over
// fixture files on disk: the result lines it writes for each page (positions
// with and without CR LF, groups, whole words, inverted, alternatives, a Perl
// match over two lines) and its exit codes.
#include "KyTools/Find/KyFindGTabCtrl.h"

#include "Find/FindDriving.h"
#include "standins/StandInRun.h"

#include <gtest/gtest.h>

namespace {

using namespace findtest;

class FinderVectors : public FindTabs {
protected:
    static void SetUpTestSuite()
    {
        files = new sitest::Fixtures("findpages");
        files->Add("crlf.txt", "alpha one\r\nbeta two\r\ngamma alpha\r\n");
        files->Add("words.txt", "cat\ncatalog\nthe cat sat\nbobcat\n");
        files->Add("ctx.txt", "l1\nl2\nl3\nHIT\nl5\nl6\nl7");
        files->Add("perl.txt", "begin\nfoo\nbar end\n");
        files->Add("bin.dat", std::string("abc\0def\r\nmatch here\r\n", 21));
    }
    static void TearDownTestSuite()
    {
        delete files;
        files = nullptr;
    }

    // The page's vector with the file arguments behind it ("{D}" is the
    // fixture folder), run by the finder.
    static kytest::ProgramRun Find(const Args& argv, const std::vector<std::string>& names)
    {
        Args args(argv);
        for (const std::string& name : names) {
            args.push_back(sitest::WithRoot(name, files->Root()));
            // Quoted on the command line, a last backslash is doubled.
            if (args.back().back() == '\\')
                args.back() += '\\';
        }
        std::string out;
        kytest::ProgramRun run = kytest::RunProgram(kytest::ProgramFolder() + "KyFind.exe", args,
                                                    "", {}, "", 60000, &out);
        run.out = out;
        return run;
    }

    static sitest::Fixtures* files;
};

sitest::Fixtures* FinderVectors::files = nullptr;

TEST_F(FinderVectors, EachPagesVectorGivesItsResultLines)
{
    struct Case {
        const char* what;
        int tab;
        Ids clicks;
        const char* pattern;
        std::vector<std::string> files;
        const char* lines; // "{D}" is the fixture folder
        DWORD exitCode;
    };
    const Case cases[] = {
        {"Plain Text ignores case; a CR LF counts as one position",
         kPlain,
         {},
         "ALPHA",
         {"{D}crlf.txt"},
         "{D}crlf.txt(1):x(0):alpha one\n{D}crlf.txt(3):x(25):gamma alpha\n",
         0},
        {"binary mode: byte positions and the CR kept",
         kGrep,
         {IDC_KY_FIND_BINARY_MODE},
         "alpha",
         {"{D}crlf.txt"},
         "{D}crlf.txt(1):x(0):alpha one\r\n{D}crlf.txt(3):x(27):gamma alpha\r\n",
         0},
        {"whole words",
         kGrep,
         {IDC_KY_FIND_WHOLE_WORDS},
         "cat",
         {"{D}words.txt"},
         "{D}words.txt(1):x(0):cat\n{D}words.txt(3):x(16):the cat sat\n",
         0},
        {"inverted lines start at their first character",
         kGrep,
         {IDC_KY_FIND_INVERTED},
         "alpha",
         {"{D}crlf.txt"},
         "{D}crlf.txt(2):x(10):beta two\n",
         0},
        {"Egrep alternatives",
         kEgrep,
         {},
         "beta|gamma",
         {"{D}crlf.txt"},
         "{D}crlf.txt(2):x(10):beta two\n{D}crlf.txt(3):x(19):gamma alpha\n",
         0},
        {"Fgrep alternatives, each literal",
         kFgrep,
         {},
         "gamma|two|a one|a\\|b",
         {"{D}crlf.txt"},
         "{D}crlf.txt(1):x(4):alpha one\n{D}crlf.txt(2):x(15):beta two\n"
         "{D}crlf.txt(3):x(19):gamma alpha\n",
         0},
        {"context lines make one group",
         kGrep,
         {IDC_KY_FIND_CONTEXT_LINES},
         "HIT",
         {"{D}ctx.txt"},
         "::5\n{D}ctx.txt(2):x(3):l2\n{D}ctx.txt(3):x(6):l3\n{D}ctx.txt(4):x(9):HIT\n"
         "{D}ctx.txt(5):x(13):l5\n{D}ctx.txt(6):x(16):l6\n",
         0},
        {"without line numbers the line field is 0",
         kGrep,
         {IDC_KY_FIND_LINE_NUMBERS},
         "HIT",
         {"{D}ctx.txt"},
         "{D}ctx.txt(0):x(9):HIT\n",
         0},
        {"file names only: one line per file",
         kEgrep,
         {IDC_KY_FIND_NAMES_ONLY},
         "a",
         {"{D}crlf.txt", "{D}words.txt", "{D}ctx.txt"},
         "{D}crlf.txt(1):x(0):alpha one\n{D}words.txt(1):x(1):cat\n",
         0},
        {"a Perl match over two lines is a group",
         kPerl,
         {},
         "foo\\nbar",
         {"{D}perl.txt"},
         "::2\n{D}perl.txt(2):x(6):foo\n{D}perl.txt(3):x(10):bar end\n",
         0},
        {"Perl line mode keeps matches within lines",
         kPerl,
         {IDC_KY_FIND_LINE_MODE},
         "foo\\nbar",
         {"{D}perl.txt"},
         "",
         0},
        {"Perl ignore case, whole words, legible pattern",
         kPerl,
         {IDC_KY_FIND_IGNORE_CASE, IDC_KY_FIND_WHOLE_WORDS, IDC_KY_FIND_XREGEX},
         "B A R  # the word",
         {"{D}perl.txt", "{D}words.txt"},
         "{D}perl.txt(3):x(10):bar end\n",
         0},
        {"a binary file is skipped without binary mode",
         kPlain,
         {},
         "match",
         {"{D}bin.dat"},
         "",
         1},
        {"and searched with it",
         kPlain,
         {IDC_KY_FIND_BINARY_MODE},
         "match",
         {"{D}bin.dat"},
         "{D}bin.dat(2):x(9):match here\r\n",
         0},
        {"a missing file is skipped and the others searched",
         kGrep,
         {},
         "beta",
         {"{D}gone.txt", "{D}crlf.txt"},
         "{D}crlf.txt(2):x(10):beta two\n",
         1},
        {"the path-plan pages' arguments: depth, masks and a folder",
         kFgrep,
         {},
         "gamma",
         {"@d+", "@m*.txt", "@p{D}"},
         "{D}crlf.txt(3):x(19):gamma alpha\n",
         0},
        {"a pattern that does not compile is fatal", kEgrep, {}, "(", {"{D}crlf.txt"}, "", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        m_key = FreshKey("Find");
        ASSERT_EQ(IDOK, Accept(c.tab, c.clicks, c.pattern));
        ASSERT_EQ("@!", Argv().back());
        const kytest::ProgramRun run = Find(Argv(), c.files);
        EXPECT_EQ(sitest::WithRoot(c.lines, files->Root()), run.out);
        EXPECT_EQ(c.exitCode, run.exitCode) << run.err;
    }
}

} // namespace
