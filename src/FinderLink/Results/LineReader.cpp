// Cutting a byte stream into printable lines.
#include "FinderLink/Results/LineReader.h"

#include <io.h>

#include <cstring>
#include <string>
#include <vector>

namespace Kyvant {
namespace FinderLink {

int DescriptorSource::Read(char* buffer, unsigned count)
{
    return _read(m_fd, buffer, count);
}

LineReader::LineReader(bool dropCR, unsigned readSize)
    : m_dropCR(dropCR), m_readSize(readSize < kLeastReadSize ? kLeastReadSize
                                   : readSize > kBufferSize  ? kBufferSize
                                                             : readSize)
{
}

void LineReader::ShowPrintable(char* first, char* last) const
{
    m_legible.MarkIllegible(first, last);
}

int LineReader::Run(ByteSource& source, LineSink& sink)
{
    std::vector<char> storage(m_readSize);
    char* const buffer = storage.data();
    std::string pending;
    unsigned carried = 0; // a '\r' held at the buffer's start
    for (;;) {
        const int got = source.Read(buffer + carried, m_readSize - carried);
        if (got <= 0)
            break;
        char* line = buffer;
        char* const end = buffer + carried + got;
        carried = 0;
        while (char* newline = static_cast<char*>(std::memchr(line, '\n', end - line))) {
            char* lineEnd = newline;
            if (m_dropCR && lineEnd != line && lineEnd[-1] == '\r')
                --lineEnd;
            ShowPrintable(line, lineEnd);
            if (pending.empty()) {
                sink.OnLine(line, static_cast<unsigned>(lineEnd - line));
            } else {
                pending.append(line, lineEnd);
                sink.OnLine(pending.data(), static_cast<unsigned>(pending.size()));
                pending.clear();
            }
            line = newline + 1;
        }
        // The rest has no line end yet. A '\r' at its end may start a CR LF:
        // it waits at the buffer's start for the next read.
        char* restEnd = end;
        const bool carry = m_dropCR && restEnd != line && restEnd[-1] == '\r';
        if (carry)
            --restEnd;
        ShowPrintable(line, restEnd);
        pending.append(line, restEnd);
        if (carry) {
            buffer[0] = '\r';
            carried = 1;
        }
    }
    if (carried != 0)
        pending += kUnprintable;
    if (!pending.empty())
        sink.OnLine(pending.data(), static_cast<unsigned>(pending.size()));
    return 1;
}

} // namespace FinderLink
} // namespace Kyvant
