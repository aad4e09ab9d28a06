// Kyvant::VC and Kyvant::VsNet: whether Visual C++ 6 or Visual Studio .NET is
// installed (asked once per process) and whether one is running now (asked
// each time). The answers come from COM; a failing call means no.
#pragma once

#include "KyGuiTool/KyGuiToolExport.h"

namespace Kyvant {
namespace VC {

// The Developer Studio application class has a ProgID.
KYGUITOOL_API bool IsPresent();
// Present, and a running Developer Studio answers its application interface.
KYGUITOOL_API bool IsRunning();

} // namespace VC

namespace VsNet {

// "VisualStudio.DTE" names a class.
KYGUITOOL_API bool IsPresent();
// Present, and the running object of "VisualStudio.DTE", "VisualStudio.DTE.7.1"
// or "VisualStudio.DTE.7" answers the DTE interface.
KYGUITOOL_API bool IsRunning();

} // namespace VsNet
} // namespace Kyvant
