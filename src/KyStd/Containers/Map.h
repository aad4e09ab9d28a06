// Typed red-black trees over ky_RBTB: ky_RBT<Traits> fills the node hooks
// for its element type; ky_map, ky_multimap and ky_set give the usual
// map and set interface on top.
#pragma once

#include "KyStd/Containers/RBTree.h"

#include <cstddef>
#include <functional>
#include <iterator>
#include <memory>
#include <new>
#include <tuple>
#include <type_traits>
#include <utility>

namespace Kyvant {

template <class V>
class ky_RBN : public ky_RBNB {
public:
    template <class... Args>
    explicit ky_RBN(Args&&... args) : value(std::forward<Args>(args)...)
    {
    }
    V value;
};

// Map traits: the element is the key/value pair, ordered by its key.
template <class Key, class Value, class Less = std::less<Key>,
          class Alloc = std::allocator<std::pair<const Key, Value>>>
struct ky_MT {
    using key_type = Key;
    using mapped_type = Value;
    using value_type = std::pair<const Key, Value>;
    using key_compare = Less;
    using allocator_type = Alloc;
    static constexpr bool kIsMap = true;
    static const Key& KeyOf(const value_type& v) { return v.first; }
};

// Set traits: the element is the key.
template <class Key, class Less = std::less<Key>, class Alloc = std::allocator<Key>>
struct ky_ST {
    using key_type = Key;
    using value_type = Key;
    using key_compare = Less;
    using allocator_type = Alloc;
    static constexpr bool kIsMap = false;
    static const Key& KeyOf(const value_type& v) { return v; }
};

template <class V, bool Const>
class ky_RBT_iterator {
public:
    using iterator_category = std::bidirectional_iterator_tag;
    using value_type = V;
    using difference_type = std::ptrdiff_t;
    using pointer = std::conditional_t<Const, const V*, V*>;
    using reference = std::conditional_t<Const, const V&, V&>;

    ky_RBT_iterator() : tree_(nullptr), node_(nullptr) {}
    ky_RBT_iterator(const ky_RBTB* tree, ky_RBNB* node) : tree_(tree), node_(node) {}
    template <bool C = Const, class = std::enable_if_t<C>>
    ky_RBT_iterator(const ky_RBT_iterator<V, false>& other)
        : tree_(other.tree()), node_(other.node())
    {
    }

    reference operator*() const { return static_cast<ky_RBN<V>*>(node_)->value; }
    pointer operator->() const { return &**this; }
    ky_RBT_iterator& operator++()
    {
        node_ = ky_RBTB::Succ(node_);
        return *this;
    }
    ky_RBT_iterator operator++(int)
    {
        ky_RBT_iterator old = *this;
        ++*this;
        return old;
    }
    // The end (null) steps back to the largest element.
    ky_RBT_iterator& operator--()
    {
        node_ = node_ ? ky_RBTB::Pred(node_) : tree_->Rightmost();
        return *this;
    }
    ky_RBT_iterator operator--(int)
    {
        ky_RBT_iterator old = *this;
        --*this;
        return old;
    }
    friend bool operator==(const ky_RBT_iterator& a, const ky_RBT_iterator& b)
    {
        return a.node_ == b.node_;
    }
    friend bool operator!=(const ky_RBT_iterator& a, const ky_RBT_iterator& b)
    {
        return a.node_ != b.node_;
    }

    const ky_RBTB* tree() const { return tree_; }
    ky_RBNB* node() const { return node_; }

private:
    const ky_RBTB* tree_;
    ky_RBNB* node_;
};

template <class Traits>
class ky_RBT : public ky_RBTB {
public:
    using key_type = typename Traits::key_type;
    using value_type = typename Traits::value_type;
    using key_compare = typename Traits::key_compare;
    using allocator_type = typename Traits::allocator_type;
    using size_type = unsigned;
    using difference_type = std::ptrdiff_t;
    using reference = value_type&;
    using const_reference = const value_type&;
    using Node = ky_RBN<value_type>;
    using const_iterator = ky_RBT_iterator<value_type, true>;
    // Set elements are keys: they are never changed in place.
    using iterator =
        std::conditional_t<Traits::kIsMap, ky_RBT_iterator<value_type, false>, const_iterator>;
    using reverse_iterator = std::reverse_iterator<iterator>;
    using const_reverse_iterator = std::reverse_iterator<const_iterator>;

