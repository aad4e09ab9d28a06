// One-call reads and writes of single registry values.
#pragma once

#include "KyStd/KyStdExport.h"
#include "KyStd/Strings/String.h"

#include <windows.h>

namespace Kyvant {

// The value when it exists as a REG_DWORD, else def; never throws.
KYSTD_API DWORD GetRegistryDWORD(HKEY key, const char* name, DWORD def);

// Write a REG_DWORD or a REG_SZ value; failure throws os_error with the
// result. byteCount includes the terminating NUL.
KYSTD_API void WriteRegistryDWORD(HKEY key, const char* name, DWORD value);
KYSTD_API void WriteRegistryString(HKEY key, const char* name, const char* text, DWORD byteCount);
KYSTD_API void WriteRegistryString(HKEY key, const char* name, const ky_BSB<char>& text);

} // namespace Kyvant
