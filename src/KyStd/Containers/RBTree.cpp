// The untyped red-black tree's algorithms: searches, inserts, erases, rebalancing, copies, checks.
#include "KyStd/Containers/RBTree.h"

#include <cstdlib>
#include <stdexcept>
#include <utility>

namespace Kyvant {

namespace {

bool IsRed(const ky_RBNB* node)
{
    return node && node->red();
}

[[noreturn]] void ThrowMisuse(const char* what)
{
    throw std::logic_error(what);
}

} // namespace

ky_RBTB::ky_RBTB() : count_(0), root_(nullptr), leftmost_(nullptr), rightmost_(nullptr) {}

ky_RBTB::~ky_RBTB() {}

ky_RBTB& ky_RBTB::operator=(const ky_RBTB& source)
{
    dup(source);
    return *this;
}

ky_RBTB::Node* ky_RBTB::CreateNodeGivenKey(const void*)
{
    std::abort();
}

ky_RBTB::Node* ky_RBTB::Pred(Node* node)
{
    if (node->left)
        return Max(node->left);
    Node* p = node->parent();
    while (p && node == p->left) {
        node = p;
        p = p->parent();
    }
    return p;
}

ky_RBTB::Node* ky_RBTB::Succ(Node* node)
{
    if (node->right)
        return Min(node->right);
    Node* p = node->parent();
    while (p && node == p->right) {
        node = p;
        p = p->parent();
    }
    return p;
}

ky_RBTB::Node* ky_RBTB::Min(Node* node)
{
    while (node->left)
        node = node->left;
    return node;
}

ky_RBTB::Node* ky_RBTB::Max(Node* node)
{
    while (node->right)
        node = node->right;
    return node;
}

ky_RBTB::Node* ky_RBTB::lower_bound(const void* key) const
{
    Node* candidate = nullptr;
    for (Node* x = root_; x;) {
        if (LessNK(x, key)) {
            x = x->right;
        } else {
            candidate = x;
            x = x->left;
        }
    }
    return candidate;
}

ky_RBTB::Node* ky_RBTB::find(const void* key) const
{
    Node* candidate = lower_bound(key);
    return candidate && !LessKN(key, candidate) ? candidate : nullptr;
}

ky_RBTB::Node* ky_RBTB::upper_bound(const void* key) const
{
    Node* candidate = nullptr;
    for (Node* x = root_; x;) {
        if (LessKN(key, x)) {
            candidate = x;
            x = x->left;
        } else {
            x = x->right;
        }
    }
    return candidate;
}

unsigned ky_RBTB::equal_range(const void* key, Node*& first, Node*& last) const
{
    first = last = find(key);
    if (!first)
        return 0;
    unsigned n = 1;
    for (last = Succ(first); last && !LessNN(first, last); last = Succ(last))
        ++n;
    return n;
}

ky_RBTB::Node* ky_RBTB::Insert(const void* item, bool byKey, bool allowDuplicates, bool& inserted)
{
    Node* parent = nullptr;
    bool goLeft = true;
    for (Node* x = root_; x; x = goLeft ? x->left : x->right) {
        parent = x;
        goLeft = byKey ? LessKN(item, x) : LessVN(item, x);
    }
    if (!allowDuplicates && parent) {
        Node* before = goLeft ? Pred(parent) : parent;
        if (before && !(byKey ? LessNK(before, item) : LessNV(before, item))) {
            inserted = false;
            return before;
        }
    }
    Node* node = byKey ? CreateNodeGivenKey(item) : CreateNodeGivenValue(item);
    Link(node, parent, goLeft);
    inserted = true;
    return node;
}

ky_RBTB::Node* ky_RBTB::insert_value(const void* value, bool allowDuplicates, bool& inserted)
{
    return Insert(value, false, allowDuplicates, inserted);
}

ky_RBTB::Node* ky_RBTB::insert_key(const void* key, bool allowDuplicates, bool& inserted)
{
    return Insert(key, true, allowDuplicates, inserted);
}

ky_RBTB::Node* ky_RBTB::insert_value(Node* hint, const void* value, bool allowDuplicates,
                                     bool& inserted)
{
    Node* parent = nullptr;
    bool left = false;
    if (count_ == 0) {
        // No neighbours to attach to.
    } else if (!hint) {
        if (LessNV(rightmost_, value))
            parent = rightmost_;
    } else if (hint == leftmost_) {
        if (LessVN(value, hint)) {
            parent = hint;
            left = true;
        }
    } else {
        Node* before = Pred(hint);
        if (LessNV(before, value) && LessVN(value, hint)) {
            // The empty place between the two neighbours.
            left = hint->left == nullptr;
            parent = left ? hint : before;
        }
    }
    if (!parent)
        return insert_value(value, allowDuplicates, inserted);
    Node* node = CreateNodeGivenValue(value);
    Link(node, parent, left);
    inserted = true;
    return node;
}

void ky_RBTB::Link(Node* node, Node* parent, bool left)
{
    node->left = node->right = nullptr;
    node->setParent(parent);
    node->setRed(true);
    if (!parent) {
        root_ = leftmost_ = rightmost_ = node;
    } else if (left) {
        parent->left = node;
        if (parent == leftmost_)
            leftmost_ = node;
    } else {
        parent->right = node;
        if (parent == rightmost_)
            rightmost_ = node;
    }
    ++count_;
    InsertFixup(node);
}

void ky_RBTB::Replace(Node* old, Node* by)
{
    Node* p = old->parent();
    if (!p)
        root_ = by;
    else if (p->left == old)
        p->left = by;
    else
        p->right = by;
    if (by)
        by->setParent(p);
}

void ky_RBTB::RotateLeft(Node* x)
{
    Node* y = x->right;
    x->right = y->left;
    if (y->left)
        y->left->setParent(x);
    Replace(x, y);
    y->left = x;
    x->setParent(y);
}

void ky_RBTB::RotateRight(Node* x)
{
    Node* y = x->left;
    x->left = y->right;
    if (y->right)
        y->right->setParent(x);
    Replace(x, y);
    y->right = x;
    x->setParent(y);
}

void ky_RBTB::InsertFixup(Node* x)
{
    while (x != root_ && x->parent()->red()) {
        Node* p = x->parent();
        Node* g = p->parent(); // exists: a red node is never the root
        if (p == g->left) {
            Node* uncle = g->right;
            if (IsRed(uncle)) {
                p->setRed(false);
                uncle->setRed(false);
                g->setRed(true);
                x = g;
                continue;
            }
            if (x == p->right) {
                RotateLeft(p);
                p = x;
            }
            p->setRed(false);
            g->setRed(true);
            RotateRight(g);
            break;
        } else {
            Node* uncle = g->left;
            if (IsRed(uncle)) {
                p->setRed(false);
                uncle->setRed(false);
                g->setRed(true);
                x = g;
                continue;
            }
            if (x == p->left) {
                RotateRight(p);
                p = x;
            }
            p->setRed(false);
            g->setRed(true);
            RotateLeft(g);
            break;
        }
    }
    root_->setRed(false);
}

void ky_RBTB::erase_single(Node* node, Node* successor)
{
    if (!node)
        ThrowMisuse("ky_RBT: the end position cannot be erased");
    if (node == leftmost_)
        leftmost_ = node->right ? Min(node->right) : node->parent();
    if (node == rightmost_)
        rightmost_ = node->left ? Max(node->left) : node->parent();

    Node* x;       // the child that moves up into the unlinked position
    Node* xParent; // its parent afterwards (x may be null)
    bool removedRed;
    if (!node->left || !node->right) {
        x = node->left ? node->left : node->right;
        xParent = node->parent();
        removedRed = node->red();
        Replace(node, x);
    } else {
        Node* y = successor ? successor : Min(node->right);
        removedRed = y->red();
        x = y->right;
        if (y->parent() == node) {
            xParent = y;
        } else {
            xParent = y->parent();
            Replace(y, x);
            y->right = node->right;
            y->right->setParent(y);
        }
        Replace(node, y);
        y->left = node->left;
        y->left->setParent(y);
        y->setRed(node->red());
    }
    --count_;
    if (!removedRed)
        EraseFixup(x, xParent);
    DestroyNode(node);
}

void ky_RBTB::EraseFixup(Node* x, Node* xParent)
{
    while (x != root_ && !IsRed(x)) {
        if (x == xParent->left) {
            Node* w = xParent->right;
            if (w->red()) {
                w->setRed(false);
                xParent->setRed(true);
                RotateLeft(xParent);
                w = xParent->right;
            }
            if (!IsRed(w->left) && !IsRed(w->right)) {
                w->setRed(true);
                x = xParent;
                xParent = x->parent();
                continue;
            }
            if (!IsRed(w->right)) {
                w->left->setRed(false);
                w->setRed(true);
                RotateRight(w);
                w = xParent->right;
            }
            w->setRed(xParent->red());
            xParent->setRed(false);
            w->right->setRed(false);
            RotateLeft(xParent);
        } else {
            Node* w = xParent->left;
            if (w->red()) {
                w->setRed(false);
                xParent->setRed(true);
                RotateRight(xParent);
                w = xParent->left;
            }
            if (!IsRed(w->left) && !IsRed(w->right)) {
                w->setRed(true);
                x = xParent;
                xParent = x->parent();
                continue;
            }
            if (!IsRed(w->left)) {
                w->right->setRed(false);
                w->setRed(true);
                RotateLeft(w);
                w = xParent->left;
            }
            w->setRed(xParent->red());
            xParent->setRed(false);
            w->left->setRed(false);
            RotateRight(xParent);
        }
        x = root_;
    }
    if (x)
        x->setRed(false);
}

unsigned ky_RBTB::erase_range(Node* first, Node* last)
{
    if (first == leftmost_ && !last) {
        unsigned n = count_;
        clear();
        return n;
    }
    unsigned n = 0;
    for (Node* x = first; x != last; x = Succ(x)) {
        if (!x)
            ThrowMisuse("ky_RBT: the range does not reach its end");
        ++n;
    }
    while (first != last) {
        Node* next = Succ(first);
        erase_single(first, next);
        first = next;
    }
    return n;
}

void ky_RBTB::DestroySubtree(Node* node)
{
    while (node) {
        DestroySubtree(node->right);
        Node* left = node->left;
        DestroyNode(node);
        node = left;
    }
}

void ky_RBTB::clear()
{
    DestroySubtree(root_);
    root_ = leftmost_ = rightmost_ = nullptr;
    count_ = 0;
}

void ky_RBTB::swap(ky_RBTB& other)
{
    std::swap(count_, other.count_);
    std::swap(root_, other.root_);
    std::swap(leftmost_, other.leftmost_);
    std::swap(rightmost_, other.rightmost_);
}

ky_RBTB::Node* ky_RBTB::CopySubtree(const Node* source, Node* parent)
{
    Node* top = CopyNode(source);
    top->left = top->right = nullptr;
    top->setParent(parent);
    top->setRed(source->red());
    try {
        if (source->right)
            top->right = CopySubtree(source->right, top);
        // Down the left spine in a loop, right subtrees recursively.
        Node* p = top;
        for (const Node* s = source->left; s; s = s->left) {
            Node* y = CopyNode(s);
            y->left = y->right = nullptr;
            y->setParent(p);
            y->setRed(s->red());
            p->left = y;
            if (s->right)
                y->right = CopySubtree(s->right, y);
            p = y;
        }
    } catch (...) {
        DestroySubtree(top);
        throw;
    }
    return top;
}

void ky_RBTB::dup(const ky_RBTB& source)
{
    if (&source == this)
        return;
    Node* copy = source.root_ ? CopySubtree(source.root_, nullptr) : nullptr;
    clear();
    root_ = copy;
    count_ = source.count_;
    leftmost_ = copy ? Min(copy) : nullptr;
    rightmost_ = copy ? Max(copy) : nullptr;
}

void ky_RBTB::GetHeights(unsigned* height, unsigned* blackHeight) const
{
    struct Measure {
        static unsigned Height(const Node* node)
        {
            if (!node)
                return 0;
            unsigned l = Height(node->left);
            unsigned r = Height(node->right);
            return 1 + (l > r ? l : r);
        }
    };
    if (height)
        *height = Measure::Height(root_);
    if (blackHeight) {
        unsigned black = 0;
        for (const Node* x = root_; x; x = x->left)
            black += x->red() ? 0 : 1;
        *blackHeight = black;
    }
}

bool ky_RBTB::CheckSubtree(const Node* node, unsigned& count, unsigned& height,
                           unsigned& blackHeight) const
{
    height = blackHeight = 0;
    if (!node)
        return true;
    ++count;
    if (node->red() && IsRed(node->parent()))
        return false;
    if (node->left && (node->left->parent() != node || LessNN(node, node->left)))
        return false;
    if (node->right && (node->right->parent() != node || LessNN(node->right, node)))
        return false;
    unsigned lh, lb, rh, rb;
    if (!CheckSubtree(node->left, count, lh, lb) || !CheckSubtree(node->right, count, rh, rb))
        return false;
    if (lb != rb)
        return false;
    height = 1 + (lh > rh ? lh : rh);
    blackHeight = lb + (node->red() ? 0 : 1);
    return true;
}

bool ky_RBTB::CheckInvariant(unsigned* height, unsigned* blackHeight) const
{
    GetHeights(height, blackHeight);
    if (!root_)
        return count_ == 0 && !leftmost_ && !rightmost_;
    if (root_->parent() || root_->red())
        return false;
    if (leftmost_ != Min(root_) || rightmost_ != Max(root_))
        return false;
    unsigned n = 0, h, bh;
    if (!CheckSubtree(root_, n, h, bh) || n != count_)
        return false;
    // The whole in-order sequence, not only each parent and child, is ordered.
    for (Node* x = leftmost_; x != rightmost_;) {
        Node* next = Succ(x);
        if (LessNN(next, x))
            return false;
        x = next;
    }
    return true;
}

} // namespace Kyvant
