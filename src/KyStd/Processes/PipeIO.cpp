// Whole-buffer reads and writes through descriptors, in pieces, and the checked stream close.
#include "KyStd/Processes/PipeIO.h"

#include "KyStd/Core/Errors.h"

#include <io.h>

#include <cerrno>

namespace Kyvant {
namespace CRT {

namespace {

const unsigned kChunk = 4096;

// errno of a failed call, or fallback when the runtime left none.
int ErrnoOr(int fallback)
{
    return errno != 0 ? errno : fallback;
}

} // namespace

int WritePipe(const std::nothrow_t&, int fd, const void* data, unsigned n)
{
    const char* p = static_cast<const char*>(data);
    unsigned left = n;
    while (left > 0) {
        unsigned chunk = left < kChunk ? left : kChunk;
        int written = _write(fd, p, chunk);
        // A write that takes nothing would never finish the loop.
        if (written <= 0) {
            if (written == 0)
                errno = EIO;
            return -1;
        }
        p += written;
        left -= static_cast<unsigned>(written);
    }
    return static_cast<int>(n);
}

void WritePipe(int fd, const void* data, unsigned n)
{
    errno = 0;
    if (WritePipe(std::nothrow, fd, data, n) != static_cast<int>(n))
        throw rtl_error(ErrnoOr(EIO));
}

int ReadPipe(const std::nothrow_t&, int fd, void* buffer, unsigned n)
{
    char* p = static_cast<char*>(buffer);
    unsigned total = 0;
    while (total < n) {
        int got = _read(fd, p + total, n - total);
        if (got < 0)
            return -1;
        if (got == 0)
            break;
        total += static_cast<unsigned>(got);
    }
    return static_cast<int>(total);
}

void ReadPipe(int fd, void* buffer, unsigned n)
{
    errno = 0;
    int got = ReadPipe(std::nothrow, fd, buffer, n);
    if (got < 0)
        throw rtl_error(ErrnoOr(EIO));
    // The writer closed its end before all bytes came; the runtime sets no
    // errno for that, so the error is named here.
    if (static_cast<unsigned>(got) != n)
        throw rtl_error(EPIPE);
}

bool ky_fclose(std::FILE* stream)
{
    if (!stream)
        return false;
    bool hadError = std::ferror(stream) != 0;
    return std::fclose(stream) == 0 && !hadError;
}

} // namespace CRT
} // namespace Kyvant
