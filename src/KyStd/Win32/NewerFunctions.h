// Functions that Windows 95 or NT 4 lacks, found at run time so that every
// module loads on each system the suite supports.
#pragma once

#include "KyStd/KyStdExport.h"

#include <windows.h>

namespace Kyvant {
namespace Win32 {

// Each entry is null where the running system lacks the function. Callers
// keep a way to do without each one.
struct NewerFunctions {
    // Windows 95, 98 and ME export it, but it fails there with
    // ERROR_CALL_NOT_IMPLEMENTED.
    BOOL(WINAPI* moveFileEx)(LPCSTR from, LPCSTR to, DWORD flags);
    // Windows 2000 and later.
    BOOL(WINAPI* getVolumePathName)(LPCSTR file, LPSTR root, DWORD size);
    // Windows 2000 and later; fails where the file system has no links (FAT).
    BOOL(WINAPI* createHardLink)(LPCSTR link, LPCSTR existing, LPSECURITY_ATTRIBUTES security);
};

// The process's table, filled at first use. Tests change entries to act as
// an older system and put them back afterwards.
KYSTD_API NewerFunctions& Newer();

} // namespace Win32
} // namespace Kyvant
