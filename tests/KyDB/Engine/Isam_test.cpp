// The record layer: file layout, free space, reading, indexes and set-up.
#include "IsamTestSupport.h"
#include "KyDB/Engine/BlockPool.h"
#include "KyDB/Engine/BTree.h"
#include "KyDB/Engine/Isam.h"
#include "KyDBTestSupport.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>

using namespace Kyvant;
using namespace KyDBTest;

namespace {

class IsamTest : public ::testing::Test {
protected:
    void TearDown() override { IsamShutdown(); }

    std::uint32_t FileSize(const std::string& ext)
    {
        WIN32_FILE_ATTRIBUTE_DATA data;
        if (!GetFileAttributesExA((base_ + ext).c_str(), GetFileExInfoStandard, &data))
            return 0;
        return data.nFileSizeLow;
    }
    // The signed length word at `pos` of the record file (the database must be closed).
    int LengthWord(std::int32_t pos)
    {
        std::vector<std::uint8_t> bytes = ReadAll(base_ + ".db");
        if (bytes.size() < static_cast<std::size_t>(pos) + 2)
            return 0x7FFFFFFF;
        return static_cast<std::int16_t>(bytes[pos] | (bytes[pos + 1] << 8));
    }
    IsamDatabase* Reopen(IsamIndex** keys, bool shared = false)
    {
        IsamDatabase* db = IsamOpen(base_.c_str(), shared, false);
        if (db && keys)
            *keys = IsamOpenIndex(db, "keys,U");
        return db;
    }

    ScratchDir dir_;
    std::string base_ = dir_.Path("data");
};

std::vector<std::string> List(const char* const* list)
{
    std::vector<std::string> out;
    for (; list && *list; ++list)
        out.push_back(*list);
    return out;
}

} // namespace

TEST_F(IsamTest, NewDatabaseStoresItsDictionaryBeforeTheRecords)
{
    IsamIndex* keys = nullptr;
    IsamDatabase* db = CreateKeyValue(base_, &keys);
    ASSERT_NE(db, nullptr);
    EXPECT_EQ(List(IsamFieldNames(db)), (std::vector<std::string>{"key", "value,C"}));
    EXPECT_EQ(List(IsamIndexNames(db)), (std::vector<std::string>{"Physical Index", "keys,U"}));
    EXPECT_EQ(List(IsamIndexParts(db, keys)), (std::vector<std::string>{"key"}));
    ASSERT_EQ(Add(db, keys, "a", "b"), 1);
    ASSERT_EQ(IsamClose(db), 1);
    const std::uint8_t expected[] = {12,  0,   2,   0,   'k', 'e', 'y', 0,   'v', 'a', 'l',
                                     'u', 'e', ',', 'C', 0,   4,   0,   'a', 0,   'b', 0};
    EXPECT_EQ(ReadAll(base_ + ".db"),
              std::vector<std::uint8_t>(expected, expected + sizeof expected));
}

TEST_F(IsamTest, UniqueIndexRefusesKeysDifferingInCaseAndChangesNothing)
{
    IsamIndex* keys = nullptr;
    IsamDatabase* db = CreateKeyValue(base_, &keys);
    ASSERT_EQ(Add(db, keys, "Alpha", "1"), 1);
    ASSERT_EQ(IsamFlush(db), 1);
    const std::uint32_t before = FileSize(".db");
    EXPECT_EQ(Add(db, keys, "ALPHA", "2"), -1);
    EXPECT_EQ(IsamError(), kIsamCbt);
    EXPECT_EQ(CbtError(), kCbtDuplicateKey);
    IsamIndex* physical = IsamOpenIndex(db, "physical index");
    ASSERT_NE(physical, nullptr);
    std::vector<Row> rows = Walk(db, physical);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].value, "1");
    ASSERT_EQ(FindKey(db, keys, "alpha"), kIsamFound);
    EXPECT_EQ(ReadRow(db, keys).key, "Alpha");
    ASSERT_EQ(IsamClose(db), 1);
    EXPECT_EQ(FileSize(".db"), before);
}

