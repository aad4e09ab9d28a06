// A C-runtime file descriptor owned by one object, closed with it (or by
// Close). -1 is none.
#pragma once

#include <windows.h>

namespace Kyvant {
namespace FinderLink {

class CrtDescriptor {
public:
    CrtDescriptor() : m_fd(-1) {}
    ~CrtDescriptor() { Close(); }
    CrtDescriptor(const CrtDescriptor&) = delete;
    CrtDescriptor& operator=(const CrtDescriptor&) = delete;

    // Takes fd, closing the one held before.
    void Reset(int fd);
    void Close() { Reset(-1); }
    int Get() const { return m_fd; }
    bool IsOpen() const { return m_fd != -1; }

    // A descriptor in text mode that owns the handle from now on; a handle
    // the C runtime refuses stays the caller's, and rtl_error is thrown.
    void AdoptHandle(HANDLE handle);

private:
    int m_fd;
};

} // namespace FinderLink
} // namespace Kyvant
