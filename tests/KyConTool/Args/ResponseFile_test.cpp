// Response files: trimmed names, folder lines walked with the file's rule,
// missing and refused files skipped, standard input, long lines.
#include "IterTestSupport.h"
#include "KyConTool/Args/ResponseFileIterator.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <io.h>

#include <cstdio>

using namespace itertest;

namespace {

class ResponseFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Walk({"@c"}, 0, "");
        tree.Add({"a.c", "b.h", "src\\s.c", "src\\t.h", "src\\deep\\u.c"});
    }
    void TearDown() override { Walk({"@c"}, 0, ""); }
    Names Run(const std::string& arg) { return Walk({arg}, 0, tree.Root()); }

    ScratchDatabases dbs;
    Tree tree;
};

} // namespace

TEST_F(ResponseFileTest, LinesFoldersAndRules)
{
    tree.Write("list.txt", "  " + tree("a.c") + "  \n\n\t\n" + tree("missing.c") + "\n" +
                               tree("b.h") + "\r\n" + tree("src") + "\\\n" + tree("src\\") +
                               "deep/\n");
    tree.Write("empty.txt", "");
    struct Case {
        const char* suffix; // behind the list's name
        Names expected;
    };
    const Case cases[] = {
        // Names from the list carry no details; folder lines are walked.
        {"", {"a.c?", "b.h?", "src\\s.c", "src\\t.h", "src\\deep\\u.c"}},
        {"/|*.c", {"a.c?", "src\\s.c", "src\\deep\\u.c"}},
        {"/|*.c|+", {"a.c?", "src\\s.c", "src\\deep\\u.c", "src\\deep\\u.c"}},
        {"/|*|||S>=1", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.suffix);
        EXPECT_EQ(Run("@F" + tree("list.txt") + c.suffix), c.expected);
    }
    EXPECT_EQ(Run("@F" + tree("empty.txt")), Names());
    EXPECT_EQ(WalkError({"@F" + tree("nofile.txt")}), "Could not open: " + tree("nofile.txt"));
    EXPECT_EQ(WalkError({"@F" + tree("list.txt") + "|*.c"}),
              "Illegal VirtualFolderFilter rule: " + tree("list.txt") + "|*.c");
}

TEST_F(ResponseFileTest, LongLinesAreReadWhole)
{
    // Read in pieces of a fixed size, the line's last piece would be the
    // name of an existing file; read whole, the line names nothing.
    const std::string junk(2047 * 5, 'x');
    const std::string blanks(10000, ' ');
    tree.Write("long.txt", junk + tree("a.c") + "\n" + blanks + tree("b.h") + blanks + "\n");
    EXPECT_EQ(Run("@F" + tree("long.txt")), (Names{"b.h?"}));
}

TEST_F(ResponseFileTest, StandardInput)
{
    tree.Write("stdin.txt", tree("b.h") + "\n" + tree("src") + "\\\n");
    std::fflush(stdin);
    int saved = _dup(0);
    int fd = _open(tree("stdin.txt").c_str(), _O_RDONLY | _O_TEXT);
    ASSERT_GE(fd, 0);
    _dup2(fd, 0);
    _close(fd);
    Names got = Run("@F<STDIN>/|*.h");
    _dup2(saved, 0);
    _close(saved);
    std::clearerr(stdin);
    EXPECT_EQ(got, (Names{"b.h?", "src\\t.h"}));
}
