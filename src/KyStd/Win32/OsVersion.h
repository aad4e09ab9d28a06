// Named tests of the operating-system version. Each test is a pure function
// of a version record; the forms without an argument use the record of the
// running process, read once and shared by all modules.
#pragma once

#include "KyStd/KyStdExport.h"

#include <windows.h>

namespace Kyvant {
namespace OsVersion {

// The process's version record (GetVersionExA, read on first use).
KYSTD_API const OSVERSIONINFOA& Info();

KYSTD_API bool AtLeastXP(const OSVERSIONINFOA& v);
KYSTD_API bool AtLeast2K(const OSVERSIONINFOA& v);
KYSTD_API bool AtLeastNT4(const OSVERSIONINFOA& v);
KYSTD_API bool AtLeastME(const OSVERSIONINFOA& v);
KYSTD_API bool AtLeast98(const OSVERSIONINFOA& v);
KYSTD_API bool AtLeast95(const OSVERSIONINFOA& v);
KYSTD_API bool IsXP(const OSVERSIONINFOA& v);
KYSTD_API bool Is2K(const OSVERSIONINFOA& v);
KYSTD_API bool IsNT4(const OSVERSIONINFOA& v);
KYSTD_API bool IsME(const OSVERSIONINFOA& v);
KYSTD_API bool Is98(const OSVERSIONINFOA& v);
KYSTD_API bool Is95(const OSVERSIONINFOA& v);

inline bool AtLeastXP()
{
    return AtLeastXP(Info());
}
inline bool AtLeast2K()
{
    return AtLeast2K(Info());
}
inline bool AtLeastNT4()
{
    return AtLeastNT4(Info());
}
inline bool AtLeastME()
{
    return AtLeastME(Info());
}
inline bool AtLeast98()
{
    return AtLeast98(Info());
}
inline bool AtLeast95()
{
    return AtLeast95(Info());
}
inline bool IsXP()
{
    return IsXP(Info());
}
inline bool Is2K()
{
    return Is2K(Info());
}
inline bool IsNT4()
{
    return IsNT4(Info());
}
inline bool IsME()
{
    return IsME(Info());
}
inline bool Is98()
{
    return Is98(Info());
}
inline bool Is95()
{
    return Is95(Info());
}

} // namespace OsVersion
} // namespace Kyvant
