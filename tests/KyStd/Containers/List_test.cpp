// Tests of the linked list and its node pool: edits, stable sort, failed allocation, sharing.
#include "KyStd/Containers/List.h"
#include "peer/PeerLists.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <functional>
#include <random>
#include <stdexcept>
#include <thread>
#include <utility>
#include <vector>

using namespace Kyvant;

namespace {

using IntList = ky_list<int>;

IntList Make(const std::vector<int>& values)
{
    IntList list;
    for (int v : values)
        list.push_back(v);
    return list;
}

// Contents read forwards; the backward links and the count must agree.
std::vector<int> Contents(const IntList& list)
{
    std::vector<int> forward(list.begin(), list.end());
    std::vector<int> backward;
    for (auto it = list.end(); it != list.begin();)
        backward.push_back(*--it);
    std::reverse(backward.begin(), backward.end());
    EXPECT_EQ(forward, backward);
    EXPECT_EQ(forward.size(), list.size());
    return forward;
}

IntList::const_iterator At(const IntList& list, int index)
{
    return std::next(list.begin(), index);
}

struct AllocStats {
    static int live;
    static int budget; // allocations left before failing; negative: no limit
};
int AllocStats::live = 0;
int AllocStats::budget = -1;

template <class T>
struct FailingAlloc {
    using value_type = T;
    FailingAlloc() = default;
    template <class U>
    FailingAlloc(const FailingAlloc<U>&)
    {
    }
    T* allocate(std::size_t n)
    {
        if (AllocStats::budget == 0)
            throw std::bad_alloc();
        if (AllocStats::budget > 0)
            --AllocStats::budget;
        ++AllocStats::live;
        return static_cast<T*>(::operator new(n * sizeof(T)));
    }
    void deallocate(T* p, std::size_t)
    {
        --AllocStats::live;
        ::operator delete(p);
    }
    bool operator==(const FailingAlloc&) const { return true; }
    bool operator!=(const FailingAlloc&) const { return false; }
};

template <class Node>
RefCountedBlockManager<Node>* RegisteredPool()
{
    return static_cast<RefCountedBlockManager<Node>*>(
        StaticDataManager::find(typeid(ky_block_allocator<Node>)));
}

} // namespace

