// The plain About box of every front-end: the program's name and version.
#pragma once

#include "KyGuiTool/KyGuiToolExport.h"

namespace Kyvant {

// A message box with the application's name and the version of the
// program's version resource.
KYGUITOOL_API void ShowAboutBox();

} // namespace Kyvant
