// The "<LocalDrives>" token, loaded from this library's strings, and the roots of fixed drives.
#include "KyConTool/Args/LocalDrives.h"

#include "KyStd/Core/Errors.h"
#include "KyStd/Win32/ModuleContaining.h"

namespace Kyvant {

HINSTANCE KyConToolModule()
{
    static HINSTANCE module =
        Win32::ModuleContaining(reinterpret_cast<const void*>(&KyConToolModule));
    return module;
}

const ky_F& LocalDrivesToken()
{
    static const ky_F token = [] {
        ky_F text;
        text.LoadStringA(KyConToolModule(), kLocalDrivesStringId);
        return text.empty() ? ky_F("<LocalDrives>") : text;
    }();
    return token;
}

std::vector<ky_F> FixedDriveRoots()
{
    char buffer[256];
    DWORD n = GetLogicalDriveStringsA(255, buffer);
    if (n == 0)
        throw os_error();
    if (n > 255)
        throw os_error(ERROR_INSUFFICIENT_BUFFER);
    std::vector<ky_F> roots;
    for (const char* p = buffer; *p; p += lstrlenA(p) + 1) {
        if (GetDriveTypeA(p) == DRIVE_FIXED)
            roots.push_back(ky_F(p));
    }
    return roots;
}

} // namespace Kyvant
