// The module (DLL or program) whose image holds a given address, found the
// same way on every supported system.
#pragma once

#include "KyStd/KyStdExport.h"

#include <windows.h>

namespace Kyvant {
namespace Win32 {

// Null when the address lies in no module's image. The module's reference
// count is not changed.
KYSTD_API HMODULE ModuleContaining(const void* address);

} // namespace Win32
} // namespace Kyvant
