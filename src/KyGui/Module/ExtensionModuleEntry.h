// The entry point's work of every extension DLL of the suite: joining the
// layer's resource chain at load and leaving it at unload.
#pragma once

#include <afxdllx.h>

namespace Kyvant {

// Called from an extension DLL's DllMain with the DLL's own module record;
// remembers the module handle in `module` at load.
inline BOOL ExtensionModuleEntry(AFX_EXTENSION_MODULE& extension, HMODULE& module,
                                 HINSTANCE instance, DWORD reason)
{
    if (reason == DLL_PROCESS_ATTACH) {
        module = instance;
        if (!AfxInitExtensionModule(extension, instance))
            return FALSE;
        new CDynLinkLibrary(extension);
    } else if (reason == DLL_PROCESS_DETACH) {
        AfxTermExtensionModule(extension);
    }
    return TRUE;
}

} // namespace Kyvant
