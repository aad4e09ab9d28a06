// Open index files and handles, the control record, the byte-range locks of
// the lock area and the frame every operation runs in.
#include "KyDB/Engine/BTree.h"
#include "KyDB/Engine/BTreeInternal.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace Kyvant {

using namespace BtImpl;

namespace {
constexpr int kPlaceFile = 1;
}
using BtNode::Get16;
using BtNode::Get32;
using BtNode::Put16;
using BtNode::Put32;

namespace {

std::vector<BTreeFile*> g_files;
std::vector<BTreeHandle*> g_handles;
int g_deferredError = 0;
LockRetrySet g_retry = {250, 50, 10000};

constexpr int kSideAttempts = 5;
const LockRetrySet kFlushRetry = {3, 1, 10000};

bool SameName(const std::string& a, const char* b)
{
    std::size_t n = std::strlen(b);
    if (a.size() != n)
        return false;
    for (std::size_t i = 0; i < n; ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        if (x >= 'A' && x <= 'Z')
            x = static_cast<unsigned char>(x + 32);
        if (y >= 'A' && y <= 'Z')
            y = static_cast<unsigned char>(y + 32);
        if (x != y)
            return false;
    }
    return true;
}

BTreeFile* FindFile(const char* name)
{
    for (BTreeFile* f : g_files)
        if (SameName(f->name, name))
            return f;
    return nullptr;
}

int LockRange(BTreeFile* f, std::uint32_t from, std::uint32_t to, int tries, int pause, int giveUp)
{
    if (from >= to)
        return 1;
    return FileAccess().Lock(f->fh, static_cast<std::int32_t>(from), to - from, tries, pause,
                             giveUp);
}

int UnlockRange(BTreeFile* f, std::uint32_t from, std::uint32_t to)
{
    if (from >= to)
        return 1;
    return FileAccess().Unlock(f->fh, static_cast<std::int32_t>(from), to - from);
}

// Reads the control record from the file into `cr`, checking parity and links.
int ReadControl(BTreeFile* f, ControlRecord& cr, int readError)
{
    std::uint8_t buf[kControlSize];
    if (FileAccess().ReadAt(f->fh, 0, kControlSize, buf) != 1)
        return Fail(readError);
    if (!cr.Load(buf))
        return KYDB_BT_FAIL(kCbtParity);
    if (cr.blockSize != f->bs)
        return KYDB_BT_FAIL(kCbtBlockSize);
    if (!cr.Plausible())
        return KYDB_BT_FAIL(kCbtCorrupt);
    return 1;
}

BTreeHandle* NewHandle(BTreeFile* f, BtCompareFn compare, void* context, bool readOnly)
{
    auto* h = new (std::nothrow) BTreeHandle();
    if (!h) {
        KYDB_BT_FAIL(kCbtNoMemory);
        return nullptr;
    }
    h->file = f;
    h->compare = compare;
    h->context = context;
    h->readOnly = readOnly;
    ++f->handles;
    g_handles.push_back(h);
    return h;
}

bool HasPendingChanges(BTreeFile* f)
{
    return f->controlDirty || PoolHasDirtyBlocks(f->pool) == 1;
}

// Writes pending changes of a file, taking the exclusive lock briefly when
// the file is shared and not already locked that way.
int FlushPending(BTreeFile* f)
{
    if (!HasPendingChanges(f))
        return 1;
    bool took = false;
    if (f->shared && f->excl == ExclMode::None) {
        f->opExclusive = true;
        if (AcquireExclusive(f, kFlushRetry, kFlushRetry.tries) != 1) {
            f->opExclusive = false;
            return KYDB_BT_FAIL(kCbtLock);
        }
        took = true;
    }
    int rc = WriteBack(f) == 1 ? 1 : KYDB_BT_FAIL(kCbtFlush);
    if (took) {
        f->opExclusive = false;
        if (SyncLocks(f) != 1 && rc == 1)
            rc = -1;
    }
    return rc;
}

int CloseOne(BTreeHandle* h)
{
    g_handles.erase(std::find(g_handles.begin(), g_handles.end(), h));
    BTreeFile* f = h->file;
    delete h;
    if (--f->handles > 0)
        return 1;
    int rc = FlushPending(f);
    int error = CbtError();
    f->explicitShared = f->explicitExclusive = f->opShared = f->opExclusive = false;
    if (SyncLocks(f) != 1 && rc == 1) {
        rc = -1;
        error = CbtError();
    }
    if (PoolCloseFile(f->pool) != 1 && rc == 1) {
        rc = -1;
        error = kCbtCloseFile;
    }
    g_files.erase(std::find(g_files.begin(), g_files.end(), f));
    delete f;
    if (rc != 1)
        Fail(error);
    return rc;
}

} // namespace

