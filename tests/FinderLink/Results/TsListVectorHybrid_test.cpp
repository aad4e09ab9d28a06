// The thread-safe result container: erasing by iterators with the removed
// indexes reported, and one writer appending while another thread reads and
// erases.
#include "FinderLink/Results/TsListVectorHybrid.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

using Kyvant::TsListVectorHybrid;

namespace {

// Two halves that must always agree: a torn copy shows.
struct Element {
    unsigned value;
    unsigned check;
};

Element Make(unsigned value)
{
    return Element{value, ~value};
}

using Container = TsListVectorHybrid<Element>;

std::vector<unsigned> Values(Container& c)
{
    std::vector<unsigned> values;
    for (unsigned i = 0; i < c.size(); ++i)
        values.push_back(c.at(i).value);
    return values;
}

} // namespace

TEST(TsListVectorHybrid, EraseReportsRemovedIndexesAscending)
{
    Container c(10);
    for (unsigned v = 0; v < 8; ++v)
        c.push_back(Make(v));
    const Element* kept = &c.at(6);
    // In any order, with a repeat.
    const std::vector<Container::iterator> doomed = {c.iterator_at(5), c.iterator_at(0),
                                                     c.iterator_at(3), c.iterator_at(5)};
    std::vector<int> removed;
    c.erase(doomed.begin(), doomed.end(), &removed);
    EXPECT_EQ((std::vector<int>{0, 3, 5}), removed);
    EXPECT_EQ((std::vector<unsigned>{1, 2, 4, 6, 7}), Values(c));
    EXPECT_EQ(kept, &c.at(3)) << "elements do not move";

    const std::vector<Container::iterator> none;
    c.erase(none.begin(), none.end(), &removed);
    EXPECT_EQ(3u, removed.size());
    c.clear();
    EXPECT_EQ(0u, c.size());
    c.push_back(Make(9));
    EXPECT_EQ((std::vector<unsigned>{9}), Values(c));
}

TEST(TsListVectorHybrid, ReadingAndErasingWhileAWriterAppends)
{
    const unsigned kElements = 200000;
    Container c(100);
    std::atomic<bool> writing(true);
    std::thread writer([&] {
        for (unsigned v = 0; v < kElements; ++v)
            c.push_back(Make(v));
        writing = false;
    });

    std::vector<unsigned> erased;
    unsigned rounds = 0;
    while (writing || rounds == 0) {
        ++rounds;
        const unsigned size = c.size();
        if (size < 4)
            continue;
        // Every element below a size read before is whole.
        for (unsigned i : {0u, size / 3, size - 1}) {
            const Element& e = c.at(i);
            ASSERT_EQ(~e.value, e.check) << "torn element at " << i;
        }
        const std::vector<Container::iterator> doomed = {c.iterator_at(size - 1),
                                                         c.iterator_at(size / 2)};
        const unsigned first = c.at(size / 2).value;
        const unsigned second = c.at(size - 1).value;
        std::vector<int> removed;
        c.erase(doomed.begin(), doomed.end(), &removed);
        ASSERT_EQ((std::vector<int>{int(size / 2), int(size - 1)}), removed);
        erased.push_back(first);
        erased.push_back(second);
    }
    writer.join();

    // Nothing lost, nothing twice, order kept.
    std::vector<bool> seen(kElements, false);
    for (unsigned v : erased)
        seen[v] = true;
    const std::vector<unsigned> left = Values(c);
    for (std::size_t i = 0; i < left.size(); ++i) {
        ASSERT_FALSE(seen[left[i]]) << left[i] << " is both erased and left";
        seen[left[i]] = true;
        if (i > 0) {
            ASSERT_LT(left[i - 1], left[i]);
        }
    }
    for (unsigned v = 0; v < kElements; ++v)
        ASSERT_TRUE(seen[v]) << v << " was lost";
    EXPECT_GT(rounds, 1u);
}
