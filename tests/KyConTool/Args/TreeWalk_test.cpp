// The folder walk: order, depth, the folder modes and "@f", unreadable
// folders, the terminator, shared copies.
#include "common/ProgramFolder.h"
#include "IterTestSupport.h"
#include "KyStd/Core/Errors.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace itertest;
using Kyvant::ky_filename_argv_iterator;

namespace {

class TreeWalkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Walk({"@c"}, 0, "");
        tree.Add(
            {"b.txt", "A.txt", "z.log", "c\\d.txt", "c\\e\\f.txt", "c\\e\\G.txt", "B2\\x.txt"});
    }
    Names Run(const std::string& arg, unsigned flags) { return Walk({arg}, flags, tree.Root()); }
    ScratchDatabases dbs;
    Tree tree;
};

struct Counter : ky_filename_argv_iterator::Terminator {
    int calls = 0;
    int limit = 1000;
    void CheckTerminate() override
    {
        if (++calls > limit)
            throw std::runtime_error("stopped");
    }
};

} // namespace

TEST_F(TreeWalkTest, OrderDepthAndFolderModes)
{
    const unsigned pre = ky_filename_argv_iterator::FolderPreOrder;
    const unsigned post = ky_filename_argv_iterator::FolderPostOrder;
    const unsigned pure = ky_filename_argv_iterator::AcceptsPureFolders;
    struct Case {
        const char* arg; // after the tree root
        unsigned flags;
        Names expected;
    };
    const Case cases[] = {
        {"*", 0, {"A.txt", "b.txt", "z.log"}},
        {"*|-", 0, {"A.txt", "b.txt", "z.log"}},
        {"*|1", 0, {"A.txt", "b.txt", "z.log", "B2\\x.txt", "c\\d.txt"}},
        {"*.txt|+", 0, {"A.txt", "b.txt", "B2\\x.txt", "c\\d.txt", "c\\e\\f.txt", "c\\e\\G.txt"}},
        {"*|+",
         pre,
         {".:info?", "A.txt", "b.txt", "z.log", "B2:info?", "B2\\x.txt", "c:info?", "c\\d.txt",
          "c\\e:info?", "c\\e\\f.txt", "c\\e\\G.txt"}},
        {"*|+",
         post,
         {"A.txt", "b.txt", "z.log", "B2\\x.txt", "B2:info?", "c\\d.txt", "c\\e\\f.txt",
          "c\\e\\G.txt", "c\\e:info?", "c:info?", ".:info?"}},
        {"*.log|0", pre, {".:info?", "z.log"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arg);
        EXPECT_EQ(Run("@p" + tree.Root() + c.arg, c.flags), c.expected);
    }

    // "@f": folders are the results; only the starting folder is an info folder.
    EXPECT_EQ(Run("@f" + tree.Root() + "*|+", pure), (Names{"B2/", "c/", "c\\e/"}));
    EXPECT_EQ(Run("@f" + tree.Root() + "*|+", pure | pre),
              (Names{".:info?", "B2/", "c/", "c\\e/"}));
    EXPECT_EQ(Run("@f" + tree.Root() + "c*|+", pure), (Names{"c/"}));
    EXPECT_EQ(Run("@f" + tree.Root() + "e|+", pure), (Names{"c\\e/"}));
    EXPECT_EQ(Run("@f" + tree.Root() + "c", pure), (Names{"c/"}));
    EXPECT_TRUE(Run("@f" + tree.Root() + "*", pure | pre | post).front() == ".:info?");
}

TEST_F(TreeWalkTest, FolderErrors)
{
    EXPECT_EQ(WalkError({"@p" + tree.Root() + "nowhere\\*"}),
              std::string(Kyvant::os_error(ERROR_PATH_NOT_FOUND).what()) + ": " + tree.Root() +
                  "nowhere");
    EXPECT_EQ(WalkError({"@f" + tree.Root() + "*"}),
              WalkError({tree.Root() + "B2"})); // the long "@f" message
    EXPECT_NE(WalkError({"@f" + tree.Root() + "*"}).find("does not support the @f code"),
              std::string::npos);
}

TEST_F(TreeWalkTest, SubFolderGoneBeforeItIsReadIsSkipped)
{
    // The terminator runs just before a sub-folder is entered: removing "c"
    // there leaves a folder that cannot be read.
    struct Remover : ky_filename_argv_iterator::Terminator {
        std::string folder;
        int calls = 0;
        void CheckTerminate() override
        {
            if (++calls == 3)
                RemoveTree(folder);
        }
    } remover;
    remover.folder = tree("c");
    EXPECT_EQ(Walk({"@p" + tree.Root() + "*.txt|+"}, 0, tree.Root(), &remover),
              (Names{"A.txt", "b.txt", "B2\\x.txt"}));
}

// Needs a folder the process cannot list: the build makes bin\iterdata\locked
// with no permissions, which binds only without root's file capabilities
// (test.sh drops them when it runs as root).
TEST_F(TreeWalkTest, UnreadableFolders)
{
    const std::string data = kytest::ProgramFolder() + "iterdata\\";
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((data + "locked\\*").c_str(), &fd);
    DWORD error = GetLastError();
    if (h != INVALID_HANDLE_VALUE)
        FindClose(h);
    if (h != INVALID_HANDLE_VALUE || error != ERROR_ACCESS_DENIED)
        GTEST_SKIP() << "no unreadable folder here (root can read every folder)";

    // The start folder is an error; a sub-folder is skipped.
    EXPECT_EQ(WalkError({"@p" + data + "locked\\*"}),
              std::string(Kyvant::os_error(ERROR_ACCESS_DENIED).what()) + ": " + data + "locked");
    EXPECT_EQ(Walk({"@p" + data + "*|+"}, 0, data), (Names{"a.txt"}));
}

TEST_F(TreeWalkTest, TerminatorAndSharedCopies)
{
    // Asked once for the item and once before each sub-folder.
    Counter counter;
    EXPECT_EQ(Walk({"@p" + tree.Root() + "*.txt|+"}, 0, tree.Root(), &counter).size(), 6u);
    EXPECT_EQ(counter.calls, 4);
    Counter stopper;
    stopper.limit = 2;
    EXPECT_THROW(Walk({"@p" + tree.Root() + "*.txt|+"}, 0, tree.Root(), &stopper),
                 std::runtime_error);

    const std::string arg = "@p" + tree.Root() + "*";
    const char* argv[] = {arg.c_str(), nullptr};
    ky_filename_argv_iterator a(1, argv, 0, nullptr, 0), end;
    ky_filename_argv_iterator b = a;
    EXPECT_TRUE(a == b);
    ++a;
    EXPECT_EQ(Describe(b, tree.Root()), "b.txt") << "copies advance together";
    b++;
    ++b;
    EXPECT_TRUE(a == end && b == end);
    EXPECT_TRUE(end == ky_filename_argv_iterator());
}