TEST_F(IsamTest, FreedSpaceIsJoinedSplitAndReused)
{
    IsamIndex* keys = nullptr;
    IsamDatabase* db = CreateKeyValue(base_, &keys);
    const std::string ten(10, 'v');
    for (const char* k : {"k1", "k2", "k3", "k4"}) // 14 bytes each at 16, 32, 48, 64
        ASSERT_EQ(Add(db, keys, k, ten), 1);
    for (const char* k : {"k1", "k2"}) {
        ASSERT_EQ(FindKey(db, keys, k), kIsamFound);
        ASSERT_EQ(IsamDeleteRecord(db, keys), 1);
    }
    ASSERT_EQ(IsamClose(db), 1);
    EXPECT_EQ(LengthWord(16), -30); // one free record over both

    db = Reopen(&keys);
    ASSERT_EQ(Add(db, keys, "k5", std::string(25, 'e')), 1); // 29 bytes take all 30
    std::uint32_t length = 0;
    ASSERT_EQ(IsamRecordLength(db, keys, &length), 1);
    EXPECT_EQ(length, 30u);
    ASSERT_EQ(FindKey(db, keys, "k3"), kIsamFound); // longer: moves to the end
    const char* longer[] = {"k3", "twenty characters..."};
    ASSERT_EQ(IsamUpdateRecord(db, keys, longer), 1);
    ASSERT_EQ(FindKey(db, keys, "k4"), kIsamFound); // much shorter: the rest is freed
    const char* shorter[] = {"k4", "s"};
    ASSERT_EQ(IsamUpdateRecord(db, keys, shorter), 1);
    ASSERT_EQ(FindKey(db, keys, "k5"), kIsamFound); // a little shorter: slack
    const char* slack[] = {"k5", "twenty-four characters.."};
    ASSERT_EQ(IsamUpdateRecord(db, keys, slack), 1);
    ASSERT_EQ(IsamClose(db), 1);
    struct {
        std::int32_t pos;
        int word;
    } layout[] = {{16, 30}, {48, -14}, {64, 5}, {71, -7}, {80, 24}};
    for (const auto& at : layout)
        EXPECT_EQ(LengthWord(at.pos), at.word) << at.pos;
    EXPECT_EQ(FileSize(".db"), 106u);

    db = Reopen(&keys);
    ASSERT_EQ(FindKey(db, keys, "k4"), kIsamFound);
    ASSERT_EQ(IsamDeleteRecord(db, keys), 1); // joins with both free neighbours
    ASSERT_EQ(Add(db, keys, "k6", std::string(26, 'f')), 1);
    std::vector<Row> rows = Walk(db, IsamOpenIndex(db, kPhysicalIndex));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].key, "k5");
    EXPECT_EQ(rows[1].key, "k6");
    EXPECT_EQ(rows[2].value, "twenty characters...");
    ASSERT_EQ(IsamClose(db), 1);
    EXPECT_EQ(LengthWord(48), 30);
    EXPECT_EQ(FileSize(".db"), 106u);
}

