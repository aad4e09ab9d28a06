// KyFindGFlavor: the kind of pattern a Find page takes, its page GUID and
// caption, and the process-wide map from each constructed page's GUID to
// its kind.
#pragma once

#include "KyStd/Strings/String.h"
#include "KyTools/KyToolsExport.h"

#include <cstdint>

enum class KyFindGFlavor : std::int32_t { PlainText = 0, Grep = 1, Egrep = 2, Fgrep = 3, Perl = 4 };

namespace Kyvant {
namespace FindFlavors {

// The page GUID and the tab caption of each kind, from the library's strings.
KYTOOLS_API ky_I Guid(KyFindGFlavor flavor);
KYTOOLS_API ky_S Caption(KyFindGFlavor flavor);

// Enters (or replaces) the page's kind; every page constructor enters its own.
KYTOOLS_API void Enter(const ky_I& guid, KyFindGFlavor flavor);
// The kind entered for the GUID (compared without regard to case); false
// when none was.
KYTOOLS_API bool Lookup(const ky_I& guid, KyFindGFlavor& flavor);
// The console finder's letter of the GUID's kind: "G" for Grep, "E" for
// Egrep, "F" for any other (Plain Text and Fgrep search for literal text).
KYTOOLS_API char OptionLetter(const ky_I& guid);

} // namespace FindFlavors
} // namespace Kyvant