    explicit ky_RBT(const key_compare& less = key_compare(),
                    const allocator_type& alloc = allocator_type())
        : less_(less), alloc_(alloc)
    {
    }
    ky_RBT(const ky_RBT& other) : less_(other.less_), alloc_(other.alloc_) { dup(other); }
    ky_RBT& operator=(const ky_RBT& other)
    {
        if (&other != this) {
            dup(other);
            less_ = other.less_;
        }
        return *this;
    }
    ~ky_RBT() override { clear(); }

    iterator begin() { return iterator(this, Leftmost()); }
    const_iterator begin() const { return const_iterator(this, Leftmost()); }
    iterator end() { return iterator(this, nullptr); }
    const_iterator end() const { return const_iterator(this, nullptr); }
    reverse_iterator rbegin() { return reverse_iterator(end()); }
    const_reverse_iterator rbegin() const { return const_reverse_iterator(end()); }
    reverse_iterator rend() { return reverse_iterator(begin()); }
    const_reverse_iterator rend() const { return const_reverse_iterator(begin()); }

    iterator find(const key_type& key) { return iterator(this, ky_RBTB::find(&key)); }
    const_iterator find(const key_type& key) const
    {
        return const_iterator(this, ky_RBTB::find(&key));
    }
    size_type count(const key_type& key) const
    {
        ky_RBNB* first;
        ky_RBNB* last;
        return ky_RBTB::equal_range(&key, first, last);
    }
    iterator lower_bound(const key_type& key) { return iterator(this, ky_RBTB::lower_bound(&key)); }
    const_iterator lower_bound(const key_type& key) const
    {
        return const_iterator(this, ky_RBTB::lower_bound(&key));
    }
    iterator upper_bound(const key_type& key) { return iterator(this, ky_RBTB::upper_bound(&key)); }
    const_iterator upper_bound(const key_type& key) const
    {
        return const_iterator(this, ky_RBTB::upper_bound(&key));
    }
    std::pair<iterator, iterator> equal_range(const key_type& key)
    {
        ky_RBNB* first;
        ky_RBNB* last;
        ky_RBTB::equal_range(&key, first, last);
        return {iterator(this, first), iterator(this, last)};
    }
    std::pair<const_iterator, const_iterator> equal_range(const key_type& key) const
    {
        ky_RBNB* first;
        ky_RBNB* last;
        ky_RBTB::equal_range(&key, first, last);
        return {const_iterator(this, first), const_iterator(this, last)};
    }

    iterator erase(const_iterator pos)
    {
        ky_RBNB* node = pos.node();
        ky_RBNB* next = node ? Succ(node) : nullptr;
        erase_single(node, next);
        return iterator(this, next);
    }
    iterator erase(const_iterator first, const_iterator last)
    {
        erase_range(first.node(), last.node());
        return iterator(this, last.node());
    }
    size_type erase(const key_type& key)
    {
        ky_RBNB* first;
        ky_RBNB* last;
        if (ky_RBTB::equal_range(&key, first, last) == 0)
            return 0;
        return erase_range(first, last);
    }
    void swap(ky_RBT& other)
    {
        ky_RBTB::swap(other);
        std::swap(less_, other.less_);
    }
    key_compare key_comp() const { return less_; }

