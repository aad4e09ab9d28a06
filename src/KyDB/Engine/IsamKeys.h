// Records and index keys built from field values, records split back into
// field values, and the key order of the index file.
#pragma once

#include "KyDB/Engine/IsamInternal.h"

#include <cstdint>
#include <vector>

namespace Kyvant {
namespace IsamImpl {

// The record data for one value per field; 35 for a missing value, 30 when
// longer than a record may be.
int BuildRecord(const IsamDatabase& db, const char* const* values, std::vector<std::uint8_t>& out);

// Points fields[i] at each value inside `data` (n bytes). When `truncated`,
// data[n] is a NUL added after a cut-off record: values cut off end there
// and fixed-size values that do not fit get null. False when the record is
// damaged (a value runs past its end).
bool SplitRecord(const IsamDatabase& db, std::uint8_t* data, std::uint32_t n, bool truncated,
                 char** fields);

// The key of `index` for one value per field: its number, then each part.
// 35 for a missing value, 11 when longer than the engine's record buffer.
int BuildKey(const IsamDatabase& db, const IsamIndex& index, const char* const* values,
             std::vector<std::uint8_t>& key);

// Free-space keys: 0xFF + length (big-endian u16) and 0xFE + position (big-endian u32).
std::vector<std::uint8_t> FreeLengthKey(std::uint32_t length);
std::vector<std::uint8_t> FreePositionKey(std::int32_t pos);
std::uint32_t BigEndian(const std::uint8_t* p, std::uint32_t n);

} // namespace IsamImpl
} // namespace Kyvant
