// The process's block pool: blocks in use order (least recently used first),
// hash chains keyed by file handle and block number, and the open files.
// The chain count starts at 64 and grows with the pool, so chains stay short
// in large pools; it is private to the process and never reaches a file.
#include "KyDB/Engine/BlockPool.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>
#include <vector>

namespace Kyvant {

struct PoolBlock {
    PoolBlock* prev; // use order
    PoolBlock* next;
    PoolBlock* hashNext; // hash chain
    std::int32_t pins;
    FileHandle handle;   // kNoFile when empty
    std::int32_t number; // -1 when empty
    std::uint32_t fileBlockSize;
    bool dirty;
    bool orphan;  // purged while pinned: out of its chain, emptied when unpinned
    bool checked; // the data passed the caller's check and has not changed since
    std::uint32_t flushMark;
    std::uint32_t magic;
    std::uint8_t* data;
};

struct PoolFile {
    PoolFile* next;
    FileHandle handle;
    BlockPool* pool;
    std::uint32_t blockSize;
    int pending; // 0 none, 2 changed since the last flush
    bool writable;
    std::vector<PoolBlock*> dirtied; // blocks made dirty since the last flush (may be stale)
};

struct BlockPool {
    std::uint32_t blockSize;
    int count;
    PoolBlock* head;                 // least recently used
    PoolBlock* tail;                 // most recently used
    std::vector<PoolBlock*> buckets; // a power of two, at least 64
    PoolFile* files;
};

namespace {

constexpr std::uint32_t kBlockMagic = 0x4B504C42;
constexpr std::size_t kHeaderSize = (sizeof(PoolBlock) + 15) & ~static_cast<std::size_t>(15);

BlockPool* g_pool = nullptr;
int g_error = 0;
std::uint32_t g_flushMark = 0;

int Fail(int code)
{
    g_error = code;
    return -1;
}

unsigned Bucket(const BlockPool* pool, FileHandle handle, std::int32_t number)
{
    return static_cast<unsigned>(static_cast<std::uintptr_t>(handle) +
                                 static_cast<std::uintptr_t>(number)) &
           static_cast<unsigned>(pool->buckets.size() - 1);
}

// Re-spreads the cached blocks over at least `blocks` chains (64 or more).
void Rehash(BlockPool* pool, int blocks)
{
    std::size_t size = 64;
    while (size < static_cast<std::size_t>(blocks))
        size *= 2;
    if (size <= pool->buckets.size())
        return;
    std::vector<PoolBlock*> chains;
    try {
        chains.assign(size, nullptr);
    } catch (const std::bad_alloc&) {
        return; // longer chains are only slower
    }
    pool->buckets.swap(chains);
    for (PoolBlock* b = pool->tail; b; b = b->prev) {
        if (b->handle == kNoFile || b->orphan)
            continue;
        unsigned k = Bucket(pool, b->handle, b->number);
        b->hashNext = pool->buckets[k];
        pool->buckets[k] = b;
    }
}

void Unlink(BlockPool* pool, PoolBlock* b)
{
    (b->prev ? b->prev->next : pool->head) = b->next;
    (b->next ? b->next->prev : pool->tail) = b->prev;
    b->prev = b->next = nullptr;
}

void PushTail(BlockPool* pool, PoolBlock* b)
{
    b->prev = pool->tail;
    b->next = nullptr;
    (pool->tail ? pool->tail->next : pool->head) = b;
    pool->tail = b;
}

void PushHead(BlockPool* pool, PoolBlock* b)
{
    b->next = pool->head;
    b->prev = nullptr;
    (pool->head ? pool->head->prev : pool->tail) = b;
    pool->head = b;
}

void MoveToTail(BlockPool* pool, PoolBlock* b)
{
    if (pool->tail == b)
        return;
    Unlink(pool, b);
    PushTail(pool, b);
}

void HashRemove(BlockPool* pool, PoolBlock* b)
{
    PoolBlock** link = &pool->buckets[Bucket(pool, b->handle, b->number)];
    while (*link && *link != b)
        link = &(*link)->hashNext;
    if (*link)
        *link = b->hashNext;
    b->hashNext = nullptr;
}

void MakeEmpty(PoolBlock* b)
{
    b->pins = 0;
    b->handle = kNoFile;
    b->number = -1;
    b->dirty = false;
    b->orphan = false;
    b->checked = false;
    b->hashNext = nullptr;
}

// A block found moves to the head of its chain, so that the blocks every
// search passes (root and inner nodes) are found first in long chains.
PoolBlock* Lookup(BlockPool* pool, FileHandle handle, std::int32_t number)
{
    PoolBlock** head = &pool->buckets[Bucket(pool, handle, number)];
    for (PoolBlock** link = head; *link; link = &(*link)->hashNext) {
        PoolBlock* b = *link;
        if (b->handle == handle && b->number == number) {
            if (link != head) {
                *link = b->hashNext;
                b->hashNext = *head;
                *head = b;
            }
            return b;
        }
    }
    return nullptr;
}

PoolBlock* FromData(std::uint8_t* data)
{
    if (!data)
        return nullptr;
    auto* b = reinterpret_cast<PoolBlock*>(data - kHeaderSize);
    return b->magic == kBlockMagic && b->data == data ? b : nullptr;
}

bool WriteBack(PoolBlock* b)
{
    if (FileAccess().WriteBlock(b->handle, b->number, b->fileBlockSize, b->data) != 1)
        return false;
    b->dirty = false;
    return true;
}

// The least recently used unpinned block, written back first when dirty; a
// block whose write-back fails stays dirty and the walk goes on.
PoolBlock* TakeFree(BlockPool* pool)
{
    bool writeFailed = false;
    for (PoolBlock* b = pool->head; b; b = b->next) {
        if (b->pins != 0)
            continue;
        if (b->dirty && !WriteBack(b)) {
            writeFailed = true;
            continue;
        }
        if (b->handle != kNoFile && !b->orphan)
            HashRemove(pool, b);
        MakeEmpty(b);
        return b;
    }
    g_error = writeFailed ? kPoolIoFailed : kPoolAllPinned;
    return nullptr;
}

PoolBlock* AllocBlock(std::uint32_t blockSize)
{
    void* raw = std::malloc(kHeaderSize + blockSize);
    if (!raw)
        return nullptr;
    auto* b = static_cast<PoolBlock*>(raw);
    std::memset(b, 0, kHeaderSize);
    b->magic = kBlockMagic;
    b->data = static_cast<std::uint8_t*>(raw) + kHeaderSize;
    std::memset(b->data, 0, blockSize);
    MakeEmpty(b);
    return b;
}

void FreeBlock(PoolBlock* b)
{
    b->magic = 0;
    std::free(b);
}

bool Registered(const PoolFile* file)
{
    if (!g_pool || !file)
        return false;
    for (PoolFile* f = g_pool->files; f; f = f->next)
        if (f == file)
            return true;
    return false;
}

void MarkDirty(PoolFile* file, PoolBlock* b)
{
    if (!b->dirty) {
        b->dirty = true;
        file->dirtied.push_back(b);
    }
    file->pending = 2;
}

// Places a taken block into its chain, pinned once and clean.
std::uint8_t* Install(PoolFile* file, PoolBlock* b, std::int32_t number)
{
    BlockPool* pool = file->pool;
    b->handle = file->handle;
    b->number = number;
    b->fileBlockSize = file->blockSize;
    b->pins = 1;
    b->dirty = false;
    b->checked = false;
    unsigned k = Bucket(pool, b->handle, number);
    b->hashNext = pool->buckets[k];
    pool->buckets[k] = b;
    MoveToTail(pool, b);
    g_error = kPoolOk;
    return b->data;
}

} // namespace

BlockPool* PoolCreate(std::uint32_t blockSize, int blockCount)
{
    if (g_pool || blockSize == 0 || blockCount <= 0) {
        g_error = kPoolUnknown;
        return nullptr;
    }
    auto* pool = new (std::nothrow) BlockPool();
    if (!pool) {
        g_error = kPoolNoMemory;
        return nullptr;
    }
    pool->blockSize = blockSize;
    try {
        pool->buckets.assign(64, nullptr);
    } catch (const std::bad_alloc&) {
        delete pool;
        g_error = kPoolNoMemory;
        return nullptr;
    }
    g_pool = pool;
    if (PoolAddBlocks(pool, blockCount) != blockCount) {
        PoolRemoveBlocks(pool, pool->count);
        delete pool;
        g_pool = nullptr;
        g_error = kPoolNoMemory;
        return nullptr;
    }
    g_error = kPoolOk;
    return pool;
}

BlockPool* ThePool()
{
    return g_pool;
}

int PoolAddBlocks(BlockPool* pool, int n)
{
    if (!pool || pool != g_pool) {
        Fail(kPoolUnknown);
        return 0;
    }
    int added = 0;
    for (; added < n; ++added) {
        PoolBlock* b = AllocBlock(pool->blockSize);
        if (!b)
            break;
        PushHead(pool, b);
        ++pool->count;
    }
    Rehash(pool, pool->count);
    g_error = added == n ? kPoolOk : kPoolNoMemory;
    return added;
}

int PoolRemoveBlocks(BlockPool* pool, int n)
{
    if (!pool || pool != g_pool) {
        Fail(kPoolUnknown);
        return 0;
    }
    int removed = 0;
    for (; removed < n; ++removed) {
        PoolBlock* b = TakeFree(pool);
        if (!b)
            break;
        Unlink(pool, b);
        FreeBlock(b);
        --pool->count;
    }
    if (removed == n)
        g_error = kPoolOk;
    return removed;
}

int PoolDestroy(BlockPool* pool)
{
    if (!pool || pool != g_pool)
        return Fail(kPoolUnknown);
    bool ok = true;
    for (PoolBlock* b = pool->head; b; b = b->next)
        if (b->dirty && !b->orphan && !WriteBack(b))
            ok = false;
    while (PoolBlock* b = pool->head) {
        Unlink(pool, b);
        FreeBlock(b);
    }
    // Files still registered are closed so their handles do not leak.
    while (PoolFile* f = pool->files) {
        pool->files = f->next;
        FileAccess().Close(f->handle);
        delete f;
    }
    delete pool;
    g_pool = nullptr;
    g_error = ok ? kPoolOk : kPoolIoFailed;
    return ok ? 1 : -1;
}

std::uint32_t PoolBlockSize(const BlockPool* pool)
{
    return pool ? pool->blockSize : 0;
}

int PoolBlockCount(const BlockPool* pool)
{
    return pool ? pool->count : 0;
}

PoolFile* PoolOpenFile(const char* name, BlockPool* pool, bool writable, bool shared)
{
    if (!pool || pool != g_pool || !name) {
        g_error = kPoolUnknown;
        return nullptr;
    }
    FileHandle h = FileAccess().Open(name, writable, shared);
    if (h == kNoFile) {
        g_error = kPoolIoFailed;
        return nullptr;
    }
    std::uint8_t size[2];
    if (FileAccess().ReadAt(h, 0, 2, size) != 1) {
        FileAccess().Close(h);
        g_error = kPoolIoFailed;
        return nullptr;
    }
    std::uint32_t blockSize = size[0] | (size[1] << 8);
    if (blockSize > pool->blockSize) {
        FileAccess().Close(h);
        g_error = kPoolBlockTooBig;
        return nullptr;
    }
    auto* file = new (std::nothrow) PoolFile();
    if (!file) {
        FileAccess().Close(h);
        g_error = kPoolNoMemory;
        return nullptr;
    }
    file->handle = h;
    file->pool = pool;
    file->blockSize = blockSize;
    file->pending = 0;
    file->writable = writable;
    file->next = pool->files;
    pool->files = file;
    g_error = kPoolOk;
    return file;
}

int PoolCloseFile(PoolFile* file)
{
    if (!Registered(file))
        return Fail(kPoolUnknown);
    bool ok = PoolFlushFile(file) == 1;
    int error = g_error;
    if (PoolPurgeFile(file) != 1) {
        ok = false;
        if (error == kPoolOk)
            error = g_error;
    }
    BlockPool* pool = file->pool;
    for (PoolFile** link = &pool->files; *link; link = &(*link)->next) {
        if (*link == file) {
            *link = file->next;
            break;
        }
    }
    FileAccess().Close(file->handle);
    delete file;
    g_error = ok ? kPoolOk : error;
    return ok ? 1 : -1;
}

FileHandle PoolFileHandle(const PoolFile* file)
{
    return file ? file->handle : kNoFile;
}

std::uint32_t PoolFileBlockSize(const PoolFile* file)
{
    return file ? file->blockSize : 0;
}

std::uint8_t* PoolGetBlock(PoolFile* file, std::int32_t number)
{
    if (!Registered(file) || number < 0) {
        g_error = kPoolUnknown;
        return nullptr;
    }
    BlockPool* pool = file->pool;
    if (PoolBlock* b = Lookup(pool, file->handle, number)) {
        ++b->pins;
        MoveToTail(pool, b);
        g_error = kPoolOk;
        return b->data;
    }
    PoolBlock* b = TakeFree(pool);
    if (!b)
        return nullptr;
    if (FileAccess().ReadBlock(file->handle, number, file->blockSize, b->data) != 1) {
        Unlink(pool, b);
        PushHead(pool, b);
        g_error = kPoolIoFailed;
        return nullptr;
    }
    return Install(file, b, number);
}

std::uint8_t* PoolNewBlock(PoolFile* file, std::int32_t number)
{
    if (!Registered(file) || number < 0) {
        g_error = kPoolUnknown;
        return nullptr;
    }
    BlockPool* pool = file->pool;
    PoolBlock* b = Lookup(pool, file->handle, number);
    if (b) {
        // A stale cached copy of a block being appended again is reused when free.
        if (b->pins != 0) {
            g_error = kPoolUnknown;
            return nullptr;
        }
        HashRemove(pool, b);
        MakeEmpty(b);
    } else if (!(b = TakeFree(pool))) {
        return nullptr;
    }
    std::memset(b->data, 0, pool->blockSize);
    return Install(file, b, number);
}

int PoolReleaseBlock(PoolFile* file, std::uint8_t* data, ReleaseMode mode)
{
    PoolBlock* b = FromData(data);
    if (!Registered(file) || !b || (!b->orphan && b->handle != file->handle))
        return Fail(kPoolUnknown);
    BlockPool* pool = file->pool;
    if (b->pins > 0)
        --b->pins;
    if (b->orphan) {
        // Its file was purged meanwhile: the copy is stale and goes.
        if (b->pins == 0) {
            MakeEmpty(b);
            Unlink(pool, b);
            PushHead(pool, b);
        }
        g_error = kPoolOk;
        return 1;
    }
    MoveToTail(pool, b);
    if (mode != ReleaseMode::Unchanged)
        b->checked = false;
    if (mode == ReleaseMode::Changed) {
        MarkDirty(file, b);
    } else if (mode == ReleaseMode::WriteNow) {
        if (!(b->number == 0 && file->pending == 0)) {
            if (FileAccess().WriteBlock(b->handle, b->number, b->fileBlockSize, b->data) != 1) {
                // Kept dirty so the change reaches the file with the next flush.
                MarkDirty(file, b);
                return Fail(kPoolIoFailed);
            }
        }
        b->dirty = false;
        file->pending = 2;
    }
    g_error = kPoolOk;
    return 1;
}

int PoolFlushFile(PoolFile* file)
{
    if (!Registered(file))
        return Fail(kPoolUnknown);
    bool ok = true;
    ++g_flushMark;
    std::vector<PoolBlock*> todo;
    for (PoolBlock* b : file->dirtied) {
        if (b->dirty && !b->orphan && b->handle == file->handle && b->flushMark != g_flushMark) {
            b->flushMark = g_flushMark;
            todo.push_back(b);
        }
    }
    std::sort(todo.begin(), todo.end(),
              [](const PoolBlock* a, const PoolBlock* b) { return a->number < b->number; });
    file->dirtied.clear();
    for (PoolBlock* b : todo) {
        if (!WriteBack(b)) {
            ok = false;
            file->dirtied.push_back(b);
        }
    }
    // A file opened for reading only has nothing to flush (and the system refuses).
    if (file->writable && FileAccess().Flush(file->handle) != 1)
        ok = false;
    if (!ok)
        return Fail(kPoolIoFailed);
    file->pending = 0;
    g_error = kPoolOk;
    return 1;
}

bool PoolBlockChecked(const std::uint8_t* data)
{
    const PoolBlock* b = FromData(const_cast<std::uint8_t*>(data));
    return b && b->checked && !b->orphan;
}

void PoolMarkChecked(std::uint8_t* data)
{
    if (PoolBlock* b = FromData(data))
        b->checked = true;
}

int PoolHasDirtyBlocks(PoolFile* file)
{
    if (!Registered(file)) {
        Fail(kPoolUnknown);
        return 0;
    }
    for (PoolBlock* b : file->dirtied)
        if (b->dirty && !b->orphan && b->handle == file->handle)
            return 1;
    return 0;
}

int PoolPurgeFile(PoolFile* file)
{
    if (!Registered(file))
        return Fail(kPoolUnknown);
    BlockPool* pool = file->pool;
    int error = kPoolOk;
    for (PoolBlock* b = pool->head; b;) {
        PoolBlock* next = b->next;
        if (b->handle == file->handle && !b->orphan) {
            if (b->dirty && error == kPoolOk)
                error = kPoolPurgedDirty;
            HashRemove(pool, b);
            if (b->pins > 0) {
                if (error == kPoolOk || error == kPoolPurgedDirty)
                    error = kPoolPurgedPinned;
                b->dirty = false;
                b->orphan = true;
            } else {
                MakeEmpty(b);
                Unlink(pool, b);
                PushHead(pool, b);
            }
        }
        b = next;
    }
    file->dirtied.clear();
    g_error = error;
    return error == kPoolOk ? 1 : -1;
}

int PoolError()
{
    return g_error;
}

} // namespace Kyvant
