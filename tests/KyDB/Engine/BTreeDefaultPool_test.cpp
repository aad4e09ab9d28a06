// A large index through the default pool of sixteen 512-byte blocks: every
// insert and every lookup of 100,000 random keys succeeds.
#include "KyDB/Engine/BlockPool.h"
#include "KyDB/Engine/BTree.h"
#include "KyDBTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

using namespace Kyvant;
using namespace KyDBTest;

namespace {

constexpr std::uint32_t kDefaultPoolBlockSize = 512;
constexpr int kDefaultPoolBlocks = 16;
constexpr int kKeyCount = 100000;
constexpr std::uint32_t kKeyLength = 16;
constexpr int kWriteBackEvery = 1000;

std::vector<std::string> RandomKeys(int count, unsigned seed)
{
    static const char chars[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::mt19937 rng(seed);
    std::vector<std::string> keys(count, std::string(kKeyLength, ' '));
    for (std::string& k : keys)
        for (char& c : k)
            c = chars[rng() % 36];
    return keys;
}

// The first failure of a run: which call, at which key, and why.
struct FirstFailure {
    int failures = 0;
    std::string what;

    void Note(const char* call, int at, int result)
    {
        if (failures++ == 0)
            what = std::string(call) + " of key " + std::to_string(at) + " returned " +
                   std::to_string(result) + ", error " + std::to_string(CbtError()) + " in " +
                   CbtErrorOperation() + " at " + std::to_string(CbtErrorPlace()) +
                   ", pool error " + std::to_string(PoolError());
    }
};

} // namespace

TEST(BTreeDefaultPool, HundredThousandRandomKeysAreInsertedAndFound)
{
    ScratchDir dir;
    const std::string path = dir.Path("default_pool.idx");
    ASSERT_NE(PoolCreate(kDefaultPoolBlockSize, kDefaultPoolBlocks), nullptr);
    NoFlush noFlush;
    BTreeHandle* h = BtCreate(path.c_str(), nullptr, nullptr, 0);
    ASSERT_NE(h, nullptr);
    const std::vector<std::string> keys = RandomKeys(kKeyCount, 7);

    // Inserted under the explicit exclusive lock, written back every 1,000.
    FirstFailure inserts;
    ASSERT_EQ(BtLock(h, kBtExclusive), 1);
    for (int i = 0; i < kKeyCount; ++i) {
        int r = BtInsert(h, keys[i].data(), kKeyLength, i, false);
        if (r != 1)
            inserts.Note("BtInsert", i, r);
        if (i % kWriteBackEvery == kWriteBackEvery - 1) {
            ASSERT_EQ(BtUnlock(h, kBtExclusive), 1) << "after key " << i;
            ASSERT_EQ(BtLock(h, kBtExclusive), 1);
        }
    }
    ASSERT_EQ(BtUnlock(h, kBtExclusive), 1);
    EXPECT_EQ(inserts.failures, 0) << inserts.what;

    // Looked up in another order, each with its own item.
    std::vector<int> order(kKeyCount);
    for (int i = 0; i < kKeyCount; ++i)
        order[i] = i;
    std::shuffle(order.begin(), order.end(), std::mt19937(11));
    FirstFailure finds;
    for (int i : order) {
        std::int32_t item = 0;
        int r = BtFind(h, keys[i].data(), kKeyLength, &item);
        if (r != kBtFound || item != i)
            finds.Note("BtFind", i, r);
    }
    EXPECT_EQ(finds.failures, 0) << finds.what;
    EXPECT_EQ(BtCloseAll(), 1);
}
