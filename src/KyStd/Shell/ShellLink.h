// The target stored in a shortcut (.lnk) file.
#pragma once

#include "KyStd/Files/FileName.h"
#include "KyStd/KyStdExport.h"

namespace Kyvant {
namespace Shell {

// Loads the shortcut through the shell-link object and gives the target path
// stored in it (the link is neither resolved nor searched for). GetPath's
// HRESULT goes to *hr. A file that is no shortcut, an empty target, or any
// COM failure (whose HRESULT then goes to *hr) gives the path itself.
KYSTD_API ky_F ResolveLink(const wchar_t* path, long* hr = nullptr);
KYSTD_API ky_F ResolveLink(const char* path, long* hr = nullptr);
KYSTD_API ky_F ResolveLink(const char* path, unsigned length, long* hr = nullptr);

} // namespace Shell
} // namespace Kyvant
