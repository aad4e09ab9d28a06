// Checks shared by the wrappers of named kernel objects. Internal to the
// library's sources.
#pragma once

#include "KyStd/Core/Errors.h"

#include <windows.h>

namespace Kyvant {
namespace Win32 {
namespace Detail {

// Call right after a create call that was preceded by SetLastError(0): the
// handle is accepted only when it is set and no error (also not
// ERROR_ALREADY_EXISTS) was reported; otherwise it is closed and the error
// thrown, so an existing object of the name is never silently joined.
inline HANDLE CheckExclusiveCreate(HANDLE h)
{
    DWORD code = GetLastError();
    if (h && code == 0)
        return h;
    if (h)
        CloseHandle(h);
    throw os_error(code);
}

// An open call's handle; null throws the last error.
inline HANDLE CheckOpened(HANDLE h)
{
    if (!h)
        throw os_error();
    return h;
}

} // namespace Detail
} // namespace Win32
} // namespace Kyvant
