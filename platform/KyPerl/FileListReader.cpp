// Reading the file-list stream: exact reads of ints and strings, and the item after a wait flag.
#include "FileListReader.h"

#include <windows.h>
#include <io.h>

#include <stdexcept>

namespace Kyvant {
namespace KyPerl {

namespace {

// Longer names than any file system allows mean a broken stream.
const int kMaxNameLength = 32767;

void ReadExactly(int fd, void* buffer, unsigned n)
{
    char* p = static_cast<char*>(buffer);
    while (n > 0) {
        const int got = _read(fd, p, n);
        if (got <= 0)
            throw ListEnded();
        p += got;
        n -= static_cast<unsigned>(got);
    }
}

[[noreturn]] void Broken(const char* what)
{
    throw std::runtime_error(std::string("Broken file list: ") + what);
}

} // namespace

int FileListReader::ReadInt()
{
    unsigned char b[4];
    ReadExactly(fd_, b, 4);
    return static_cast<int>(b[0] | (b[1] << 8) | (b[2] << 16) |
                            (static_cast<unsigned>(b[3]) << 24));
}

std::string FileListReader::ReadString()
{
    const int n = ReadInt();
    if (n <= 0 || n > kMaxNameLength)
        Broken("bad name length");
    std::string s(static_cast<std::size_t>(n), '\0');
    ReadExactly(fd_, &s[0], static_cast<unsigned>(n));
    return s;
}

int FileListReader::ReadWaitFlag()
{
    const int flag = ReadInt();
    if (flag != 0 && flag != 1)
        Broken("bad wait flag");
    return flag;
}

FileListItem FileListReader::NextAfter(int waitFlag)
{
    FileListItem item;
    item.waitFlag = waitFlag;
    const int kind = ReadInt();
    if (kind == 0) {
        if (item.waitFlag != 1)
            Broken("record kind 0");
        item.kind = FileListItem::Heartbeat;
        return item;
    }
    if (kind == 1) {
        item.kind = FileListItem::File;
        item.name = ReadString();
        const int binary = ReadInt();
        if (binary != 0 && binary != 1)
            Broken("bad binary flag");
        item.binary = binary == 1;
        item.isStdin = lstrcmpiA(item.name.c_str(), "<STDIN>") == 0;
        if (!item.isStdin)
            item.tempName = ReadString();
        return item;
    }
    if (kind != -1)
        Broken("unknown record kind");
    const int length = ReadInt();
    if (length == 0) {
        item.kind = FileListItem::End;
        return item;
    }
    if (length < 0 || length > kMaxNameLength)
        Broken("bad name length");
    item.kind = FileListItem::Failed;
    item.name.assign(static_cast<std::size_t>(length), '\0');
    ReadExactly(fd_, &item.name[0], static_cast<unsigned>(length));
    if (ReadInt() != 1)
        Broken("failed-file record without its 1");
    return item;
}

} // namespace KyPerl
} // namespace Kyvant