void ControlRecord::Store(std::uint8_t* out) const
{
    std::memset(out, 0, kControlSize);
    Put16(out + 0, blockSize);
    Put32(out + 2, root);
    Put32(out + 6, highest);
    Put32(out + 10, firstLeaf);
    Put32(out + 14, lastLeaf);
    Put32(out + 18, freeHead);
    Put16(out + 22, height);
    std::uint32_t parity = 0;
    for (int i = 0; i < 24; i += 2)
        parity ^= Get16(out + i);
    Put16(out + 24, parity);
    Put16(out + 26, 300);
    Put32(out + 28, counter);
    Put32(out + 32, balance);
}

bool ControlRecord::Load(const std::uint8_t* in)
{
    std::uint32_t parity = 0;
    for (int i = 0; i < 26; i += 2)
        parity ^= Get16(in + i);
    if (parity != 0)
        return false;
    blockSize = Get16(in + 0);
    root = Get32(in + 2);
    highest = Get32(in + 6);
    firstLeaf = Get32(in + 10);
    lastLeaf = Get32(in + 14);
    freeHead = Get32(in + 18);
    height = Get16(in + 22);
    counter = Get32(in + 28);
    balance = Get32(in + 32);
    return true;
}

bool ControlRecord::Plausible() const
{
    auto inFile = [this](std::int32_t b) { return b >= 0 && b <= highest; };
    if (highest < 0 || !inFile(root) || !inFile(firstLeaf) || !inFile(lastLeaf) ||
        !inFile(freeHead) || height > static_cast<std::uint32_t>(kMaxHeight))
        return false;
    if (static_cast<long long>(highest + 1LL) * blockSize > 0x80000000LL)
        return false;
    if (root == 0)
        return height == 0 && firstLeaf == 0 && lastLeaf == 0;
    return height > 0 && firstLeaf > 0 && lastLeaf > 0;
}

