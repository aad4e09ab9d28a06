// The block pool: hashing, pinning, write-back failures and purging.
#include "KyDB/Engine/BlockPool.h"
#include "KyDBTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace Kyvant;
using namespace KyDBTest;

namespace {

// A file of `blocks` blocks of 512 bytes, block n filled with the byte n.
std::string MakeFile(const ScratchDir& dir, const std::string& name, int blocks)
{
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(blocks) * 512);
    for (int b = 0; b < blocks; ++b)
        std::memset(&bytes[b * 512], b, 512);
    bytes[0] = 0x00; // block size 512 at offset 0
    bytes[1] = 0x02;
    std::string path = dir.Path(name);
    WriteAll(path, bytes);
    return path;
}

class PoolTest : public ::testing::Test {
protected:
    void SetUp() override { pool_ = PoolCreate(512, 6); }
    void TearDown() override
    {
        if (ThePool())
            PoolDestroy(ThePool());
    }
    BlockPool* pool_ = nullptr;
    ScratchDir dir_;
};

} // namespace

TEST_F(PoolTest, AllPinnedRefusesAndKeepsEveryBlock)
{
    ASSERT_NE(pool_, nullptr);
    PoolFile* f = PoolOpenFile(MakeFile(dir_, "a", 10).c_str(), pool_, true, false);
    ASSERT_NE(f, nullptr);
    std::uint8_t* pinned[6];
    for (int b = 0; b < 6; ++b) {
        pinned[b] = PoolGetBlock(f, b + 1);
        ASSERT_NE(pinned[b], nullptr);
        pinned[b][0] = static_cast<std::uint8_t>(0xA0 + b);
    }
    EXPECT_EQ(PoolGetBlock(f, 8), nullptr);
    EXPECT_EQ(PoolError(), kPoolAllPinned);
    EXPECT_EQ(PoolNewBlock(f, 11), nullptr);
    for (int b = 0; b < 6; ++b) {
        EXPECT_EQ(PoolGetBlock(f, b + 1), pinned[b]); // still cached, untouched
        EXPECT_EQ(pinned[b][0], 0xA0 + b);
        EXPECT_EQ(PoolReleaseBlock(f, pinned[b], ReleaseMode::Unchanged), 1);
        EXPECT_EQ(PoolReleaseBlock(f, pinned[b], ReleaseMode::Unchanged), 1);
    }
    EXPECT_NE(PoolGetBlock(f, 8), nullptr);
    EXPECT_EQ(PoolCloseFile(f), -1); // block 8 is still pinned
    EXPECT_EQ(PoolError(), kPoolPurgedPinned);
}

TEST_F(PoolTest, FilesSharingABucketAreToldApart)
{
    PoolFile* a = PoolOpenFile(MakeFile(dir_, "a", 80).c_str(), pool_, false, false);
    PoolFile* b = PoolOpenFile(MakeFile(dir_, "b", 80).c_str(), pool_, false, false);
    ASSERT_TRUE(a && b);
    auto ha = static_cast<std::uintptr_t>(PoolFileHandle(a));
    auto hb = static_cast<std::uintptr_t>(PoolFileHandle(b));
    // Block numbers whose sums with the handles meet in one bucket.
    for (std::int32_t na = 1; na < 6; ++na) {
        auto nb = static_cast<std::int32_t>((ha + na - hb) & 63);
        if (nb == 0)
            nb = 64;
        ASSERT_EQ(((ha + na) & 63), ((hb + nb) & 63));
        std::uint8_t* da = PoolGetBlock(a, na);
        std::uint8_t* db = PoolGetBlock(b, nb);
        ASSERT_TRUE(da && db);
        EXPECT_EQ(da[100], na);
        EXPECT_EQ(db[100], nb);
        PoolReleaseBlock(a, da, ReleaseMode::Unchanged);
        PoolReleaseBlock(b, db, ReleaseMode::Unchanged);
    }
    EXPECT_EQ(PoolCloseFile(a), 1);
    EXPECT_EQ(PoolCloseFile(b), 1);
}

