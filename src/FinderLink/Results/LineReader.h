// The line reader of the task pipes: cuts a stream of bytes into lines at
// '\n' (dropping the '\r' of a CR LF unless told to keep it), shows every
// byte that is not legible as 0xB7 (tabs stay, for the views to expand), and
// hands each line to a sink. A line may be cut anywhere by the reads, even
// between '\r' and '\n'.
#pragma once

#include "KyStd/Strings/LegibleText.h"

namespace Kyvant {
namespace FinderLink {

// Where the bytes come from: up to count bytes into buffer; 0 or less ends
// the stream.
class ByteSource {
public:
    virtual ~ByteSource() {}
    virtual int Read(char* buffer, unsigned count) = 0;
};

// A C-runtime descriptor read with _read.
class DescriptorSource : public ByteSource {
public:
    explicit DescriptorSource(int fd) : m_fd(fd) {}
    int Read(char* buffer, unsigned count) override;

private:
    int m_fd;
};

// Where the lines go. The text is not NUL-terminated and lives only for the
// call.
class LineSink {
public:
    virtual ~LineSink() {}
    virtual void OnLine(const char* text, unsigned length) = 0;
};

class LineReader {
public:
    // The longest read, and the least (room for a held '\r' and one byte).
    // Reads are large: a pipe read costs about the same whatever it moves.
    static const unsigned kBufferSize = 65536;
    static const unsigned kLeastReadSize = 2;
    // The byte shown in place of one that is not legible.
    static const char kUnprintable = static_cast<char>(LegibleText::kMark);

    // Legible bytes are those of LegibleText, with the C runtime's current
    // locale read now. Each read asks for at most readSize bytes (kept within
    // the limits above).
    explicit LineReader(bool dropCR, unsigned readSize = kBufferSize);
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    // Reads the source to its end; a last line without '\n' is delivered
    // too. Returns 1.
    int Run(ByteSource& source, LineSink& sink);

private:
    void ShowPrintable(char* first, char* last) const;

    bool m_dropCR;
    unsigned m_readSize;
    LegibleText::Table m_legible;
};

} // namespace FinderLink
} // namespace Kyvant
