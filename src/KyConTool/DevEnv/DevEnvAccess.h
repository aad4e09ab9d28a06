// Finding the development environment to work on. A tool started from an
// environment's tools menu finds that very instance through the object its
// add-in published ("KYVANT_VC_CLSID"); otherwise, when allowed, the first
// running instance registered under the environment's ProgIDs is used.
#pragma once

#include "KyConTool/DevEnv/DevEnvInterfaces.h"
#include "KyConTool/KyConToolExport.h"

namespace Kyvant {

// out receives the Visual C++ 6 application object or null; the result
// tells whether it is set. Failures are `_com_error`: whatever reading the
// add-in's object raises, whatever the flags; OLE_E_NOTRUNNING when nothing
// usable was found and quiet is clear. noRunningObject: do not fall back to
// a running instance. warnOtherIde: warn (once per process) when the add-in's
// object belongs to another environment.
KYCONTOOL_API bool GetMsDev(IApplicationPtr& out, bool quiet, bool noRunningObject,
                            bool warnOtherIde);
// The same for VS.NET.
KYCONTOOL_API bool GetVsNet(_DTEPtr& out, bool quiet, bool noRunningObject, bool warnOtherIde);

// Whether Visual C++ 6 ("KYVANT_VC_CLSID" set, "KYVANT_VSNET_CLSID" not) or
// VS.NET ("KYVANT_VSNET_CLSID" set) started this program.
KYCONTOOL_API bool LaunchedByMsDev();
KYCONTOOL_API bool LaunchedByVsNet();

} // namespace Kyvant
