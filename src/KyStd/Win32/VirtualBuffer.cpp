// The never-moving buffer: reserving its range, committing and decommitting pages as it resizes.
#include "KyStd/Win32/VirtualBuffer.h"

#include "KyStd/Core/Errors.h"

#include <windows.h>

#include <stdexcept>

namespace Kyvant {

namespace {

unsigned ReadPageSize()
{
    SYSTEM_INFO si;
    GetSystemInfo(&si);
    return si.dwPageSize;
}

const unsigned g_pageSize = ReadPageSize();

// n rounded up to whole pages; a result past 32 bits is an allocation failure.
unsigned RoundToPages(unsigned n)
{
    unsigned long long r =
        (static_cast<unsigned long long>(n) + g_pageSize - 1) / g_pageSize * g_pageSize;
    if (r > 0xFFFFFFFFULL)
        ThrowBadAlloc();
    return static_cast<unsigned>(r);
}

} // namespace

unsigned VirtualBuffer::PageSize()
{
    return g_pageSize;
}

VirtualBuffer::VirtualBuffer(unsigned initialSize, unsigned maxSize, bool reserveNow)
    : base_(nullptr), size_(0), maxSize_(initialSize > maxSize ? initialSize : maxSize),
      committed_(0), reserved_(0)
{
    if (maxSize_ == 0)
        throw std::invalid_argument("VirtualBuffer: Invalid max size.");
    if (initialSize == 0 && !reserveNow)
        return;
    try {
        Reserve();
        if (initialSize != 0)
            SetSize(initialSize);
    } catch (const std::bad_alloc&) {
        Release();
        throw;
    }
}

VirtualBuffer::VirtualBuffer(const VirtualBuffer& other)
    : base_(nullptr), size_(0), maxSize_(other.maxSize_), committed_(0), reserved_(0)
{
}

VirtualBuffer::~VirtualBuffer()
{
    Release();
}

void VirtualBuffer::Reserve()
{
    unsigned bytes = RoundToPages(maxSize_);
    void* p = VirtualAlloc(nullptr, bytes, MEM_RESERVE, PAGE_NOACCESS);
    if (!p)
        ThrowBadAlloc();
    base_ = static_cast<char*>(p);
    reserved_ = bytes;
}

void VirtualBuffer::Release() noexcept
{
    if (!base_)
        return;
    if (committed_ != 0)
        VirtualFree(base_, committed_, MEM_DECOMMIT);
    VirtualFree(base_, 0, MEM_RELEASE);
    base_ = nullptr;
    size_ = committed_ = reserved_ = 0;
}

void VirtualBuffer::SetSize(unsigned n)
{
    if (n > maxSize_)
        throw std::invalid_argument("VirtualBuffer: Requested size exceeds maximum.");
    if (!base_) {
        if (n == 0)
            return;
        Reserve();
    }
    unsigned wanted = RoundToPages(n);
    if (wanted < committed_) {
        VirtualFree(base_ + wanted, committed_ - wanted, MEM_DECOMMIT);
        committed_ = wanted;
    } else if (wanted > committed_) {
        if (!VirtualAlloc(base_ + committed_, wanted - committed_, MEM_COMMIT, PAGE_READWRITE))
            ThrowBadAlloc();
        committed_ = wanted;
    }
    size_ = n;
}

} // namespace Kyvant
