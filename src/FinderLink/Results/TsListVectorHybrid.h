// Kyvant::TsListVectorHybrid<T>: the thread-safe result container. A list of
// T whose nodes come from the process's node pool of the element type, so an
// element stays where it is until it is erased, beside a vector of the nodes
// in list order for access by row number. Every operation holds the
// container's critical section for its own duration only.
#pragma once

#include "KyStd/Containers/List.h"
#include "KyStd/Core/CritSec.h"

#include <algorithm>
#include <set>
#include <vector>

namespace Kyvant {

template <class T>
class TsListVectorHybrid : private ky_list<T> {
    using List = ky_list<T>;
    using Node = ky_ListNodeBase;
    using Lock = Win32::CritSecLock;

public:
    using value_type = T;
    using iterator = typename List::iterator;

    // blockSize: nodes per block of the pool (the first list of the element
    // type in the process fixes it) and the index's first capacity.
    explicit TsListVectorHybrid(unsigned blockSize) : List(blockSize)
    {
        m_index.reserve(blockSize);
    }
    ~TsListVectorHybrid() override {}
    TsListVectorHybrid(const TsListVectorHybrid&) = delete;
    TsListVectorHybrid& operator=(const TsListVectorHybrid&) = delete;

    unsigned size() const
    {
        Lock lock(m_lock);
        return static_cast<unsigned>(m_index.size());
    }

    // No bounds check: callers compare i with a size() they read first.
    T& at(unsigned i)
    {
        Lock lock(m_lock);
        return *iterator(m_index[i]);
    }
    const T& at(unsigned i) const
    {
        Lock lock(m_lock);
        return *iterator(m_index[i]);
    }
    iterator iterator_at(unsigned i) const
    {
        Lock lock(m_lock);
        return iterator(m_index[i]);
    }

    // Room for the index entry is made first, so that once the element is in
    // the list its entry can be appended without needing memory.
    iterator push_back(const T& value)
    {
        Lock lock(m_lock);
        m_index.push_back(nullptr);
        m_index.pop_back();
        iterator it = List::insert(List::end(), value);
        m_index.push_back(it.node());
        return it;
    }

    void clear()
    {
        Lock lock(m_lock);
        m_index.clear();
        List::clear();
    }

    // Erases the elements that [first, last) names (a sequence of iterators
    // of this container, in any order, repeats allowed). The old indexes of
    // the erased elements are appended to *removed in ascending order. Only
    // elements found in the index are erased, so a stale iterator does no
    // harm.
    template <class It>
    void erase(It first, It last, std::vector<int>* removed = nullptr)
    {
        std::set<const Node*> doomed;
        for (; first != last; ++first)
            doomed.insert(static_cast<iterator>(*first).node());
        if (doomed.empty())
            return;
        if (removed)
            removed->reserve(removed->size() + doomed.size());
        std::vector<Node*> found;
        found.reserve(doomed.size());

        Lock lock(m_lock);
        std::size_t kept = 0;
        for (std::size_t i = 0; i < m_index.size(); ++i) {
            Node* node = m_index[i];
            if (doomed.count(node) != 0) {
                found.push_back(node);
                if (removed)
                    removed->push_back(static_cast<int>(i));
            } else {
                m_index[kept++] = node;
            }
        }
        m_index.resize(kept);
        for (Node* node : found)
            List::erase(iterator(node));
    }

    // Stable-sorts the first count elements (all of them when fewer) by
    // less(const T&, const T&) in one locked step; elements appended while
    // a reader waits for the lock follow them in arrival order.
    template <class Less>
    void stable_sort_front(unsigned count, Less less)
    {
        Lock lock(m_lock);
        const auto first = m_index.begin();
        const auto last = first + std::min<std::size_t>(count, m_index.size());
        std::stable_sort(first, last,
                         [&less](Node* a, Node* b) { return less(*iterator(a), *iterator(b)); });
    }

private:
    mutable Win32::CritSec m_lock;
    std::vector<Node*> m_index;
};

} // namespace Kyvant
