// Item-ID list arithmetic: the shared shell allocator, counting, sizes, joins and copies.
#include "KyStd/Shell/ItemIdList.h"

#include "KyStd/Shell/Co.h"
#include "KyStd/Shell/ProcessComObject.h"

#include <cstring>

namespace Kyvant {
namespace Shell {

// Names the shell allocator's entry in the static data manager.
struct ShellMallocTag {};

IMalloc* GetShellMalloc()
{
    return ProcessComObject<IMalloc, ShellMallocTag>::Get([] {
        IMalloc* p = nullptr;
        Co::Vet(SHGetMalloc(&p));
        return p;
    });
}

MallocDeleter::MallocDeleter() : malloc_(GetShellMalloc()) {}

namespace {

const BYTE* Bytes(LPCITEMIDLIST pidl)
{
    return reinterpret_cast<const BYTE*>(pidl);
}

// Bytes of the items without the terminator.
unsigned DataSize(LPCITEMIDLIST pidl)
{
    unsigned n = Size(pidl);
    return n == 0 ? 0 : n - sizeof(USHORT);
}

LPITEMIDLIST Allocate(IMalloc* malloc, unsigned bytes)
{
    void* p = malloc->Alloc(bytes);
    if (!p)
        Co::Throw(E_OUTOFMEMORY);
    return static_cast<LPITEMIDLIST>(p);
}

} // namespace

LPITEMIDLIST Next(LPCITEMIDLIST pidl)
{
    if (!pidl || pidl->mkid.cb == 0)
        return nullptr;
    auto next = reinterpret_cast<LPCITEMIDLIST>(Bytes(pidl) + pidl->mkid.cb);
    return next->mkid.cb == 0 ? nullptr : const_cast<LPITEMIDLIST>(next);
}

unsigned Count(LPCITEMIDLIST pidl)
{
    unsigned n = 0;
    if (pidl) {
        for (const BYTE* p = Bytes(pidl);; ++n) {
            USHORT cb = reinterpret_cast<LPCITEMIDLIST>(p)->mkid.cb;
            if (cb == 0)
                break;
            p += cb;
        }
    }
    return n;
}

unsigned Size(LPCITEMIDLIST pidl)
{
    if (!pidl)
        return 0;
    const BYTE* p = Bytes(pidl);
    for (;;) {
        USHORT cb = reinterpret_cast<LPCITEMIDLIST>(p)->mkid.cb;
        if (cb == 0)
            break;
        p += cb;
    }
    return static_cast<unsigned>(p - Bytes(pidl)) + sizeof(USHORT);
}

LPITEMIDLIST Join(IMalloc* malloc, LPCITEMIDLIST a, LPCITEMIDLIST b)
{
    unsigned na = DataSize(a);
    unsigned nb = DataSize(b);
    LPITEMIDLIST out = Allocate(malloc, na + nb + sizeof(USHORT));
    BYTE* p = reinterpret_cast<BYTE*>(out);
    if (na)
        std::memcpy(p, a, na);
    if (nb)
        std::memcpy(p + na, b, nb);
    std::memset(p + na + nb, 0, sizeof(USHORT));
    return out;
}

LPITEMIDLIST Join(LPCITEMIDLIST a, LPCITEMIDLIST b)
{
    return Join(GetShellMalloc(), a, b);
}

LPITEMIDLIST Dup(IMalloc* malloc, LPCITEMIDLIST pidl)
{
    if (!pidl)
        return nullptr;
    unsigned n = Size(pidl);
    LPITEMIDLIST out = Allocate(malloc, n);
    std::memcpy(out, pidl, n);
    return out;
}

LPITEMIDLIST Dup(LPCITEMIDLIST pidl)
{
    return Dup(GetShellMalloc(), pidl);
}

} // namespace Shell
} // namespace Kyvant
