// Descriptors of the task pipes: adopting a handle, closing.
#include "FinderLink/Task/CrtDescriptor.h"

#include "KyStd/Core/Errors.h"

#include <fcntl.h>
#include <io.h>

#include <cerrno>

namespace Kyvant {
namespace FinderLink {

void CrtDescriptor::Reset(int fd)
{
    if (m_fd != -1)
        _close(m_fd);
    m_fd = fd;
}

void CrtDescriptor::AdoptHandle(HANDLE handle)
{
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_TEXT);
    if (fd == -1)
        throw rtl_error(errno != 0 ? errno : EBADF);
    Reset(fd);
}

} // namespace FinderLink
} // namespace Kyvant