namespace BtImpl {

void NoteReleaseFailure(int code)
{
    if (g_deferredError == 0)
        g_deferredError = code;
}

BTreeHandle* CheckHandle(BTreeHandle* handle)
{
    if (handle && std::find(g_handles.begin(), g_handles.end(), handle) != g_handles.end())
        return handle;
    KYDB_BT_FAIL(kCbtBadHandle);
    return nullptr;
}

std::vector<BTreeHandle*> HandlesOf(BTreeFile* f)
{
    std::vector<BTreeHandle*> out;
    for (BTreeHandle* h : g_handles)
        if (h->file == f)
            out.push_back(h);
    return out;
}

int AcquireShared(BTreeFile* f)
{
    if (f->byteHeld || f->excl != ExclMode::None)
        return 1;
    const std::uint32_t area = f->bs - kControlSize;
    const int rounds = std::max(1, g_retry.tries);
    for (int round = 0; round < rounds; ++round) {
        for (std::uint32_t i = 0; i < area; ++i) {
            std::uint32_t b = kControlSize + (f->lockByte - kControlSize + i) % area;
            if (FileAccess().Lock(f->fh, static_cast<std::int32_t>(b), 1, 1, 0, 0) == 1) {
                f->lockByte = static_cast<std::int32_t>(b);
                f->byteHeld = true;
                return 1;
            }
        }
        if (round + 1 < rounds)
            FileAccess().Sleep(static_cast<std::uint32_t>(g_retry.pauseMs));
    }
    return -1;
}

// The whole lock area, or, for a holder of a shared byte, the two ranges
// beside it (a failed second range gives the first back before a retry).
int AcquireExclusive(BTreeFile* f, const LockRetrySet& retry, int sideAttempts)
{
    if (f->excl != ExclMode::None)
        return 1;
    if (!f->byteHeld) {
        if (LockRange(f, kControlSize, f->bs, retry.tries, retry.pauseMs, retry.giveUpMs) != 1)
            return -1;
        f->excl = ExclMode::Whole;
        return 1;
    }
    const auto b = static_cast<std::uint32_t>(f->lockByte);
    for (int attempt = 0; attempt < sideAttempts; ++attempt) {
        if (attempt > 0)
            FileAccess().Sleep(static_cast<std::uint32_t>(retry.pauseMs));
        if (LockRange(f, kControlSize, b, 1, 0, 0) != 1)
            continue;
        if (LockRange(f, b + 1, f->bs, 1, 0, 0) != 1) {
            UnlockRange(f, kControlSize, b);
            continue;
        }
        f->excl = ExclMode::Sides;
        return 1;
    }
    return -1;
}

int SyncLocks(BTreeFile* f)
{
    if (!f->shared)
        return 1;
    bool needExclusive = f->explicitExclusive || f->opExclusive;
    bool needShared = f->explicitShared || f->opShared;
    int rc = 1;
    if (!needExclusive && f->excl != ExclMode::None) {
        bool ok;
        if (f->excl == ExclMode::Whole) {
            ok = UnlockRange(f, kControlSize, f->bs) == 1;
        } else {
            const auto b = static_cast<std::uint32_t>(f->lockByte);
            ok = UnlockRange(f, kControlSize, b) == 1;
            ok = UnlockRange(f, b + 1, f->bs) == 1 && ok;
        }
        f->excl = ExclMode::None;
        if (!ok)
            rc = KYDB_BT_FAIL(kCbtUnlock);
    }
    if (!needExclusive && !needShared && f->byteHeld) {
        f->byteHeld = false;
        if (UnlockRange(f, f->lockByte, f->lockByte + 1) != 1)
            rc = KYDB_BT_FAIL(kCbtUnlock);
    }
    if (!f->byteHeld && f->excl == ExclMode::None)
        f->current = false;
    if (needShared && !f->byteHeld && f->excl == ExclMode::None) {
        // An explicit shared lock outlives the exclusive one it was held under.
        if (AcquireShared(f) != 1) {
            f->explicitShared = false;
            rc = KYDB_BT_FAIL(kCbtLock);
        }
    }
    return rc;
}

int WriteBack(BTreeFile* f)
{
    std::uint8_t buf[kControlSize];
    f->cr.blockSize = f->bs;
    f->cr.Store(buf);
    bool ok = FileAccess().WriteAt(f->fh, 0, kControlSize, buf) == 1;
    if (PoolFlushFile(f->pool) != 1)
        ok = false;
    if (!ok)
        return -1;
    f->controlDirty = false;
    return 1;
}

int BeginOp(OpFrame& op, BTreeFile* f, bool write)
{
    op.file = f;
    op.write = write;
    g_deferredError = 0;
    if (!f->shared)
        return 1;
    if (write) {
        if (f->excl == ExclMode::None) {
            f->opExclusive = true;
            op.tookExclusive = true;
            if (AcquireExclusive(f, g_retry, kSideAttempts) != 1) {
                f->opExclusive = false;
                op.tookExclusive = false;
                SyncLocks(f);
                return KYDB_BT_FAIL(kCbtLock);
            }
        }
    } else if (!f->byteHeld && f->excl == ExclMode::None) {
        f->opShared = true;
        op.tookShared = true;
        if (AcquireShared(f) != 1) {
            f->opShared = false;
            op.tookShared = false;
            SyncLocks(f);
            return KYDB_BT_FAIL(kCbtLock);
        }
    }
    if (f->current)
        return 1;
    ControlRecord cr;
    if (ReadControl(f, cr, kCbtGetBlock) != 1) {
        int error = CbtError();
        EndOp(op, -1);
        return Fail(error);
    }
    bool purgeFailed = false;
    if (cr.counter != f->cr.counter) {
        // Another process changed the file: every cached block may be stale.
        purgeFailed = PoolPurgeFile(f->pool) != 1;
        f->cr = cr;
        f->controlDirty = false;
    }
    f->current = true;
    if (purgeFailed) {
        EndOp(op, -1);
        return KYDB_BT_FAIL(kCbtPurgeBlock);
    }
    return 1;
}

int EndOp(OpFrame& op, int result)
{
    BTreeFile* f = op.file;
    int error = CbtError();
    if (result >= 0 && g_deferredError != 0) {
        result = -1;
        error = g_deferredError;
    }
    if (op.write && op.changed) {
        ++f->cr.counter;
        f->controlDirty = true;
        if (!f->explicitExclusive && WriteBack(f) != 1 && result >= 0) {
            result = -1;
            error = kCbtFlush;
        }
    }
    if (op.tookShared)
        f->opShared = false;
    if (op.tookExclusive)
        f->opExclusive = false;
    if (op.tookShared || op.tookExclusive) {
        if (SyncLocks(f) != 1 && result >= 0) {
            result = -1;
            error = CbtError();
        }
    }
    op.tookShared = op.tookExclusive = false;
    g_deferredError = 0;
    if (result == -1 && CbtError() != error)
        Fail(error);
    return result;
}

std::uint8_t* GetNode(BTreeFile* f, std::int32_t block, BtNode::Expect expect)
{
    if (block <= 0 || block > f->cr.highest) {
        KYDB_BT_FAIL(kCbtCorrupt);
        return nullptr;
    }
    std::uint8_t* d = PoolGetBlock(f->pool, block);
    if (!d) {
        KYDB_BT_FAIL(kCbtGetBlock);
        return nullptr;
    }
    // A node checked before and unchanged since is sound within the file as
    // it was then, and the file only grows: only its kind is looked at again.
    bool sound;
    if (PoolBlockChecked(d)) {
        const bool leaf = BtNode::Get32(d) == BtNode::kLeafMark;
        sound = !(expect == BtNode::Expect::Leaf && !leaf) &&
                !(expect == BtNode::Expect::Inner && leaf);
    } else {
        sound = BtNode::Validate(d, f->bs, f->cr.highest, expect);
        if (sound)
            PoolMarkChecked(d);
    }
    if (!sound) {
        PoolReleaseBlock(f->pool, d, ReleaseMode::Unchanged);
        KYDB_BT_FAIL(kCbtCorrupt);
        return nullptr;
    }
    return d;
}

void Release(BTreeFile* f, std::uint8_t* data, ReleaseMode mode)
{
    if (PoolReleaseBlock(f->pool, data, mode) != 1)
        NoteReleaseFailure(mode == ReleaseMode::WriteNow ? kCbtPutBlock : kCbtReleaseBlock);
}

void ReleaseNew(BTreeFile* f, std::uint8_t* data, bool appended)
{
    Release(f, data, appended ? ReleaseMode::WriteNow : ReleaseMode::Changed);
}

} // namespace BtImpl

