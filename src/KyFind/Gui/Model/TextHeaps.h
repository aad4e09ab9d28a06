// The text of the match lines: bump-allocated in large heaps of reserved
// address space that commit on demand, with no allocation per line, and
// freed all at once.
#pragma once

#include "KyStd/Containers/List.h"
#include "KyStd/Core/RcPtr.h"
#include "KyStd/Win32/VirtualLinearHeap.h"

namespace Kyvant {

class TextHeaps {
public:
    // The address space each heap reserves.
    static const unsigned kHeapSize = 0x400000;

    TextHeaps();
    TextHeaps(const TextHeaps&) = delete;
    TextHeaps& operator=(const TextHeaps&) = delete;

    // The length characters and a NUL, copied into the current heap; a new
    // heap is made current when it is full. Valid until Clear.
    const char* Store(const char* chars, unsigned length);
    // Frees every heap; there is no current one afterwards.
    void Clear();

    // Bytes committed by all heaps.
    unsigned long long GetCommitted() const;

private:
    char* Allocate(unsigned size);
    void AddHeap();

    ky_list<rc_ptr<VirtualLinearHeap>> m_heaps; // the last one is current
};

} // namespace Kyvant
