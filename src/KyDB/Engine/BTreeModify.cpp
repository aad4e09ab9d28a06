// Changing a B-tree: insert with lending to neighbours and splits, delete
// with merges, key replacement, and the free-block list.
#include "KyDB/Engine/BTree.h"
#include "KyDB/Engine/BTreeInternal.h"
#include "KyDB/Engine/BTreeSearch.h"

#include <climits>
#include <cstring>

namespace Kyvant {

using namespace BtImpl;

namespace {
constexpr int kPlaceFile = 3;
}
using BtNode::Entries;
using BtNode::Expect;
using BtNode::View;

namespace {

Expect KindOf(bool leaf)
{
    return leaf ? Expect::Leaf : Expect::Inner;
}

// Header fields kept aside before a node is rebuilt in place.
struct Links {
    std::int32_t leftmost, prev, next;
    explicit Links(const View& v) : leftmost(v.Leftmost()), prev(v.Prev()), next(v.Next()) {}
};

// A node for new entries: the head of the free list, else a block appended to the file.
std::uint8_t* AllocNode(BTreeFile* f, std::int32_t& block, bool& appended)
{
    ControlRecord& cr = f->cr;
    if (cr.freeHead != 0) {
        std::int32_t b = cr.freeHead;
        std::uint8_t* d = PoolGetBlock(f->pool, b);
        if (!d) {
            KYDB_BT_FAIL(kCbtEmptyBlock);
            return nullptr;
        }
        std::int32_t nextFree = BtNode::Get32(d + 4);
        if (BtNode::Get32(d) != 0 || BtNode::Get16(d + 12) != 0 || nextFree < 0 ||
            nextFree > cr.highest || nextFree == b) {
            PoolReleaseBlock(f->pool, d, ReleaseMode::Unchanged);
            KYDB_BT_FAIL(kCbtCorrupt);
            return nullptr;
        }
        cr.freeHead = nextFree;
        std::memset(d, 0, f->bs);
        block = b;
        appended = false;
        return d;
    }
    if (static_cast<long long>(cr.highest + 2LL) * f->bs > 0x7FFFFFFFLL) {
        KYDB_BT_FAIL(kCbtEmptyBlock);
        return nullptr;
    }
    std::uint8_t* d = PoolNewBlock(f->pool, cr.highest + 1);
    if (!d) {
        KYDB_BT_FAIL(kCbtEmptyBlock);
        return nullptr;
    }
    block = ++cr.highest;
    appended = true;
    return d;
}

// Unlinks a node from its level's chain, zeroes it and pushes it on the free list.
int FreeNode(BTreeFile* f, std::int32_t block)
{
    std::uint8_t* d = GetNode(f, block, Expect::Any);
    if (!d)
        return -1;
    View v{d, f->bs};
    bool leaf = v.Leaf();
    std::int32_t prev = v.Prev(), next = v.Next();
    std::uint8_t* pd = prev ? GetNode(f, prev, KindOf(leaf)) : nullptr;
    std::uint8_t* nd = next ? GetNode(f, next, KindOf(leaf)) : nullptr;
    if ((prev && !pd) || (next && !nd)) {
        if (pd)
            Release(f, pd, ReleaseMode::Unchanged);
        if (nd)
            Release(f, nd, ReleaseMode::Unchanged);
        Release(f, d, ReleaseMode::Unchanged);
        return -1;
    }
    if (pd) {
        View{pd, f->bs}.SetNext(next);
        Release(f, pd, ReleaseMode::Changed);
    }
    if (nd) {
        View{nd, f->bs}.SetPrev(prev);
        Release(f, nd, ReleaseMode::Changed);
    }
    if (leaf) {
        if (f->cr.firstLeaf == block)
            f->cr.firstLeaf = next;
        if (f->cr.lastLeaf == block)
            f->cr.lastLeaf = prev;
    }
    std::memset(d, 0, f->bs);
    BtNode::Put32(d + 4, f->cr.freeHead);
    f->cr.freeHead = block;
    Release(f, d, ReleaseMode::Changed);
    return 1;
}

void ReplaceEntryKey(Entries& e, std::size_t at, const Entries& from, std::size_t i)
{
    std::int32_t child = e[at].child;
    e.Erase(at);
    e.Insert(at, from.Key(i), from[i].length, from[i].item, child);
}

// Moves entries between an overfull node (its entries plus the new one in
// `seq`) and a neighbour under the same parent so that the node fits: its
// last entries to the right neighbour, else its first ones to the left. The
// parent's separator must still fit after the change. 1 done, 0 not possible.
int TryLend(BTreeHandle* h, const PathStep& parent, std::uint8_t* d, std::int32_t nodeBlock,
            bool leaf, const Entries& seq)
{
    BTreeFile* f = h->file;
    const std::uint32_t bs = f->bs;
    // Lists kept from one call to the next, so that their storage is reused.
    static struct {
        Entries c, pe;
        std::vector<std::uint32_t> sums;
    } scratch;
    std::uint8_t* p = GetNode(f, parent.block, Expect::Inner);
    if (!p)
        return -1;
    View pv{p, bs};
    const int pIdx = parent.idx;
    if (pIdx >= pv.Count() || (pIdx < 0 ? pv.Leftmost() : pv.Child(pIdx)) != nodeBlock) {
        Release(f, p, ReleaseMode::Unchanged);
        return KYDB_BT_FAIL(kCbtCorrupt);
    }
    const Links node(View{d, bs});
    const Links up(pv);

    if (pIdx + 1 < pv.Count()) {
        std::uint8_t* r = GetNode(f, pv.Child(pIdx + 1), KindOf(leaf));
        if (!r) {
            Release(f, p, ReleaseMode::Unchanged);
            return -1;
        }
        View rv{r, bs};
        const Links right(rv);
        Entries& c = scratch.c;
        c = seq;
        const std::size_t s0 = seq.Size();
        if (!leaf)
            c.Add(pv.Key(pIdx + 1), pv.KeyLength(pIdx + 1), pv.Item(pIdx + 1), right.leftmost);
        c.AddNode(rv);
        const std::size_t n = c.Size();
        const BtNode::ByteTotals totals(c, scratch.sums);
        for (std::size_t s = s0 - 1; s >= 1; --s) {
            if (totals.Range(0, s, leaf) > bs)
                continue;
            if (totals.Range(leaf ? s : s + 1, n, leaf) > bs)
                break;
            Entries& pe = scratch.pe;
            pe.Clear();
            pe.AddNode(pv);
            ReplaceEntryKey(pe, pIdx + 1, c, s);
            if (pe.NodeBytes(0, pe.Size(), false) > bs)
                break;
            BtNode::Build(d, bs, leaf, node.leftmost, node.prev, node.next, c, 0, s);
            BtNode::Build(r, bs, leaf, leaf ? 0 : c[s].child, right.prev, right.next, c,
                          leaf ? s : s + 1, n);
            BtNode::Build(p, bs, false, up.leftmost, up.prev, up.next, pe, 0, pe.Size());
            Release(f, r, ReleaseMode::Changed);
            Release(f, p, ReleaseMode::Changed);
            return 1;
        }
        Release(f, r, ReleaseMode::Unchanged);
    }

    if (pIdx >= 0) {
        std::uint8_t* l = GetNode(f, pIdx == 0 ? pv.Leftmost() : pv.Child(pIdx - 1), KindOf(leaf));
        if (!l) {
            Release(f, p, ReleaseMode::Unchanged);
            return -1;
        }
        View lv{l, bs};
        const Links left(lv);
        Entries& c = scratch.c;
        c.Clear();
        c.AddNode(lv);
        const std::size_t s0 = c.Size();
        if (!leaf)
            c.Add(pv.Key(pIdx), pv.KeyLength(pIdx), pv.Item(pIdx), node.leftmost);
        for (std::size_t i = 0; i < seq.Size(); ++i)
            c.Add(seq.Key(i), seq[i].length, seq[i].item, seq[i].child);
        const std::size_t n = c.Size();
        const BtNode::ByteTotals totals(c, scratch.sums);
        for (std::size_t s = s0 + 1; s < n; ++s) {
            if (totals.Range(leaf ? s : s + 1, n, leaf) > bs)
                continue;
            if (totals.Range(0, s, leaf) > bs)
                break;
            Entries& pe = scratch.pe;
            pe.Clear();
            pe.AddNode(pv);
            ReplaceEntryKey(pe, pIdx, c, s);
            if (pe.NodeBytes(0, pe.Size(), false) > bs)
                break;
            BtNode::Build(l, bs, leaf, left.leftmost, left.prev, left.next, c, 0, s);
            BtNode::Build(d, bs, leaf, leaf ? 0 : c[s].child, node.prev, node.next, c,
                          leaf ? s : s + 1, n);
            BtNode::Build(p, bs, false, up.leftmost, up.prev, up.next, pe, 0, pe.Size());
            Release(f, l, ReleaseMode::Changed);
            Release(f, p, ReleaseMode::Changed);
            return 1;
        }
        Release(f, l, ReleaseMode::Unchanged);
    }
    Release(f, p, ReleaseMode::Unchanged);
    return 0;
}

// Splits the node holding `seq` in two of nearly equal byte totals; the new
// right node follows it on its level. `sep` receives the separator for the
// parent, its child being the new node. With `at`, the split falls there.
// 0 when no split point leaves both halves within a block.
int Split(BTreeHandle* h, std::uint8_t* d, std::int32_t nodeBlock, bool leaf, const Entries& seq,
          Entries& sep, std::size_t at = 0)
{
    BTreeFile* f = h->file;
    const std::uint32_t bs = f->bs;
    const std::size_t n = seq.Size();
    std::size_t best = at;
    std::uint32_t bestDiff = UINT_MAX;
    static std::vector<std::uint32_t> sums; // kept for reuse of its storage
    const BtNode::ByteTotals totals(seq, sums);
    for (std::size_t s = 1; s < n && !at; ++s) {
        std::uint32_t lb = totals.Range(0, s, leaf);
        std::uint32_t rb = totals.Range(leaf ? s : s + 1, n, leaf);
        if (lb > bs || rb > bs)
            continue;
        std::uint32_t diff = lb > rb ? lb - rb : rb - lb;
        if (diff < bestDiff) {
            bestDiff = diff;
            best = s;
        }
    }
    if (best == 0)
        return 0;
    const Links node(View{d, bs});
    std::uint8_t* nd = nullptr;
    if (node.next) {
        nd = GetNode(f, node.next, KindOf(leaf));
        if (!nd)
            return -1;
    }
    std::int32_t newBlock;
    bool appended;
    std::uint8_t* r = AllocNode(f, newBlock, appended);
    if (!r) {
        if (nd)
            Release(f, nd, ReleaseMode::Unchanged);
        return -1;
    }
    BtNode::Build(r, bs, leaf, leaf ? 0 : seq[best].child, nodeBlock, node.next, seq,
                  leaf ? best : best + 1, n);
    BtNode::Build(d, bs, leaf, node.leftmost, node.prev, newBlock, seq, 0, best);
    if (nd) {
        View{nd, bs}.SetPrev(newBlock);
        Release(f, nd, ReleaseMode::Changed);
    } else if (leaf) {
        f->cr.lastLeaf = newBlock;
    }
    sep.Add(seq.Key(best), seq[best].length, seq[best].item, newBlock);
    ReleaseNew(f, r, appended);
    return 1;
}

constexpr int kRetry = 2;
constexpr int kPairPresent = 3;
constexpr int kKeyPresent = 4;
constexpr int kCheckAcrossLeaves = 5;

// What an insert checks on its way down: nothing, the exact pair (23), or
// the key too (22) when duplicates are not allowed.
enum class Check { None, Pair, Key };

// One attempt to insert: 1 done, -1 failed, kPairPresent when `checkPair`
// finds the exact entry already there (nothing changed), kRetry when a leaf
// had to be split without the new entry first (a long entry between two
// others may fit neither half), after which the insert starts again.
int InsertOnce(BTreeHandle* h, const std::uint8_t* key, std::uint32_t length, std::int32_t item,
               Check check)
{
    BTreeFile* f = h->file;
    const std::uint32_t bs = f->bs;
    if (f->cr.root == 0) {
        std::int32_t block;
        bool appended;
        std::uint8_t* d = AllocNode(f, block, appended);
        if (!d)
            return -1;
        Entries e;
        e.Add(key, length, item, 0);
        BtNode::Build(d, bs, true, 0, 0, 0, e, 0, 1);
        f->cr.root = f->cr.firstLeaf = f->cr.lastLeaf = block;
        f->cr.height = 1;
        ReleaseNew(f, d, appended);
        return 1;
    }
    static std::vector<PathStep> path;
    if (Descend(h, key, length, item, path) != 1)
        return -1;
    // The entry to place at `level`: first the new one, then separators. The
    // lists are kept from one insert to the next, so that their storage is reused.
    static Entries carry, seq, sep;
    carry.Clear();
    const std::uint8_t* cKey = key;
    std::uint32_t cLength = length;
    std::int32_t cItem = item, cChild = 0;
    int level = static_cast<int>(path.size()) - 1;
    int pos = path[level].idx;
    int result = 1;
    for (;;) {
        const bool leaf = level == static_cast<int>(path.size()) - 1;
        const std::int32_t nodeBlock = path[level].block;
        std::uint8_t* d = GetNode(f, nodeBlock, KindOf(leaf));
        if (!d)
            return -1;
        View v{d, bs};
        if (pos < 0 || pos > v.Count()) {
            Release(f, d, ReleaseMode::Unchanged);
            return KYDB_BT_FAIL(kCbtCorrupt);
        }
        if (leaf && check != Check::None) {
            // An equal pair sits at the insert slot; equal keys next to it,
            // or, at an edge of the leaf, possibly in the neighbouring leaf.
            int found = 0;
            if (pos < v.Count() && CompareEntry(h, v, pos, key, length, item) == 0)
                found = kPairPresent;
            else if (check == Check::Key && (pos == 0 || pos == v.Count()))
                found = kCheckAcrossLeaves;
            else if (check == Check::Key &&
                     (CompareKeys(h, v.Key(pos), v.KeyLength(pos), key, length) == 0 ||
                      CompareKeys(h, v.Key(pos - 1), v.KeyLength(pos - 1), key, length) == 0))
                found = kKeyPresent;
            if (found) {
                Release(f, d, ReleaseMode::Unchanged);
                return found;
            }
            check = Check::None;
        }
        if (BtNode::InsertInPlace(v, pos, cKey, cLength, cItem, cChild)) {
            Release(f, d, ReleaseMode::Changed);
            return result;
        }
        seq.Clear();
        seq.AddNode(v);
        seq.Insert(pos, cKey, cLength, cItem, cChild);
        if (level > 0) {
            int r = TryLend(h, path[level - 1], d, nodeBlock, leaf, seq);
            if (r != 0) {
                Release(f, d, r > 0 ? ReleaseMode::Changed : ReleaseMode::Unchanged);
                return r > 0 ? result : -1;
            }
        }
        sep.Clear();
        int r = Split(h, d, nodeBlock, leaf, seq, sep);
        if (r == 0 && leaf && pos > 0 && pos < v.Count()) {
            // Split the leaf as it is, between the new entry's neighbours.
            Entries own;
            own.AddNode(v);
            r = Split(h, d, nodeBlock, leaf, own, sep, static_cast<std::size_t>(pos));
            result = kRetry;
        }
        if (r != 1) {
            Release(f, d, ReleaseMode::Unchanged);
            return r == 0 ? KYDB_BT_FAIL(kCbtCorrupt) : -1;
        }
        Release(f, d, ReleaseMode::Changed);
        if (level == 0) {
            std::int32_t rootBlock;
            bool appended;
            std::uint8_t* nr = AllocNode(f, rootBlock, appended);
            if (!nr)
                return -1;
            BtNode::Build(nr, bs, false, nodeBlock, 0, 0, sep, 0, 1);
            f->cr.root = rootBlock;
            ++f->cr.height;
            ReleaseNew(f, nr, appended);
            return result;
        }
        carry = sep;
        cKey = carry.Key(0);
        cLength = carry[0].length;
        cItem = carry[0].item;
        cChild = carry[0].child;
        pos = path[level - 1].idx + 1;
        --level;
    }
}

int InsertEntry(BTreeHandle* h, const std::uint8_t* key, std::uint32_t length, std::int32_t item,
                Check check = Check::None)
{
    for (int round = 0; round < kMaxHeight; ++round) {
        int r = InsertOnce(h, key, length, item, round == 0 ? check : Check::None);
        if (r != kRetry)
            return r;
    }
    return KYDB_BT_FAIL(kCbtCorrupt);
}

// A root without entries hands over to its only child; an empty root leaf
// empties the tree.
int CollapseRoot(BTreeFile* f)
{
    for (;;) {
        bool leaf = f->cr.height == 1;
        std::uint8_t* d = GetNode(f, f->cr.root, KindOf(leaf));
        if (!d)
            return -1;
        View v{d, f->bs};
        int count = v.Count();
        std::int32_t child = v.Leftmost();
        Release(f, d, ReleaseMode::Unchanged);
        if (count > 0)
            return 1;
        std::int32_t old = f->cr.root;
        if (FreeNode(f, old) != 1)
            return -1;
        if (leaf) {
            f->cr.root = f->cr.firstLeaf = f->cr.lastLeaf = 0;
            f->cr.height = 0;
            return 1;
        }
        f->cr.root = child;
        --f->cr.height;
    }
}

// After a removal along `path`: merges nodes that fell below three quarters
// of the space after the header with a neighbour when both fit below that.
int Rebalance(BTreeHandle* h, const std::vector<PathStep>& path)
{
    BTreeFile* f = h->file;
    const std::uint32_t bs = f->bs;
    const std::uint32_t threshold = (3 * bs - 48) / 4;
    for (int level = static_cast<int>(path.size()) - 1;; --level) {
        if (level == 0)
            return CollapseRoot(f);
        const bool leaf = level == static_cast<int>(path.size()) - 1;
        const std::int32_t b = path[level].block;
        std::uint8_t* d = GetNode(f, b, KindOf(leaf));
        if (!d)
            return -1;
        View v{d, bs};
        if (v.Used() >= threshold) {
            Release(f, d, ReleaseMode::Unchanged);
            return 1;
        }
        std::uint8_t* p = GetNode(f, path[level - 1].block, Expect::Inner);
        if (!p) {
            Release(f, d, ReleaseMode::Unchanged);
            return -1;
        }
        View pv{p, bs};
        const int pIdx = path[level - 1].idx;
        if (pIdx >= pv.Count() || (pIdx < 0 ? pv.Leftmost() : pv.Child(pIdx)) != b) {
            Release(f, p, ReleaseMode::Unchanged);
            Release(f, d, ReleaseMode::Unchanged);
            return KYDB_BT_FAIL(kCbtCorrupt);
        }
        const Links node(v);
        const Links up(pv);
        std::int32_t freed = 0;
        int removeAt = -1;
        if (pIdx >= 0) {
            std::uint8_t* l =
                GetNode(f, pIdx == 0 ? pv.Leftmost() : pv.Child(pIdx - 1), KindOf(leaf));
            if (!l) {
                Release(f, p, ReleaseMode::Unchanged);
                Release(f, d, ReleaseMode::Unchanged);
                return -1;
            }
            View lv{l, bs};
            Entries c;
            c.AddNode(lv);
            if (!leaf)
                c.Add(pv.Key(pIdx), pv.KeyLength(pIdx), pv.Item(pIdx), node.leftmost);
            c.AddNode(v);
            if (c.NodeBytes(0, c.Size(), leaf) < threshold) {
                const Links left(lv);
                BtNode::Build(l, bs, leaf, left.leftmost, left.prev, left.next, c, 0, c.Size());
                Release(f, l, ReleaseMode::Changed);
                freed = b;
                removeAt = pIdx;
            } else {
                Release(f, l, ReleaseMode::Unchanged);
            }
        }
        if (!freed && pIdx + 1 < pv.Count()) {
            const std::int32_t rb = pv.Child(pIdx + 1);
            std::uint8_t* r = GetNode(f, rb, KindOf(leaf));
            if (!r) {
                Release(f, p, ReleaseMode::Unchanged);
                Release(f, d, ReleaseMode::Unchanged);
                return -1;
            }
            View rv{r, bs};
            Entries c;
            c.AddNode(v);
            if (!leaf)
                c.Add(pv.Key(pIdx + 1), pv.KeyLength(pIdx + 1), pv.Item(pIdx + 1), rv.Leftmost());
            c.AddNode(rv);
            Release(f, r, ReleaseMode::Unchanged);
            if (c.NodeBytes(0, c.Size(), leaf) < threshold) {
                BtNode::Build(d, bs, leaf, node.leftmost, node.prev, node.next, c, 0, c.Size());
                freed = rb;
                removeAt = pIdx + 1;
            }
        }
        if (!freed) {
            Release(f, p, ReleaseMode::Unchanged);
            Release(f, d, ReleaseMode::Unchanged);
            return 1;
        }
        Entries pe;
        pe.AddNode(pv);
        pe.Erase(static_cast<std::size_t>(removeAt));
        BtNode::Build(p, bs, false, up.leftmost, up.prev, up.next, pe, 0, pe.Size());
        Release(f, p, ReleaseMode::Changed);
        Release(f, d, freed == b ? ReleaseMode::Unchanged : ReleaseMode::Changed);
        if (FreeNode(f, freed) != 1)
            return -1;
    }
}

// Removes the exact entry; 26 when it is not there.
int DeleteEntry(BTreeHandle* h, const std::uint8_t* key, std::uint32_t length, std::int32_t item,
                OpFrame& op)
{
    BTreeFile* f = h->file;
    if (f->cr.root == 0)
        return KYDB_BT_FAIL(kCbtNotFound);
    static std::vector<PathStep> path;
    if (Descend(h, key, length, item, path) != 1)
        return -1;
    std::uint8_t* d = GetNode(f, path.back().block, Expect::Leaf);
    if (!d)
        return -1;
    View v{d, f->bs};
    const int at = path.back().idx;
    if (at >= v.Count() || CompareEntry(h, v, at, key, length, item) != 0) {
        Release(f, d, ReleaseMode::Unchanged);
        return KYDB_BT_FAIL(kCbtNotFound);
    }
    op.changed = true;
    Entries e;
    e.AddNode(v);
    e.Erase(static_cast<std::size_t>(at));
    const Links node(v);
    BtNode::Build(d, f->bs, true, 0, node.prev, node.next, e, 0, e.Size());
    Release(f, d, ReleaseMode::Changed);
    return Rebalance(h, path);
}

// Moves the handle's positions that stood on (key, item) to `to` or, without
// it, to the entry that now follows.
int MovePositions(BTreeHandle* h, const std::vector<std::uint8_t>& key, std::int32_t item,
                  const std::uint8_t* toKey, std::uint32_t toLength, std::int32_t toItem)
{
    int rc = 1;
    for (BtPosition* p : {&h->cur, &h->mark}) {
        if (!SameEntry(h, *p, key.data(), static_cast<std::uint32_t>(key.size()), item))
            continue;
        if (Seek(h, toKey, toLength, toItem, *p) == -1)
            rc = -1;
    }
    return rc;
}

int CheckWritable(BTreeHandle* h)
{
    if (h->readOnly || !h->file->writable)
        return KYDB_BT_FAIL(kCbtReadOnly);
    return 1;
}

BtPosition& Scratch()
{
    static BtPosition p;
    return p;
}

// 23 when the exact pair is present, 22 when the key is and duplicates are not allowed.
int CheckDuplicates(BTreeHandle* h, const std::uint8_t* key, std::uint32_t length,
                    std::int32_t item, bool duplicates, bool pairToo)
{
    BtPosition& s = Scratch();
    if (!duplicates) {
        if (Seek(h, key, length, INT_MIN, s) == -1)
            return -1;
        if (s.state != 1 || CompareKeys(h, s.key.data(), s.keyLength, key, length) != 0)
            return 1;
        if (!pairToo || s.item == item)
            return KYDB_BT_FAIL(s.item == item && pairToo ? kCbtDuplicatePair : kCbtDuplicateKey);
    } else if (!pairToo) {
        return 1;
    }
    if (Seek(h, key, length, item, s) == -1)
        return -1;
    if (SameEntry(h, s, key, length, item))
        return KYDB_BT_FAIL(kCbtDuplicatePair);
    return duplicates ? 1 : KYDB_BT_FAIL(kCbtDuplicateKey);
}

} // namespace

int BtInsert(BTreeHandle* handle, const void* key, std::uint32_t length, std::int32_t item,
             bool duplicates)
{
    StartOp("BtInsert");
    BTreeHandle* h = CheckHandle(handle);
    if (!h || CheckWritable(h) != 1)
        return -1;
    auto k = static_cast<const std::uint8_t*>(key);
    if ((!k && length) || length > h->file->bs - kKeyReserve)
        return KYDB_BT_FAIL(kCbtKeyLength);
    OpFrame op;
    if (BeginOp(op, h->file, true) != 1)
        return -1;
    ++h->file->cr.balance;
    // Duplicates are looked for on the insert's own way down; only a key at
    // the edge of its leaf needs a search of its own.
    op.changed = true;
    int r = InsertEntry(h, k, length, item, duplicates ? Check::Pair : Check::Key);
    if (r == kCheckAcrossLeaves) {
        r = CheckDuplicates(h, k, length, item, false, true);
        if (r == 1)
            r = InsertEntry(h, k, length, item, Check::Pair);
    }
    if (r == kPairPresent || r == kKeyPresent) {
        r = KYDB_BT_FAIL(r == kPairPresent ? kCbtDuplicatePair : kCbtDuplicateKey);
        op.changed = false;
    } else if (r == -1 && (CbtError() == kCbtDuplicatePair || CbtError() == kCbtDuplicateKey)) {
        op.changed = false;
    }
    return EndOp(op, r);
}

int BtDelete(BTreeHandle* handle, const void* key, std::uint32_t length, std::int32_t item)
{
    StartOp("BtDelete");
    BTreeHandle* h = CheckHandle(handle);
    if (!h || CheckWritable(h) != 1)
        return -1;
    auto k = static_cast<const std::uint8_t*>(key);
    if (!k && length)
        return KYDB_BT_FAIL(kCbtKeyLength);
    OpFrame op;
    if (BeginOp(op, h->file, true) != 1)
        return -1;
    --h->file->cr.balance;
    if (h->file->cr.root == 0)
        return EndOp(op, KYDB_BT_FAIL(kCbtEmptyTree));
    std::vector<std::uint8_t> saved(k, k + length);
    int r = DeleteEntry(h, k, length, item, op);
    if (r == 1)
        r = MovePositions(h, saved, item, saved.data(), length, item);
    return EndOp(op, r);
}

int BtReplaceKey(BTreeHandle* handle, const void* oldKey, std::uint32_t oldLength,
                 std::int32_t oldItem, const void* newKey, std::uint32_t newLength,
                 std::int32_t newItem, bool duplicates)
{
    StartOp("BtReplaceKey");
    BTreeHandle* h = CheckHandle(handle);
    if (!h || CheckWritable(h) != 1)
        return -1;
    BTreeFile* f = h->file;
    auto ok = static_cast<const std::uint8_t*>(oldKey);
    auto nk = static_cast<const std::uint8_t*>(newKey);
    if ((!ok && oldLength) || (!nk && newLength) || newLength > f->bs - kKeyReserve)
        return KYDB_BT_FAIL(kCbtKeyLength);
    OpFrame op;
    if (BeginOp(op, f, true) != 1)
        return -1;
    std::vector<std::uint8_t> oldSaved(ok, ok + oldLength), newSaved(nk, nk + newLength);
    ok = oldSaved.data();
    nk = newSaved.data();
    BtPosition& s = Scratch();
    if (Seek(h, ok, oldLength, oldItem, s) == -1)
        return EndOp(op, -1);
    if (!SameEntry(h, s, ok, oldLength, oldItem))
        return EndOp(op, KYDB_BT_FAIL(kCbtNotFound));
    if (oldSaved == newSaved && oldItem == newItem)
        return EndOp(op, 1);
    const bool equalPair = ComparePair(h, nk, newLength, newItem, ok, oldLength, oldItem) == 0;
    if (!equalPair) {
        bool sameKey = CompareKeys(h, nk, newLength, ok, oldLength) == 0;
        if (CheckDuplicates(h, nk, newLength, newItem, duplicates || sameKey, true) != 1)
            return EndOp(op, -1);
    }
    op.changed = true;
    std::vector<PathStep> path;
    if (Descend(h, ok, oldLength, oldItem, path) != 1)
        return EndOp(op, -1);
    std::uint8_t* d = GetNode(f, path.back().block, Expect::Leaf);
    if (!d)
        return EndOp(op, -1);
    View v{d, f->bs};
    const int at = path.back().idx;
    const int count = v.Count();
    bool inPlace = false;
    if (at < count && CompareEntry(h, v, at, ok, oldLength, oldItem) == 0) {
        int toOld = ComparePair(h, nk, newLength, newItem, ok, oldLength, oldItem);
        // At a leaf's edge the new entry must stay on the old one's side of the
        // parent's separators, so it may only move inwards there.
        bool lowerOk = at > 0 ? CompareEntry(h, v, at - 1, nk, newLength, newItem) < 0 : toOld >= 0;
        bool upperOk =
            at < count - 1 ? CompareEntry(h, v, at + 1, nk, newLength, newItem) > 0 : toOld <= 0;
        if (lowerOk && upperOk) {
            Entries e;
            e.AddNode(v);
            e.Erase(static_cast<std::size_t>(at));
            e.Insert(static_cast<std::size_t>(at), nk, newLength, newItem, 0);
            if (e.NodeBytes(0, e.Size(), true) <= f->bs) {
                const Links node(v);
                BtNode::Build(d, f->bs, true, 0, node.prev, node.next, e, 0, e.Size());
                inPlace = true;
            }
        }
    }
    Release(f, d, inPlace ? ReleaseMode::Changed : ReleaseMode::Unchanged);
    int r = 1;
    if (!inPlace) {
        r = DeleteEntry(h, ok, oldLength, oldItem, op);
        if (r == 1)
            r = InsertEntry(h, nk, newLength, newItem);
    }
    if (r == 1)
        r = MovePositions(h, oldSaved, oldItem, nk, newLength, newItem);
    return EndOp(op, r);
}

} // namespace Kyvant