TEST_F(IsamTest, ShortBufferGetsTheRecordCutAndTerminated)
{
    IsamIndex* keys = nullptr;
    IsamDatabase* db = CreateKeyValue(base_, &keys);
    const std::string value(97, 'x'); // "k" NUL value NUL: 100 bytes
    ASSERT_EQ(Add(db, keys, "k", value), 1);
    ASSERT_EQ(FindKey(db, keys, "k"), kIsamFound);
    std::vector<char> area(60, '\xCC');
    char* fields[2] = {};
    EXPECT_EQ(IsamReadRecord(db, keys, area.data() + 5, 50, fields), -1);
    EXPECT_EQ(IsamError(), kIsamBufferTooSmall);
    EXPECT_STREQ(fields[0], "k");
    EXPECT_EQ(std::string(fields[1]), std::string(47, 'x'));
    EXPECT_EQ(area[5 + 49], '\0');
    for (int i : {0, 1, 2, 3, 4, 55, 56, 57, 58, 59})
        EXPECT_EQ(area[i], '\xCC') << i;
    EXPECT_EQ(IsamReadRecord(db, keys, area.data(), 0, fields), -1);
    EXPECT_EQ(IsamError(), kIsamBufferTooSmall);
    EXPECT_EQ(IsamReadRecord(db, keys, nullptr, 50, fields), -1);
    EXPECT_EQ(IsamError(), kIsamNullArgument);
}

TEST_F(IsamTest, InitSizesThePoolOnce)
{
    struct Case {
        int blocks, blockSize, expectBlocks;
        unsigned expectSize;
    } cases[] = {{3, 20, 6, 512}, {0, 0, 16, 512}, {10, 35, 10, 512}, {7, 1024, 7, 1024}};
    for (const Case& c : cases) {
        ASSERT_EQ(IsamInit(c.blocks, c.blockSize), 1);
        EXPECT_EQ(PoolBlockCount(ThePool()), c.expectBlocks);
        EXPECT_EQ(PoolBlockSize(ThePool()), c.expectSize);
        EXPECT_EQ(IsamInit(16, 512), -1);
        EXPECT_EQ(IsamError(), kIsamInitTwice);
        ASSERT_EQ(IsamShutdown(), 1);
    }
    // A database open needs no explicit set-up.
    ASSERT_NE(CreateKeyValue(base_), nullptr);
    EXPECT_EQ(PoolBlockCount(ThePool()), 16);
    // An index block size the pool cannot hold.
    const char* fields[] = {"f", nullptr};
    EXPECT_EQ(IsamCreate(dir_.Path("big").c_str(), 1024, fields), nullptr);
    EXPECT_EQ(IsamError(), kIsamBlockTooBig);
    EXPECT_EQ(FileSize("big.db"), 0u);
}

TEST_F(IsamTest, MissingOrDamagedIndexFileLeavesThePhysicalIndex)
{
    IsamIndex* keys = nullptr;
    IsamDatabase* db = CreateKeyValue(base_, &keys);
    ASSERT_EQ(Add(db, keys, "one", "1"), 1);
    ASSERT_EQ(Add(db, keys, "two", "2"), 1);
    ASSERT_EQ(IsamClose(db), 1);
    const std::vector<std::uint8_t> index = ReadAll(base_ + ".idx");
    std::vector<std::uint8_t> garbage = index;
    for (std::size_t i = 512; i < garbage.size(); ++i)
        garbage[i] = static_cast<std::uint8_t>(i * 37);
    for (int variant = 0; variant < 2; ++variant) {
        if (variant == 0)
            DeleteFileA((base_ + ".idx").c_str());
        else
            WriteAll(base_ + ".idx", garbage);
        db = Reopen(nullptr);
        ASSERT_NE(db, nullptr) << variant;
        EXPECT_EQ(IsamOpenIndex(db, "keys,U"), nullptr);
        EXPECT_EQ(IsamError(), kIsamIndexDamaged);
        IsamIndex* physical = IsamOpenIndex(db, kPhysicalIndex);
        ASSERT_NE(physical, nullptr);
        EXPECT_EQ(Walk(db, physical).size(), 2u);
        EXPECT_EQ(Add(db, physical, "three", "3"), -1); // no change without its index
        EXPECT_EQ(IsamError(), kIsamIndexDamaged);
        ASSERT_EQ(IsamClose(db), 1);
    }
}