LockRetrySet& BtLockRetrySet()
{
    return g_retry;
}

BTreeHandle* BtCreate(const char* name, BtCompareFn compare, void* context, unsigned blockSize)
{
    StartOp("BtCreate");
    BlockPool* pool = ThePool();
    if (!pool) {
        KYDB_BT_FAIL(kCbtNoPool);
        return nullptr;
    }
    std::uint32_t bs = blockSize == 0 ? kDefaultBlockSize : std::max(blockSize, kMinBlockSize);
    if (bs > kMaxBlockSize || PoolBlockSize(pool) < bs) {
        KYDB_BT_FAIL(kCbtBlockSize);
        return nullptr;
    }
    if (!name || FindFile(name)) {
        KYDB_BT_FAIL(kCbtCannotCreate);
        return nullptr;
    }
    FileAccess().Delete(name);
    FileHandle fh = FileAccess().Create(name);
    if (fh == kNoFile) {
        KYDB_BT_FAIL(kCbtCannotCreate);
        return nullptr;
    }
    std::vector<std::uint8_t> block0(bs, 0);
    ControlRecord cr;
    cr.blockSize = bs;
    cr.Store(block0.data());
    bool written = FileAccess().WriteAt(fh, 0, bs, block0.data()) == 1;
    FileAccess().Close(fh);
    if (!written) {
        // A half-written file is of no use to anyone.
        FileAccess().Delete(name);
        KYDB_BT_FAIL(kCbtPutBlock);
        return nullptr;
    }
    return BtOpen(name, compare, context, false, false);
}

