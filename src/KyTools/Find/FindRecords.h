// The task-file record types of the Find pages: the active page's GUID, then
// that page's pattern and boxes (each box a one-byte flag).
#pragma once

namespace Kyvant {
namespace FindRecords {

enum Type : int {
    PageGuid = 4000,
    Pattern = 4001,
    IgnoreCase = 4002,
    WholeWords = 4003,
    BinaryMode = 4004,
    LineNumbers = 4005,
    FileNamesOnly = 4006,
    Inverted = 4007,
    ContextLines = 4008,
    ExtendedRegEx = 4009,
    DotMatchesNL = 4010,
    LineMode = 4011,
};

} // namespace FindRecords
} // namespace Kyvant
