// The GUI tool framework as an extension module of the MFC-like layer.
#pragma once

#include "KyGuiTool/KyGuiToolExport.h"

#include <windows.h>

namespace Kyvant {

// The library's own module handle, where its resources live.
KYGUITOOL_API HMODULE KyGuiToolModule();

} // namespace Kyvant
