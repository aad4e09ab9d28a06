// Reading a file for the file view.
#include "KyFind/Gui/TextView/TextStreamReader.h"

namespace Kyvant {
namespace TextView {

namespace {

const DWORD kReadError = 1;

} // namespace

TextStreamReader::TextStreamReader(std::FILE* file, bool binaryMode)
    : m_file(file), m_binaryMode(binaryMode), m_failed(false), m_delivered(0)
{
}

bool TextStreamReader::Read(unsigned char* buffer, long size, long* got)
{
    *got = 0;
    if (size <= 0)
        return true;
    long count = static_cast<long>(std::fread(buffer, 1, static_cast<size_t>(size), m_file));
    if (count < size && std::ferror(m_file)) {
        m_failed = true;
        return false;
    }
    if (!m_binaryMode)
        count = JoinLineEnds(buffer, count);
    char* const text = reinterpret_cast<char*>(buffer);
    m_legible.MarkIllegible(text, text + count);
    *got = count;
    m_delivered += count;
    return true;
}

// CR LF becomes LF in place; a CR at the block's end looks at the file's
// next byte, taking a LF with it and leaving anything else for the next
// block.
long TextStreamReader::JoinLineEnds(unsigned char* buffer, long count)
{
    long out = 0;
    for (long in = 0; in < count; ++in) {
        if (buffer[in] == '\r') {
            if (in + 1 < count) {
                if (buffer[in + 1] == '\n')
                    continue;
            } else {
                const int next = std::fgetc(m_file);
                if (next == '\n') {
                    buffer[out++] = '\n';
                    continue;
                }
                if (next != EOF)
                    std::ungetc(next, m_file);
            }
        }
        buffer[out++] = buffer[in];
    }
    return out;
}

DWORD CALLBACK TextStreamReader::Callback(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* got)
{
    TextStreamReader& reader = *reinterpret_cast<TextStreamReader*>(cookie);
    return reader.Read(buffer, size, got) ? 0 : kReadError;
}

} // namespace TextView
} // namespace Kyvant
