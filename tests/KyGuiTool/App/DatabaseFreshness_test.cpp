// Reloading databases around a dialog: a change by another program between
// two dialogs reloads, a change made during the dialog does not, and files
// that cannot be read change nothing.
#include "KyGuiTool/App/DatabaseFreshness.h"

#include "common/TempFolder.h"
#include "common/WholeFile.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

using Kyvant::DatabaseFreshness;

namespace {

// Gives the file a modification time some seconds after the first one.
void SetTime(const std::string& path, int seconds)
{
    HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    const ULONGLONG kTicksPerSecond = 10000000ULL;
    const ULONGLONG base = 130000000000000000ULL; // a day in 2012
    ULARGE_INTEGER ticks;
    ticks.QuadPart = base + static_cast<ULONGLONG>(seconds) * kTicksPerSecond;
    FILETIME time = {ticks.LowPart, ticks.HighPart};
    SetFileTime(file, nullptr, nullptr, &time);
    CloseHandle(file);
}

class DatabaseFreshnessTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = kytest::NewFolder(kytest::ScratchBase(), "freshness");
        for (const char* name : {"plans.db", "masks.db"}) {
            files.push_back(folder + name);
            kytest::WriteFile(files.back(), "x");
            SetTime(files.back(), 0);
        }
    }
    void TearDown() override { kytest::RemoveTree(folder); }

    DatabaseFreshness Watch()
    {
        std::vector<DatabaseFreshness::Database> databases;
        for (size_t i = 0; i < files.size(); ++i)
            databases.push_back({[this, i] {
                                     if (unreadable)
                                         throw std::runtime_error("no database");
                                     return Kyvant::ky_F(files[i].c_str());
                                 },
                                 [this, i] { resets.push_back(static_cast<int>(i)); }});
        return DatabaseFreshness(databases);
    }

    std::string folder;
    std::vector<std::string> files;
    std::vector<int> resets;
    bool unreadable = false;
};

} // namespace

TEST_F(DatabaseFreshnessTest, ChangedByAnotherProgramIsReloadedBeforeTheNextDialog)
{
    DatabaseFreshness freshness = Watch();
    freshness.BeforeDialog(); // first seen: nothing to reload
    freshness.AfterDialog();
    EXPECT_TRUE(resets.empty());

    SetTime(files[1], 10); // another program saves a mask set
    freshness.BeforeDialog();
    EXPECT_EQ(std::vector<int>{1}, resets);
    freshness.AfterDialog();

    freshness.BeforeDialog(); // nothing changed since
    freshness.AfterDialog();
    EXPECT_EQ(std::vector<int>{1}, resets);

    SetTime(files[0], 20);
    SetTime(files[1], 20);
    freshness.BeforeDialog();
    EXPECT_EQ((std::vector<int>{1, 0, 1}), resets);
}

TEST_F(DatabaseFreshnessTest, ChangedByTheDialogItselfIsNotReloaded)
{
    DatabaseFreshness freshness = Watch();
    {
        Kyvant::DatabaseFreshnessScope dialog(freshness);
        SetTime(files[0], 30); // the dialog saves a path plan
    }
    freshness.BeforeDialog();
    EXPECT_TRUE(resets.empty());
}

TEST_F(DatabaseFreshnessTest, UnreadableFilesChangeNothing)
{
    DatabaseFreshness freshness = Watch();
    freshness.BeforeDialog();
    freshness.AfterDialog();

    // Missing for a while: nothing is reloaded and the time seen stays.
    DeleteFileA(files[0].c_str());
    freshness.BeforeDialog();
    freshness.AfterDialog();
    unreadable = true;
    freshness.BeforeDialog();
    freshness.AfterDialog();
    EXPECT_TRUE(resets.empty());

    unreadable = false;
    kytest::WriteFile(files[0], "y");
    SetTime(files[0], 0); // back with the time seen before
    freshness.BeforeDialog();
    EXPECT_TRUE(resets.empty());
    SetTime(files[0], 40);
    freshness.AfterDialog(); // taken after a dialog: no reload
    freshness.BeforeDialog();
    EXPECT_TRUE(resets.empty());
}
