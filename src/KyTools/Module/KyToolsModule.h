// The tool option pages as an extension module of the MFC-like layer.
#pragma once

#include "KyTools/KyToolsExport.h"

#include <windows.h>

namespace Kyvant {

// The library's own module handle, where its resources live.
KYTOOLS_API HMODULE KyToolsModule();

} // namespace Kyvant
