// The database exception's texts and the lock guard.
#include "IsamTestSupport.h"
#include "KyDB/Engine/BTree.h"
#include "KyDB/Engine/DbError.h"
#include "KyDB/Engine/DbLockGuard.h"
#include "KyDB/Engine/Isam.h"
#include "KyDBTestSupport.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace Kyvant;
using namespace KyDBTest;
using KyIsam::DbError;
using KyIsam::DbLockGuard;

namespace {

class DbErrorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        IsamDatabase* db = CreateKeyValue(base_);
        ASSERT_NE(db, nullptr);
        ASSERT_EQ(IsamClose(db), 1);
        db_ = IsamOpen(base_.c_str(), true, false);
        ASSERT_NE(db_, nullptr);
        name_ = IsamFileName(db_);
    }
    void TearDown() override { IsamShutdown(); }

    ScratchDir dir_;
    std::string base_ = dir_.Path("errors");
    IsamDatabase* db_ = nullptr;
    std::string name_;
};

} // namespace

TEST_F(DbErrorTest, MessagesNameTheDatabaseTheOperationAndTheEngineText)
{
    EXPECT_EQ(name_, base_ + ".db");
    IsamIndex* keys = IsamOpenIndex(db_, "keys,U");
    ASSERT_EQ(Add(db_, keys, "k", "v"), 1);
    ASSERT_EQ(Add(db_, keys, "K", "w"), -1);
    const DbError cbt(db_, "Record addition");
    IsamSetError(kIsamFileNotFound);
    const DbError byName("C:\\some\\where", "Could not open");
    IsamSetError(kIsamNoCurrent);
    const DbError none(nullptr, "Record set");
    IsamSetError(41);
    const DbError last(db_, "x");
    IsamSetError(42);
    const DbError unknown(db_, "y");
    struct Case {
        const DbError& error;
        std::string text;
    } cases[] = {
        {cbt, "Database error: \"" + name_ + "\"; Record addition; duplicate key not allowed"},
        {byName, "Database error: \"C:\\some\\where\"; Could not open; File not found"},
        {none, "Database error: \"<Unknown DB>\"; Record set; No current record"},
        {last, "Database error: \"" + name_ + "\"; x; No Window created for output"},
        {unknown, "Database error: \"" + name_ + "\"; y; Unknown isam error number"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(std::string(c.error.what()), c.text);
    DbError copy(cbt);
    EXPECT_STREQ(copy.what(), cbt.what());
    const std::runtime_error& base = copy;
    EXPECT_STREQ(base.what(), cbt.what());
    EXPECT_STREQ(BtErrorText(33), "Unknown cbt error number");
    EXPECT_STREQ(IsamErrorText(-1), "Unknown isam error number");
    // A database that was closed is no longer named.
    ASSERT_EQ(IsamClose(db_), 1);
    IsamSetError(kIsamBadDatabase);
    EXPECT_STREQ(DbError(db_, "z").what(),
                 "Database error: \"<Unknown DB>\"; z; Invalid database handle");
}

TEST_F(DbErrorTest, LockGuardReleasesWhenAnExceptionPasses)
{
    try {
        DbLockGuard guard(db_, kIsamExclusive);
        EXPECT_TRUE(guard.Held());
        throw std::runtime_error("passing through");
    } catch (const std::runtime_error&) {
    }
    ASSERT_EQ(IsamLock(db_, kIsamExclusive), 1); // not "already locked"
    try {
        DbLockGuard second(db_, kIsamExclusive);
        ADD_FAILURE() << "a held kind must not be locked twice";
    } catch (const DbError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Database error: \"" + name_ + "\"; Lock; Database is already locked");
    }
    ASSERT_EQ(IsamUnlock(db_, kIsamExclusive), 1);
    {
        DbLockGuard shared(db_, kIsamShared);
        DbLockGuard later(db_, kIsamExclusive, false);
        EXPECT_FALSE(later.Held());
        shared.Release();
        shared.Release(); // a second release does nothing
        EXPECT_EQ(IsamLock(db_, kIsamShared), 1);
        EXPECT_EQ(IsamUnlock(db_, kIsamShared), 1);
    }
    // A guard outliving the engine's shut-down neither throws nor crashes.
    {
        DbLockGuard guard(db_, kIsamShared);
        ASSERT_EQ(IsamShutdown(), 1);
    }
    EXPECT_EQ(IsamClose(db_), 1);
}
