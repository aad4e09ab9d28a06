// The index file format and the B-tree operations' results.
#include "BTreeCheck.h"
#include "KyDB/Engine/BlockPool.h"
#include "KyDB/Engine/BTree.h"
#include "KyDBTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using namespace Kyvant;
using namespace KyDBTest;

namespace {

class BTreeTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(PoolCreate(1024, 16), nullptr); }
    void TearDown() override { BtCloseAll(); }

    BTreeHandle* Create(unsigned blockSize = 0)
    {
        return BtCreate(path_.c_str(), nullptr, nullptr, blockSize);
    }
    BTreeHandle* Open(bool readOnly = false)
    {
        return BtOpen(path_.c_str(), nullptr, nullptr, false, readOnly);
    }
    int Insert(BTreeHandle* h, const std::string& key, std::int32_t item, bool dups = true)
    {
        return BtInsert(h, key.data(), static_cast<std::uint32_t>(key.size()), item, dups);
    }
    int Find(BTreeHandle* h, const std::string& key, std::int32_t& item)
    {
        return BtFind(h, key.data(), static_cast<std::uint32_t>(key.size()), &item);
    }
    static std::string Key(BTreeHandle* h)
    {
        char buf[600];
        std::uint32_t n = 0;
        if (BtCurrentKeyLength(h, &n) != 1 || BtCurrentKey(h, buf, sizeof buf) != 1)
            return "<none>";
        return std::string(buf, n);
    }
    // Rewrites the control record with its parity made right again.
    void Patch(std::size_t offset, const std::vector<std::uint8_t>& bytes, bool fixParity)
    {
        std::vector<std::uint8_t> file = ReadAll(path_);
        std::copy(bytes.begin(), bytes.end(), file.begin() + offset);
        if (fixParity) {
            std::uint32_t parity = 0;
            for (int i = 0; i < 24; i += 2)
                parity ^= file[i] | (file[i + 1] << 8);
            file[24] = static_cast<std::uint8_t>(parity);
            file[25] = static_cast<std::uint8_t>(parity >> 8);
        }
        WriteAll(path_, file);
    }

    ScratchDir dir_;
    std::string path_ = dir_.Path("t.idx");
};

} // namespace

TEST_F(BTreeTest, NewFileHoldsControlRecordAndZeroLockArea)
{
    BTreeHandle* h = Create(0);
    ASSERT_NE(h, nullptr);
    ASSERT_EQ(BtClose(h), 1);
    std::vector<std::uint8_t> file = ReadAll(path_);
    std::vector<std::uint8_t> expected(512, 0);
    expected[1] = 0x02;  // block size 512
    expected[25] = 0x02; // parity: 0x0200 alone
    expected[26] = 300 & 0xFF;
    expected[27] = 300 >> 8;
    EXPECT_EQ(file, expected);
}

TEST_F(BTreeTest, FlippedControlBitsAreCaughtByParityFromOffsetTwo)
{
    BTreeHandle* h = Create(0);
    ASSERT_EQ(BtClose(h), 1);
    const std::vector<std::uint8_t> good = ReadAll(path_);
    for (std::size_t byte = 2; byte < 36; ++byte) {
        for (int bit = 0; bit < 8; ++bit) {
            std::vector<std::uint8_t> bad = good;
            bad[byte] ^= static_cast<std::uint8_t>(1 << bit);
            WriteAll(path_, bad);
            h = Open();
            if (byte < 26) {
                EXPECT_EQ(h, nullptr) << byte << "." << bit;
                EXPECT_EQ(CbtError(), kCbtParity) << byte << "." << bit;
            } else {
                EXPECT_NE(h, nullptr) << byte << "." << bit;
            }
            if (h)
                BtClose(h);
        }
    }
}

TEST_F(BTreeTest, UnusableBlockSizesAreRefused)
{
    BTreeHandle* h = Create(0);
    ASSERT_EQ(BtClose(h), 1);
    const std::vector<std::uint8_t> good = ReadAll(path_);
    struct Case {
        const char* what;
        std::uint32_t size; // 0: the whole block zero
    } cases[] = {{"all zero", 0}, {"under 92", 80}, {"over the pool's", 2048}};
    for (const Case& c : cases) {
        std::vector<std::uint8_t> bytes = good;
        if (c.size == 0)
            std::fill(bytes.begin(), bytes.end(), 0);
        WriteAll(path_, bytes);
        if (c.size)
            Patch(0, {static_cast<std::uint8_t>(c.size), static_cast<std::uint8_t>(c.size >> 8)},
                  true);
        EXPECT_EQ(Open(), nullptr) << c.what;
        EXPECT_EQ(CbtError(), kCbtBlockSize) << c.what;
    }
    EXPECT_EQ(BtCreate(dir_.Path("big.idx").c_str(), nullptr, nullptr, 2048), nullptr);
    EXPECT_EQ(CbtError(), kCbtBlockSize);
    h = BtCreate(dir_.Path("small.idx").c_str(), nullptr, nullptr, 10);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(BtBlockSize(h), 92u);
}

