// Reading and writing the tool pages' fixed-size task-file records: 32-bit
// numbers and one-byte flags, little-endian.
#pragma once

#include "KyGuiTool/TaskFiles/ToolDocFile.h"
#include "KyGuiTool/TaskFiles/ToolDocRecords.h"
#include "KyTools/KyToolsExport.h"

#include <cstdint>

namespace Kyvant {
namespace PageRecords {

const unsigned kIntSize = 4;
const unsigned kFlagSize = 1;

// The record's first four bytes as a signed number; false, leaving the value
// alone, when the payload is shorter.
KYTOOLS_API bool ReadInt(const ToolDoc::RecHeader& header, const void* payload, int& value);
// The record's first byte as 0 or 1; false, leaving the flag alone, for an
// empty payload.
KYTOOLS_API bool ReadFlag(const ToolDoc::RecHeader& header, const void* payload, int& flag);

// Unsigned little-endian numbers of up to four bytes.
KYTOOLS_API std::uint32_t GetLittleEndian(const unsigned char* bytes, unsigned count);
KYTOOLS_API void PutLittleEndian(unsigned char* bytes, std::uint32_t value, unsigned count);

KYTOOLS_API void WriteInt(ToolDoc::File& file, int type, int value);
// Writes 1 for any non-zero flag.
KYTOOLS_API void WriteFlag(ToolDoc::File& file, int type, int flag);

} // namespace PageRecords
} // namespace Kyvant
