// Untyped doubly linked list: the algorithms live here once; typed lists
// reach their elements only through the virtual node hooks.
#pragma once

#include "KyStd/KyStdExport.h"

namespace Kyvant {

class KYSTD_API ky_ListNodeBase {
public:
    ky_ListNodeBase* prev = nullptr;
    ky_ListNodeBase* next = nullptr;
};

class KYSTD_API ky_ListBase {
public:
    using Node = ky_ListNodeBase;

    ky_ListBase();
    // Does not destroy the elements: the typed list that made them does.
    virtual ~ky_ListBase();
    ky_ListBase(const ky_ListBase&) = delete;
    ky_ListBase& operator=(const ky_ListBase&) = delete;

    // Node hooks; the base ends the process, a typed list supplies them.
    virtual Node* CreateNodeGivenValue(const void* value);
    virtual void DestroyAndDeallocateNode(Node* node);
    virtual void AssignValue(Node* node, const void* value);
    virtual void AssignValue(Node* node, const Node* from);
    // Address of a node's value.
    virtual const void* ValueOf(const Node* node) const = 0;
    virtual void* ValueOf(Node* node) = 0;

    Node* begin() { return sentinel_.next; }
    const Node* begin() const { return sentinel_.next; }
    Node* end() { return &sentinel_; }
    const Node* end() const { return &sentinel_; }
    unsigned size() const { return count_; }
    bool empty() const { return count_ == 0; }

    // The inserts make every node before linking any, so a failed copy
    // leaves the list unchanged.
    Node* insert(Node* pos, const void* value);
    void insert(Node* pos, unsigned n, const void* value);
    void insert(Node* pos, const Node* first, const Node* last);

    // Erasing the end position is refused with std::logic_error.
    Node* erase(Node* pos);
    Node* erase(Node* first, Node* last);
    void clear();

    void assign(const Node* first, const Node* last);
    void assign(unsigned n, const void* value);
    void resize(unsigned n, const void* value);
    void reverse();
    void swap(ky_ListBase& other);

    // Relink nodes without copying. A position inside the moved range, or
    // moving another list's end, is refused with std::logic_error.
    void splice(Node* pos, ky_ListBase& other);
    void splice(Node* pos, ky_ListBase& other, Node* node);
    void splice(Node* pos, ky_ListBase& other, Node* first, Node* last);

    // Move by copying into this list, then erasing from the other.
    void il_splice(Node* pos, ky_ListBase& other);
    void il_splice(Node* pos, ky_ListBase& other, Node* node);
    void il_splice(Node* pos, ky_ListBase& other, Node* first, Node* last);

    // Relinks [first, last) before pos; counts are the caller's business.
    static void transfer(Node* pos, Node* first, Node* last);

protected:
    [[noreturn]] static void ThrowMisuse(const char* what);
    [[noreturn]] static void ThrowEmpty(const char* operation);

private:
    // Copies of the values; on failure the copies made so far are destroyed.
    Node* MakeChain(const Node* first, const Node* last, unsigned& n, Node*& tail);
    Node* MakeChain(unsigned n, const void* value, Node*& tail);
    void DestroyChain(Node* head);
    void LinkChain(Node* pos, Node* head, Node* tail, unsigned n);
    // Number of nodes in [first, last) of other, refusing ranges that run
    // past other's end or hold pos when other is this list.
    unsigned CheckedRange(const ky_ListBase& other, const Node* pos, const Node* first,
                          const Node* last) const;

    Node sentinel_;
    unsigned count_;
};

} // namespace Kyvant
