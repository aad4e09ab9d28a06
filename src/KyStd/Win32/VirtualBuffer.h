// A growable memory block that never moves: the address range of its maximum
// size is reserved once and pages are committed and decommitted as the size
// in use changes, so pointers into it stay valid while it grows.
#pragma once

#include "KyStd/KyStdExport.h"

namespace Kyvant {

class KYSTD_API VirtualBuffer {
public:
    // The maximum is the larger of the two sizes; 0 throws invalid_argument.
    // The range is reserved at once when initialSize or reserveNow asks for it.
    explicit VirtualBuffer(unsigned initialSize = 0, unsigned maxSize = 0x100000,
                           bool reserveNow = false);
    // The copy is an empty buffer with the same maximum.
    VirtualBuffer(const VirtualBuffer& other);
    VirtualBuffer& operator=(const VirtualBuffer&) = delete;
    ~VirtualBuffer();

    // Commits whole pages for n bytes and decommits the rest; data below n stays.
    void SetSize(unsigned n);

    void* GetBase() const { return base_; }
    unsigned GetSize() const { return size_; }
    unsigned GetMaxSize() const { return maxSize_; }
    unsigned GetCommitted() const { return committed_; }
    unsigned GetReserved() const { return reserved_; }
    bool IsReserved() const { return base_ != nullptr; }

    // The system's page size, read when the library loads.
    static unsigned PageSize();

private:
    void Reserve();
    void Release() noexcept;

    char* base_;
    unsigned size_;
    unsigned maxSize_;
    unsigned committed_;
    unsigned reserved_;
};

} // namespace Kyvant
