// Duplicated descriptors and the redirection of one descriptor to another until restored.
#include "KyStd/Processes/Redirector.h"

#include "KyStd/Core/Errors.h"

#include <io.h>

#include <cerrno>

namespace Kyvant {
namespace CRT {

DupedHdl::DupedHdl(int fd) : fd_(_dup(fd))
{
    if (fd_ == -1)
        throw rtl_error(errno);
}

DupedHdl::~DupedHdl()
{
    Close();
}

void DupedHdl::Close()
{
    if (fd_ != -1) {
        _close(fd_);
        fd_ = -1;
    }
}

Redirector::Redirector(int source, int target) : saved_(target), target_(target)
{
    if (_dup2(source, target) == -1)
        throw rtl_error(errno);
}

Redirector::~Redirector()
{
    try {
        Restore();
    } catch (...) {
    }
}

void Redirector::Restore()
{
    if (target_ == -1)
        return;
    int target = target_;
    target_ = -1;
    int result = _dup2(saved_.get(), target);
    int err = errno;
    saved_.Close();
    if (result == -1)
        throw rtl_error(err);
}

} // namespace CRT
} // namespace Kyvant
