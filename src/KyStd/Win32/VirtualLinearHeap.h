// A bump allocator on a VirtualBuffer: allocations never move and are freed
// only all at once by flatten.
#pragma once

#include "KyStd/KyStdExport.h"
#include "KyStd/Win32/VirtualBuffer.h"

namespace Kyvant {

class KYSTD_API VirtualLinearHeap {
public:
    // alignment must be a power of two (1: no padding); otherwise invalid_argument.
    VirtualLinearHeap(unsigned initialSize, unsigned maxSize, unsigned alignment = 1,
                      bool reserveNow = false);

    // n bytes (0 counts as 1) rounded up to the alignment. Sizes past 32 bits throw
    // std::bad_alloc; growing past the buffer's maximum throws as SetSize does.
    void* allocate(unsigned n);
    char* strdup(const char* s);
    void* calloc(unsigned count, unsigned size);

    // Forgets every allocation; with shrink the committed memory goes back too
    // (all of it with releaseAll, else all but one page).
    void flatten(bool shrink, bool releaseAll);

    const VirtualBuffer& GetBuffer() const { return buffer_; }
    unsigned GetAlignment() const { return alignment_; }
    unsigned GetOffset() const { return offset_; }

private:
    VirtualBuffer buffer_;
    unsigned alignment_;
    unsigned offset_;
};

} // namespace Kyvant
