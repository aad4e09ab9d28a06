// The untyped list's algorithms: node chains, inserts, erases, assign, resize, reverse and splices.
#include "KyStd/Containers/ListBase.h"

#include <cstdlib>
#include <stdexcept>
#include <string>

namespace Kyvant {

ky_ListBase::ky_ListBase() : count_(0)
{
    sentinel_.prev = sentinel_.next = &sentinel_;
}

ky_ListBase::~ky_ListBase() {}

ky_ListBase::Node* ky_ListBase::CreateNodeGivenValue(const void*)
{
    std::abort();
}
void ky_ListBase::DestroyAndDeallocateNode(Node*)
{
    std::abort();
}
void ky_ListBase::AssignValue(Node*, const void*)
{
    std::abort();
}
void ky_ListBase::AssignValue(Node*, const Node*)
{
    std::abort();
}

void ky_ListBase::ThrowMisuse(const char* what)
{
    throw std::logic_error(std::string("ky_list: ") + what);
}

void ky_ListBase::ThrowEmpty(const char* operation)
{
    throw std::out_of_range(std::string("ky_list::") + operation + ": empty list");
}

void ky_ListBase::transfer(Node* pos, Node* first, Node* last)
{
    if (pos == last || first == last)
        return;
    Node* tail = last->prev;
    // Cut [first, tail] out of its chain.
    first->prev->next = last;
    last->prev = first->prev;
    // Link it in before pos.
    Node* before = pos->prev;
    before->next = first;
    first->prev = before;
    tail->next = pos;
    pos->prev = tail;
}

void ky_ListBase::DestroyChain(Node* head)
{
    while (head) {
        Node* next = head->next;
        DestroyAndDeallocateNode(head);
        head = next;
    }
}

ky_ListBase::Node* ky_ListBase::MakeChain(const Node* first, const Node* last, unsigned& n,
                                          Node*& tail)
{
    Node* head = nullptr;
    tail = nullptr;
    n = 0;
    try {
        for (; first != last; first = first->next) {
            Node* node = CreateNodeGivenValue(ValueOf(first));
            node->next = nullptr;
            node->prev = tail;
            if (tail)
                tail->next = node;
            else
                head = node;
            tail = node;
            ++n;
        }
    } catch (...) {
        DestroyChain(head);
        throw;
    }
    return head;
}

ky_ListBase::Node* ky_ListBase::MakeChain(unsigned n, const void* value, Node*& tail)
{
    Node* head = nullptr;
    tail = nullptr;
    try {
        for (; n > 0; --n) {
            Node* node = CreateNodeGivenValue(value);
            node->next = nullptr;
            node->prev = tail;
            if (tail)
                tail->next = node;
            else
                head = node;
            tail = node;
        }
    } catch (...) {
        DestroyChain(head);
        throw;
    }
    return head;
}

void ky_ListBase::LinkChain(Node* pos, Node* head, Node* tail, unsigned n)
{
    if (!head)
        return;
    Node* before = pos->prev;
    before->next = head;
    head->prev = before;
    tail->next = pos;
    pos->prev = tail;
    count_ += n;
}

ky_ListBase::Node* ky_ListBase::insert(Node* pos, const void* value)
{
    Node* node = CreateNodeGivenValue(value);
    LinkChain(pos, node, node, 1);
    return node;
}

void ky_ListBase::insert(Node* pos, unsigned n, const void* value)
{
    Node* tail;
    Node* head = MakeChain(n, value, tail);
    LinkChain(pos, head, tail, n);
}

void ky_ListBase::insert(Node* pos, const Node* first, const Node* last)
{
    unsigned n;
    Node* tail;
    Node* head = MakeChain(first, last, n, tail);
    LinkChain(pos, head, tail, n);
}

ky_ListBase::Node* ky_ListBase::erase(Node* pos)
{
    if (pos == &sentinel_)
        ThrowMisuse("the end position cannot be erased");
    Node* next = pos->next;
    pos->prev->next = next;
    next->prev = pos->prev;
    --count_;
    DestroyAndDeallocateNode(pos);
    return next;
}

ky_ListBase::Node* ky_ListBase::erase(Node* first, Node* last)
{
    CheckedRange(*this, nullptr, first, last);
    while (first != last)
        first = erase(first);
    return last;
}

void ky_ListBase::clear()
{
    erase(begin(), end());
}

void ky_ListBase::assign(const Node* first, const Node* last)
{
    Node* node = begin();
    for (; node != &sentinel_ && first != last; node = node->next, first = first->next)
        AssignValue(node, first);
    if (first == last)
        erase(node, &sentinel_);
    else
        insert(&sentinel_, first, last);
}

void ky_ListBase::assign(unsigned n, const void* value)
{
    Node* node = begin();
    for (; node != &sentinel_ && n > 0; node = node->next, --n)
        AssignValue(node, value);
    if (n == 0)
        erase(node, &sentinel_);
    else
        insert(&sentinel_, n, value);
}

void ky_ListBase::resize(unsigned n, const void* value)
{
    if (n > count_)
        insert(&sentinel_, n - count_, value);
    while (count_ > n)
        erase(sentinel_.prev);
}

void ky_ListBase::reverse()
{
    if (count_ < 2)
        return;
    Node* first = begin();
    Node* node = first->next;
    while (node != &sentinel_) {
        Node* next = node->next;
        transfer(begin(), node, next);
        node = next;
    }
}

void ky_ListBase::swap(ky_ListBase& other)
{
    if (&other == this)
        return;
    Node* mine[2] = {sentinel_.prev, sentinel_.next};
    Node* theirs[2] = {other.sentinel_.prev, other.sentinel_.next};
    unsigned n = count_;
    count_ = other.count_;
    other.count_ = n;
    // A list that was empty points at the other's sentinel until re-pointed.
    if (count_ == 0) {
        sentinel_.prev = sentinel_.next = &sentinel_;
    } else {
        sentinel_.prev = theirs[0];
        sentinel_.next = theirs[1];
        theirs[0]->next = theirs[1]->prev = &sentinel_;
    }
    if (other.count_ == 0) {
        other.sentinel_.prev = other.sentinel_.next = &other.sentinel_;
    } else {
        other.sentinel_.prev = mine[0];
        other.sentinel_.next = mine[1];
        mine[0]->next = mine[1]->prev = &other.sentinel_;
    }
}

unsigned ky_ListBase::CheckedRange(const ky_ListBase& other, const Node* pos, const Node* first,
                                   const Node* last) const
{
    unsigned n = 0;
    for (const Node* node = first; node != last; node = node->next) {
        if (node == &other.sentinel_)
            ThrowMisuse("the range does not end in its list");
        if (node == pos)
            ThrowMisuse("the position lies inside the moved range");
        ++n;
    }
    return n;
}

void ky_ListBase::splice(Node* pos, ky_ListBase& other)
{
    splice(pos, other, other.begin(), other.end());
}

void ky_ListBase::splice(Node* pos, ky_ListBase& other, Node* node)
{
    if (node == &other.sentinel_)
        ThrowMisuse("the end position cannot be moved");
    if (pos == node || pos == node->next)
        return;
    transfer(pos, node, node->next);
    if (&other != this) {
        ++count_;
        --other.count_;
    }
}

void ky_ListBase::splice(Node* pos, ky_ListBase& other, Node* first, Node* last)
{
    // Moving a range to where it already is changes nothing.
    if (pos == last || (pos == first && &other == this))
        return;
    unsigned n = CheckedRange(other, &other == this ? pos : nullptr, first, last);
    transfer(pos, first, last);
    if (&other != this) {
        count_ += n;
        other.count_ -= n;
    }
}

void ky_ListBase::il_splice(Node* pos, ky_ListBase& other)
{
    il_splice(pos, other, other.begin(), other.end());
}

void ky_ListBase::il_splice(Node* pos, ky_ListBase& other, Node* node)
{
    if (node == &other.sentinel_)
        ThrowMisuse("the end position cannot be moved");
    il_splice(pos, other, node, node->next);
}

void ky_ListBase::il_splice(Node* pos, ky_ListBase& other, Node* first, Node* last)
{
    // Within one list the nodes already belong to the right allocator.
    if (&other == this) {
        splice(pos, other, first, last);
        return;
    }
    CheckedRange(other, nullptr, first, last);
    insert(pos, first, last);
    other.erase(first, last);
}

} // namespace Kyvant
