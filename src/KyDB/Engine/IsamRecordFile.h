// The record file: length words, record data, record locks, and the free
// space kept as 0xFF/0xFE keys in the index file.
#pragma once

#include "KyDB/Engine/IsamInternal.h"

#include <cstdint>
#include <vector>

namespace Kyvant {
namespace IsamImpl {

// The signed length word at `pos`; false when it cannot be read.
bool ReadLengthWord(IsamDatabase& db, std::int32_t pos, int& length);
// A live record's whole data: its length word L and L bytes (7 or 4 on failure).
int ReadWholeRecord(IsamDatabase& db, std::int32_t pos, std::vector<std::uint8_t>& data);

// A 2-byte lock at a record's position, unless this database holds it already.
int LockRecord(IsamDatabase& db, std::int32_t pos, bool& took);
void UnlockRecord(IsamDatabase& db, std::int32_t pos);

// Writes a record's length word and data at `pos` in one write.
int WriteRecord(IsamDatabase& db, std::int32_t pos, std::uint32_t lengthWord,
                const std::vector<std::uint8_t>& data);

// Space for a record of `length` bytes: the smallest fitting free record
// (whole, or split when the rest can hold a record), else the end of the file.
struct Space {
    std::int32_t pos = 0;
    std::uint32_t lengthWord = 0; // bytes the record owns after its length word
    bool appended = false;
};
int Allocate(IsamDatabase& db, std::uint32_t length, Space& space);

// Makes `length` bytes after the length word at `pos` free, joined with free
// neighbours that touch it.
int FreeSpace(IsamDatabase& db, std::int32_t pos, std::uint32_t length);
// Gives back space that Allocate handed out; `written` tells whether the
// record's whole extent reached the file (an append may have failed short).
int ReturnSpace(IsamDatabase& db, const Space& space, bool written);

} // namespace IsamImpl
} // namespace Kyvant