BTreeHandle* BtOpen(const char* name, BtCompareFn compare, void* context, bool shared,
                    bool readOnly)
{
    StartOp("BtOpen");
    BlockPool* pool = ThePool();
    if (!pool) {
        KYDB_BT_FAIL(kCbtNoPool);
        return nullptr;
    }
    if (!name) {
        KYDB_BT_FAIL(kCbtCannotOpen);
        return nullptr;
    }
    if (BTreeFile* f = FindFile(name)) {
        if (f->shared != shared) {
            KYDB_BT_FAIL(kCbtShareConflict);
            return nullptr;
        }
        OpFrame op;
        if (BeginOp(op, f, false) != 1 || EndOp(op, 1) != 1)
            return nullptr;
        return NewHandle(f, compare, context, readOnly);
    }
    PoolFile* pf = PoolOpenFile(name, pool, !readOnly, shared);
    if (!pf) {
        Fail(PoolError() == kPoolBlockTooBig ? kCbtBlockSize : kCbtCannotOpen);
        return nullptr;
    }
    auto* f = new (std::nothrow) BTreeFile();
    if (!f) {
        PoolCloseFile(pf);
        KYDB_BT_FAIL(kCbtNoMemory);
        return nullptr;
    }
    f->name = name;
    f->shared = shared;
    f->writable = !readOnly;
    f->pool = pf;
    f->fh = PoolFileHandle(pf);
    f->bs = PoolFileBlockSize(pf);
    int rc;
    if (f->bs < kMinBlockSize || f->bs > PoolBlockSize(pool)) {
        rc = KYDB_BT_FAIL(kCbtBlockSize);
    } else {
        // The first look at the control record, under a shared lock on a shared file.
        f->opShared = true;
        rc = f->shared && AcquireShared(f) != 1 ? KYDB_BT_FAIL(kCbtLock) : 1;
        if (rc == 1)
            rc = ReadControl(f, f->cr, kCbtCannotOpen);
        f->opShared = false;
        int error = CbtError();
        if (SyncLocks(f) != 1 && rc == 1)
            rc = -1;
        else
            SetError(error);
    }
    if (rc != 1) {
        int error = CbtError();
        f->explicitShared = f->explicitExclusive = false;
        SyncLocks(f);
        PoolCloseFile(pf);
        delete f;
        Fail(error);
        return nullptr;
    }
    if (!shared)
        f->current = true;
    g_files.push_back(f);
    BTreeHandle* h = NewHandle(f, compare, context, readOnly);
    if (!h) {
        g_files.pop_back();
        PoolCloseFile(pf);
        delete f;
        KYDB_BT_FAIL(kCbtNoMemory);
    }
    return h;
}

int BtClose(BTreeHandle* handle)
{
    StartOp("BtClose");
    if (!CheckHandle(handle))
        return -1;
    return CloseOne(handle);
}

int BtCloseAll()
{
    StartOp("BtCloseAll");
    BlockPool* pool = ThePool();
    if (!pool)
        return KYDB_BT_FAIL(kCbtNoPool);
    int rc = 1;
    int error = kCbtOk;
    while (!g_handles.empty()) {
        if (CloseOne(g_handles.back()) != 1 && rc == 1) {
            rc = -1;
            error = CbtError();
        }
    }
    if (PoolDestroy(pool) != 1 && rc == 1) {
        rc = -1;
        error = kCbtPoolError;
    }
    if (rc != 1)
        Fail(error);
    return rc;
}

int BtLock(BTreeHandle* handle, int kind)
{
    StartOp("BtLock");
    if (!CheckHandle(handle))
        return -1;
    BTreeFile* f = handle->file;
    if (kind != kBtShared && kind != kBtExclusive) {
        KYDB_BT_FAIL(kCbtLock);
        return kBtLockRefused;
    }
    if (kind == kBtShared) {
        if (f->explicitShared)
            return 1;
        if (f->shared && AcquireShared(f) != 1) {
            KYDB_BT_FAIL(kCbtLock);
            return kBtLockRefused;
        }
        f->explicitShared = true;
        return 1;
    }
    if (f->explicitExclusive)
        return 1;
    if (f->shared && AcquireExclusive(f, g_retry, kSideAttempts) != 1) {
        KYDB_BT_FAIL(kCbtLock);
        return kBtLockRefused;
    }
    f->explicitExclusive = true;
    return 1;
}

int BtUnlock(BTreeHandle* handle, int kind)
{
    StartOp("BtUnlock");
    if (!CheckHandle(handle))
        return -1;
    BTreeFile* f = handle->file;
    if (kind == kBtShared) {
        if (!f->explicitShared)
            return 1;
        f->explicitShared = false;
        return SyncLocks(f);
    }
    if (kind != kBtExclusive)
        return KYDB_BT_FAIL(kCbtUnlock);
    if (!f->explicitExclusive)
        return 1;
    // Changes held back under the explicit lock go out before it is given up.
    int rc = 1;
    if (HasPendingChanges(f) && WriteBack(f) != 1)
        rc = KYDB_BT_FAIL(kCbtFlush);
    f->explicitExclusive = false;
    if (SyncLocks(f) != 1)
        rc = -1;
    return rc;
}

int BtFlush(BTreeHandle* handle)
{
    StartOp("BtFlush");
    if (!CheckHandle(handle))
        return -1;
    return FlushPending(handle->file);
}

std::uint32_t BtBlockSize(BTreeHandle* handle)
{
    return handle && std::find(g_handles.begin(), g_handles.end(), handle) != g_handles.end()
               ? handle->file->bs
               : 0;
}

} // namespace Kyvant
