// Makes the shell load its icon overlays into the system image list, which
// it otherwise does only when an overlay is first asked for.
#pragma once

#include "KyStd/KyStdExport.h"

namespace Kyvant {
namespace Shell {

// Runs once per process, and only on the NT family: asks the shell for the
// overlay index of a temporary empty shortcut ("kyf3w8u<n>.lnk" in the
// temporary folder, deleted again in every case). Every call reports through
// isNT4, when given, whether the system's major version is 4.
KYSTD_API void AddIconOverlayToSystemImageListKludge(bool* isNT4 = nullptr);

} // namespace Shell
} // namespace Kyvant
