// Standard output as a byte sink.
#include "KyStandInTool/ByteSink.h"

#include "KyStandInTool/StandardStreams.h"

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <stdexcept>

namespace Kyvant {
namespace StandIn {

namespace {

// Into a pipe or a file the bytes go in large writes: the reader of a pipe
// pays about the same for each read whatever it moves. A console keeps the
// runtime's own buffering.
const std::size_t kBufferSize = 65536;

} // namespace

StdoutSink::StdoutSink()
{
    std::fflush(stdout);
    _setmode(_fileno(stdout), _O_BINARY);
    if (!_isatty(_fileno(stdout)))
        std::setvbuf(stdout, nullptr, _IOFBF, kBufferSize);
}

StdoutSink::~StdoutSink()
{
    std::fflush(stdout);
}

void StdoutSink::Write(const void* data, std::size_t size)
{
    if (size != 0 && std::fwrite(data, 1, size, stdout) != size)
        throw std::runtime_error("Could not write to standard output");
}

void StdoutSink::Close()
{
    if (!EndStandardStream(StandardStream::Output))
        throw std::runtime_error("Could not write to standard output");
}

} // namespace StandIn
} // namespace Kyvant
