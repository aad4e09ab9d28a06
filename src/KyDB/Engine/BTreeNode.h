// Layout of one B-tree node block: a 16-byte header, entry slots growing
// upwards and key bytes packed at the end of the block growing downwards.
#pragma once

#include "KyDB/Engine/BTree.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace Kyvant {
namespace BtNode {

constexpr std::uint32_t kHeader = 16;
constexpr std::uint32_t kLeafSlot = 8;
constexpr std::uint32_t kInnerSlot = 12;
constexpr std::int32_t kLeafMark = -1;

inline std::uint16_t Get16(const std::uint8_t* p)
{
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}
inline std::int32_t Get32(const std::uint8_t* p)
{
    return static_cast<std::int32_t>(
        static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
        (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24));
}
inline void Put16(std::uint8_t* p, std::uint32_t v)
{
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}
inline void Put32(std::uint8_t* p, std::int32_t value)
{
    auto v = static_cast<std::uint32_t>(value);
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
    p[2] = static_cast<std::uint8_t>(v >> 16);
    p[3] = static_cast<std::uint8_t>(v >> 24);
}

// Accessors over a node's bytes; the node must have passed Validate.
struct View {
    std::uint8_t* d;
    std::uint32_t bs;

    std::int32_t First() const { return Get32(d); }
    bool Leaf() const { return First() == kLeafMark; }
    std::int32_t Leftmost() const { return First(); }
    std::int32_t Prev() const { return Get32(d + 4); }
    std::int32_t Next() const { return Get32(d + 8); }
    void SetPrev(std::int32_t b) { Put32(d + 4, b); }
    void SetNext(std::int32_t b) { Put32(d + 8, b); }
    int Count() const { return static_cast<std::int16_t>(Get16(d + 12)); }
    std::uint32_t Low() const { return Get16(d + 14); }
    std::uint32_t SlotSize() const { return Leaf() ? kLeafSlot : kInnerSlot; }
    const std::uint8_t* Slot(int i) const { return d + kHeader + i * SlotSize(); }
    std::uint32_t KeyOffset(int i) const { return Get16(Slot(i)); }
    std::uint32_t KeyLength(int i) const { return Get16(Slot(i) + 2); }
    const std::uint8_t* Key(int i) const { return d + KeyOffset(i); }
    std::int32_t Item(int i) const { return Get32(Slot(i) + 4); }
    std::int32_t Child(int i) const { return Get32(Slot(i) + 8); }
    std::uint32_t Used() const { return kHeader + Count() * SlotSize() + (bs - Low()); }
};

enum class Expect { Any, Leaf, Inner };

// Checks that every count, offset and link of the node lies inside the block
// and the file (links up to `highest`); a free block (first word 0) fails.
bool Validate(const std::uint8_t* d, std::uint32_t bs, std::int32_t highest, Expect expect);

// Entries taken out of nodes, with their key bytes, for rebuilding nodes.
struct Entry {
    std::uint32_t offset; // into Entries::bytes
    std::uint32_t length;
    std::int32_t item;
    std::int32_t child;
};

class Entries {
public:
    void Add(const std::uint8_t* key, std::uint32_t length, std::int32_t item, std::int32_t child);
    void Insert(std::size_t at, const std::uint8_t* key, std::uint32_t length, std::int32_t item,
                std::int32_t child);
    void Erase(std::size_t at) { list_.erase(list_.begin() + at); }
    // Empties the list but keeps its storage, for scratch lists used over and over.
    void Clear()
    {
        bytes_.clear();
        list_.clear();
    }
    void AddNode(const View& node); // every entry of the node, in order
    std::size_t Size() const { return list_.size(); }
    const Entry& operator[](std::size_t i) const { return list_[i]; }
    Entry& operator[](std::size_t i) { return list_[i]; }
    const std::uint8_t* Key(std::size_t i) const { return bytes_.data() + list_[i].offset; }

    // Bytes that entries [a, b) take as one node, equal neighbours sharing their key bytes.
    std::uint32_t NodeBytes(std::size_t a, std::size_t b, bool leaf) const;
    bool SameBytes(std::size_t i, std::size_t j) const;

private:
    std::vector<std::uint8_t> bytes_;
    std::vector<Entry> list_;
};

// NodeBytes for any range in constant time, from running totals of the key
// bytes each entry adds (none when it shares its predecessor's bytes). The
// totals live in `sums`, which the caller may keep for the next use.
class ByteTotals {
public:
    ByteTotals(const Entries& entries, std::vector<std::uint32_t>& sums);
    std::uint32_t Range(std::size_t a, std::size_t b, bool leaf) const;

private:
    const Entries& entries_;
    std::vector<std::uint32_t>& sums_; // sums_[i]: added bytes of entries [0, i)
};

// Writes a whole node from entries [a, b): header, slots, packed keys, zeros between.
void Build(std::uint8_t* d, std::uint32_t bs, bool leaf, std::int32_t leftmost, std::int32_t prev,
           std::int32_t next, const Entries& entries, std::size_t a, std::size_t b);

// Inserts one entry at slot `pos` when it fits, sharing the key bytes of a
// bytewise-identical neighbour; false when the node is too full.
bool InsertInPlace(View node, int pos, const std::uint8_t* key, std::uint32_t length,
                   std::int32_t item, std::int32_t child);

// An empty leaf or inner node.
void Init(std::uint8_t* d, std::uint32_t bs, bool leaf, std::int32_t leftmost);

} // namespace BtNode
} // namespace Kyvant
