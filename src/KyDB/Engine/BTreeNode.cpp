// Node validation, entry extraction and node rebuilding.
#include "KyDB/Engine/BTreeNode.h"

namespace Kyvant {
namespace BtNode {

namespace {

// Keys are short: copied four bytes at a time in place rather than through
// a call to the runtime's memcpy for each.
void CopyKey(std::uint8_t* to, const std::uint8_t* from, std::uint32_t length)
{
    for (; length >= 4; length -= 4, to += 4, from += 4)
        std::memcpy(to, from, 4);
    for (; length > 0; --length)
        *to++ = *from++;
}

// Neighbouring keys in a node share their first bytes far more often than
// their last ones: comparing from the end answers sooner.
bool SameKeyBytes(const std::uint8_t* a, const std::uint8_t* b, std::uint32_t length)
{
    while (length > 0) {
        --length;
        if (a[length] != b[length])
            return false;
    }
    return true;
}

} // namespace

bool Validate(const std::uint8_t* d, std::uint32_t bs, std::int32_t highest, Expect expect)
{
    std::int32_t first = Get32(d);
    bool leaf = first == kLeafMark;
    if (first == 0 || (!leaf && (first < 0 || first > highest)))
        return false;
    if ((expect == Expect::Leaf && !leaf) || (expect == Expect::Inner && leaf))
        return false;
    std::int32_t prev = Get32(d + 4), next = Get32(d + 8);
    if (prev < 0 || prev > highest || next < 0 || next > highest)
        return false;
    int count = static_cast<std::int16_t>(Get16(d + 12));
    std::uint32_t slot = leaf ? kLeafSlot : kInnerSlot;
    if (count < 0 || kHeader + static_cast<std::uint32_t>(count) * slot > bs)
        return false;
    std::uint32_t low = Get16(d + 14);
    std::uint32_t slotsEnd = kHeader + count * slot;
    if (low < slotsEnd || low > bs)
        return false;
    for (int i = 0; i < count; ++i) {
        const std::uint8_t* s = d + kHeader + i * slot;
        std::uint32_t off = Get16(s), len = Get16(s + 2);
        if (off < low || off + len > bs)
            return false;
        if (!leaf) {
            std::int32_t child = Get32(s + 8);
            if (child <= 0 || child > highest)
                return false;
        }
    }
    return true;
}

void Entries::Add(const std::uint8_t* key, std::uint32_t length, std::int32_t item,
                  std::int32_t child)
{
    Insert(list_.size(), key, length, item, child);
}

void Entries::Insert(std::size_t at, const std::uint8_t* key, std::uint32_t length,
                     std::int32_t item, std::int32_t child)
{
    auto offset = static_cast<std::uint32_t>(bytes_.size());
    bytes_.insert(bytes_.end(), key, key + length);
    if (at == list_.size())
        list_.push_back(Entry{offset, length, item, child});
    else
        list_.insert(list_.begin() + at, Entry{offset, length, item, child});
}

void Entries::AddNode(const View& node)
{
    const bool leaf = node.Leaf();
    const int count = node.Count();
    if (count <= 0)
        return;
    // The node's key bytes are taken in one piece; each entry points at its
    // key inside that copy, so keys the node shares stay shared.
    const std::uint32_t low = node.Low();
    const auto base = static_cast<std::uint32_t>(bytes_.size());
    bytes_.reserve(bytes_.size() + (node.bs - low) + 64);
    bytes_.insert(bytes_.end(), node.d + low, node.d + node.bs);
    list_.reserve(list_.size() + count + 1);
    for (int i = 0; i < count; ++i)
        list_.push_back(Entry{base + (node.KeyOffset(i) - low), node.KeyLength(i), node.Item(i),
                              leaf ? 0 : node.Child(i)});
}

bool Entries::SameBytes(std::size_t i, std::size_t j) const
{
    return list_[i].length == list_[j].length && SameKeyBytes(Key(i), Key(j), list_[i].length);
}

std::uint32_t Entries::NodeBytes(std::size_t a, std::size_t b, bool leaf) const
{
    std::uint32_t total = kHeader;
    for (std::size_t i = a; i < b; ++i) {
        total += leaf ? kLeafSlot : kInnerSlot;
        if (i == a || !SameBytes(i - 1, i))
            total += list_[i].length;
    }
    return total;
}

ByteTotals::ByteTotals(const Entries& entries, std::vector<std::uint32_t>& sums)
    : entries_(entries), sums_(sums)
{
    sums_.resize(entries.Size() + 1);
    sums_[0] = 0;
    for (std::size_t i = 0; i < entries.Size(); ++i)
        sums_[i + 1] = sums_[i] + (i > 0 && entries.SameBytes(i - 1, i) ? 0 : entries[i].length);
}

std::uint32_t ByteTotals::Range(std::size_t a, std::size_t b, bool leaf) const
{
    if (a >= b)
        return kHeader;
    // The first entry of a range always holds its own copy of the key.
    std::uint32_t keys = entries_[a].length + (sums_[b] - sums_[a + 1]);
    return kHeader + static_cast<std::uint32_t>(b - a) * (leaf ? kLeafSlot : kInnerSlot) + keys;
}

void Init(std::uint8_t* d, std::uint32_t bs, bool leaf, std::int32_t leftmost)
{
    std::memset(d, 0, bs);
    Put32(d, leaf ? kLeafMark : leftmost);
    Put16(d + 14, bs);
}

void Build(std::uint8_t* d, std::uint32_t bs, bool leaf, std::int32_t leftmost, std::int32_t prev,
           std::int32_t next, const Entries& entries, std::size_t a, std::size_t b)
{
    // Every byte of the header, the slots and the packed keys is written
    // below; only the free space between slots and keys is zeroed.
    Put32(d, leaf ? kLeafMark : leftmost);
    Put32(d + 4, prev);
    Put32(d + 8, next);
    std::uint32_t slot = leaf ? kLeafSlot : kInnerSlot;
    std::uint32_t low = bs;
    std::uint32_t lastOffset = bs;
    for (std::size_t i = a; i < b; ++i) {
        const Entry& e = entries[i];
        std::uint32_t offset;
        if (i > a && entries.SameBytes(i - 1, i)) {
            offset = lastOffset;
        } else {
            low -= e.length;
            CopyKey(d + low, entries.Key(i), e.length);
            offset = low;
        }
        lastOffset = offset;
        std::uint8_t* s = d + kHeader + (i - a) * slot;
        Put16(s, offset);
        Put16(s + 2, e.length);
        Put32(s + 4, e.item);
        if (!leaf)
            Put32(s + 8, e.child);
    }
    Put16(d + 12, static_cast<std::uint32_t>(b - a));
    Put16(d + 14, low);
    const std::uint32_t slotsEnd = kHeader + static_cast<std::uint32_t>(b - a) * slot;
    if (low > slotsEnd)
        std::memset(d + slotsEnd, 0, low - slotsEnd);
}

bool InsertInPlace(View node, int pos, const std::uint8_t* key, std::uint32_t length,
                   std::int32_t item, std::int32_t child)
{
    int count = node.Count();
    std::uint32_t slot = node.SlotSize();
    auto same = [&](int i) {
        return i >= 0 && i < count && node.KeyLength(i) == length &&
               SameKeyBytes(node.Key(i), key, length);
    };
    int shareWith = same(pos - 1) ? pos - 1 : (same(pos) ? pos : -1);
    std::uint32_t need = slot + (shareWith >= 0 ? 0 : length);
    std::uint32_t slotsEnd = kHeader + count * slot;
    std::uint32_t low = node.Low();
    if (low < slotsEnd || low - slotsEnd < need)
        return false;
    std::uint32_t offset;
    if (shareWith >= 0) {
        offset = node.KeyOffset(shareWith);
    } else {
        low -= length;
        std::memcpy(node.d + low, key, length);
        offset = low;
    }
    std::uint8_t* at = node.d + kHeader + pos * slot;
    std::memmove(at + slot, at, (count - pos) * slot);
    Put16(at, offset);
    Put16(at + 2, length);
    Put32(at + 4, item);
    if (slot == kInnerSlot)
        Put32(at + 8, child);
    Put16(node.d + 12, count + 1);
    Put16(node.d + 14, low);
    return true;
}

} // namespace BtNode
} // namespace Kyvant
