// Fetches a text (a path, a folder) from a system call that fills a caller's
// buffer. The call gets a buffer of MAX_PATH (260) characters; a result of 0
// or exactly 260 is a failure; a result below 260 is the text's length; a
// larger result is the size needed, and the call is repeated once with a
// buffer of that size, where 0 or a result not below the size is a failure.
#pragma once

#include "KyStd/KyStdExport.h"
#include "KyStd/Strings/String.h"

#include <windows.h>

namespace Kyvant {

// Fills buffer (size characters) and returns the text's length, the size
// it needs, or 0 on failure.
using SystemTextCall = DWORD (*)(void* context, char* buffer, DWORD size);

// True with the text in out; false with out unchanged and the error code in
// error (never 0: a call that reports none gets ERROR_INSUFFICIENT_BUFFER for
// a truncated result and ERROR_INVALID_FUNCTION otherwise).
KYSTD_API bool GetSystemText(SystemTextCall call, void* context,
                             ky_BSB<char, ky_SACT<char>, ky_A<char>>& out, DWORD& error);

// As above; a failure throws os_error with the error code.
KYSTD_API void GetSystemText(SystemTextCall call, void* context,
                             ky_BSB<char, ky_SACT<char>, ky_A<char>>& out);

} // namespace Kyvant
