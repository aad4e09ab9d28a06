// KyReplace runs over a file that another process holds open: every share
// mode the holder may use, with and without backups and an older backup.
#include "FileHolderProcess.h"
#include "ReplaceTestSupport.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

using namespace reptest;

namespace {

enum class Outcome {
    Replaced,  // the file changed, its backup holds the original
    Unaltered, // the swap failed and left everything as it was
    NotOpened, // KyReplace could not read the file at all
};

bool EndsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The line of the error output that reports the file, or "".
std::string ReportLine(const std::string& err, const std::string& file)
{
    std::istringstream in(err);
    for (std::string line; std::getline(in, line);) {
        if (line.find("An error occurred while processing \"" + file + "\": ") != std::string::npos)
            return line;
    }
    return "";
}

} // namespace

TEST(HeldFileSwap, EveryShareModeWithAndWithoutBackups)
{
    struct Row {
        const char* share; // none, r, rw, rwd
        bool backups;
        bool olderBackup;
        Outcome outcome;
    } const rows[] = {
        {"none", false, false, Outcome::NotOpened}, {"none", false, true, Outcome::NotOpened},
        {"none", true, false, Outcome::NotOpened},  {"none", true, true, Outcome::NotOpened},
        {"r", false, false, Outcome::Unaltered},    {"r", false, true, Outcome::Unaltered},
        {"r", true, false, Outcome::Unaltered},     {"r", true, true, Outcome::Unaltered},
        {"rw", false, false, Outcome::Unaltered},   {"rw", false, true, Outcome::Unaltered},
        {"rw", true, false, Outcome::Unaltered},    {"rw", true, true, Outcome::Unaltered},
        {"rwd", false, false, Outcome::Replaced},   {"rwd", false, true, Outcome::Replaced},
        {"rwd", true, false, Outcome::Replaced},    {"rwd", true, true, Outcome::Replaced},
    };
    const std::string original = "one hello two\r\n", changed = "one bye two\r\n";
    const std::string older = "an older backup\r\n";
    for (const Row& row : rows) {
        const std::string label = std::string(row.share) + (row.backups ? " backups" : "") +
                                  (row.olderBackup ? " older" : "");
        Scratch dir;
        const std::string file = dir["a.txt"], backup = dir["a.txt.bak"];
        WriteFile(file, original);
        if (row.olderBackup)
            WriteFile(backup, older);
        FileHolderProcess holder(file, row.share);
        ASSERT_TRUE(holder.Holding()) << label;

        const ProgramRun run =
            RunKyReplace({row.backups ? "-NBV" : "-NV", "-phello", "-qbye", "@!", file});
        holder.Stop();

        std::vector<std::string> names = {"a.txt"};
        if (row.olderBackup || (row.backups && row.outcome == Outcome::Replaced))
            names.push_back("a.txt.bak");
        EXPECT_EQ(names, List(dir.path())) << label << "\n" << run.err;
        if (row.olderBackup && !(row.backups && row.outcome == Outcome::Replaced)) {
            EXPECT_EQ(older, ReadFile(backup)) << label;
        }

        switch (row.outcome) {
        case Outcome::Replaced:
            EXPECT_EQ(0u, run.exitCode) << label << "\n" << run.err;
            EXPECT_EQ(changed, ReadFile(file)) << label;
            if (row.backups) {
                EXPECT_EQ(original, ReadFile(backup)) << label;
            }
            EXPECT_EQ("", run.err) << label;
            break;
        case Outcome::Unaltered:
            EXPECT_EQ(2u, run.exitCode) << label;
            EXPECT_EQ(original, ReadFile(file)) << label;
            EXPECT_TRUE(
                EndsWith(ReportLine(run.err, file), ": This original file was not altered."))
                << label << "\n"
                << run.err;
            break;
        case Outcome::NotOpened:
            EXPECT_EQ(2u, run.exitCode & 2) << label;
            EXPECT_EQ(original, ReadFile(file)) << label;
            EXPECT_NE(std::string::npos, run.err.find(file)) << label << "\n" << run.err;
            EXPECT_EQ(std::string::npos, run.err.find("not altered")) << label << "\n" << run.err;
            break;
        }
    }
}
