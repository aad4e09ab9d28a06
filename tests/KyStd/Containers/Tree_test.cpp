// Tests of the red-black trees: random runs against std containers, inserts, erases, hints, copies.
#include "KyStd/Containers/Map.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iterator>
#include <map>
#include <random>
#include <set>
#include <stdexcept>
#include <type_traits>
#include <vector>

using namespace Kyvant;

namespace {

struct AllocStats {
    static int live;
};
int AllocStats::live = 0;

template <class T>
struct CountingAlloc {
    using value_type = T;
    CountingAlloc() = default;
    template <class U>
    CountingAlloc(const CountingAlloc<U>&)
    {
    }
    T* allocate(std::size_t n)
    {
        ++AllocStats::live;
        return static_cast<T*>(::operator new(n * sizeof(T)));
    }
    void deallocate(T* p, std::size_t)
    {
        --AllocStats::live;
        ::operator delete(p);
    }
    bool operator==(const CountingAlloc&) const { return true; }
    bool operator!=(const CountingAlloc&) const { return false; }
};

// A value whose copy fails once a budget of copies is used up.
struct Fragile {
    static int copiesLeft; // negative: no limit
    int v;
    explicit Fragile(int value = 0) : v(value) {}
    Fragile(const Fragile& other) : v(other.v)
    {
        if (copiesLeft == 0)
            throw std::runtime_error("copy failed");
        if (copiesLeft > 0)
            --copiesLeft;
    }
    Fragile& operator=(const Fragile&) = default;
};
int Fragile::copiesLeft = -1;

// Same shape, colours and elements, node by node.
template <class Tree>
bool SameShape(const ky_RBNB* a, const ky_RBNB* b)
{
    using Node = typename Tree::Node;
    if (!a || !b)
        return a == b;
    return a->red() == b->red() &&
           static_cast<const Node*>(a)->value == static_cast<const Node*>(b)->value &&
           SameShape<Tree>(a->left, b->left) && SameShape<Tree>(a->right, b->right);
}

template <class Ky, class Std>
::testing::AssertionResult Agree(const Ky& ky, const Std& st)
{
    unsigned height, black;
    if (!ky.CheckInvariant(&height, &black))
        return ::testing::AssertionFailure() << "invariant broken";
    if (ky.size() != st.size() || !std::equal(ky.begin(), ky.end(), st.begin(), st.end()))
        return ::testing::AssertionFailure() << "contents differ";
    if (st.size() > 0 && (height > 2 * black || black == 0))
        return ::testing::AssertionFailure() << "height " << height << " black " << black;
    return ::testing::AssertionSuccess();
}

template <class Ky>
typename Ky::value_type MakeValue(int key, int tag)
{
    if constexpr (std::is_same_v<typename Ky::value_type, int>)
        return key;
    else
        return {key, tag};
}

// The iterator of an insert's result, with or without the inserted flag.
template <class It>
It Where(const std::pair<It, bool>& result)
{
    return result.first;
}
template <class It>
It Where(const It& result)
{
    return result;
}

// 10,000 random operations on Ky and the standard container Std, compared
// after each step.
template <class Ky, class Std>
void RandomOperations(bool multi, unsigned seed)
{
    std::mt19937 random(seed);
    Ky ky;
    Std st;
    auto at = [&](typename Ky::const_iterator k, typename Std::const_iterator s) {
        return std::make_pair(std::distance(typename Ky::const_iterator(ky.begin()), k),
                              std::distance(st.cbegin(), s));
    };
    for (int step = 0; step < 10000; ++step) {
        int key = static_cast<int>(random() % 300), last = key + static_cast<int>(random() % 20);
        auto value = MakeValue<Ky>(key, step);
        std::pair<std::ptrdiff_t, std::ptrdiff_t> pos{0, 0};
        switch (random() % 7) {
        case 0:
        case 1:
            pos = at(Where(ky.insert(value)), Where(st.insert(value)));
            break;
        case 2:
            // A multimap's standard counterpart honours only hints after the equal keys.
            if (multi || random() % 2)
                pos = at(ky.insert(ky.upper_bound(key), value),
                         st.insert(st.upper_bound(key), value));
            else
                pos = at(ky.insert(ky.lower_bound(key), value),
                         st.insert(st.lower_bound(key), value));
            break;
        case 3:
            ASSERT_EQ(ky.erase(key), st.erase(key));
            break;
        case 4:
            if (st.lower_bound(key) != st.end())
                pos = at(ky.erase(ky.lower_bound(key)), st.erase(st.lower_bound(key)));
            break;
        case 5:
            pos = at(ky.erase(ky.lower_bound(key), ky.lower_bound(last)),
                     st.erase(st.lower_bound(key), st.lower_bound(last)));
            break;
        case 6:
            ASSERT_EQ(ky.count(key), st.count(key));
            pos = at(ky.upper_bound(key), st.upper_bound(key));
            ASSERT_EQ(pos.first, pos.second);
            pos = at(ky.find(key), st.find(key) == st.end() ? st.end() : st.lower_bound(key));
            break;
        }
        ASSERT_EQ(pos.first, pos.second) << "step " << step;
        ASSERT_TRUE(Agree(ky, st)) << "step " << step;
        if (step % 2000 == 1999) {
            Ky copy;
            copy = ky;
            ASSERT_TRUE(std::equal(copy.rbegin(), copy.rend(), st.rbegin(), st.rend()));
            ky.swap(copy);
            ASSERT_TRUE(Agree(ky, st));
        }
    }
}

} // namespace