TEST_F(IsamTest, TypedAndPartialKeysKeepTheirIndexesAcrossReopening)
{
    const char* fields[] = {"name", "age,I", "id,U", "blob,B:0", nullptr};
    IsamDatabase* db = IsamCreate(base_.c_str(), 0, fields);
    ASSERT_NE(db, nullptr);
    const char* byAge[] = {"age,I", nullptr};
    const char* byId[] = {"id,U", nullptr};
    const char* byMiddle[] = {"name:1,2", nullptr};
    ASSERT_EQ(IsamAddIndex(db, "byMiddle", byMiddle), 1);
    ASSERT_EQ(IsamAddIndex(db, "byAge", byAge), 1);
    ASSERT_EQ(IsamAddIndex(db, "byId,U", byId), 1);
    struct {
        const char* name;
        std::int16_t age;
        std::uint16_t id;
    } rows[] = {{"xcax", 70, 40000}, {"zaz", -5, 65535}, {"ybbb", 3, 1}};
    IsamIndex* physical = IsamOpenIndex(db, kPhysicalIndex);
    for (const auto& r : rows) {
        char blob = 'b';
        const char* values[] = {r.name, reinterpret_cast<const char*>(&r.age),
                                reinterpret_cast<const char*>(&r.id), &blob};
        ASSERT_EQ(IsamAddRecord(db, values, physical), 1);
    }
    const char* bad[] = {"nosuch", nullptr};
    EXPECT_EQ(IsamAddIndex(db, "other", bad), -1);
    EXPECT_EQ(IsamError(), kIsamUnknownField);
    EXPECT_EQ(IsamAddIndex(db, "BYAGE", byAge), -1);
    EXPECT_EQ(IsamError(), kIsamDuplicateIndex);
    auto order = [](IsamDatabase* d, const char* index) {
        std::string names;
        IsamIndex* ix = IsamOpenIndex(d, index);
        char buffer[64];
        char* f[4];
        for (int r = IsamFirst(d, ix); r == 1; r = IsamNext(d, ix)) {
            EXPECT_EQ(IsamReadRecord(d, ix, buffer, sizeof buffer, f), 1);
            names += std::string(f[0]) + " ";
        }
        return names;
    };
    for (int round = 0; round < 2; ++round) {
        EXPECT_EQ(order(db, "byAge"), "zaz ybbb xcax ") << round;
        EXPECT_EQ(order(db, "byId,U"), "ybbb xcax zaz ") << round;
        EXPECT_EQ(order(db, "byMiddle"), "zaz ybbb xcax ") << round; // "az" < "bb" < "ca"
        EXPECT_EQ(List(IsamIndexParts(db, IsamOpenIndex(db, "byMiddle"))),
                  std::vector<std::string>{"name:1,2"});
        ASSERT_EQ(IsamClose(db), 1);
        db = IsamOpen(base_.c_str(), false, false);
        ASSERT_NE(db, nullptr);
    }
    ASSERT_EQ(IsamDeleteIndex(db, "byage"), 1);
    EXPECT_EQ(IsamOpenIndex(db, "byAge"), nullptr);
    EXPECT_EQ(IsamError(), kIsamUnknownIndex);
    EXPECT_EQ(IsamDeleteIndex(db, kPhysicalIndex), -1);
    EXPECT_EQ(IsamError(), kIsamNotAllowed);
    ASSERT_EQ(IsamClose(db), 1);
    db = IsamOpen(base_.c_str(), false, false);
    EXPECT_EQ(List(IsamIndexNames(db)),
              (std::vector<std::string>{"Physical Index", "byMiddle", "byId,U"}));
    EXPECT_EQ(order(db, "byId,U"), "ybbb xcax zaz ");
}