    ky_RBNB* CreateNodeGivenKey(const void* key) override
    {
        const key_type& k = *static_cast<const key_type*>(key);
        if constexpr (!Traits::kIsMap)
            return MakeNode(k);
        else if constexpr (std::is_default_constructible_v<typename Traits::mapped_type>)
            return MakeNode(std::piecewise_construct, std::forward_as_tuple(k), std::tuple<>());
        else
            return ky_RBTB::CreateNodeGivenKey(key);
    }
    bool LessNN(const ky_RBNB* a, const ky_RBNB* b) const override
    {
        return less_(KeyOf(a), KeyOf(b));
    }
    bool LessKN(const void* key, const ky_RBNB* node) const override
    {
        return less_(*static_cast<const key_type*>(key), KeyOf(node));
    }
    bool LessNK(const ky_RBNB* node, const void* key) const override
    {
        return less_(KeyOf(node), *static_cast<const key_type*>(key));
    }
    bool LessVN(const void* value, const ky_RBNB* node) const override
    {
        return less_(Traits::KeyOf(*static_cast<const value_type*>(value)), KeyOf(node));
    }
    bool LessNV(const ky_RBNB* node, const void* value) const override
    {
        return less_(KeyOf(node), Traits::KeyOf(*static_cast<const value_type*>(value)));
    }
    ky_RBNB* CreateNodeGivenValue(const void* value) override
    {
        return MakeNode(*static_cast<const value_type*>(value));
    }
    ky_RBNB* CopyNode(const ky_RBNB* node) override
    {
        return MakeNode(static_cast<const Node*>(node)->value);
    }
    void DestroyNode(ky_RBNB* node) override
    {
        Node* typed = static_cast<Node*>(node);
        typed->~Node();
        NodeTraits::deallocate(alloc_, typed, 1);
    }

protected:
    std::pair<iterator, bool> InsertValue(const value_type& value, bool allowDuplicates)
    {
        bool inserted;
        ky_RBNB* node = insert_value(&value, allowDuplicates, inserted);
        return {iterator(this, node), inserted};
    }
    iterator InsertHint(const_iterator hint, const value_type& value, bool allowDuplicates)
    {
        bool inserted;
        return iterator(this, insert_value(hint.node(), &value, allowDuplicates, inserted));
    }

private:
    using NodeAlloc = typename std::allocator_traits<allocator_type>::template rebind_alloc<Node>;
    using NodeTraits = std::allocator_traits<NodeAlloc>;

    static const key_type& KeyOf(const ky_RBNB* node)
    {
        return Traits::KeyOf(static_cast<const Node*>(node)->value);
    }

    template <class... Args>
    Node* MakeNode(Args&&... args)
    {
        Node* node = NodeTraits::allocate(alloc_, 1);
        try {
            ::new (static_cast<void*>(node)) Node(std::forward<Args>(args)...);
        } catch (...) {
            NodeTraits::deallocate(alloc_, node, 1);
            throw;
        }
        return node;
    }

    key_compare less_;
    NodeAlloc alloc_;
};

template <class Key, class Value, class Less = std::less<Key>,
          class Alloc = std::allocator<std::pair<const Key, Value>>>
class ky_map : public ky_RBT<ky_MT<Key, Value, Less, Alloc>> {
    using Base = ky_RBT<ky_MT<Key, Value, Less, Alloc>>;

public:
    using typename Base::const_iterator;
    using typename Base::iterator;
    using typename Base::value_type;
    using mapped_type = Value;
    using Base::Base;

    // An existing key keeps its value and reports false.
    std::pair<iterator, bool> insert(const value_type& value)
    {
        return this->InsertValue(value, false);
    }
    iterator insert(const_iterator hint, const value_type& value)
    {
        return this->InsertHint(hint, value, false);
    }
    Value& operator[](const Key& key)
    {
        bool inserted;
        return static_cast<typename Base::Node*>(this->insert_key(&key, false, inserted))
            ->value.second;
    }
};

// Equal keys are kept in insertion order: a new one goes after them.
template <class Key, class Value, class Less = std::less<Key>,
          class Alloc = std::allocator<std::pair<const Key, Value>>>
class ky_multimap : public ky_RBT<ky_MT<Key, Value, Less, Alloc>> {
    using Base = ky_RBT<ky_MT<Key, Value, Less, Alloc>>;

public:
    using typename Base::const_iterator;
    using typename Base::iterator;
    using typename Base::value_type;
    using mapped_type = Value;
    using Base::Base;

    iterator insert(const value_type& value) { return this->InsertValue(value, true).first; }
    iterator insert(const_iterator hint, const value_type& value)
    {
        return this->InsertHint(hint, value, true);
    }
};

template <class Key, class Less = std::less<Key>, class Alloc = std::allocator<Key>>
class ky_set : public ky_RBT<ky_ST<Key, Less, Alloc>> {
    using Base = ky_RBT<ky_ST<Key, Less, Alloc>>;

public:
    using Base::Base;
    using typename Base::const_iterator;
    using typename Base::iterator;
    using typename Base::value_type;

    std::pair<iterator, bool> insert(const value_type& value)
    {
        return this->InsertValue(value, false);
    }
    iterator insert(const_iterator hint, const value_type& value)
    {
        return this->InsertHint(hint, value, false);
    }
};

} // namespace Kyvant
