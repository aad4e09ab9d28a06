// Display names of shell items and the paths of special folders.
// COM failures raise `_com_error` unless a function says otherwise.
#pragma once

#include "KyStd/Files/FileName.h"
#include "KyStd/KyStdExport.h"
#include "KyStd/Strings/String.h"

#include <windows.h>
#include <shlobj.h>

namespace Kyvant {
namespace Shell {

// The text of a display-name record: a wide string (converted in the ANSI
// code page, then freed through the shell allocator, also on failure), an
// offset into pidl (which must then be given and hold the text), or an inline
// narrow string. Any other kind raises E_FAIL.
KYSTD_API ky_S ToNarrowString(STRRET& name, LPCITEMIDLIST pidl);

// The folder's GetDisplayNameOf for pidl (relative to the folder) with the
// SHGDN_* flags.
KYSTD_API ky_I GetDisplayName(IShellFolder* folder, LPCITEMIDLIST pidl, DWORD flags,
                              HWND hwnd = nullptr);

// The parsing name of a special folder (CSIDL_*).
KYSTD_API ky_F GetSpecialFolderPath(int csidl, HWND hwnd = nullptr);

// The parsing name of the parsed path (the long form of a short name). On a
// COM failure the path itself comes back and the HRESULT goes to *hr; on
// success *hr is S_OK (when hr is given).
KYSTD_API ky_F GetLongName(const char* path, long* hr = nullptr, HWND hwnd = nullptr);

} // namespace Shell
} // namespace Kyvant
