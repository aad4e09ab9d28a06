// Start-up of the test DLL: joins the layer's resource chain as an extension module.
#include "dll/KyMfcTestDll.h"

#include <afxdllx.h>

namespace {
AFX_EXTENSION_MODULE g_extension = { FALSE, nullptr, nullptr };
HMODULE g_module = nullptr;
}

HMODULE DllModule() { return g_module; }

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    if (dwReason == DLL_PROCESS_ATTACH) {
        g_module = hInstance;
        if (!AfxInitExtensionModule(g_extension, hInstance))
            return FALSE;
        new CDynLinkLibrary(g_extension);
    } else if (dwReason == DLL_PROCESS_DETACH) {
        AfxTermExtensionModule(g_extension);
    }
    return TRUE;
}
