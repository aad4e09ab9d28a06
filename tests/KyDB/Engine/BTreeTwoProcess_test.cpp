// One index file shared by this process and a helper process.
#include "KyDB/Engine/BlockPool.h"
#include "KyDB/Engine/BTree.h"
#include "KyDBTestSupport.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

using namespace Kyvant;
using namespace KyDBTest;

namespace {

class SharedTree : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(PoolCreate(1024, 16), nullptr);
        BTreeHandle* h = BtCreate(path_.c_str(), nullptr, nullptr, 0);
        ASSERT_NE(h, nullptr);
        ASSERT_EQ(BtClose(h), 1);
        h_ = BtOpen(path_.c_str(), nullptr, nullptr, true, false);
        ASSERT_NE(h_, nullptr);
    }
    void TearDown() override { BtCloseAll(); }

    // Whether the helper can lock `length` bytes at `offset` of the file now.
    bool PeerCanLock(int offset, int length)
    {
        return RunPeer("try-lock \"" + path_ + "\" " + std::to_string(offset) + " " +
                       std::to_string(length)) == 0;
    }

    ScratchDir dir_;
    std::string path_ = dir_.Path("shared.idx");
    BTreeHandle* h_ = nullptr;
};

} // namespace

TEST_F(SharedTree, AnotherProcessesInsertIsSeenWithoutReopening)
{
    std::int32_t item = 0;
    ASSERT_EQ(BtFind(h_, "k1", 2, &item), kBtPastEnd);
    ASSERT_EQ(BtInsert(h_, "k0", 2, 1, false), 1);
    ASSERT_EQ(RunPeer("bt-insert \"" + path_ + "\" k1 42"), 0);
    item = 0;
    EXPECT_EQ(BtFind(h_, "k1", 2, &item), kBtFound);
    EXPECT_EQ(item, 42);
    // The helper's key is there for this process's own inserts too.
    EXPECT_EQ(BtInsert(h_, "K1", 2, 5, false), -1);
    EXPECT_EQ(CbtError(), kCbtDuplicateKey);
    EXPECT_EQ(RunPeer("bt-insert \"" + path_ + "\" k0 9"), 100 + kCbtDuplicateKey);
}

TEST_F(SharedTree, ReadersShareAndAWriterGivesUp)
{
    ASSERT_EQ(BtLock(h_, kBtShared), 1);
    std::string out;
    ASSERT_EQ(RunPeer("bt-lock \"" + path_ + "\" 1", &out), 0) << out;
    // Shared at once: well below the give-up time a refusal would take.
    int ms = std::atoi(out.c_str() + out.find("ms=") + 3);
    EXPECT_LT(ms, 5000);
    // The exclusive lock is tried for the layer's give-up time, then refused.
    ASSERT_EQ(RunPeer("bt-lock \"" + path_ + "\" 2", &out), 100 + kCbtLock) << out;
    ms = std::atoi(out.c_str() + out.find("ms=") + 3);
    EXPECT_GE(ms, 9500);
    EXPECT_LT(ms, 60000);
    EXPECT_EQ(BtUnlock(h_, kBtShared), 1);
}

TEST_F(SharedTree, SharedHolderUpgradesByLockingBothSides)
{
    const int last = 511;
    ASSERT_EQ(BtLock(h_, kBtShared), 1);
    EXPECT_FALSE(PeerCanLock(36, 1)); // this process's shared byte
    EXPECT_TRUE(PeerCanLock(37, 1));
    ASSERT_EQ(BtLock(h_, kBtExclusive), 1);
    EXPECT_FALSE(PeerCanLock(36, 1));
    EXPECT_FALSE(PeerCanLock(37, 1));
    EXPECT_FALSE(PeerCanLock(last, 1));
    ASSERT_EQ(BtUnlock(h_, kBtExclusive), 1); // back to the shared byte alone
    EXPECT_FALSE(PeerCanLock(36, 1));
    EXPECT_TRUE(PeerCanLock(37, last - 37 + 1));
    ASSERT_EQ(BtUnlock(h_, kBtShared), 1);
    EXPECT_TRUE(PeerCanLock(36, last - 36 + 1));
    // An exclusive lock without a shared byte takes the whole area at once.
    ASSERT_EQ(BtLock(h_, kBtExclusive), 1);
    EXPECT_FALSE(PeerCanLock(200, 1));
    EXPECT_TRUE(PeerCanLock(0, 36)); // the control record itself is never locked
    ASSERT_EQ(BtUnlock(h_, kBtExclusive), 1);
}
