// The lookup behind ky_F::StoreAsUNC: by default WNetGetUniversalNameA of the
// network provider library, loaded on first use; replaceable so that names
// of mapped drives can be tested without a network.
#pragma once

#include "KyStd/KyStdExport.h"

#include <windows.h>

namespace Kyvant {

// The signature of WNetGetUniversalNameA: fills buffer with the universal
// name record of localPath at the given info level; NO_ERROR on success.
using UniversalNameResolver = DWORD(WINAPI*)(LPCSTR localPath, DWORD infoLevel, LPVOID buffer,
                                             LPDWORD bufferSize);

// Installs fn (null: the system's lookup again) and returns the one it replaces.
KYSTD_API UniversalNameResolver SetUniversalNameResolver(UniversalNameResolver fn);

} // namespace Kyvant
