// Random inserts and deletes against a model, with the smallest pool, and a
// check of the whole file structure.
#include "BTreeCheck.h"
#include "KyDB/Engine/BlockPool.h"
#include "KyDB/Engine/BTree.h"
#include "KyDBTestSupport.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <vector>

using namespace Kyvant;
using namespace KyDBTest;

namespace {

struct Entry {
    std::string key;
    std::int32_t item;
};

// The tree's order: bytes ignoring case, the shorter key first, then the item.
struct EntryLess {
    bool operator()(const Entry& a, const Entry& b) const
    {
        int c = DefaultKeyOrder(reinterpret_cast<const std::uint8_t*>(a.key.data()),
                                static_cast<std::uint32_t>(a.key.size()),
                                reinterpret_cast<const std::uint8_t*>(b.key.data()),
                                static_cast<std::uint32_t>(b.key.size()), nullptr);
        return c != 0 ? c < 0 : a.item < b.item;
    }
};

using Model = std::set<Entry, EntryLess>;

std::string KeyAt(BTreeHandle* h)
{
    std::uint32_t length = 0;
    EXPECT_EQ(BtCurrentKeyLength(h, &length), 1);
    std::string key(length, '\0');
    EXPECT_EQ(BtCurrentKey(h, &key[0], length), 1);
    return key;
}

// Both walks give exactly the model's entries, bytes included.
void ExpectWalksMatch(BTreeHandle* h, const Model& model)
{
    std::vector<Entry> forward, backward;
    std::int32_t item;
    int r = BtFirst(h);
    while (r == 1) {
        ASSERT_EQ(BtCurrentItem(h, &item), 1);
        forward.push_back({KeyAt(h), item});
        r = BtNext(h, &item);
    }
    ASSERT_EQ(r, kBtPastEnd) << "error " << CbtError();
    r = BtLast(h);
    while (r == 1) {
        ASSERT_EQ(BtCurrentItem(h, &item), 1);
        backward.push_back({KeyAt(h), item});
        r = BtPrevious(h, &item);
    }
    ASSERT_EQ(r, kBtBeforeFirst) << "error " << CbtError();
    ASSERT_EQ(forward.size(), model.size());
    ASSERT_EQ(backward.size(), model.size());
    auto it = model.begin();
    for (std::size_t i = 0; i < forward.size(); ++i, ++it) {
        ASSERT_EQ(forward[i].key, it->key) << "at " << i;
        ASSERT_EQ(forward[i].item, it->item) << "at " << i;
        const Entry& back = backward[forward.size() - 1 - i];
        ASSERT_EQ(back.key, it->key);
        ASSERT_EQ(back.item, it->item);
    }
}

std::string RandomKey(std::mt19937& rng)
{
    // Few letters in both cases, so that many keys compare equal; now and
    // then a long key that fills most of a node.
    static const char letters[] = "abcABC";
    std::uniform_int_distribution<int> pick(0, 5);
    std::size_t length = rng() % 50 == 0 ? 100 + rng() % 380 : 1 + rng() % 10;
    std::string key(length, 'a');
    for (char& c : key)
        c = letters[pick(rng)];
    return key;
}

} // namespace

