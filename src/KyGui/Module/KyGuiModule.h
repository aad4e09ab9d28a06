// The GUI control library as an extension module of the MFC-like layer.
#pragma once

#include "KyGui/KyGuiExport.h"

#include <windows.h>

namespace Kyvant {

// The library's own module handle, where its resources live.
KYGUI_API HMODULE KyGuiModule();

} // namespace Kyvant
