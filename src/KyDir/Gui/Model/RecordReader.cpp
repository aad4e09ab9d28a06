// Parsing the Dir record stream chunk by chunk.
#include "KyDir/Gui/Model/RecordReader.h"

#include <cstring>
#include <stdexcept>

namespace Kyvant {
namespace DirResults {

namespace {

const char kExpectedNewline[] = "Expected newline";
const char kUnexpectedId[] = "Encountered unexpected record id in pipe";
const char kShortDetails[] = "Incomplete details record in pipe";

} // namespace

static_assert(sizeof(FileDetails) == RecordReader::kDetailsSize, "the details record's size");

ItemSink::~ItemSink() {}

RecordReader::RecordReader(unsigned chunkSize)
    : m_chunk(chunkSize < kLeastChunkSize ? kLeastChunkSize : chunkSize), m_at(nullptr),
      m_end(nullptr), m_details(), m_haveDetails(false)
{
}

int RecordReader::Run(FinderLink::ByteSource& source, ItemSink& sink)
{
    ky_F folder;
    m_haveDetails = false;
    while (NextChunk(source)) {
        while (m_at != m_end) {
            const unsigned char id = static_cast<unsigned char>(*m_at++);
            const char* text = nullptr;
            unsigned length = 0;
            switch (id) {
            case kDetailsRecord:
                ReadDetails(source);
                break;
            case kFolderRecord:
                ReadText(source, text, length);
                folder.assign(text, length);
                break;
            case kNameRecord:
                ReadText(source, text, length);
                sink.OnItem(folder, text, length, m_haveDetails ? &m_details : nullptr);
                m_haveDetails = false;
                break;
            default:
                throw std::runtime_error(kUnexpectedId);
            }
        }
    }
    return 1;
}

bool RecordReader::NextChunk(FinderLink::ByteSource& source)
{
    const int got = source.Read(m_chunk.data(), static_cast<unsigned>(m_chunk.size()));
    if (got <= 0) {
        m_at = m_end = m_chunk.data();
        return false;
    }
    m_at = m_chunk.data();
    m_end = m_at + got;
    return true;
}

// What the chunk lacks of the record is read from the source, exactly.
void RecordReader::ReadDetails(FinderLink::ByteSource& source)
{
    char* into = reinterpret_cast<char*>(&m_details);
    unsigned have = static_cast<unsigned>(m_end - m_at);
    if (have > kDetailsSize)
        have = kDetailsSize;
    std::memcpy(into, m_at, have);
    m_at += have;
    while (have < kDetailsSize) {
        const int got = source.Read(into + have, kDetailsSize - have);
        if (got <= 0)
            throw std::runtime_error(kShortDetails);
        have += static_cast<unsigned>(got);
    }
    m_haveDetails = true;
}

void RecordReader::ReadText(FinderLink::ByteSource& source, const char*& text, unsigned& length)
{
    const char* newline = static_cast<const char*>(std::memchr(m_at, '\n', m_end - m_at));
    if (newline != nullptr) {
        text = m_at;
        length = static_cast<unsigned>(newline - m_at);
        m_at = newline + 1;
        return;
    }
    m_text.assign(m_at, m_end);
    for (;;) {
        if (m_text.size() > kMaxTextLength || !NextChunk(source))
            throw std::runtime_error(kExpectedNewline);
        newline = static_cast<const char*>(std::memchr(m_at, '\n', m_end - m_at));
        if (newline != nullptr)
            break;
        m_text.append(m_at, m_end);
    }
    m_text.append(m_at, newline);
    m_at = newline + 1;
    if (m_text.size() > kMaxTextLength)
        throw std::runtime_error(kExpectedNewline);
    text = m_text.data();
    length = static_cast<unsigned>(m_text.size());
}

} // namespace DirResults
} // namespace Kyvant
