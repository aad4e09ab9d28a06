// Version of a system DLL as reported by its "DllGetVersion" export.
#pragma once

#include "KyStd/KyStdExport.h"

#include <windows.h>

namespace Kyvant {
namespace Shell {

// (major << 16) | minor of the DLL, or 0 when the library cannot be loaded,
// lacks the export, or the call fails. Never throws.
KYSTD_API DWORD GetDllVersion(const char* dll);
// GetDllVersion("comctl32.dll"), computed once per process.
KYSTD_API DWORD GetComCtl32Version();

} // namespace Shell
} // namespace Kyvant
