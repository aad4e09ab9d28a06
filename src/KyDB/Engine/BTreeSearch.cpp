// Key comparison, descent from the root, positions and the walks along the
// leaf chain.
#include "KyDB/Engine/BTreeSearch.h"

#include "KyDB/Engine/BTree.h"
#include "KyDB/Engine/BTreeInternal.h"

#include <climits>
#include <cstring>

namespace Kyvant {

using namespace BtImpl;

namespace {
constexpr int kPlaceFile = 2;
}
using BtNode::Expect;
using BtNode::View;

namespace BtImpl {

int DefaultCompare(const std::uint8_t* a, std::uint32_t al, const std::uint8_t* b, std::uint32_t bl,
                   void*)
{
    std::uint32_t n = al < bl ? al : bl;
    for (std::uint32_t i = 0; i < n; ++i) {
        unsigned x = a[i], y = b[i];
        if (x == y)
            continue; // equal bytes fold alike
        if (x >= 'A' && x <= 'Z')
            x += 32;
        if (y >= 'A' && y <= 'Z')
            y += 32;
        if (x != y)
            return x < y ? -1 : 1;
    }
    return al < bl ? -1 : (al > bl ? 1 : 0);
}

int CompareKeys(const BTreeHandle* h, const std::uint8_t* a, std::uint32_t al,
                const std::uint8_t* b, std::uint32_t bl)
{
    return h->compare ? h->compare(a, al, b, bl, h->context)
                      : DefaultCompare(a, al, b, bl, nullptr);
}

int ComparePair(const BTreeHandle* h, const std::uint8_t* a, std::uint32_t al, std::int32_t ai,
                const std::uint8_t* b, std::uint32_t bl, std::int32_t bi)
{
    int c = CompareKeys(h, a, al, b, bl);
    if (c != 0)
        return c;
    return ai < bi ? -1 : (ai > bi ? 1 : 0);
}

int CompareEntry(const BTreeHandle* h, const View& v, int i, const std::uint8_t* key,
                 std::uint32_t length, std::int32_t item)
{
    return ComparePair(h, v.Key(i), v.KeyLength(i), v.Item(i), key, length, item);
}

int LowerBound(const BTreeHandle* h, const View& v, const std::uint8_t* key, std::uint32_t length,
               std::int32_t item, bool& exact)
{
    // The same comparison as CompareEntry, with the slot layout decoded once.
    const std::uint32_t slotSize = v.SlotSize();
    const std::uint8_t* slots = v.d + BtNode::kHeader;
    auto compare = [&](int i) {
        const std::uint8_t* s = slots + i * slotSize;
        const std::uint8_t* k = v.d + BtNode::Get16(s);
        const std::uint32_t kl = BtNode::Get16(s + 2);
        int c = h->compare ? h->compare(k, kl, key, length, h->context)
                           : DefaultCompare(k, kl, key, length, nullptr);
        if (c != 0)
            return c;
        const std::int32_t ki = BtNode::Get32(s + 4);
        return ki < item ? -1 : (ki > item ? 1 : 0);
    };
    const int count = v.Count();
    int lo = 0, hi = count;
    while (lo < hi) {
        int mid = lo + (hi - lo) / 2;
        if (compare(mid) < 0)
            lo = mid + 1;
        else
            hi = mid;
    }
    exact = lo < count && compare(lo) == 0;
    return lo;
}

int Descend(BTreeHandle* h, const std::uint8_t* key, std::uint32_t length, std::int32_t item,
            std::vector<PathStep>& path)
{
    BTreeFile* f = h->file;
    path.clear();
    std::int32_t block = f->cr.root;
    for (int level = static_cast<int>(f->cr.height); level >= 1; --level) {
        std::uint8_t* d = GetNode(f, block, level == 1 ? Expect::Leaf : Expect::Inner);
        if (!d)
            return -1;
        View v{d, f->bs};
        bool exact;
        int lb = LowerBound(h, v, key, length, item, exact);
        if (level == 1) {
            path.push_back({block, lb});
            Release(f, d, ReleaseMode::Unchanged);
            return 1;
        }
        int idx = exact ? lb : lb - 1;
        std::int32_t child = idx < 0 ? v.Leftmost() : v.Child(idx);
        path.push_back({block, idx});
        Release(f, d, ReleaseMode::Unchanged);
        block = child;
    }
    return KYDB_BT_FAIL(kCbtCorrupt);
}

void CopyEntry(BtPosition& p, const View& v, std::int32_t block, int slot, std::int32_t counter)
{
    std::uint32_t length = v.KeyLength(slot);
    if (p.key.size() < length)
        p.key.resize(length + 16);
    if (length)
        std::memcpy(p.key.data(), v.Key(slot), length);
    p.keyLength = length;
    p.item = v.Item(slot);
    p.block = block;
    p.slot = slot;
    p.state = 1;
    p.counter = counter;
}

int LandForward(BTreeHandle* h, std::int32_t block, int slot, BtPosition& p,
                const BtPosition* after)
{
    BTreeFile* f = h->file;
    for (std::int32_t hops = 0;; ++hops) {
        std::uint8_t* d = GetNode(f, block, Expect::Leaf);
        if (!d)
            return -1;
        View v{d, f->bs};
        if (slot < v.Count()) {
            // Entries only grow along the chain; anything else is a damaged link.
            if (after && after->state == 1 &&
                CompareEntry(h, v, slot, after->key.data(), after->keyLength, after->item) <= 0) {
                Release(f, d, ReleaseMode::Unchanged);
                return KYDB_BT_FAIL(kCbtCorrupt);
            }
            CopyEntry(p, v, block, slot, f->cr.counter);
            Release(f, d, ReleaseMode::Unchanged);
            return 1;
        }
        std::int32_t next = v.Next();
        Release(f, d, ReleaseMode::Unchanged);
        if (next == 0) {
            p.state = kBtPastEnd;
            p.counter = f->cr.counter;
            return kBtPastEnd;
        }
        if (hops > f->cr.highest)
            return KYDB_BT_FAIL(kCbtCorrupt);
        block = next;
        slot = 0;
    }
}

int LandBackward(BTreeHandle* h, std::int32_t block, int slot, BtPosition& p,
                 const BtPosition* before)
{
    BTreeFile* f = h->file;
    for (std::int32_t hops = 0;; ++hops) {
        std::uint8_t* d = GetNode(f, block, Expect::Leaf);
        if (!d)
            return -1;
        View v{d, f->bs};
        int s = slot >= v.Count() ? v.Count() - 1 : slot;
        if (s >= 0) {
            if (before && before->state == 1 &&
                CompareEntry(h, v, s, before->key.data(), before->keyLength, before->item) >= 0) {
                Release(f, d, ReleaseMode::Unchanged);
                return KYDB_BT_FAIL(kCbtCorrupt);
            }
            CopyEntry(p, v, block, s, f->cr.counter);
            Release(f, d, ReleaseMode::Unchanged);
            return 1;
        }
        std::int32_t prev = v.Prev();
        Release(f, d, ReleaseMode::Unchanged);
        if (prev == 0) {
            p.state = kBtBeforeFirst;
            p.counter = f->cr.counter;
            return kBtBeforeFirst;
        }
        if (hops > f->cr.highest)
            return KYDB_BT_FAIL(kCbtCorrupt);
        block = prev;
        slot = INT_MAX;
    }
}

int Seek(BTreeHandle* h, const std::uint8_t* key, std::uint32_t length, std::int32_t item,
         BtPosition& p)
{
    BTreeFile* f = h->file;
    if (f->cr.root == 0) {
        p.state = kBtPastEnd;
        p.counter = f->cr.counter;
        return kBtPastEnd;
    }
    static std::vector<PathStep> path;
    if (Descend(h, key, length, item, path) != 1)
        return -1;
    return LandForward(h, path.back().block, path.back().idx, p, nullptr);
}

bool SameEntry(const BTreeHandle* h, const BtPosition& p, const std::uint8_t* key,
               std::uint32_t length, std::int32_t item)
{
    return p.state == 1 && p.item == item &&
           CompareKeys(h, p.key.data(), p.keyLength, key, length) == 0;
}

int Revalidate(BTreeHandle* h, BtPosition& p)
{
    BTreeFile* f = h->file;
    if (p.state != 1 || p.counter == f->cr.counter)
        return 1;
    if (p.block > 0 && p.block <= f->cr.highest) {
        if (std::uint8_t* d = PoolGetBlock(f->pool, p.block)) {
            bool kept = false;
            if (BtNode::Validate(d, f->bs, f->cr.highest, Expect::Leaf)) {
                View v{d, f->bs};
                kept = p.slot < v.Count() && v.Item(p.slot) == p.item &&
                       CompareKeys(h, v.Key(p.slot), v.KeyLength(p.slot), p.key.data(),
                                   p.keyLength) == 0;
            }
            PoolReleaseBlock(f->pool, d, ReleaseMode::Unchanged);
            if (kept) {
                p.counter = f->cr.counter;
                return 1;
            }
        }
    }
    std::vector<std::uint8_t> key(p.key.begin(), p.key.begin() + p.keyLength);
    std::int32_t item = p.item;
    int r = Seek(h, key.data(), static_cast<std::uint32_t>(key.size()), item, p);
    if (r == -1)
        return -1;
    if (SameEntry(h, p, key.data(), static_cast<std::uint32_t>(key.size()), item))
        return 1;
    return KYDB_BT_FAIL(kCbtDeletedByOther);
}

} // namespace BtImpl

namespace {

// Runs one read operation on a valid handle: lock, current control record,
// body, release.
template <class Body>
int ReadOp(const char* operation, BTreeHandle* handle, Body body)
{
    StartOp(operation);
    if (!CheckHandle(handle))
        return -1;
    OpFrame op;
    if (BeginOp(op, handle->file, false) != 1)
        return -1;
    return EndOp(op, body(handle));
}

int First(BTreeHandle* h)
{
    BTreeFile* f = h->file;
    if (f->cr.root == 0) {
        h->cur.state = kBtPastEnd;
        return kBtPastEnd;
    }
    return LandForward(h, f->cr.firstLeaf, 0, h->cur, nullptr);
}

int Last(BTreeHandle* h)
{
    BTreeFile* f = h->file;
    if (f->cr.root == 0) {
        h->cur.state = kBtBeforeFirst;
        return kBtBeforeFirst;
    }
    return LandBackward(h, f->cr.lastLeaf, INT_MAX, h->cur, nullptr);
}

} // namespace

int BtFind(BTreeHandle* handle, const void* key, std::uint32_t length, std::int32_t* item)
{
    if (!key && length) {
        StartOp("BtFind");
        return KYDB_BT_FAIL(kCbtKeyLength);
    }
    return ReadOp("BtFind", handle, [&](BTreeHandle* h) {
        auto k = static_cast<const std::uint8_t*>(key);
        int r = Seek(h, k, length, item ? *item : 0, h->cur);
        if (r == -1)
            return -1;
        if (h->cur.state != 1)
            return kBtPastEnd;
        if (item)
            *item = h->cur.item;
        return CompareKeys(h, h->cur.key.data(), h->cur.keyLength, k, length) == 0 ? kBtFound
                                                                                   : kBtGreater;
    });
}

int BtFirst(BTreeHandle* handle)
{
    return ReadOp("BtFirst", handle, First);
}

int BtLast(BTreeHandle* handle)
{
    return ReadOp("BtLast", handle, Last);
}

int BtNext(BTreeHandle* handle, std::int32_t* item)
{
    return ReadOp("BtNext", handle, [&](BTreeHandle* h) {
        BtPosition& p = h->cur;
        if (Revalidate(h, p) != 1)
            return -1;
        int r;
        if (p.state == kBtBeforeFirst)
            r = First(h);
        else if (p.state == kBtPastEnd)
            r = kBtPastEnd;
        else
            r = LandForward(h, p.block, p.slot + 1, p, &p);
        if (r == 1 && item)
            *item = p.item;
        return r;
    });
}

int BtPrevious(BTreeHandle* handle, std::int32_t* item)
{
    return ReadOp("BtPrevious", handle, [&](BTreeHandle* h) {
        BtPosition& p = h->cur;
        if (Revalidate(h, p) != 1)
            return -1;
        int r;
        if (p.state == kBtPastEnd)
            r = Last(h);
        else if (p.state == kBtBeforeFirst)
            r = kBtBeforeFirst;
        else
            r = LandBackward(h, p.block, p.slot - 1, p, &p);
        if (r == 1 && item)
            *item = p.item;
        return r;
    });
}

int BtCurrentKey(BTreeHandle* handle, void* buffer, std::uint32_t size)
{
    return ReadOp("BtCurrentKey", handle, [&](BTreeHandle* h) {
        if (Revalidate(h, h->cur) != 1)
            return -1;
        if (h->cur.state != 1)
            return h->cur.state;
        std::uint32_t n = h->cur.keyLength < size ? h->cur.keyLength : size;
        if (n)
            std::memcpy(buffer, h->cur.key.data(), n);
        return 1;
    });
}

int BtCurrentKeyLength(BTreeHandle* handle, std::uint32_t* length)
{
    return ReadOp("BtCurrentKeyLength", handle, [&](BTreeHandle* h) {
        if (Revalidate(h, h->cur) != 1)
            return -1;
        if (h->cur.state != 1)
            return h->cur.state;
        *length = h->cur.keyLength;
        return 1;
    });
}

int BtCurrentItem(BTreeHandle* handle, std::int32_t* item)
{
    return ReadOp("BtCurrentItem", handle, [&](BTreeHandle* h) {
        if (Revalidate(h, h->cur) != 1)
            return -1;
        if (h->cur.state != 1)
            return h->cur.state;
        *item = h->cur.item;
        return 1;
    });
}

} // namespace Kyvant
