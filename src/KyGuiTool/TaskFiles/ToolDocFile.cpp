// Kyvant::ToolDoc::File: opening, writing and reading records, closing.
#include "KyGuiTool/TaskFiles/ToolDocFile.h"

#include "KyGuiTool/TaskFiles/MirrorFile.h"
#include "KyStd/Core/Errors.h"

#include <afxwin.h>

#include <cstring>

namespace Kyvant {
namespace ToolDoc {

namespace {

const unsigned kHeaderSize = sizeof(RecHeader);
const unsigned kByteBits = 8;

void PutLittleEndian(unsigned char* out, std::uint32_t value, unsigned bytes)
{
    for (unsigned i = 0; i < bytes; ++i)
        out[i] = static_cast<unsigned char>(value >> (kByteBits * i));
}

std::uint32_t GetLittleEndian(const unsigned char* in, unsigned bytes)
{
    std::uint32_t value = 0;
    for (unsigned i = 0; i < bytes; ++i)
        value |= static_cast<std::uint32_t>(in[i]) << (kByteBits * i);
    return value;
}

CFile* OpenFile(const ky_F& path, File::OpenMode mode)
{
    if (mode == File::kSaveMode)
        return new MirrorFile(path, mode);
    return new CStdioFile(path.c_str(), mode);
}

} // namespace

File::File(CFile* file) : m_file(file), m_open(file != nullptr) {}

File::File(const ky_F& path, OpenMode mode) : m_file(OpenFile(path, mode)), m_open(true) {}

File::~File()
{
    if (m_open)
        Abort();
}

void File::Write(int type, const void* data, unsigned length)
{
    unsigned char header[kHeaderSize];
    PutLittleEndian(header, static_cast<std::uint32_t>(type), sizeof(std::uint16_t));
    PutLittleEndian(header + sizeof(std::uint16_t), length, sizeof(std::uint32_t));
    m_file->Write(header, kHeaderSize);
    if (length != 0)
        m_file->Write(data, length);
}

void File::Write(int type, const ky_BSB<char>& text)
{
    Write(type, text.c_str(), text.size());
}

unsigned File::ReadFully(void* data, unsigned count)
{
    unsigned done = 0;
    while (done < count) {
        const UINT got = m_file->Read(static_cast<char*>(data) + done, count - done);
        if (got == 0)
            break;
        done += got;
    }
    return done;
}

char* File::Read(RecHeader& header)
{
    unsigned char raw[kHeaderSize];
    const unsigned got = ReadFully(raw, kHeaderSize);
    if (got == 0)
        return nullptr;
    if (got < kHeaderSize)
        throw os_error(ERROR_HANDLE_EOF);
    header.type = static_cast<std::uint16_t>(GetLittleEndian(raw, sizeof(std::uint16_t)));
    header.length = GetLittleEndian(raw + sizeof(std::uint16_t), sizeof(std::uint32_t));
    // A damaged length must not ask for more than the file still holds.
    const DWORD size = m_file->GetLength();
    const DWORD position = m_file->GetPosition();
    if (position > size || header.length > size - position)
        throw os_error(ERROR_HANDLE_EOF);
    m_buffer.resize(static_cast<size_t>(header.length) + 1);
    if (ReadFully(m_buffer.data(), header.length) != header.length)
        throw os_error(ERROR_HANDLE_EOF);
    m_buffer[header.length] = '\0';
    return m_buffer.data();
}

void File::Close()
{
    m_open = false;
    m_file->Close();
}

void File::Abort()
{
    m_open = false;
    m_file->Abort();
}

} // namespace ToolDoc
} // namespace Kyvant
