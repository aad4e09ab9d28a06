// The texts a result row shows for a file's size, time and attributes.
#pragma once

#include "KyGuiTool/KyGuiToolExport.h"
#include "KyStd/Strings/String.h"

#include <windows.h>

namespace Kyvant {
namespace ShFileRec {

// Room FormatFileAttributesForDisplay needs: eight letters and the NUL.
const unsigned AttributeLettersSize = 9;

// The size in kilobytes rounded up, its digits grouped as the C runtime's
// locale says, then " KB": 0 gives "0 KB", 1 to 1,024 bytes "1 KB".
KYGUITOOL_API ky_S FormatFileSizeForDisplay(unsigned long long bytes);

// The time in local time as the user's short date, a space and the time
// without seconds; a part that cannot be formatted is left out.
KYGUITOOL_API ky_S FormatFileTimeForDisplay(const FILETIME& time);

// The letters "FRHSAECN" of the attributes set (folder, read-only, hidden,
// system, archive, encrypted, compressed, not indexed), in that order, into
// out (at least AttributeLettersSize characters); -1 gives all eight.
KYGUITOOL_API void FormatFileAttributesForDisplay(DWORD attributes, char* out);

} // namespace ShFileRec
} // namespace Kyvant