TEST_F(BTreeTest, FindAndWalkResults)
{
    BTreeHandle* h = Create(0);
    std::int32_t item = 0;
    // Empty tree.
    EXPECT_EQ(Find(h, "a", item), kBtPastEnd);
    EXPECT_EQ(BtFirst(h), kBtPastEnd);
    EXPECT_EQ(BtLast(h), kBtBeforeFirst);
    EXPECT_EQ(BtCurrentItem(h, &item), kBtBeforeFirst);
    EXPECT_EQ(BtDelete(h, "a", 1, 1), -1);
    EXPECT_EQ(CbtError(), kCbtEmptyTree);

    ASSERT_EQ(Insert(h, "abc", 1), 1);
    ASSERT_EQ(Insert(h, "abc", 2), 1);
    ASSERT_EQ(Insert(h, "b", 7), 1);
    ASSERT_EQ(Insert(h, "", 4), 1);
    EXPECT_EQ(Insert(h, "abc", 2), -1);
    EXPECT_EQ(CbtError(), kCbtDuplicatePair);
    EXPECT_EQ(Insert(h, "ABC", 9, false), -1);
    EXPECT_EQ(CbtError(), kCbtDuplicateKey);
    EXPECT_EQ(BtDelete(h, "abc", 3, 5), -1);
    EXPECT_EQ(CbtError(), kCbtNotFound);

    struct Case {
        const char* key;
        std::int32_t item;
        int result;
        std::int32_t found;
    } cases[] = {
        {"abc", 0, kBtFound, 1},  {"ABC", 2, kBtFound, 2}, {"abc", 3, kBtGreater, 7},
        {"ab", 0, kBtGreater, 1}, {"", -5, kBtFound, 4},   {"bb", 0, kBtPastEnd, 0},
        {"b", 8, kBtPastEnd, 0},
    };
    for (const Case& c : cases) {
        item = c.item;
        EXPECT_EQ(Find(h, c.key, item), c.result) << c.key << "/" << c.item;
        if (c.result > 0) {
            EXPECT_EQ(item, c.found) << c.key;
        }
    }
    // Stepping: -3 and -2 stick, and the other direction starts again from the end.
    EXPECT_EQ(BtFirst(h), 1);
    EXPECT_EQ(Key(h), "");
    EXPECT_EQ(BtPrevious(h, &item), kBtBeforeFirst);
    EXPECT_EQ(BtPrevious(h, &item), kBtBeforeFirst);
    EXPECT_EQ(BtNext(h, &item), 1);
    EXPECT_EQ(item, 4);
    EXPECT_EQ(BtLast(h), 1);
    EXPECT_EQ(Key(h), "b");
    EXPECT_EQ(BtNext(h, &item), kBtPastEnd);
    EXPECT_EQ(BtNext(h, &item), kBtPastEnd);
    EXPECT_EQ(BtCurrentItem(h, &item), kBtPastEnd);
    EXPECT_EQ(BtPrevious(h, &item), 1);
    EXPECT_EQ(item, 7);
    // Deleting the current entry moves the position to the following one.
    EXPECT_EQ(BtPrevious(h, &item), 1);
    EXPECT_EQ(item, 2);
    EXPECT_EQ(BtDelete(h, "abc", 3, 2), 1);
    EXPECT_EQ(BtCurrentItem(h, &item), 1);
    EXPECT_EQ(item, 7);
}

TEST_F(BTreeTest, OnlyBytewiseEqualKeysShareTheirBytes)
{
    BTreeHandle* h = Create(0);
    ASSERT_EQ(Insert(h, "same", 1), 1);
    ASSERT_EQ(Insert(h, "same", 2), 1);
    ASSERT_EQ(Insert(h, "SAME", 3), 1);
    ASSERT_EQ(BtClose(h), 1);
    std::vector<std::uint8_t> file = ReadAll(path_);
    const std::uint8_t* leaf = &file[512];
    EXPECT_EQ(leaf[12], 3);                         // three entries
    EXPECT_EQ(leaf[14] | (leaf[15] << 8), 512 - 8); // two copies of four bytes
    h = Open();
    std::int32_t item = 3;
    ASSERT_EQ(BtFind(h, "same", 4, &item), kBtFound);
    EXPECT_EQ(Key(h), "SAME");
    item = 1;
    ASSERT_EQ(BtFind(h, "SAME", 4, &item), kBtFound);
    EXPECT_EQ(Key(h), "same");
}

TEST_F(BTreeTest, KeyLengthLimitFollowsTheFilesBlockSize)
{
    BTreeHandle* h = Create(512); // in a pool of 1024-byte blocks
    const std::string longest(512 - 28, 'k');
    EXPECT_EQ(Insert(h, longest + "k", 1), -1);
    EXPECT_EQ(CbtError(), kCbtKeyLength);
    std::int32_t item = 0;
    EXPECT_EQ(Find(h, "k", item), kBtPastEnd); // nothing changed
    // Long keys between short ones still find room, whatever the order.
    const std::string keys[] = {"a", "c", longest, "b" + longest.substr(1), "bb", "ba"};
    for (int i = 0; i < 6; ++i)
        ASSERT_EQ(Insert(h, keys[i], i), 1) << i << " error " << CbtError();
    ASSERT_EQ(BtClose(h), 1);
    TreeReport report = CheckTreeFile(path_);
    EXPECT_EQ(report.problem, "");
    EXPECT_EQ(report.entries, 6u);
}

