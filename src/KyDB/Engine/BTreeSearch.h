// Searching and positioning inside one B-tree file, shared by the read and
// the write operations of the layer.
#pragma once

#include "KyDB/Engine/BTreeInternal.h"
#include "KyDB/Engine/BTreeNode.h"

#include <cstdint>
#include <vector>

namespace Kyvant {
namespace BtImpl {

// One level of a descent: the node and the slot taken there (in an inner
// node the child index, -1 for the leftmost child; in a leaf the insertion slot).
struct PathStep {
    std::int32_t block;
    int idx;
};

int ComparePair(const BTreeHandle* h, const std::uint8_t* a, std::uint32_t al, std::int32_t ai,
                const std::uint8_t* b, std::uint32_t bl, std::int32_t bi);
int CompareEntry(const BTreeHandle* h, const BtNode::View& v, int i, const std::uint8_t* key,
                 std::uint32_t length, std::int32_t item);
// First slot whose entry is not less than (key, item).
int LowerBound(const BTreeHandle* h, const BtNode::View& v, const std::uint8_t* key,
               std::uint32_t length, std::int32_t item, bool& exact);
// Root-to-leaf path towards (key, item); the tree must not be empty.
int Descend(BTreeHandle* h, const std::uint8_t* key, std::uint32_t length, std::int32_t item,
            std::vector<PathStep>& path);

// The first entry at or after `slot` of leaf `block`, across empty leaves;
// with `after`, the entry must sort after it (else the chain is damaged).
int LandForward(BTreeHandle* h, std::int32_t block, int slot, BtPosition& p,
                const BtPosition* after);
int LandBackward(BTreeHandle* h, std::int32_t block, int slot, BtPosition& p,
                 const BtPosition* before);
// Positions `p` at the first entry not less than (key, item): 1 or -3.
int Seek(BTreeHandle* h, const std::uint8_t* key, std::uint32_t length, std::int32_t item,
         BtPosition& p);
bool SameEntry(const BTreeHandle* h, const BtPosition& p, const std::uint8_t* key,
               std::uint32_t length, std::int32_t item);
// Makes a position taken before the file changed valid again; 31 when its
// entry is gone (the position then stands on the following entry).
int Revalidate(BTreeHandle* h, BtPosition& p);

} // namespace BtImpl
} // namespace Kyvant
