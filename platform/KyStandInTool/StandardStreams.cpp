// Connecting standard output and error to a task's pipes, and ending them
// once.
#include "KyStandInTool/StandardStreams.h"

#include "KyStd/Core/Errors.h"

#include <io.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>

namespace Kyvant {
namespace StandIn {

namespace {

const unsigned kStreams = 2;
bool g_ended[kStreams] = {};

std::FILE* FileOf(StandardStream stream)
{
    return stream == StandardStream::Output ? stdout : stderr;
}

bool& Ended(StandardStream stream)
{
    return g_ended[static_cast<unsigned>(stream)];
}

} // namespace

void ConnectStandardStream(StandardStream stream, HANDLE writeEnd, int mode)
{
    std::FILE* file = FileOf(stream);
    std::fflush(file);
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(writeEnd), mode);
    if (fd == -1) {
        CloseHandle(writeEnd);
        throw rtl_error(errno);
    }
    const int copied = _dup2(fd, _fileno(file));
    _close(fd);
    if (copied != 0)
        throw rtl_error(errno);
    Ended(stream) = false;
}

bool EndStandardStream(StandardStream stream)
{
    bool& ended = Ended(stream);
    if (ended)
        return true;
    ended = true;
    std::FILE* file = FileOf(stream);
    const bool written = std::fflush(file) == 0;
    _close(_fileno(file));
    return written;
}

} // namespace StandIn
} // namespace Kyvant