TEST_F(IsamTest, FieldSizesAndIndexLimits)
{
    const char* fields[] = {"a,B:0", "b,B:40000", "c,x", nullptr};
    IsamDatabase* db = IsamCreate(base_.c_str(), 0, fields);
    ASSERT_NE(db, nullptr);
    std::vector<char> big(32767, 'z');
    const char* values[] = {"a", big.data(), "c"};
    IsamIndex* physical = IsamOpenIndex(db, kPhysicalIndex);
    EXPECT_EQ(IsamAddRecord(db, values, physical), -1); // 1 + 32767 + 2 bytes
    EXPECT_EQ(IsamError(), kIsamDataTooLarge);
    ASSERT_EQ(IsamClose(db), 1);
    const char* one[] = {"b,B:40000", nullptr};
    db = IsamCreate(base_.c_str(), 0, one);
    physical = IsamOpenIndex(db, kPhysicalIndex);
    const char* only[] = {big.data()};
    ASSERT_EQ(IsamAddRecord(db, only, physical), 1);
    std::uint32_t length = 0;
    ASSERT_EQ(IsamRecordLength(db, physical, &length), 1);
    EXPECT_EQ(length, 32767u);
    // A key made of the whole binary value is longer than a key may be.
    const char* parts[] = {"b,B:40000", nullptr};
    EXPECT_EQ(IsamAddIndex(db, "whole", parts), -1);
    EXPECT_EQ(IsamError(), kIsamKeyTooLong);
    ASSERT_EQ(IsamClose(db), 1);

    // User indexes take the numbers 1 to 253; 254 and 255 begin free-space keys.
    const char* small[] = {"s", nullptr};
    db = IsamCreate(base_.c_str(), 0, small);
    physical = IsamOpenIndex(db, kPhysicalIndex);
    const char* record[] = {"x"};
    ASSERT_EQ(IsamAddRecord(db, record, physical), 1);
    int added = 0;
    while (IsamAddIndex(db, ("i" + std::to_string(added)).c_str(), small) == 1)
        ++added;
    EXPECT_EQ(added, 253);
    EXPECT_EQ(IsamError(), kIsamTooManyIndexes);
    ASSERT_EQ(IsamDeleteRecord(db, physical), 1);
    ASSERT_EQ(IsamAddRecord(db, record, physical), 1);
    ASSERT_EQ(IsamClose(db), 1);
    db = IsamOpen(base_.c_str(), false, false);
    ASSERT_NE(db, nullptr);
    IsamIndex* last = IsamOpenIndex(db, "i252");
    ASSERT_NE(last, nullptr);
    ASSERT_EQ(IsamFirst(db, last), 1);
    EXPECT_EQ(IsamNext(db, last), kIsamPastEnd);
    const char* none[] = {nullptr};
    EXPECT_EQ(IsamCreate(dir_.Path("none").c_str(), 0, none), nullptr);
    EXPECT_EQ(IsamError(), kIsamNullArgument);
}

TEST_F(IsamTest, SearchPastTheEndAndStaleHandles)
{
    IsamIndex* keys = nullptr;
    IsamDatabase* db = CreateKeyValue(base_, &keys);
    ASSERT_EQ(Add(db, keys, "m", "1"), 1);
    EXPECT_EQ(FindKey(db, keys, "a"), kIsamGreater);
    EXPECT_EQ(ReadRow(db, keys).key, "m");
    EXPECT_EQ(FindKey(db, keys, "z"), kIsamGreater);
    std::uint32_t length;
    EXPECT_EQ(IsamRecordLength(db, keys, &length), -1);
    EXPECT_EQ(IsamError(), kIsamNoCurrent);
    EXPECT_EQ(IsamDeleteRecord(db, keys), -1);
    EXPECT_EQ(IsamError(), kIsamNoCurrent);
    EXPECT_EQ(IsamFind(db, IsamOpenIndex(db, kPhysicalIndex), nullptr), -1);
    EXPECT_EQ(IsamError(), kIsamNotAllowed);
    EXPECT_EQ(IsamOpen(base_.c_str(), false, false), nullptr);
    EXPECT_EQ(IsamError(), kIsamInUse);
    ASSERT_EQ(IsamClose(db), 1);
    EXPECT_EQ(IsamFirst(db, keys), -1);
    EXPECT_EQ(IsamError(), kIsamBadDatabase);
    EXPECT_EQ(IsamOpen(dir_.Path("nothing").c_str(), false, false), nullptr);
    EXPECT_EQ(IsamError(), kIsamFileNotFound);
    db = IsamOpen(base_.c_str(), false, true);
    ASSERT_NE(db, nullptr);
    EXPECT_EQ(Add(db, IsamOpenIndex(db, "keys,U"), "n", "2"), -1);
    EXPECT_EQ(IsamError(), kIsamReadOnly);
    // After the engine has shut down, closing is quietly nothing.
    ASSERT_EQ(IsamShutdown(), 1);
    EXPECT_EQ(IsamClose(db), 1);
}

