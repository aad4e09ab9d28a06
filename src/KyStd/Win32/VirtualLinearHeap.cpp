// The bump allocator on a VirtualBuffer: aligned allocations, strdup, calloc and flatten.
#include "KyStd/Win32/VirtualLinearHeap.h"

#include "KyStd/Core/Errors.h"

#include <cstring>
#include <stdexcept>

namespace Kyvant {

VirtualLinearHeap::VirtualLinearHeap(unsigned initialSize, unsigned maxSize, unsigned alignment,
                                     bool reserveNow)
    : buffer_(initialSize, maxSize, reserveNow), alignment_(alignment), offset_(0)
{
    if (alignment == 0 || (alignment & (alignment - 1)) != 0)
        throw std::invalid_argument("VirtualLinearHeap: alignment must be a power of two.");
}

void* VirtualLinearHeap::allocate(unsigned n)
{
    unsigned long long rounded = n == 0 ? 1 : n;
    rounded = (rounded + alignment_ - 1) & ~static_cast<unsigned long long>(alignment_ - 1);
    unsigned long long end = offset_ + rounded;
    if (end > 0xFFFFFFFFULL)
        ThrowBadAlloc();
    if (end > buffer_.GetSize())
        buffer_.SetSize(static_cast<unsigned>(end));
    void* p = static_cast<char*>(buffer_.GetBase()) + offset_;
    offset_ = static_cast<unsigned>(end);
    return p;
}

char* VirtualLinearHeap::strdup(const char* s)
{
    if (!s)
        throw std::invalid_argument("VirtualLinearHeap::strdup: null string.");
    std::size_t len = std::strlen(s);
    if (len >= 0xFFFFFFFFu)
        ThrowBadAlloc();
    char* p = static_cast<char*>(allocate(static_cast<unsigned>(len + 1)));
    std::memcpy(p, s, len + 1);
    return p;
}

void* VirtualLinearHeap::calloc(unsigned count, unsigned size)
{
    unsigned long long total = static_cast<unsigned long long>(count) * size;
    if (total > 0xFFFFFFFFULL)
        ThrowBadAlloc();
    void* p = allocate(static_cast<unsigned>(total));
    std::memset(p, 0, static_cast<std::size_t>(total));
    return p;
}

void VirtualLinearHeap::flatten(bool shrink, bool releaseAll)
{
    if (shrink && buffer_.IsReserved())
        buffer_.SetSize(releaseAll ? 0 : 1);
    offset_ = 0;
}

} // namespace Kyvant
