// Reads an index file from disk and checks its whole structure: control
// record, node layout, key order within and across nodes, level chains, the
// free list, and that every block is in the tree or free exactly once.
#pragma once

#include <cstdint>
#include <string>

namespace KyDBTest {

using KeyCompare = int (*)(const std::uint8_t* a, std::uint32_t al, const std::uint8_t* b,
                           std::uint32_t bl, void* context);

struct TreeReport {
    std::string problem; // empty when sound
    std::size_t entries = 0;
    std::int32_t freeBlocks = 0;
};

// With a null compare, the engine's default order (bytes ignoring case).
TreeReport CheckTreeFile(const std::string& path, KeyCompare compare = nullptr,
                         void* context = nullptr);

// The default order of the engine, for models.
int DefaultKeyOrder(const std::uint8_t* a, std::uint32_t al, const std::uint8_t* b,
                    std::uint32_t bl, void* context);

} // namespace KyDBTest
