// Descriptor duplication and temporary redirection of one descriptor to
// another (for example standard error into a pipe while a child starts).
#pragma once

#include "KyStd/KyStdExport.h"

namespace Kyvant {
namespace CRT {

// A duplicate of a descriptor, owned and closed by this object.
class KYSTD_API DupedHdl {
public:
    explicit DupedHdl(int fd); // _dup; failure throws rtl_error
    ~DupedHdl();
    DupedHdl(const DupedHdl&) = delete;
    DupedHdl& operator=(const DupedHdl&) = delete;

    int get() const { return fd_; }
    void Close();

private:
    int fd_;
};

// Points target at what source refers to until Restore (or destruction)
// puts the old target back.
class KYSTD_API Redirector {
public:
    Redirector(int source, int target); // failure throws rtl_error
    ~Redirector();                      // restores; errors are swallowed
    Redirector(const Redirector&) = delete;
    Redirector& operator=(const Redirector&) = delete;

    // Restores the target once; later calls do nothing.
    void Restore();

private:
    DupedHdl saved_;
    int target_;
};

} // namespace CRT
} // namespace Kyvant
