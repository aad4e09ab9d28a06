// A DLL's version from its "DllGetVersion" export, and the process's comctl32 version.
#include "KyStd/Win32/DllVersion.h"

#include <shlwapi.h>

namespace Kyvant {
namespace Shell {

DWORD GetDllVersion(const char* dll)
{
    if (!dll)
        return 0;
    HMODULE module = LoadLibraryA(dll);
    if (!module)
        return 0;
    DWORD version = 0;
    auto get = reinterpret_cast<DLLGETVERSIONPROC>(
        reinterpret_cast<void*>(GetProcAddress(module, "DllGetVersion")));
    if (get) {
        DLLVERSIONINFO info = {};
        info.cbSize = sizeof info; // the 20-byte record every version knows
        if (SUCCEEDED(get(&info)))
            version = (info.dwMajorVersion << 16) | (info.dwMinorVersion & 0xFFFF);
    }
    FreeLibrary(module);
    return version;
}

// KyStd is loaded once per process, so its own static is the process's value.
// (Not kept in the static data manager: loading a DLL under that lock could
// deadlock with another module's start-up code that waits for it.)
DWORD GetComCtl32Version()
{
    static const DWORD version = GetDllVersion("comctl32.dll");
    return version;
}

} // namespace Shell
} // namespace Kyvant
