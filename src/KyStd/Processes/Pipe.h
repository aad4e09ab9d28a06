// An anonymous pipe of C-runtime descriptors whose chosen end can be made
// inheritable and announced to child processes through two environment
// variables: one for the end's descriptor, one for its OS handle, both in
// decimal. A pipe never leaves stale variables behind: closing, cancelling,
// failing or switching an end to non-inheritable removes them.
#pragma once

#include "KyStd/KyStdExport.h"
#include "KyStd/Strings/String.h"

#include <new>

namespace Kyvant {
namespace CRT {

class KYSTD_API Pipe {
public:
    enum Side { ReadEnd = 0, WriteEnd = 1 };
    enum InheritProperties { ReadInheritable = 0, WriteInheritable = 1, NoneInheritable = 2 };

    // Both ends start non-inheritable; which one becomes inheritable (without
    // published variables) is chosen by which. Failures throw rtl_error or
    // os_error and leave nothing open.
    explicit Pipe(InheritProperties which = NoneInheritable, bool binary = false,
                  unsigned size = 0);
    // The same pipe with side made inheritable and published under the two
    // variable names (an empty name publishes nothing).
    Pipe(const ky_S& fdVarName, const ky_S& osHandleVarName, Side side, bool binary = false,
         unsigned size = 0);
    // Closes both ends; errors are swallowed.
    ~Pipe();
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;

    // Replaces side's variable names (removing what the old names published)
    // and then sets its inheritance.
    void MakeInheritable(const ky_S& fdVarName, const ky_S& osHandleVarName, Side side,
                         bool inheritable);
    // Replaces side's descriptor by one on a duplicate OS handle with the
    // requested inheritance and the same access and text/binary mode, then
    // publishes it (or removes the variables when not inheritable). A closed
    // end throws "Pipe::MakeInheritable failure.".
    void MakeInheritable(Side side, bool inheritable);

    // Whole-buffer transfers through WritePipe and ReadPipe.
    void Write(const void* data, unsigned n);
    int Write(const std::nothrow_t&, const void* data, unsigned n);
    void Read(void* buffer, unsigned n);
    // One _read on the read end; its result as it is.
    int ReadSome(void* buffer, unsigned n);

    // The end's descriptor, -1 when closed.
    int GetFd(Side side) const { return fds_[side]; }

    // Closes the read end, then the write end (also when the first throws).
    void CloseBoth();
    // Closes one end and removes its variables.
    void CloseImp(Side side);
    // Forgets one end without closing it (another owner, such as a child, has
    // taken it) and removes its variables.
    void CancelImp(Side side);

private:
    void Create(bool binary, unsigned size);
    void Publish(Side side);
    void Unpublish(Side side);

    int fds_[2];
    bool binary_;
    ky_S fdVar_[2];
    ky_S osVar_[2];
};

} // namespace CRT
} // namespace Kyvant
