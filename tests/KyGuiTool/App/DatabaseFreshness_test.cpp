// DatabaseFreshness: which databases a task dialog finds reset, as their files' times change
// between dialogs, during them, or cannot be read.
#include "KyGuiTool/App/DatabaseFreshness.h"

#include "common/TempFolder.h"
#include "common/WholeFile.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

using Kyvant::DatabaseFreshness;

namespace {

// Two databases on scratch files whose times the test sets.
class DatabaseFreshnessTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = kytest::NewFolder(kytest::TempFolder(), "kyfresh_");
        for (const char* name : {"plans.db", "masks.db"}) {
            paths_.push_back(folder_ + name);
            kytest::WriteFile(paths_.back(), "data");
            Touch(paths_.size() - 1, kStart);
        }
        resets_.assign(paths_.size(), 0);
    }
    void TearDown() override { kytest::RemoveTree(folder_); }

    std::vector<DatabaseFreshness::Database> Databases()
    {
        std::vector<DatabaseFreshness::Database> databases;
        for (size_t i = 0; i < paths_.size(); ++i)
            databases.push_back({[this, i] { return Kyvant::ky_F(paths_[i].c_str()); },
                                 [this, i] { ++resets_[i]; }});
        return databases;
    }

    // The file's modification time, in seconds from an arbitrary day.
    void Touch(size_t file, unsigned seconds)
    {
        const HANDLE h = ::CreateFileA(paths_[file].c_str(), GENERIC_WRITE, FILE_SHARE_READ,
                                       nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, h);
        const ULONGLONG ticks = kDay + seconds * kTicksPerSecond;
        FILETIME time = {static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
        ::SetFileTime(h, nullptr, nullptr, &time);
        ::CloseHandle(h);
    }

    static const unsigned kStart = 100;
    static constexpr ULONGLONG kTicksPerSecond = 10000000ull;
    // 2020-01-01 in FILETIME ticks.
    static constexpr ULONGLONG kDay = 132223104000000000ull;

    std::string folder_;
    std::vector<std::string> paths_;
    std::vector<int> resets_;
};

} // namespace

// Changes made by another program between dialogs reset the database
// before the next dialog; the first dialog and the dialog's own changes
// reset nothing.
TEST_F(DatabaseFreshnessTest, ResetsWhatChangedBetweenDialogs)
{
    DatabaseFreshness freshness(Databases());
    freshness.BeforeDialog();
    EXPECT_EQ((std::vector<int>{0, 0}), resets_) << "nothing to compare with yet";
    Touch(0, kStart + 10); // the dialog saves the plans
    freshness.AfterDialog();

    freshness.BeforeDialog();
    EXPECT_EQ((std::vector<int>{0, 0}), resets_) << "the dialog's own change";
    freshness.AfterDialog();

    Touch(1, kStart + 20); // another program changes the masks
    freshness.BeforeDialog();
    EXPECT_EQ((std::vector<int>{0, 1}), resets_);
    freshness.AfterDialog();
    freshness.BeforeDialog();
    EXPECT_EQ((std::vector<int>{0, 1}), resets_) << "once per change";
    freshness.AfterDialog();

    Touch(0, kStart - 50); // an older copy put back
    Touch(1, kStart + 30);
    freshness.BeforeDialog();
    EXPECT_EQ((std::vector<int>{1, 2}), resets_);
}

// A file that cannot be looked at leaves its database alone; once it is
// back with another time the database is reset.
TEST_F(DatabaseFreshnessTest, MissingFileLeavesTheDatabase)
{
    DatabaseFreshness freshness(Databases());
    freshness.BeforeDialog();
    freshness.AfterDialog();
    ASSERT_TRUE(::DeleteFileA(paths_[0].c_str()));
    freshness.BeforeDialog();
    freshness.AfterDialog();
    EXPECT_EQ((std::vector<int>{0, 0}), resets_);
    kytest::WriteFile(paths_[0], "new data");
    Touch(0, kStart + 40);
    freshness.BeforeDialog();
    EXPECT_EQ((std::vector<int>{1, 0}), resets_);
}
