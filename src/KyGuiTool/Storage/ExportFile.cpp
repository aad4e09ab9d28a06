// The export file's stream: opening, line writes and reads, and the write
// file's temporary name that takes the chosen name only when complete.
#include "KyGuiTool/Storage/ExportFile.h"

#include "KyStd/Core/Errors.h"
#include "KyStd/Files/MoveReplacing.h"

#include <windows.h>

#include <cerrno>
#include <cstdio>

namespace Kyvant {
namespace ky_StorageMapSupport {

namespace {

const char kReadMode[] = "rt";
const char kWriteMode[] = "wt";

// errno, or EIO where a failing call left none.
int LastErrno()
{
    return errno != 0 ? errno : EIO;
}

} // namespace

FileBase::FileBase(const ky_F& path, bool write) : m_file(nullptr), m_path(path), m_write(write)
{
    if (write) {
        m_temporary = path;
        m_temporary.ToTempFileName(true);
    }
    const ky_F& opened = write ? m_temporary : m_path;
    errno = 0;
    m_file = std::fopen(opened.c_str(), write ? kWriteMode : kReadMode);
    if (m_file == nullptr) {
        const int error = LastErrno();
        if (write)
            std::remove(m_temporary.c_str());
        throw rtl_error(error);
    }
}

FileBase::~FileBase()
{
    if (m_file != nullptr)
        Discard();
}

void FileBase::Discard()
{
    std::fclose(m_file);
    m_file = nullptr;
    if (m_write)
        std::remove(m_temporary.c_str());
}

void FileBase::Close()
{
    if (m_file == nullptr)
        return;
    errno = 0;
    const bool closed = std::fclose(m_file) == 0;
    m_file = nullptr;
    const int error = LastErrno();
    if (!m_write) {
        if (!closed)
            throw rtl_error(error);
        return;
    }
    if (!closed) {
        std::remove(m_temporary.c_str());
        throw rtl_error(error);
    }
    if (!MoveReplacing(m_temporary, m_path)) {
        const os_error failure;
        std::remove(m_temporary.c_str());
        throw failure;
    }
}

void FileBase::Write(const ky_BSB<char>& line)
{
    errno = 0;
    const std::size_t length = line.length();
    if (std::fwrite(line.data(), 1, length, m_file) != length || std::fputc('\n', m_file) == EOF)
        throw rtl_error(LastErrno());
}

bool FileBase::Read(ky_BSB<char>& line)
{
    errno = 0;
    const bool got = line.getline(m_file);
    if (std::ferror(m_file))
        throw rtl_error(LastErrno());
    return got;
}

Exporter::Exporter(const ky_F& path) : FileBase(path, true) {}

Importer::Importer(const ky_F& path) : FileBase(path, false) {}

} // namespace ky_StorageMapSupport
} // namespace Kyvant
