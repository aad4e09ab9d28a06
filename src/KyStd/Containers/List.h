// Typed doubly linked list over ky_ListBase: ky_TListBase<T> knows where a
// node keeps its value, ky_list<T, Alloc> makes and destroys nodes through
// its allocator (by default the process-wide node pool of the node type).
#pragma once

#include "KyStd/Containers/BlockManager.h"
#include "KyStd/Containers/ListBase.h"

#include <cstddef>
#include <functional>
#include <iterator>
#include <memory>
#include <new>
#include <type_traits>
#include <utility>

namespace Kyvant {

template <class T>
class ky_list_node : public ky_ListNodeBase {
public:
    explicit ky_list_node(const T& v) : value(v) {}
    T value;
};

template <class T, bool Const>
class ky_list_iterator {
    using NodeBase = ky_ListNodeBase;

public:
    using iterator_category = std::bidirectional_iterator_tag;
    using value_type = T;
    using difference_type = std::ptrdiff_t;
    using pointer = std::conditional_t<Const, const T*, T*>;
    using reference = std::conditional_t<Const, const T&, T&>;

    ky_list_iterator() : node_(nullptr) {}
    explicit ky_list_iterator(const NodeBase* node) : node_(const_cast<NodeBase*>(node)) {}
    template <bool C = Const, class = std::enable_if_t<C>>
    ky_list_iterator(const ky_list_iterator<T, false>& other) : node_(other.node())
    {
    }

    reference operator*() const { return static_cast<ky_list_node<T>*>(node_)->value; }
    pointer operator->() const { return &**this; }
    ky_list_iterator& operator++()
    {
        node_ = node_->next;
        return *this;
    }
    ky_list_iterator operator++(int)
    {
        ky_list_iterator old = *this;
        node_ = node_->next;
        return old;
    }
    ky_list_iterator& operator--()
    {
        node_ = node_->prev;
        return *this;
    }
    ky_list_iterator operator--(int)
    {
        ky_list_iterator old = *this;
        node_ = node_->prev;
        return old;
    }
    friend bool operator==(const ky_list_iterator& a, const ky_list_iterator& b)
    {
        return a.node_ == b.node_;
    }
    friend bool operator!=(const ky_list_iterator& a, const ky_list_iterator& b)
    {
        return a.node_ != b.node_;
    }

    NodeBase* node() const { return node_; }

private:
    NodeBase* node_;
};

// Knows the value's place in a node; sorts by relinking, without copies.
template <class T>
class ky_TListBase : public ky_ListBase {
public:
    using value_type = T;
    using reference = T&;
    using const_reference = const T&;
    using size_type = unsigned;
    using difference_type = std::ptrdiff_t;
    using iterator = ky_list_iterator<T, false>;
    using const_iterator = ky_list_iterator<T, true>;

    const void* ValueOf(const Node* node) const override
    {
        return &static_cast<const ky_list_node<T>*>(node)->value;
    }
    void* ValueOf(Node* node) override { return &static_cast<ky_list_node<T>*>(node)->value; }

    // Stable merge sort: runs of 2^i elements gather in bin i and are merged
    // from the lowest bin up. If a comparison throws, every element is put
    // back into this list (in some order) before the exception passes on.
    template <class Compare>
    void sort(Compare less)
    {
        if (size() < 2)
            return;
        ky_TListBase carry;
        ky_TListBase bins[64];
        int fill = 0;
        try {
            while (!empty()) {
                carry.splice(carry.begin(), *this, begin());
                int i = 0;
                for (; i < fill && !bins[i].empty(); ++i) {
                    Merge(bins[i], carry, less);
                    carry.swap(bins[i]);
                }
                carry.swap(bins[i]);
                if (i == fill)
                    ++fill;
            }
            for (int i = 1; i < fill; ++i)
                Merge(bins[i], bins[i - 1], less);
            swap(bins[fill - 1]);
        } catch (...) {
            splice(end(), carry);
            for (ky_TListBase& bin : bins)
                splice(end(), bin);
            throw;
        }
    }
    void sort() { sort(std::less<T>()); }

private:
    // Moves every element of right into left, which keeps its order; an
    // element of right goes first only when it is strictly less.
    template <class Compare>
    static void Merge(ky_TListBase& left, ky_TListBase& right, Compare& less)
    {
        Node* a = left.begin();
        Node* b = right.begin();
        while (a != left.end() && b != right.end()) {
            if (less(Value(b), Value(a))) {
                Node* next = b->next;
                left.splice(a, right, b);
                b = next;
            } else {
                a = a->next;
            }
        }
        if (b != right.end())
            left.splice(left.end(), right);
    }
    static const T& Value(const Node* node)
    {
        return static_cast<const ky_list_node<T>*>(node)->value;
    }
};

template <class T, class Alloc = ky_block_allocator<ky_list_node<T>>>
class ky_list : public ky_TListBase<T> {
    using Base = ky_TListBase<T>;
    using Node = ky_list_node<T>;
    using NodeBase = ky_ListNodeBase;
    using NodeAlloc = typename std::allocator_traits<Alloc>::template rebind_alloc<Node>;
    using NodeTraits = std::allocator_traits<NodeAlloc>;

public:
    using typename Base::const_iterator;
    using typename Base::const_reference;
    using typename Base::iterator;
    using typename Base::reference;
    using typename Base::size_type;
    using typename Base::value_type;
    using allocator_type = Alloc;

