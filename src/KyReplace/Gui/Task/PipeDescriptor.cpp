// Descriptors over the pipe handles KyReplace hands to the front-end.
#include "KyReplace/Gui/Task/PipeDescriptor.h"

#include "KyStd/Core/Errors.h"

#include <fcntl.h>
#include <io.h>

#include <cerrno>

namespace Kyvant {

PipeDescriptor::~PipeDescriptor()
{
    if (fd_ >= 0)
        _close(fd_);
}

void PipeDescriptor::Adopt(HANDLE handle)
{
    errno = 0;
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_BINARY);
    if (fd < 0) {
        const int error = errno ? errno : EBADF;
        CloseHandle(handle);
        throw rtl_error(error);
    }
    if (fd_ >= 0)
        _close(fd_);
    fd_ = fd;
}

void AdoptPipeEnds(const HANDLE (&handles)[kPipeEnds], PipeDescriptor* (&descriptors)[kPipeEnds])
{
    int i = 0;
    try {
        for (; i < kPipeEnds; ++i)
            descriptors[i]->Adopt(handles[i]);
    } catch (...) {
        for (int later = i + 1; later < kPipeEnds; ++later)
            CloseHandle(handles[later]);
        throw;
    }
}

} // namespace Kyvant
