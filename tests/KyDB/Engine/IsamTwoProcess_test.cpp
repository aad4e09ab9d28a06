// Databases shared with helper processes: concurrent writers, the lock
// give-up, record locks and the dictionary lock.
#include "IsamTestSupport.h"
#include "KyDB/Engine/BlockPool.h"
#include "KyDB/Engine/BTree.h"
#include "KyDB/Engine/Isam.h"
#include "KyDBTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

using namespace Kyvant;
using namespace KyDBTest;

namespace {

class SharedDb : public ::testing::Test {
protected:
    void SetUp() override
    {
        IsamDatabase* db = CreateKeyValue(base_);
        ASSERT_NE(db, nullptr);
        ASSERT_EQ(IsamClose(db), 1);
    }
    void TearDown() override
    {
        IsamLockRetrySet() = {250, 50, 10000};
        IsamShutdown();
    }
    IsamDatabase* OpenShared(IsamIndex** keys)
    {
        IsamDatabase* db = IsamOpen(base_.c_str(), true, false);
        if (db)
            *keys = IsamOpenIndex(db, "keys,U");
        return db;
    }
    std::string Quoted() const { return "\"" + base_ + "\""; }
    bool PeerCanLockRecord(std::int32_t pos)
    {
        return RunPeer("try-lock \"" + base_ + ".db\" " + std::to_string(pos) + " 2") == 0;
    }

    ScratchDir dir_;
    std::string base_ = dir_.Path("shared");
};

int Millis(const std::string& out)
{
    std::size_t at = out.find("ms=");
    return at == std::string::npos ? -1 : std::atoi(out.c_str() + at + 3);
}

} // namespace

TEST_F(SharedDb, TwoWritersAtOnceLoseNothing)
{
    const std::string ready1 = UniqueName("r1"), ready2 = UniqueName("r2"), go = UniqueName("go");
    NamedEvent r1(ready1), r2(ready2), start(go);
    Peer a("isam-add " + Quoted() + " a 500 " + ready1 + " " + go);
    Peer b("isam-add " + Quoted() + " b 500 " + ready2 + " " + go);
    ASSERT_TRUE(r1.Wait(30000) && r2.Wait(30000));
    start.Set();
    EXPECT_EQ(a.Wait(), 0) << a.Output();
    EXPECT_EQ(b.Wait(), 0) << b.Output();
    std::string out;
    EXPECT_EQ(RunPeer("isam-find " + Quoted() + " a 500", &out), 0) << out;
    EXPECT_EQ(RunPeer("isam-find " + Quoted() + " b 500", &out), 0) << out;
    IsamIndex* keys = nullptr;
    IsamDatabase* db = OpenShared(&keys);
    ASSERT_NE(db, nullptr);
    EXPECT_EQ(Walk(db, keys).size(), 1000u);
}

TEST_F(SharedDb, WritersAndReadersGiveUpWhileAnotherProcessHoldsTheLock)
{
    IsamIndex* keys = nullptr;
    IsamDatabase* db = OpenShared(&keys);
    ASSERT_NE(db, nullptr);
    // The writer opens first and adds once this process holds the exclusive
    // lock; a reader opening meanwhile needs a shared lock for the index
    // definitions. Both wait at the same time.
    const std::string ready = UniqueName("ready"), go = UniqueName("go");
    NamedEvent readyEvent(ready), goEvent(go);
    Peer writer("isam-add " + Quoted() + " late 1 " + ready + " " + go);
    ASSERT_TRUE(readyEvent.Wait(30000));
    ASSERT_EQ(IsamLock(db, kIsamExclusive), 1);
    goEvent.Set();
    Peer reader("isam-find " + Quoted() + " late 1");
    EXPECT_EQ(writer.Wait(), 100 + kIsamLock) << writer.Output();
    int ms = Millis(writer.Output());
    EXPECT_GE(ms, 9500) << writer.Output();
    EXPECT_LT(ms, 60000) << writer.Output();
    EXPECT_EQ(reader.Wait(), 100 + kIsamLock) << reader.Output();
    EXPECT_NE(reader.Output().find("open: 26"), std::string::npos) << reader.Output();
    ASSERT_EQ(IsamUnlock(db, kIsamExclusive), 1);
    std::string out;
    EXPECT_EQ(RunPeer("isam-add " + Quoted() + " late 1", &out), 0) << out;
    EXPECT_EQ(RunPeer("isam-find " + Quoted() + " late 1", &out), 0) << out;
}

