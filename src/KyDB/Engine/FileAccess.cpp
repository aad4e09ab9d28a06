// The Win32 file operations of the record engine.
#include "KyDB/Engine/FileAccess.h"

#include <windows.h>

#include <cstdio>

namespace Kyvant {

namespace {

unsigned long g_lastOsError = 0;

HANDLE ToHandle(FileHandle file)
{
    return reinterpret_cast<HANDLE>(file);
}

int Fail()
{
    g_lastOsError = GetLastError();
    return -1;
}

FileHandle Win32Open(const char* name, bool writable, bool shared)
{
    DWORD access = GENERIC_READ | (writable ? GENERIC_WRITE : 0);
    DWORD share = shared ? (FILE_SHARE_READ | FILE_SHARE_WRITE) : 0;
    HANDLE h =
        CreateFileA(name, access, share, nullptr, OPEN_EXISTING, FILE_FLAG_RANDOM_ACCESS, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        Fail();
        return kNoFile;
    }
    return reinterpret_cast<FileHandle>(h);
}

FileHandle Win32Create(const char* name)
{
    HANDLE h = CreateFileA(name, GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_FLAG_RANDOM_ACCESS, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        Fail();
        return kNoFile;
    }
    return reinterpret_cast<FileHandle>(h);
}

int Win32Close(FileHandle file)
{
    return CloseHandle(ToHandle(file)) ? 0 : Fail();
}

bool Seek(FileHandle file, std::int32_t offset)
{
    if (offset < 0) {
        SetLastError(ERROR_NEGATIVE_SEEK);
        return false;
    }
    DWORD at = SetFilePointer(ToHandle(file), offset, nullptr, FILE_BEGIN);
    return at == static_cast<DWORD>(offset);
}

int Win32ReadAt(FileHandle file, std::int32_t offset, std::uint32_t count, void* buffer)
{
    if (!Seek(file, offset))
        return Fail();
    DWORD done = 0;
    if (!ReadFile(ToHandle(file), buffer, count, &done, nullptr))
        return Fail();
    if (done != count) {
        g_lastOsError = kShortTransferError;
        return -1;
    }
    return 1;
}

int Win32WriteAt(FileHandle file, std::int32_t offset, std::uint32_t count, const void* buffer)
{
    if (!Seek(file, offset))
        return Fail();
    DWORD done = 0;
    if (!WriteFile(ToHandle(file), buffer, count, &done, nullptr))
        return Fail();
    if (done != count) {
        g_lastOsError = kShortTransferError;
        return -1;
    }
    return 1;
}

// Block offsets that do not fit the signed 32-bit file offset are refused.
bool BlockOffset(std::int32_t block, std::uint32_t blockSize, std::int32_t& offset)
{
    long long at = static_cast<long long>(block) * blockSize;
    if (block < 0 || at > 0x7FFFFFFFLL) {
        g_lastOsError = ERROR_NEGATIVE_SEEK;
        return false;
    }
    offset = static_cast<std::int32_t>(at);
    return true;
}

// Blocks go through the table's ReadAt and WriteAt, so a replaced entry sees them too.
int Win32ReadBlock(FileHandle file, std::int32_t block, std::uint32_t blockSize, void* buffer)
{
    std::int32_t offset;
    if (!BlockOffset(block, blockSize, offset))
        return -1;
    return FileAccess().ReadAt(file, offset, blockSize, buffer);
}

int Win32WriteBlock(FileHandle file, std::int32_t block, std::uint32_t blockSize,
                    const void* buffer)
{
    std::int32_t offset;
    if (!BlockOffset(block, blockSize, offset))
        return -1;
    return FileAccess().WriteAt(file, offset, blockSize, buffer);
}

int Win32Delete(const char* name)
{
    return DeleteFileA(name) ? 1 : Fail();
}

// One attempt; on failure further attempts `pauseMs` apart while at least two
// tries remain, abandoned once more than `giveUpMs` passed since the first failure.
int Win32Lock(FileHandle file, std::int32_t offset, std::uint32_t length, int tries, int pauseMs,
              int giveUpMs)
{
    HANDLE h = ToHandle(file);
    if (LockFile(h, static_cast<DWORD>(offset), 0, length, 0))
        return 1;
    DWORD start = GetTickCount();
    while (tries >= 2) {
        ::Sleep(static_cast<DWORD>(pauseMs));
        if (LockFile(h, static_cast<DWORD>(offset), 0, length, 0))
            return 1;
        --tries;
        if (GetTickCount() - start > static_cast<DWORD>(giveUpMs))
            break;
    }
    return -1;
}

int Win32Unlock(FileHandle file, std::int32_t offset, std::uint32_t length)
{
    return UnlockFile(ToHandle(file), static_cast<DWORD>(offset), 0, length, 0) ? 1 : Fail();
}

int Win32Flush(FileHandle file)
{
    return FlushFileBuffers(ToHandle(file)) ? 1 : Fail();
}

int Win32Sleep(std::uint32_t ms)
{
    ::Sleep(ms);
    return 1;
}

// A low part of 0xFFFFFFFF is a real size unless the system reports an error;
// the error is cleared first so a stale code is not taken for a failure.
int Win32Size(FileHandle file, std::uint32_t* size)
{
    SetLastError(0);
    DWORD low = GetFileSize(ToHandle(file), nullptr);
    if (low == INVALID_FILE_SIZE && GetLastError() != 0)
        return Fail();
    *size = low;
    return 1;
}

int Win32Print(const char* text)
{
    return std::fputs(text, stderr) < 0 ? -1 : 1;
}

int Win32Yield()
{
    return 1;
}

const FileAccessTable kWin32Table = {
    Win32Open,      Win32Create,     Win32Close,  Win32ReadAt, Win32WriteAt,
    Win32ReadBlock, Win32WriteBlock, Win32Delete, Win32Lock,   Win32Unlock,
    Win32Flush,     Win32Sleep,      Win32Size,   Win32Print,  Win32Yield,
};

FileAccessTable g_table = kWin32Table;

} // namespace

FileAccessTable& FileAccess()
{
    return g_table;
}

const FileAccessTable& Win32FileAccess()
{
    return kWin32Table;
}

unsigned long LastOsError()
{
    return g_lastOsError;
}

void SetLastOsError(unsigned long code)
{
    g_lastOsError = code;
}

} // namespace Kyvant
