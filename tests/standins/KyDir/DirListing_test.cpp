// The console Dir program over a fixture tree: the listing on standard
// output, "-F", a list file overwritten or appended to, "@i" ranks through
// the query stand-in, and the exit codes.
#include "StandInRun.h"

#include "KyConTool/IndexingServiceTestSupport.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace {

const char kProgram[] = "KyDir.exe";
// 2024-01-02 03:04:05 UTC; the test runs with TZ=UTC.
const SYSTEMTIME kStamp = {2024, 1, 2, 2, 3, 4, 5, 0};
const char kStampText[] = "2024-01-02 03:04:05";

void SetStamp(const std::string& path, bool folder)
{
    HANDLE h = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           nullptr, OPEN_EXISTING, folder ? FILE_FLAG_BACKUP_SEMANTICS : 0,
                           nullptr);
    FILETIME ft;
    SystemTimeToFileTime(&kStamp, &ft);
    SetFileTime(h, &ft, &ft, &ft);
    CloseHandle(h);
}

class DirListing : public ::testing::Test {
protected:
    void SetUp() override
    {
        tree.Add("a.txt", "abc");
        tree.Add("b.log", "12345");
        tree.Add("sub\\c.txt", "cc");
        tree.Add("sub\\deep\\d.txt", "d");
        for (const char* f : {"a.txt", "b.log", "sub\\c.txt", "sub\\deep\\d.txt"})
            SetStamp(tree(f), false);
        for (const char* f : {"sub\\deep", "sub"})
            SetStamp(tree(f), true);
    }
    void TearDown() override { SetFileAttributesA(tree("b.log").c_str(), FILE_ATTRIBUTE_NORMAL); }

    // A console line for a file of the tree.
    std::string Line(const std::string& size, const char* attributes, const char* rank,
                     const std::string& name) const
    {
        return std::string(kStampText) + "  " + std::string(14 - size.size(), ' ') + size + "  " +
               attributes + "  " + rank + "  " + name + "\r\n";
    }
    sitest::StandInRun Run(const std::vector<std::string>& options,
                           const std::vector<std::string>& files) const
    {
        return sitest::RunStandIn(kProgram, options, files);
    }

    sitest::Fixtures tree{"dir"};
};

} // namespace

TEST_F(DirListing, ConsoleListingOfATree)
{
    SetFileAttributesA(tree("b.log").c_str(), FILE_ATTRIBUTE_READONLY);
    const std::string all = "@p" + tree.Root() + "*|+";
    struct Case {
        const char* what;
        std::vector<std::string> options;
        std::string files;
        std::string expected;
    };
    const Case cases[] = {
        {"full paths",
         {"-f"},
         all,
         Line("3", "----A", "0", tree("a.txt")) + Line("5", "R---A", "0", tree("b.log")) +
             Line("2", "----A", "0", tree("sub\\c.txt")) +
             Line("1", "----A", "0", tree("sub\\deep\\d.txt"))},
        {"folders as items, names only",
         {"-F"},
         "@p" + tree.Root() + "*.txt|+",
         Line("3", "----A", "0", "a.txt") + Line("<DIR>", "---D-", "0", "sub") +
             Line("2", "----A", "0", "c.txt") + Line("<DIR>", "---D-", "0", "deep") +
             Line("1", "----A", "0", "d.txt")},
        {"quoted, one level", {"-q"}, "@p" + tree.Root() + "*.txt",
         Line("3", "----A", "0", "\"a.txt\"")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        sitest::StandInRun run = Run(c.options, {c.files});
        EXPECT_EQ(run.out, c.expected);
        EXPECT_EQ(run.exitCode, 0u);
        EXPECT_EQ(run.err, "");
    }
}

TEST_F(DirListing, ListFileIsOverwrittenOrAppendedTo)
{
    const std::string list = tree("list.out");
    kytest::WriteFile(list, "old\r\n");
    const std::string files = "@p" + tree.Root() + "*.txt|+";
    sitest::StandInRun run = Run({"-f", "-o" + list}, {files});
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_EQ(run.out, "");
    const std::string listing =
        tree("a.txt") + "\r\n" + tree("sub\\c.txt") + "\r\n" + tree("sub\\deep\\d.txt") + "\r\n";
    EXPECT_EQ(kytest::ReadFile(list), listing);

    run = Run({"-q", "-a" + list}, {"@p" + tree.Root() + "*.log"});
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_EQ(kytest::ReadFile(list), listing + "\"b.log\"\r\n");

    // A list file that cannot be made: a fatal error, nothing written.
    const std::string nowhere = tree("missing\\list.out");
    run = Run({"-o" + nowhere}, {files});
    EXPECT_EQ(run.exitCode, 2u);
    EXPECT_NE(run.err.find(nowhere), std::string::npos) << run.err;
    EXPECT_EQ(GetFileAttributesA(nowhere.c_str()), INVALID_FILE_ATTRIBUTES);

    // A walk that fails leaves the list file as it was.
    run = Run({"-o" + list}, {"@Pno such plan"});
    EXPECT_EQ(run.exitCode, 2u);
    EXPECT_EQ(kytest::ReadFile(list), listing + "\"b.log\"\r\n");
}

TEST_F(DirListing, MissingItemsAndBadOptionsGiveKyConToolsExitCodes)
{
    sitest::StandInRun run = Run({"-f"}, {tree("gone.txt"), tree("a.txt")});
    EXPECT_EQ(run.exitCode, 1u);
    EXPECT_NE(run.err.find("gone.txt"), std::string::npos) << run.err;
    EXPECT_EQ(run.out, Line("3", "----A", "0", tree("a.txt")));

    run = Run({"-x"}, {tree("a.txt")});
    EXPECT_EQ(run.exitCode, 2u);
    EXPECT_NE(run.err.find("-x"), std::string::npos) << run.err;

    run = Run({"-f"}, {});
    EXPECT_EQ(run.exitCode, 2u);
    EXPECT_NE(run.err.find("No file arguments"), std::string::npos) << run.err;
}

TEST_F(DirListing, IndexingServiceRowsCarryTheirRank)
{
    ASSERT_TRUE(istest::InstallStandIns());
    istest::QueryScript script;
    script.Write("catalog|.|Docs|0x0|" + tree.Root() + "\n" +
                 "row|*|Docs|" + tree("a.txt") + "|3|0x20|130000000000000000|812\n" +
                 "row|*|Docs|" + tree("sub\\c.txt") + "|2|0x20|130000000000000000|64\n");
    const sitest::StandInRun run =
        Run({"-f"}, {"@i+", "@iqreport", "@isRank[d]", "@p" + tree.Root() + "*.txt|+"});
    EXPECT_EQ(run.exitCode, 0u) << run.err;
    EXPECT_NE(run.out.find("  812  " + tree("a.txt") + "\r\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("  64  " + tree("sub\\c.txt") + "\r\n"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("d.txt"), std::string::npos) << run.out;
}