TEST(Tree, RandomOperationsAgreeWithStandardContainers)
{
    RandomOperations<ky_map<int, int>, std::map<int, int>>(false, 1);
    RandomOperations<ky_multimap<int, int>, std::multimap<int, int>>(true, 2);
    RandomOperations<ky_set<int>, std::set<int>>(false, 3);
}

TEST(Tree, InsertSemantics)
{
    ky_map<int, int> map;
    EXPECT_TRUE(map.insert({5, 50}).second);
    auto again = map.insert({5, 99});
    EXPECT_FALSE(again.second);
    EXPECT_EQ(again.first->second, 50);
    EXPECT_EQ(map[7], 0); // a new key gets a default value
    EXPECT_EQ(map.size(), 2u);

    ky_set<int> set;
    EXPECT_TRUE(set.insert(1).second);
    EXPECT_FALSE(set.insert(1).second);

    ky_multimap<int, int> multi;
    for (int tag = 0; tag < 4; ++tag) {
        multi.insert({3, tag});
        multi.insert({1, tag});
    }
    auto range = multi.equal_range(3);
    std::vector<int> tags;
    for (auto it = range.first; it != range.second; ++it)
        tags.push_back(it->second);
    EXPECT_EQ(tags, (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(multi.count(2), 0u);
    EXPECT_TRUE(multi.equal_range(2).first == multi.equal_range(2).second);
}

TEST(Tree, ErasingEdgesAndMisuse)
{
    using Map = ky_map<int, int>;
    struct Case {
        const char* name;
        std::function<void(Map&)> action;
        bool throws;
        unsigned sizeAfter;
    };
    const Case cases[] = {
        {"whole range", [](Map& m) { EXPECT_EQ(m.erase_range(m.Leftmost(), nullptr), 10u); }, false,
         0},
        {"last element", [](Map& m) { m.erase(std::prev(m.end())); }, false, 9},
        {"absent key", [](Map& m) { EXPECT_EQ(m.erase(42), 0u); }, false, 10},
        {"end position", [](Map& m) { m.erase(m.end()); }, true, 10},
        {"reversed range", [](Map& m) { m.erase(m.find(5), m.find(2)); }, true, 10},
        {"copy of itself", [](Map& m) { m.dup(m); }, false, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Map map;
        for (int i = 0; i < 10; ++i)
            map[i] = i;
        if (c.throws)
            EXPECT_THROW(c.action(map), std::logic_error);
        else
            c.action(map);
        EXPECT_EQ(map.size(), c.sizeAfter);
        EXPECT_TRUE(map.CheckInvariant(nullptr, nullptr));
        if (map.empty()) {
            EXPECT_TRUE(!map.Root() && !map.Leftmost() && !map.Rightmost());
        }
    }
}

TEST(Tree, HintedInsertsBuildTheSameTree)
{
    std::mt19937 random(11);
    ky_map<int, int> plainMap, hintedMap;
    ky_multimap<int, int> plainMulti, hintedMulti;
    for (int i = 0; i < 2000; ++i) {
        int key = static_cast<int>(random() % 500);
        // Right neighbours, ends and positions anywhere in the tree.
        auto pick = [&](auto& tree) {
            switch (i % 5) {
            case 0:
                return tree.begin();
            case 1:
                return tree.end();
            case 2:
                return tree.lower_bound(key);
            case 3:
                return tree.upper_bound(key);
            default:
                return std::next(tree.begin(), tree.empty() ? 0 : random() % tree.size());
            }
        };
        plainMap.insert({key, i});
        hintedMap.insert(pick(hintedMap), {key, i});
        plainMulti.insert({key, i});
        hintedMulti.insert(pick(hintedMulti), {key, i});
    }
    using Map = ky_map<int, int>;
    using Multi = ky_multimap<int, int>;
    EXPECT_TRUE(SameShape<Map>(plainMap.Root(), hintedMap.Root()));
    EXPECT_TRUE(SameShape<Multi>(plainMulti.Root(), hintedMulti.Root()));
    EXPECT_TRUE(hintedMap.CheckInvariant(nullptr, nullptr));
    EXPECT_TRUE(hintedMulti.CheckInvariant(nullptr, nullptr));
}

TEST(Tree, FailedCopyFreesWhatItBuilt)
{
    using Map = ky_map<int, Fragile, std::less<int>, CountingAlloc<int>>;
    {
        Map source, target;
        for (int i = 0; i < 200; ++i)
            source.insert({i, Fragile(i)});
        for (int i = 0; i < 5; ++i)
            target.insert({-i, Fragile(-i)});
        ASSERT_EQ(AllocStats::live, 205);

        Fragile::copiesLeft = 120;
        EXPECT_THROW(target = source, std::runtime_error);
        EXPECT_EQ(AllocStats::live, 205);
        EXPECT_EQ(target.size(), 5u);
        EXPECT_TRUE(target.CheckInvariant(nullptr, nullptr));

        Fragile::copiesLeft = 50;
        EXPECT_THROW(Map copy(source), std::runtime_error);
        EXPECT_EQ(AllocStats::live, 205);

        Fragile::copiesLeft = -1;
        target = source;
        EXPECT_EQ(AllocStats::live, 400);
        EXPECT_TRUE(target.CheckInvariant(nullptr, nullptr));
        EXPECT_EQ(target.size(), 200u);
        EXPECT_EQ(std::prev(target.end())->second.v, 199);
    }
    EXPECT_EQ(AllocStats::live, 0);
}