TEST(List, EditsKeepLinksAndCounts)
{
    using Op = std::function<void(IntList&, IntList&)>;
    struct Case {
        const char* name;
        Op op;
        std::vector<int> a, b;
        bool refused = false; // std::logic_error, a unchanged
    };
    const std::vector<int> a0{1, 2, 3}, b0{7, 8};
    const Case cases[] = {
        {"resize(0)", [](IntList& a, IntList&) { a.resize(0); }, {}, b0},
        {"reverse", [](IntList& a, IntList&) { a.reverse(); }, {3, 2, 1}, b0},
        {"reverse one", [](IntList&, IntList& b) { b.resize(1), b.reverse(); }, a0, {7}},
        {"assign fewer", [](IntList& a, IntList&) { a.assign(2u, 5); }, {5, 5}, b0},
        {"assign own tail", [](IntList& a, IntList&) { a.assign(At(a, 1), a.end()); }, {2, 3}, b0},
        {"insert own range inside itself",
         [](IntList& a, IntList&) { a.insert(At(a, 1), a.begin(), a.end()); },
         {1, 1, 2, 3, 2, 3},
         b0},
        {"node to front",
         [](IntList& a, IntList&) { a.splice(a.begin(), a, At(a, 2)); },
         {3, 1, 2},
         b0},
        {"node before itself", [](IntList& a, IntList&) { a.splice(At(a, 1), a, At(a, 1)); }, a0,
         b0},
        {"range before its own first",
         [](IntList& a, IntList&) { a.splice(a.begin(), a, a.begin(), At(a, 2)); }, a0, b0},
        {"copying whole list onto itself",
         [](IntList& a, IntList&) { a.il_splice(a.end().node(), a); }, a0, b0},
        {"whole other list",
         [](IntList& a, IntList& b) { a.splice(At(a, 1), b); },
         {1, 7, 8, 2, 3},
         {}},
        {"one node",
         [](IntList& a, IntList& b) { a.splice(a.end(), b, At(b, 1)); },
         {1, 2, 3, 8},
         {7}},
        {"empty range", [](IntList& a, IntList& b) { a.splice(a.end(), b, At(b, 1), At(b, 1)); },
         a0, b0},
        {"copying range",
         [](IntList& a, IntList& b) {
             a.il_splice(a.end().node(), b, b.begin().node(), At(b, 1).node());
         },
         {1, 2, 3, 7},
         {8}},
        {"swap with empty", [](IntList& a, IntList& b) { b.clear(), a.swap(b); }, {}, a0},
        {"erase end", [](IntList& a, IntList&) { a.erase(a.end()); }, a0, b0, true},
        {"erase past end", [](IntList& a, IntList&) { a.erase(At(a, 1), a.begin()); }, a0, b0,
         true},
        {"splice into own range",
         [](IntList& a, IntList&) { a.splice(At(a, 1), a, a.begin(), a.end()); }, a0, b0, true},
        {"splice other's end", [](IntList& a, IntList& b) { a.splice(a.end(), b, b.end()); }, a0,
         b0, true},
        {"front of empty", [](IntList&, IntList& b) { b.clear(), b.front(); }, a0, {}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        IntList a = Make(a0), b = Make(b0);
        if (c.refused)
            EXPECT_THROW(c.op(a, b), std::logic_error);
        else
            c.op(a, b);
        EXPECT_EQ(Contents(a), c.a);
        EXPECT_EQ(Contents(b), c.b);
    }
}

TEST(List, MergeSortIsStable)
{
    std::mt19937 random(7);
    ky_list<std::pair<int, int>> list;
    std::vector<std::pair<int, int>> expected;
    for (int i = 0; i < 1000; ++i) {
        std::pair<int, int> item(static_cast<int>(random() % 40), i);
        list.push_back(item);
        expected.push_back(item);
    }
    auto byKey = [](const std::pair<int, int>& a, const std::pair<int, int>& b) {
        return a.first < b.first;
    };
    list.sort(byKey);
    std::stable_sort(expected.begin(), expected.end(), byKey);
    EXPECT_TRUE(std::equal(list.begin(), list.end(), expected.begin(), expected.end()));

    // A comparison that fails part-way loses no element.
    int calls = 0;
    auto failing = [&calls](const std::pair<int, int>& a, const std::pair<int, int>& b) {
        if (++calls == 3000)
            throw std::runtime_error("compare");
        return a.second > b.second;
    };
    EXPECT_THROW(list.sort(failing), std::runtime_error);
    std::vector<std::pair<int, int>> left(list.begin(), list.end());
    std::sort(left.begin(), left.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(left, expected);
}

TEST(List, FailedAllocationLeavesListUnchanged)
{
    {
        ky_list<int, FailingAlloc<int>> list;
        ky_list<int, FailingAlloc<int>> source;
        for (int i = 0; i < 10; ++i)
            source.push_back(i);
        list.push_back(-1);
        AllocStats::budget = 4;
        EXPECT_THROW(list.insert(list.begin(), source.begin(), source.end()), std::bad_alloc);
        AllocStats::budget = 2;
        EXPECT_THROW((ky_list<int, FailingAlloc<int>>(source)), std::bad_alloc);
        AllocStats::budget = -1;
        EXPECT_EQ(std::vector<int>(list.begin(), list.end()), std::vector<int>{-1});
        EXPECT_EQ(AllocStats::live, 11);
    }
    EXPECT_EQ(AllocStats::live, 0);
}

TEST(NodePool, RefusesBadSizesWithTheirTexts)
{
    struct Case {
        const char* name;
        std::function<void()> action;
        const char* text;
    };
    const Case cases[] = {
        {"block size 0", [] { BlockManager<ky_list_node<int>> pool(0); },
         "BlockManager: blockSize == 0"},
        {"list with block size 0", [] { ky_list<double> list(0); }, "BlockManager: blockSize == 0"},
        {"init after allocation",
         [] {
             BlockManager<ky_list_node<int>> pool(4);
             pool.deallocate(pool.allocate());
             pool.init(8, false);
         },
         "BlockManager: init called after block was allocated"},
        {"node smaller than a pointer", [] { BlockManager<char> pool; },
         "BlockManager: sizeof(T) < sizeof(T*)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            c.action();
            ADD_FAILURE() << "no throw";
        } catch (const std::logic_error& e) {
            EXPECT_STREQ(e.what(), c.text);
        }
    }
}

TEST(NodePool, ReusesFreedNodesAndFallsBackToSingleNodeBlocks)
{
    using Node = ky_list_node<int>;
    BlockManager<Node> pool(2, true);
    EXPECT_EQ(pool.BlockCount(), 1u);
    Node* a = pool.allocate(); // the block's second slot
    Node* b = pool.allocate(); // its first, which the preallocation returned
    EXPECT_EQ(a, b + 1);
    pool.deallocate(a);
    EXPECT_EQ(pool.allocate(), a);
    EXPECT_EQ(pool.BlockCount(), 1u);
    pool.allocate();
    EXPECT_EQ(pool.BlockCount(), 2u);

    // A block whose byte count wraps around to a few bytes: one node per block.
    BlockManager<Node> huge(static_cast<unsigned>(SIZE_MAX / sizeof(Node) + 1));
    huge.allocate();
    huge.allocate();
    EXPECT_EQ(huge.BlockCount(), 2u);
}

TEST(NodePool, OnePoolPerNodeTypeAcrossModules)
{
    using KyStdPeer::PooledItem;
    using Node = ky_list_node<PooledItem>;
    ASSERT_EQ(RegisteredPool<Node>(), nullptr);

    KyStdPeer::PeerListHold(150, 13);
    auto* pool = RegisteredPool<Node>();
    ASSERT_NE(pool, nullptr);
    EXPECT_EQ(pool->Object().BlockSize(), 13u);
    EXPECT_EQ(pool->Object().BlockCount(), 12u);
    {
        ky_list<PooledItem> mine(50); // the peer's list already fixed the size
        for (int i = 0; i < 13; ++i)
            mine.push_back(PooledItem{i, i});
        EXPECT_EQ(RegisteredPool<Node>(), pool);
        EXPECT_EQ(pool->Object().BlockSize(), 13u);
        EXPECT_EQ(pool->Object().BlockCount(), 13u);
        KyStdPeer::PeerListDrop();
        EXPECT_EQ(RegisteredPool<Node>(), pool);
        EXPECT_EQ(mine.size(), 13u);
    }
    EXPECT_EQ(RegisteredPool<Node>(), nullptr);

    // Whichever module comes first sets the block size.
    {
        ky_list<PooledItem> first(5);
        KyStdPeer::PeerListHold(3, 13);
        EXPECT_EQ(RegisteredPool<Node>()->Object().BlockSize(), 5u);
        KyStdPeer::PeerListDrop();
    }
    EXPECT_EQ(RegisteredPool<Node>(), nullptr);
}

TEST(NodePool, SharedByThreads)
{
    std::atomic<int> wrong{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([t, &wrong] {
            for (int round = 0; round < 20; ++round) {
                ky_list<long> list;
                for (int i = 0; i < 500; ++i)
                    list.push_back(t * 1000 + i);
                long sum = 0;
                for (long v : list)
                    sum += v - t * 1000;
                if (sum != 499 * 500 / 2)
                    ++wrong;
            }
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    EXPECT_EQ(wrong.load(), 0);
}