TEST_F(PoolTest, FailedWriteBacksKeepBlocksDirtyUntilTheyReachTheFile)
{
    const std::string path = MakeFile(dir_, "a", 20);
    PoolFile* f = PoolOpenFile(path.c_str(), pool_, true, false);
    ASSERT_NE(f, nullptr);
    for (int b = 1; b <= 6; ++b) {
        std::uint8_t* d = PoolGetBlock(f, b);
        d[0] = 0xEE;
        PoolReleaseBlock(f, d, ReleaseMode::Changed);
    }
    {
        // Taking a block writes back the least recently used one; that write
        // fails, so it stays dirty and the next one is taken instead.
        Fault fault(Fault::Write, 1);
        std::uint8_t* d = PoolGetBlock(f, 10);
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(fault.Calls(), 2);
        PoolReleaseBlock(f, d, ReleaseMode::Unchanged);
        EXPECT_EQ(PoolHasDirtyBlocks(f), 1);
    }
    EXPECT_EQ(PoolFlushFile(f), 1);
    EXPECT_EQ(PoolHasDirtyBlocks(f), 0);
    {
        // An appended block whose immediate write fails is kept for the flush.
        Fault fault(Fault::Write, 1);
        std::uint8_t* d = PoolNewBlock(f, 20);
        ASSERT_NE(d, nullptr);
        d[5] = 0x55;
        EXPECT_EQ(PoolReleaseBlock(f, d, ReleaseMode::WriteNow), -1);
        EXPECT_EQ(PoolError(), kPoolIoFailed);
    }
    EXPECT_EQ(PoolFlushFile(f), 1);
    EXPECT_EQ(PoolHasDirtyBlocks(f), 0);
    EXPECT_EQ(PoolCloseFile(f), 1);
    std::vector<std::uint8_t> bytes = ReadAll(path);
    ASSERT_EQ(bytes.size(), 21u * 512);
    for (int b = 1; b <= 6; ++b)
        EXPECT_EQ(bytes[b * 512], 0xEE) << b;
    EXPECT_EQ(bytes[20 * 512 + 5], 0x55);
}

TEST_F(PoolTest, PurgeLeavesPinnedBlocksWithTheirHolders)
{
    const std::string path = MakeFile(dir_, "a", 8);
    PoolFile* f = PoolOpenFile(path.c_str(), pool_, true, false);
    ASSERT_NE(f, nullptr);
    std::uint8_t* held = PoolGetBlock(f, 3);
    std::uint8_t* dirty = PoolGetBlock(f, 4);
    ASSERT_TRUE(held && dirty);
    dirty[0] = 0x77;
    PoolReleaseBlock(f, dirty, ReleaseMode::Changed);
    EXPECT_EQ(PoolPurgeFile(f), -1);
    EXPECT_EQ(PoolError(), kPoolPurgedPinned);
    EXPECT_EQ(held[100], 3); // the holder still reads its copy
    std::uint8_t* fresh = PoolGetBlock(f, 3);
    ASSERT_NE(fresh, nullptr);
    EXPECT_NE(fresh, held);
    std::uint8_t* four = PoolGetBlock(f, 4);
    EXPECT_EQ(four[0], 4); // the dirty copy was dropped
    EXPECT_EQ(PoolReleaseBlock(f, held, ReleaseMode::Changed), 1);
    PoolReleaseBlock(f, fresh, ReleaseMode::Unchanged);
    PoolReleaseBlock(f, four, ReleaseMode::Unchanged);
    EXPECT_EQ(PoolHasDirtyBlocks(f), 0);
    EXPECT_EQ(PoolCloseFile(f), 1);
}

TEST_F(PoolTest, FileBlockSizeLargerThanPoolIsRefused)
{
    std::vector<std::uint8_t> bytes(2048, 0);
    bytes[1] = 0x04; // 1024
    WriteAll(dir_.Path("big"), bytes);
    EXPECT_EQ(PoolOpenFile(dir_.Path("big").c_str(), pool_, false, false), nullptr);
    EXPECT_EQ(PoolError(), kPoolBlockTooBig);
    EXPECT_EQ(PoolOpenFile(dir_.Path("missing").c_str(), pool_, false, false), nullptr);
    EXPECT_EQ(PoolError(), kPoolIoFailed);
}
