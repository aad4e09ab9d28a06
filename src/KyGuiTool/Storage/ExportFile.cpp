// The export file's stream: opening, line writes and reads, and the write
// file's temporary name that takes the chosen name only when complete.
#include "KyGuiTool/Storage/ExportFile.h"

#include "KyStd/Core/Errors.h"
#include "KyStd/Files/MoveReplacing.h"

#include <windows.h>

#include <cerrno>
#include <cstdio>
#include <stdexcept>
#include <string>

namespace Kyvant {
namespace ky_StorageMapSupport {

namespace {

// Read as bytes, so that a raw NUL or Ctrl-Z is seen rather than taken as
// the end of a line or of the file; the line ends are handled here.
const char kReadMode[] = "rb";
const char kWriteMode[] = "wt";
const int kLineFeed = '\n';
const char kCarriageReturn = '\r';
// Old editors end a text file with this byte; as the file's last byte it is
// no part of a line.
const char kEndOfFileMark = '\x1a';
const unsigned char kFirstPrintable = 0x20;

// errno, or EIO where a failing call left none.
int LastErrno()
{
    return errno != 0 ? errno : EIO;
}

// An export file holds no raw control byte but its line ends: one that
// does was damaged or edited by hand, and none of it is taken.
std::runtime_error DamagedLine(unsigned lineNumber)
{
    return std::runtime_error(std::string(Importer::kInvalidFile) + " (line " +
                              std::to_string(lineNumber) + ")");
}

} // namespace

FileBase::FileBase(const ky_F& path, bool write)
    : m_file(nullptr), m_path(path), m_write(write), m_lineNumber(0)
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
    std::string bytes;
    int c = EOF;
    bool any = false;
    while ((c = std::getc(m_file)) != EOF) {
        any = true;
        if (c == kLineFeed)
            break;
        bytes += static_cast<char>(c);
    }
    if (std::ferror(m_file))
        throw rtl_error(LastErrno());
    const bool lastLine = c == EOF;
    if (lastLine && !bytes.empty() && bytes.back() == kEndOfFileMark) {
        bytes.pop_back();
        any = !bytes.empty();
    }
    if (!any) {
        line.clear();
        return false;
    }
    ++m_lineNumber;
    if (!lastLine && !bytes.empty() && bytes.back() == kCarriageReturn)
        bytes.pop_back();
    for (const char byte : bytes) {
        if (static_cast<unsigned char>(byte) < kFirstPrintable)
            throw DamagedLine(m_lineNumber);
    }
    line.assign(bytes.data(), static_cast<unsigned>(bytes.size()));
    return true;
}

Exporter::Exporter(const ky_F& path) : FileBase(path, true) {}

const char Importer::kInvalidFile[] = "This file does not appear to be a valid import file";

Importer::Importer(const ky_F& path) : FileBase(path, false) {}

} // namespace ky_StorageMapSupport
} // namespace Kyvant
