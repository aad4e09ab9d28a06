// Shell folders from names and special-folder numbers, parents of item-ID
// lists and UI objects of items. COM failures raise `_com_error`.
// Interfaces returned carry one reference for the caller; lists returned
// through `out` are the caller's, to be freed with the shell allocator.
#pragma once

#include "KyStd/KyStdExport.h"

#include <windows.h>
#include <shlobj.h>

namespace Kyvant {
namespace Shell {

// The desktop folder: one per process, kept until the process ends. The
// caller does not release it.
KYSTD_API IShellFolder* GetDesktopFolder();

// The folder's ParseDisplayName of the name (narrow names are taken in the
// ANSI code page); the new list belongs to the caller.
KYSTD_API LPITEMIDLIST GetPidl(IShellFolder* folder, const wchar_t* name, HWND hwnd = nullptr);
KYSTD_API LPITEMIDLIST GetPidl(IShellFolder* folder, const char* name, HWND hwnd = nullptr);

// The folder named by a parsing name (bound from the desktop). The parsed
// list goes to *out when out is given, else it is freed. A name that parses
// to the empty list names the desktop itself.
KYSTD_API IShellFolder* GetFolder(const char* name, LPITEMIDLIST* out = nullptr,
                                  HWND hwnd = nullptr);
KYSTD_API IShellFolder* GetFolder(const wchar_t* name, LPITEMIDLIST* out = nullptr,
                                  HWND hwnd = nullptr);
// The same for a special folder (CSIDL_*).
KYSTD_API IShellFolder* GetSpecialFolder(int csidl, LPITEMIDLIST* out = nullptr,
                                         HWND hwnd = nullptr);

// The folder that holds pidl's last item, pidl being relative to folder;
// *last points at that item inside pidl. For a one-item list that is folder
// itself (one more reference). A longer list is cut before its last item
// while it is bound, and restored on every path. An empty list raises
// E_INVALIDARG.
KYSTD_API IShellFolder* GetParent(IShellFolder* folder, LPITEMIDLIST pidl, LPITEMIDLIST* last);

// The parent folder's GetUIObjectOf for pidl's last item (E_POINTER when
// there is no parent).
KYSTD_API void* GetUIObjectOf(IShellFolder* folder, LPITEMIDLIST pidl, const IID& iid,
                              HWND hwnd = nullptr);

} // namespace Shell
} // namespace Kyvant