TEST_F(IsamTest, JoinedFreeRecordsStayBelowTheLengthLimit)
{
    const char* fields[] = {"v", nullptr};
    IsamDatabase* db = IsamCreate(base_.c_str(), 0, fields);
    ASSERT_NE(db, nullptr);
    IsamIndex* physical = IsamOpenIndex(db, kPhysicalIndex);
    const std::string big(15999, 'b'); // 16,000 bytes a record
    for (int i = 0; i < 3; ++i) {
        const char* values[] = {big.c_str()};
        ASSERT_EQ(IsamAddRecord(db, values, physical), 1);
    }
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(IsamFirst(db, physical), 1);
        ASSERT_EQ(IsamDeleteRecord(db, physical), 1);
    }
    ASSERT_EQ(IsamClose(db), 1);
    const std::int32_t start = 4 + 2; // dictionary "v" NUL
    EXPECT_EQ(LengthWord(start), -(2 * 16000 + 2));
    EXPECT_EQ(LengthWord(start + 2 * 16002), -16000);
}

TEST_F(IsamTest, DamagedRecordFileGivesErrorSeven)
{
    IsamIndex* keys = nullptr;
    IsamDatabase* db = CreateKeyValue(base_, &keys);
    ASSERT_EQ(Add(db, keys, "first", "1"), 1);  // 8 bytes at 16
    ASSERT_EQ(Add(db, keys, "second", "2"), 1); // 9 bytes at 26
    ASSERT_EQ(IsamClose(db), 1);
    const std::vector<std::uint8_t> good = ReadAll(base_ + ".db");
    struct Case {
        const char* what;
        std::size_t offset;
        std::vector<std::uint8_t> bytes;
        bool atOpen;
    } cases[] = {
        {"dictionary longer than the file", 0, {0xF0, 0x7F}, true},
        {"field count not matching", 2, {3, 0}, true},
        {"dictionary string without its end", 15, {'x'}, true},
        {"record length past the end of file", 26, {0x00, 0x10}, false},
        {"last value without its end", 34, {'x'}, false},
    };
    for (const Case& c : cases) {
        std::vector<std::uint8_t> bytes = good;
        std::copy(c.bytes.begin(), c.bytes.end(), bytes.begin() + c.offset);
        WriteAll(base_ + ".db", bytes);
        db = IsamOpen(base_.c_str(), false, true);
        if (c.atOpen) {
            EXPECT_EQ(db, nullptr) << c.what;
            EXPECT_EQ(IsamError(), kIsamIo) << c.what;
            continue;
        }
        ASSERT_NE(db, nullptr) << c.what;
        keys = IsamOpenIndex(db, "keys,U");
        ASSERT_EQ(FindKey(db, keys, "second"), kIsamFound) << c.what;
        char buffer[64];
        char* fields[2];
        EXPECT_EQ(IsamReadRecord(db, keys, buffer, sizeof buffer, fields), -1) << c.what;
        EXPECT_EQ(IsamError(), kIsamIo) << c.what;
        ASSERT_EQ(IsamClose(db), 1);
    }
}
