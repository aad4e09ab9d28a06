// The ten-byte state of one Touch time stamp as task files and the registry
// keep it: apply and "now" flags, then the date and the time, each packed in
// a 32-bit number or absent.
#pragma once

#include "KyTools/KyToolsExport.h"

#include <windows.h>

#include <array>
#include <cstdint>

namespace Kyvant {

struct KYTOOLS_API TouchStateRecord {
    static const unsigned kSize = 10;
    // A date or time that is not given.
    static const std::uint32_t kAbsent = 0xFFFFFFFF;
    using Bytes = std::array<unsigned char, kSize>;

    bool apply = false;
    bool now = true;
    // year << 16 | month << 8 | day
    std::uint32_t date = kAbsent;
    // hour << 16 | minute << 8 | second
    std::uint32_t time = kAbsent;

    // The fields a shorter payload lacks keep their defaults.
    static TouchStateRecord FromBytes(const void* payload, unsigned length);
    Bytes ToBytes() const;

    // A record of a given local time (now clear), or of "now" (no date and time).
    static TouchStateRecord Given(bool apply, const SYSTEMTIME& when);
    static TouchStateRecord Now(bool apply);
    // The date and time as one local time; false when either is absent or
    // not a real date and time.
    bool GetTime(SYSTEMTIME& when) const;
};

} // namespace Kyvant
