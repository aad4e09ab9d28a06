// Item-ID list (PIDL) arithmetic. A list is a run of items, each beginning
// with its 16-bit byte size, ended by an item size of zero. New lists are
// allocated through an IMalloc; the shell allocator unless one is given.
#pragma once

#include "KyStd/KyStdExport.h"

#include <windows.h>
#include <shlobj.h>

namespace Kyvant {
namespace Shell {

// The shell's allocator (SHGetMalloc): one per process, shared by all modules,
// kept until the process ends. The caller does not release it.
KYSTD_API IMalloc* GetShellMalloc();

// Frees item-ID lists (and other shell memory) through the shell allocator.
class KYSTD_API MallocDeleter {
public:
    MallocDeleter();
    void operator()(void* p) const { malloc_->Free(p); }
    IMalloc* get() const { return malloc_; }

private:
    IMalloc* malloc_;
};

// The item after pidl's first one; null for null, at the terminator, or when
// the following item is the terminator.
KYSTD_API LPITEMIDLIST Next(LPCITEMIDLIST pidl);
// Number of items; 0 for null.
KYSTD_API unsigned Count(LPCITEMIDLIST pidl);
// Bytes including the 2-byte terminator; 0 for null.
KYSTD_API unsigned Size(LPCITEMIDLIST pidl);

// A new list of a's items followed by b's; either may be null.
// Allocation failure raises E_OUTOFMEMORY as `_com_error`.
KYSTD_API LPITEMIDLIST Join(IMalloc* malloc, LPCITEMIDLIST a, LPCITEMIDLIST b);
KYSTD_API LPITEMIDLIST Join(LPCITEMIDLIST a, LPCITEMIDLIST b);
// A copy of pidl; null for null.
KYSTD_API LPITEMIDLIST Dup(IMalloc* malloc, LPCITEMIDLIST pidl);
KYSTD_API LPITEMIDLIST Dup(LPCITEMIDLIST pidl);

} // namespace Shell
} // namespace Kyvant
