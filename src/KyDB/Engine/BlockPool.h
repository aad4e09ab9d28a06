// The process's pool of fixed-size blocks that caches the blocks of B-tree
// index files. Blocks are handed out pinned and written back lazily.
#pragma once

#include "KyDB/Engine/FileAccess.h"
#include "KyDB/KyDBExport.h"

#include <cstdint>

namespace Kyvant {

struct BlockPool;
struct PoolFile;

// Pool error numbers (PoolError()).
enum PoolErrorCode {
    kPoolOk = 0,
    kPoolUnknown = 1,
    kPoolNoMemory = 2,
    kPoolAllPinned = 3,
    kPoolIoFailed = 4,
    kPoolPurgedPinned = 6,
    kPoolBlockTooBig = 7,
    kPoolPurgedDirty = 9,
};

enum class ReleaseMode {
    Unchanged, // only unpins
    Changed,   // marks the block dirty
    WriteNow,  // writes the block at once (blocks appended to a file)
};

// Creates the process's pool; fails (null) when one exists or memory runs out.
KYDB_API BlockPool* PoolCreate(std::uint32_t blockSize, int blockCount);
// The process's pool, or null.
KYDB_API BlockPool* ThePool();
KYDB_API int PoolAddBlocks(BlockPool* pool, int n);
KYDB_API int PoolRemoveBlocks(BlockPool* pool, int n);
KYDB_API int PoolDestroy(BlockPool* pool);
KYDB_API std::uint32_t PoolBlockSize(const BlockPool* pool);
KYDB_API int PoolBlockCount(const BlockPool* pool);

KYDB_API PoolFile* PoolOpenFile(const char* name, BlockPool* pool, bool writable, bool shared);
KYDB_API int PoolCloseFile(PoolFile* file);
KYDB_API FileHandle PoolFileHandle(const PoolFile* file);
KYDB_API std::uint32_t PoolFileBlockSize(const PoolFile* file);

// The block's data, pinned; null on failure.
KYDB_API std::uint8_t* PoolGetBlock(PoolFile* file, std::int32_t block);
// Like a miss of PoolGetBlock, but zero-filled instead of read.
KYDB_API std::uint8_t* PoolNewBlock(PoolFile* file, std::int32_t block);
KYDB_API int PoolReleaseBlock(PoolFile* file, std::uint8_t* data, ReleaseMode mode);
KYDB_API int PoolFlushFile(PoolFile* file);
// Whether the block's data has been marked as checked since it was last
// read, zero-filled or released as changed (a node found sound need not be
// looked through again until it changes).
KYDB_API bool PoolBlockChecked(const std::uint8_t* data);
KYDB_API void PoolMarkChecked(std::uint8_t* data);
KYDB_API int PoolHasDirtyBlocks(PoolFile* file);
KYDB_API int PoolPurgeFile(PoolFile* file);

KYDB_API int PoolError();

} // namespace Kyvant
