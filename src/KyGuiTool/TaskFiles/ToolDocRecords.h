// The task-file record stream's vocabulary: the packed record header, the
// settings extent and the container's own record types.
#pragma once

#include <cstdint>

namespace Kyvant {
namespace ToolDoc {

#pragma pack(push, 1)
// Each record: a 16-bit type and a 32-bit payload length, little-endian, no
// padding; the payload follows.
struct RecHeader {
    std::uint16_t type;
    std::uint32_t length;
};
#pragma pack(pop)
static_assert(sizeof(RecHeader) == 6, "the record header is packed");

// Which settings a task file holds (bits).
enum SettingsExtent : unsigned {
    ToolSettings = 1,
    FileSearchSettings = 2,
    AllSettings = ToolSettings | FileSearchSettings,
};

// Record types of the container; pages use 100 to 999 (file search) and 1000
// on (the tool, a block of 1000 each).
enum RecordType : int {
    HeaderRecord = 0,
    EndRecord = 1,
    ConsoleProgramRecord = 4,
    GuiProgramRecord = 5,
    CommandLineRecord = 6,
    FirstFileSearchRecord = 100,
    FirstToolRecord = 1000,
};

// The header record's payload: the magic ("KSAT" as bytes), a zero word and
// the settings extent.
const std::uint32_t kTaskFileMagic = 0x5441534B;
const unsigned kHeaderPayloadSize = 12;

} // namespace ToolDoc
} // namespace Kyvant