TEST_F(SharedDb, RecordLocksFollowTheWalkAndTheUpdate)
{
    IsamIndex* keys = nullptr;
    IsamDatabase* db = OpenShared(&keys);
    ASSERT_NE(db, nullptr);
    for (const char* k : {"r1", "r2", "r3"}) // at 16, 26, 36 (8 bytes each)
        ASSERT_EQ(Add(db, keys, k, "abcd"), 1);
    IsamIndex* physical = IsamOpenIndex(db, kPhysicalIndex);
    ASSERT_EQ(IsamFirst(db, physical), 1);
    EXPECT_FALSE(PeerCanLockRecord(16));
    EXPECT_TRUE(PeerCanLockRecord(26));
    ASSERT_EQ(IsamNext(db, physical), 1);
    EXPECT_TRUE(PeerCanLockRecord(16));
    EXPECT_FALSE(PeerCanLockRecord(26));
    EXPECT_EQ(ReadRow(db, physical).key, "r2"); // read under the walk's own lock
    // A longer record moves to the end of the file, and its lock with it.
    const char* longer[] = {"r2", "a longer value"};
    ASSERT_EQ(IsamUpdateRecord(db, physical, longer), 1);
    EXPECT_TRUE(PeerCanLockRecord(26));
    EXPECT_FALSE(PeerCanLockRecord(46));
    EXPECT_EQ(ReadRow(db, physical).value, "a longer value");
    EXPECT_EQ(IsamNext(db, physical), kIsamPastEnd);
    EXPECT_TRUE(PeerCanLockRecord(46));
    // A record another process holds locked cannot be read past the retry set.
    IsamLockRetrySet() = {3, 10, 1000};
    const std::string ready = UniqueName("ready"), release = UniqueName("release");
    NamedEvent readyEvent(ready), releaseEvent(release);
    {
        Peer holder("lock-hold \"" + base_ + ".db\" 36 2 " + ready + " " + release);
        ASSERT_TRUE(readyEvent.Wait(30000));
        ASSERT_EQ(FindKey(db, keys, "r3"), kIsamFound);
        char buffer[64];
        char* fields[2];
        EXPECT_EQ(IsamReadRecord(db, keys, buffer, sizeof buffer, fields), -1);
        EXPECT_EQ(IsamError(), kIsamLock);
        releaseEvent.Set();
        EXPECT_EQ(holder.Wait(), 0);
    }
    EXPECT_EQ(ReadRow(db, keys).key, "r3");
}

TEST_F(SharedDb, DictionaryIsReadUnderItsLock)
{
    IsamLockRetrySet() = {3, 10, 1000};
    const std::string ready = UniqueName("ready"), release = UniqueName("release");
    NamedEvent readyEvent(ready), releaseEvent(release);
    Peer holder("lock-hold \"" + base_ + ".db\" 0 4 " + ready + " " + release);
    ASSERT_TRUE(readyEvent.Wait(30000));
    EXPECT_EQ(IsamOpen(base_.c_str(), true, false), nullptr);
    EXPECT_EQ(IsamError(), kIsamLock);
    // An unshared open takes no lock (and the holder's open handle keeps it out).
    releaseEvent.Set();
    EXPECT_EQ(holder.Wait(), 0);
    IsamIndex* keys = nullptr;
    EXPECT_NE(OpenShared(&keys), nullptr);
}
