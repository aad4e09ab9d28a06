// The record engine's one door to the operating system: a table of file
// operations that every layer calls. The table is replaceable entry by entry,
// so a test can make the N-th read, write, flush or lock fail.
#pragma once

#include "KyDB/KyDBExport.h"

#include <cstdint>

namespace Kyvant {

// An open file of the engine: a Win32 handle value, or any value a replaced
// table chooses; kNoFile marks failure.
using FileHandle = std::intptr_t;
constexpr FileHandle kNoFile = -1;

// Every operation returns 1 for success and -1 for failure unless noted; a
// failure stores the system error in LastOsError (Lock stores nothing).
struct FileAccessTable {
    FileHandle (*Open)(const char* name, bool writable, bool shared);
    FileHandle (*Create)(const char* name);
    int (*Close)(FileHandle file); // 0 on success
    int (*ReadAt)(FileHandle file, std::int32_t offset, std::uint32_t count, void* buffer);
    int (*WriteAt)(FileHandle file, std::int32_t offset, std::uint32_t count, const void* buffer);
    int (*ReadBlock)(FileHandle file, std::int32_t block, std::uint32_t blockSize, void* buffer);
    int (*WriteBlock)(FileHandle file, std::int32_t block, std::uint32_t blockSize,
                      const void* buffer);
    int (*Delete)(const char* name);
    int (*Lock)(FileHandle file, std::int32_t offset, std::uint32_t length, int tries, int pauseMs,
                int giveUpMs);
    int (*Unlock)(FileHandle file, std::int32_t offset, std::uint32_t length);
    int (*Flush)(FileHandle file);
    int (*Sleep)(std::uint32_t ms);
    int (*Size)(FileHandle file, std::uint32_t* size);
    int (*Print)(const char* text);
    int (*Yield)();
};

// How often and how long a byte-range lock is tried.
struct LockRetrySet {
    int tries;
    int pauseMs;
    int giveUpMs;
};

// Short read or write: fewer bytes moved than asked.
constexpr unsigned long kShortTransferError = 30;

// The table the engine calls; starts filled with the Win32 operations.
KYDB_API FileAccessTable& FileAccess();
// The Win32 operations, for restoring entries of the engine's table.
KYDB_API const FileAccessTable& Win32FileAccess();

KYDB_API unsigned long LastOsError();
KYDB_API void SetLastOsError(unsigned long code);

} // namespace Kyvant
