// Standard output as a byte sink.
#include "KyStandInTool/ByteSink.h"

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <stdexcept>

namespace Kyvant {
namespace StandIn {

StdoutSink::StdoutSink()
{
    std::fflush(stdout);
    _setmode(_fileno(stdout), _O_BINARY);
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

} // namespace StandIn
} // namespace Kyvant