    // The block size reaches a pooling allocator; the first list of a node
    // type in the process fixes its pool's block size. 0 is refused.
    explicit ky_list(unsigned blockSize = 100) : alloc_(MakeAllocator(blockSize)) {}
    ky_list(const ky_list& other) : alloc_(other.alloc_)
    {
        Base::insert(end().node(), other.begin().node(), other.end().node());
    }
    ky_list& operator=(const ky_list& other)
    {
        if (&other != this)
            Base::assign(other.begin().node(), other.end().node());
        return *this;
    }
    ~ky_list() override { Base::clear(); }

    iterator begin() { return iterator(Base::begin()); }
    const_iterator begin() const { return const_iterator(Base::begin()); }
    iterator end() { return iterator(Base::end()); }
    const_iterator end() const { return const_iterator(Base::end()); }

    reference front()
    {
        if (this->empty())
            Base::ThrowEmpty("front");
        return *begin();
    }
    const_reference front() const
    {
        if (this->empty())
            Base::ThrowEmpty("front");
        return *begin();
    }
    reference back()
    {
        if (this->empty())
            Base::ThrowEmpty("back");
        return *--end();
    }
    const_reference back() const
    {
        if (this->empty())
            Base::ThrowEmpty("back");
        return *--end();
    }

    void push_back(const T& value) { Base::insert(Base::end(), &value); }
    void push_front(const T& value) { Base::insert(Base::begin(), &value); }
    iterator insert(const_iterator pos, const T& value)
    {
        return iterator(Base::insert(pos.node(), &value));
    }
    void insert(const_iterator pos, size_type n, const T& value)
    {
        Base::insert(pos.node(), n, &value);
    }
    void insert(const_iterator pos, const_iterator first, const_iterator last)
    {
        Base::insert(pos.node(), first.node(), last.node());
    }

    iterator erase(const_iterator pos) { return iterator(Base::erase(pos.node())); }
    iterator erase(const_iterator first, const_iterator last)
    {
        return iterator(Base::erase(first.node(), last.node()));
    }

    void assign(size_type n, const T& value) { Base::assign(n, &value); }
    void assign(const_iterator first, const_iterator last)
    {
        Base::assign(first.node(), last.node());
    }
    void resize(size_type n, const T& value = T()) { Base::resize(n, &value); }
    void swap(ky_list& other) { Base::swap(other); }

    void splice(const_iterator pos, ky_list& other) { Base::splice(pos.node(), other); }
    void splice(const_iterator pos, ky_list& other, const_iterator node)
    {
        Base::splice(pos.node(), other, node.node());
    }
    void splice(const_iterator pos, ky_list& other, const_iterator first, const_iterator last)
    {
        Base::splice(pos.node(), other, first.node(), last.node());
    }

    NodeBase* CreateNodeGivenValue(const void* value) override
    {
        Node* node = NodeTraits::allocate(alloc_, 1);
        try {
            ::new (static_cast<void*>(node)) Node(*static_cast<const T*>(value));
        } catch (...) {
            NodeTraits::deallocate(alloc_, node, 1);
            throw;
        }
        return node;
    }
    void DestroyAndDeallocateNode(NodeBase* node) override
    {
        Node* typed = static_cast<Node*>(node);
        typed->~Node();
        NodeTraits::deallocate(alloc_, typed, 1);
    }
    void AssignValue(NodeBase* node, const void* value) override
    {
        static_cast<Node*>(node)->value = *static_cast<const T*>(value);
    }
    void AssignValue(NodeBase* node, const NodeBase* from) override
    {
        static_cast<Node*>(node)->value = static_cast<const Node*>(from)->value;
    }

private:
    static NodeAlloc MakeAllocator(unsigned blockSize)
    {
        if constexpr (std::is_constructible_v<NodeAlloc, unsigned>)
            return NodeAlloc(blockSize);
        else
            return NodeAlloc();
    }

    NodeAlloc alloc_;
};

} // namespace Kyvant
