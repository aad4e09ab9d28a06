// Untyped red-black tree: the algorithms live here once; typed trees reach
// keys and values only through the virtual node hooks.
#pragma once

#include "KyStd/KyStdExport.h"

#include <cstdint>

namespace Kyvant {

// Tree node: the parent pointer carries the colour in its lowest bit.
class KYSTD_API ky_RBNB {
public:
    ky_RBNB* left = nullptr;
    ky_RBNB* right = nullptr;

    ky_RBNB* parent() const { return reinterpret_cast<ky_RBNB*>(parentColour_ & ~kRed); }
    void setParent(ky_RBNB* p)
    {
        parentColour_ = reinterpret_cast<std::uintptr_t>(p) | (parentColour_ & kRed);
    }
    bool red() const { return (parentColour_ & kRed) != 0; }
    void setRed(bool red)
    {
        parentColour_ = (parentColour_ & ~kRed) | (red ? std::uintptr_t(kRed) : std::uintptr_t(0));
    }

private:
    enum : std::uintptr_t { kRed = 1 };
    std::uintptr_t parentColour_ = 0;
};

class KYSTD_API ky_RBTB {
public:
    using Node = ky_RBNB;

    ky_RBTB();
    // Does not destroy the nodes: the typed tree that made them does.
    virtual ~ky_RBTB();
    ky_RBTB(const ky_RBTB&) = delete;
    // Deep copy through dup.
    ky_RBTB& operator=(const ky_RBTB& source);

    // A node holding the key and a default value; the base ends the process.
    virtual Node* CreateNodeGivenKey(const void* key);
    virtual bool LessNN(const Node* a, const Node* b) const = 0;
    virtual bool LessKN(const void* key, const Node* node) const = 0;
    virtual bool LessNK(const Node* node, const void* key) const = 0;
    virtual bool LessVN(const void* value, const Node* node) const = 0;
    virtual bool LessNV(const Node* node, const void* value) const = 0;
    virtual Node* CreateNodeGivenValue(const void* value) = 0;
    virtual Node* CopyNode(const Node* node) = 0;
    virtual void DestroyNode(Node* node) = 0;

    unsigned size() const { return count_; }
    bool empty() const { return count_ == 0; }
    Node* Root() const { return root_; }
    Node* Leftmost() const { return leftmost_; }
    Node* Rightmost() const { return rightmost_; }

    Node* find(const void* key) const;
    Node* lower_bound(const void* key) const;
    Node* upper_bound(const void* key) const;
    // The nodes equal to key are [first, last); returns their number.
    unsigned equal_range(const void* key, Node*& first, Node*& last) const;

    Node* insert_value(const void* value, bool allowDuplicates, bool& inserted);
    Node* insert_key(const void* key, bool allowDuplicates, bool& inserted);
    // Attaches beside hint (null = end) when the value belongs right there.
    Node* insert_value(Node* hint, const void* value, bool allowDuplicates, bool& inserted);

    // successor, when given, must be node's in-order successor. Erasing the
    // end (null) is refused with std::logic_error.
    void erase_single(Node* node, Node* successor = nullptr);
    // Returns the number erased; a range that does not reach last is
    // refused with std::logic_error before anything is erased.
    unsigned erase_range(Node* first, Node* last);
    void clear();
    void swap(ky_RBTB& other);
    // Replaces the contents with copies of source's nodes in the same shape
    // and colours. If a copy throws, the copies are destroyed and this tree
    // keeps its former contents.
    void dup(const ky_RBTB& source);

    static Node* Pred(Node* node);
    static Node* Succ(Node* node);
    static Node* Min(Node* node);
    static Node* Max(Node* node);

    // Diagnostics: height and black height in nodes; null pointers allowed.
    bool CheckInvariant(unsigned* height, unsigned* blackHeight) const;
    void GetHeights(unsigned* height, unsigned* blackHeight) const;

private:
    // item is a key when byKey, else a value.
    Node* Insert(const void* item, bool byKey, bool allowDuplicates, bool& inserted);
    void InsertFixup(Node* x);
    void Link(Node* node, Node* parent, bool left);
    void RotateLeft(Node* x);
    void RotateRight(Node* x);
    void Replace(Node* old, Node* by);
    void EraseFixup(Node* x, Node* xParent);
    void DestroySubtree(Node* node);
    Node* CopySubtree(const Node* source, Node* parent);
    bool CheckSubtree(const Node* node, unsigned& count, unsigned& height,
                      unsigned& blackHeight) const;

    unsigned count_;
    Node* root_;
    Node* leftmost_;
    Node* rightmost_;
};

} // namespace Kyvant