TEST(BTreeModel, RandomChangesWithSmallestPoolAgreeWithModel)
{
    ScratchDir dir;
    const std::string path = dir.Path("model.idx");
    ASSERT_NE(PoolCreate(512, 6), nullptr);
    NoFlush noFlush;
    BTreeHandle* h = BtCreate(path.c_str(), nullptr, nullptr, 0);
    ASSERT_NE(h, nullptr);

    std::mt19937 rng(20240607);
    Model model;
    std::vector<Entry> inserted;
    int inserts = 0, deletes = 0;
    // The first operations write back one by one; later ones are batched
    // under an explicit exclusive lock, released every 1,000 operations.
    bool batched = false;
    for (int op = 1; inserts < 20000 || deletes < 10000; ++op) {
        bool insert = deletes >= 10000 || (inserts < 20000 && rng() % 3 != 0) || model.empty();
        if (insert) {
            Entry e{RandomKey(rng), static_cast<std::int32_t>(rng() % 2000) - 1000};
            int r =
                BtInsert(h, e.key.data(), static_cast<std::uint32_t>(e.key.size()), e.item, true);
            if (model.count(e)) {
                ASSERT_EQ(r, -1);
                ASSERT_EQ(CbtError(), kCbtDuplicatePair);
                continue;
            }
            ASSERT_EQ(r, 1) << "insert " << inserts << " error " << CbtError() << " at "
                            << CbtErrorPlace();
            model.insert(e);
            inserted.push_back(e);
            ++inserts;
        } else {
            std::size_t at = rng() % inserted.size();
            Entry e = inserted[at];
            inserted[at] = inserted.back();
            inserted.pop_back();
            ASSERT_EQ(BtDelete(h, e.key.data(), static_cast<std::uint32_t>(e.key.size()), e.item),
                      1)
                << "delete " << deletes << " error " << CbtError() << " at " << CbtErrorPlace();
            model.erase(e);
            ++deletes;
        }
        if (op % 1000 == 0) {
            if (batched) {
                ASSERT_EQ(BtUnlock(h, kBtExclusive), 1);
            }
            ASSERT_NO_FATAL_FAILURE(ExpectWalksMatch(h, model));
            if (op == 15000) {
                ASSERT_EQ(BtClose(h), 1);
                TreeReport report = CheckTreeFile(path);
                ASSERT_EQ(report.problem, "");
                ASSERT_EQ(report.entries, model.size());
                h = BtOpen(path.c_str(), nullptr, nullptr, false, false);
                ASSERT_NE(h, nullptr);
            }
            batched = op >= 3000;
            if (batched) {
                ASSERT_EQ(BtLock(h, kBtExclusive), 1);
            }
        }
    }
    if (batched) {
        ASSERT_EQ(BtUnlock(h, kBtExclusive), 1);
    }
    ASSERT_EQ(BtClose(h), 1);
    TreeReport report = CheckTreeFile(path);
    EXPECT_EQ(report.problem, "");
    EXPECT_EQ(report.entries, model.size());

    // Emptying most of the tree frees nodes; new entries take them before the
    // file grows.
    h = BtOpen(path.c_str(), nullptr, nullptr, false, false);
    ASSERT_NE(h, nullptr);
    while (model.size() > 300) {
        std::size_t at = rng() % inserted.size();
        Entry e = inserted[at];
        inserted[at] = inserted.back();
        inserted.pop_back();
        ASSERT_EQ(BtDelete(h, e.key.data(), static_cast<std::uint32_t>(e.key.size()), e.item), 1);
        model.erase(e);
    }
    ASSERT_EQ(BtClose(h), 1);
    report = CheckTreeFile(path);
    ASSERT_EQ(report.problem, "");
    ASSERT_GT(report.freeBlocks, 10);
    const std::size_t sizeBefore = ReadAll(path).size();
    h = BtOpen(path.c_str(), nullptr, nullptr, false, false);
    ASSERT_NE(h, nullptr);
    for (int i = 0; i < 1000; ++i) {
        Entry e{RandomKey(rng), 5000 + i};
        ASSERT_EQ(BtInsert(h, e.key.data(), static_cast<std::uint32_t>(e.key.size()), e.item, true),
                  1);
        model.insert(e);
    }
    ASSERT_EQ(BtClose(h), 1);
    report = CheckTreeFile(path);
    ASSERT_EQ(report.problem, "");
    EXPECT_EQ(ReadAll(path).size(), sizeBefore);

    h = BtOpen(path.c_str(), nullptr, nullptr, false, true);
    ASSERT_NE(h, nullptr);
    ExpectWalksMatch(h, model);
    // Every remaining entry is found by key and item.
    for (const Entry& e : model) {
        std::int32_t item = e.item;
        ASSERT_EQ(BtFind(h, e.key.data(), static_cast<std::uint32_t>(e.key.size()), &item),
                  kBtFound);
        ASSERT_EQ(item, e.item);
    }
    EXPECT_EQ(BtCloseAll(), 1);
}
