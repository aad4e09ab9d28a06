// The operating-system version tests, and the running system's record read once per process.
#include "KyStd/Win32/OsVersion.h"

#include "KyStd/Core/ProcessSingleton.h"

#include <cstring>

namespace Kyvant {
namespace OsVersion {

namespace {

// The process-wide record; registered under this type's name so every
// module reads the same one.
struct OsVersionRecord {
    OSVERSIONINFOA info;
    OsVersionRecord()
    {
        std::memset(&info, 0, sizeof info);
        info.dwOSVersionInfoSize = sizeof info;
        GetVersionExA(&info);
    }
};

bool NT(const OSVERSIONINFOA& v)
{
    return v.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

bool Win9x(const OSVERSIONINFOA& v)
{
    return v.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
}

bool Exactly(const OSVERSIONINFOA& v, DWORD major, DWORD minor)
{
    return v.dwMajorVersion == major && v.dwMinorVersion == minor;
}

} // namespace

const OSVERSIONINFOA& Info()
{
    return ProcessSingleton<OsVersionRecord>::Get().info;
}

bool AtLeastXP(const OSVERSIONINFOA& v)
{
    return NT(v) && (v.dwMajorVersion > 5 || (v.dwMajorVersion == 5 && v.dwMinorVersion != 0));
}

bool AtLeast2K(const OSVERSIONINFOA& v)
{
    return NT(v) && v.dwMajorVersion >= 5;
}

bool AtLeastNT4(const OSVERSIONINFOA& v)
{
    return NT(v) && v.dwMajorVersion >= 4;
}

bool AtLeastME(const OSVERSIONINFOA& v)
{
    return Win9x(v) && (v.dwMajorVersion > 4 || (v.dwMajorVersion == 4 && v.dwMinorVersion >= 90));
}

bool AtLeast98(const OSVERSIONINFOA& v)
{
    return Win9x(v) && (v.dwMajorVersion > 4 || (v.dwMajorVersion == 4 && v.dwMinorVersion != 0));
}

bool AtLeast95(const OSVERSIONINFOA& v)
{
    return Win9x(v) && v.dwMajorVersion >= 4;
}

bool IsXP(const OSVERSIONINFOA& v)
{
    return NT(v) && Exactly(v, 5, 1);
}

bool Is2K(const OSVERSIONINFOA& v)
{
    return NT(v) && Exactly(v, 5, 0);
}

bool IsNT4(const OSVERSIONINFOA& v)
{
    return NT(v) && v.dwMajorVersion == 4;
}

bool IsME(const OSVERSIONINFOA& v)
{
    return Win9x(v) && Exactly(v, 4, 90);
}

bool Is98(const OSVERSIONINFOA& v)
{
    return Win9x(v) && Exactly(v, 4, 10);
}

bool Is95(const OSVERSIONINFOA& v)
{
    return Win9x(v) && Exactly(v, 4, 0);
}

} // namespace OsVersion
} // namespace Kyvant
