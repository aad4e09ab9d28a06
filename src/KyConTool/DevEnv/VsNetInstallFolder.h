// The folder of VS.NET's Visual C++ installation, below which the compiler's
// include and library source folders lie. The project engine of the running
// environment's version is asked for it; without an environment the
// variable "VCINSTALLDIR" names it.
#pragma once

#include "KyConTool/KyConToolExport.h"
#include "KyStd/Files/FileName.h"

#include <oaidl.h>

namespace Kyvant {
namespace DevEnv {

// With a DTE whose Version begins with "7.1" or "7.0", the value of
// "$(VcInstallDir)" of that version's project engine; without a DTE,
// "VCINSTALLDIR" joined with "Vc7", or, when it is not set, the 7.0
// engine's value. Empty when nothing answers; COM errors of the DTE pass on.
KYCONTOOL_API ky_F FindVsNetInstallFolder(IDispatch* dte);

// FindVsNetInstallFolder, kept for the rest of the process once found.
ky_F VsNetInstallFolder(IDispatch* dte);

// The project engine's value of a macro such as "$(VcInstallDir)": the
// engine class is created and its "Win32" platform evaluates the macro.
// Empty when the engine cannot be created or fails to answer.
ky_S EvaluateEngineMacro(const CLSID& engine, const wchar_t* macro);

} // namespace DevEnv
} // namespace Kyvant
