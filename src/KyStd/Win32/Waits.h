// Waiting on several handles at once.
#pragma once

#include "KyStd/KyStdExport.h"

#include <windows.h>

namespace Kyvant {
namespace Win32 {

// Wait without time-out until all handles are signalled; the result of
// WaitForMultipleObjects is returned, WAIT_FAILED throws os_error.
KYSTD_API DWORD WaitAll(HANDLE h1, HANDLE h2);
KYSTD_API DWORD WaitAll(HANDLE h1, HANDLE h2, HANDLE h3);
KYSTD_API DWORD WaitAll(HANDLE h1, HANDLE h2, HANDLE h3, HANDLE h4);
KYSTD_API DWORD WaitAll(HANDLE h1, HANDLE h2, HANDLE h3, HANDLE h4, HANDLE h5);

// Waits without time-out for whichever of two handles is signalled first:
// WAIT_OBJECT_0 or WAIT_OBJECT_0 + 1 (or an abandoned or failed result,
// returned unchecked).
inline DWORD WaitForEither(HANDLE h1, HANDLE h2)
{
    HANDLE handles[2] = {h1, h2};
    return WaitForMultipleObjects(2, handles, FALSE, INFINITE);
}

} // namespace Win32
} // namespace Kyvant