TEST_F(BTreeTest, ReadOnlyHandlesAndFilesRefuseChanges)
{
    BTreeHandle* h = Create(0);
    ASSERT_EQ(Insert(h, "x", 1), 1);
    ASSERT_EQ(BtClose(h), 1);
    h = Open(true);
    EXPECT_EQ(Insert(h, "y", 1), -1);
    EXPECT_EQ(CbtError(), kCbtReadOnly);
    EXPECT_EQ(BtDelete(h, "x", 1, 1), -1);
    EXPECT_EQ(CbtError(), kCbtReadOnly);
    // The same file opened shared while open unshared.
    EXPECT_EQ(BtOpen(path_.c_str(), nullptr, nullptr, true, false), nullptr);
    EXPECT_EQ(CbtError(), kCbtShareConflict);
    EXPECT_EQ(BtClose(reinterpret_cast<BTreeHandle*>(&h)), -1);
    EXPECT_EQ(CbtError(), kCbtBadHandle);
}

TEST_F(BTreeTest, DamagedFilesGiveErrorsNotCrashes)
{
    BTreeHandle* h = Create(0);
    for (int i = 0; i < 400; ++i)
        ASSERT_EQ(Insert(h, "key number " + std::to_string(i), i), 1);
    ASSERT_EQ(BtClose(h), 1);
    const std::vector<std::uint8_t> good = ReadAll(path_);
    const std::int32_t root = good[2] | (good[3] << 8);
    const std::int32_t first = good[10] | (good[11] << 8);
    const std::size_t firstLeaf = static_cast<std::size_t>(first) * 512;
    struct Case {
        const char* what;
        std::size_t offset;
        std::vector<std::uint8_t> bytes;
        bool parity;
        int error; // expected at open (else at the walk)
        bool atOpen;
    } cases[] = {
        {"root outside the file", 2, {0xFF, 0x7F, 0, 0}, true, kCbtCorrupt, true},
        {"height beyond the tree", 22, {9, 0}, true, kCbtCorrupt, false},
        {"leaf count too big", firstLeaf + 12, {0xFF, 0x7F}, false, kCbtCorrupt, false},
        {"key offset past the block", firstLeaf + 16, {0xFF, 0x01}, false, kCbtCorrupt, false},
        {"leaf chain loops back",
         firstLeaf + 8,
         {static_cast<std::uint8_t>(first), 0},
         false,
         kCbtCorrupt,
         false},
        {"root made a free block",
         static_cast<std::size_t>(root) * 512,
         {0, 0, 0, 0},
         false,
         kCbtCorrupt,
         false},
    };
    for (const Case& c : cases) {
        WriteAll(path_, good);
        Patch(c.offset, c.bytes, c.parity);
        h = Open(true);
        if (c.atOpen) {
            EXPECT_EQ(h, nullptr) << c.what;
            EXPECT_EQ(CbtError(), c.error) << c.what;
            continue;
        }
        ASSERT_NE(h, nullptr) << c.what;
        int r;
        std::int32_t item;
        int steps = 0;
        for (r = BtFirst(h); r == 1 && steps < 1000; ++steps)
            r = BtNext(h, &item);
        int walkError = CbtError();
        std::int32_t found = 5;
        int f = Find(h, "key number 399", found);
        int findError = CbtError();
        EXPECT_TRUE((r == -1 && walkError == c.error) || (f == -1 && findError == c.error))
            << c.what << ": " << walkError << " " << findError;
        EXPECT_LT(steps, 1000) << c.what;
        BtClose(h);
    }
}

TEST_F(BTreeTest, EveryKeyIsRefusedAgainWithoutDuplicates)
{
    // Many leaves, so that keys sit at every place of a leaf, edges included.
    BTreeHandle* h = Create(0);
    for (int i = 0; i < 600; ++i)
        ASSERT_EQ(Insert(h, "key " + std::to_string(i * 7 % 600), i, false), 1) << i;
    for (int i = 0; i < 600; ++i) {
        std::string key = "KEY " + std::to_string(i * 7 % 600);
        EXPECT_EQ(Insert(h, key, i, false), -1) << key;
        EXPECT_EQ(CbtError(), kCbtDuplicatePair) << key;
        EXPECT_EQ(Insert(h, key, i + 1000, false), -1) << key;
        EXPECT_EQ(CbtError(), kCbtDuplicateKey) << key;
        EXPECT_EQ(Insert(h, key + "x", i, false), 1) << key;
    }
    ASSERT_EQ(BtClose(h), 1);
    TreeReport report = CheckTreeFile(path_);
    EXPECT_EQ(report.problem, "");
    EXPECT_EQ(report.entries, 1200u);
}
