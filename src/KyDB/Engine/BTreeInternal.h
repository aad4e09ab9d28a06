// In-memory state of the B-tree layer shared by its source files: open
// files, handles with their positions, the control record and the operation
// frame that takes locks and writes changes back.
#pragma once

#include "KyDB/Engine/BlockPool.h"
#include "KyDB/Engine/BTree.h"
#include "KyDB/Engine/BTreeNode.h"

#include <cstdint>
#include <string>
#include <vector>

namespace Kyvant {

constexpr std::uint32_t kControlSize = 36;
constexpr std::uint32_t kMinBlockSize = 92;
constexpr std::uint32_t kDefaultBlockSize = 512;
constexpr std::uint32_t kMaxBlockSize = 0xFFFF;
constexpr std::uint32_t kKeyReserve = 28; // a key may take the block size minus this
constexpr int kMaxHeight = 64;

struct ControlRecord {
    std::uint32_t blockSize = 0;
    std::int32_t root = 0;
    std::int32_t highest = 0;
    std::int32_t firstLeaf = 0;
    std::int32_t lastLeaf = 0;
    std::int32_t freeHead = 0;
    std::uint32_t height = 0;
    std::int32_t counter = 0;
    std::int32_t balance = 0; // +1 per insert, -1 per delete; written, never read

    void Store(std::uint8_t* out) const; // 36 bytes, parity recomputed
    // Reads 36 bytes; false when the parity word does not match.
    bool Load(const std::uint8_t* in);
    // Every link inside the file and the height plausible.
    bool Plausible() const;
};

struct BtPosition {
    std::int32_t block = 0;
    int slot = 0;
    int state = kBtBeforeFirst; // 1 on an entry, -2 not positioned, -3 past the end
    std::vector<std::uint8_t> key;
    std::uint32_t keyLength = 0;
    std::int32_t item = 0;
    std::int32_t counter = 0;
};

enum class ExclMode { None, Whole, Sides };

struct BTreeFile {
    std::string name;
    ControlRecord cr;
    int handles = 0;
    bool shared = false;
    bool writable = false;
    PoolFile* pool = nullptr;
    FileHandle fh = kNoFile;
    std::uint32_t bs = 0;

    // Byte-range locks actually held.
    bool byteHeld = false;
    std::int32_t lockByte = kControlSize;
    ExclMode excl = ExclMode::None;
    // Why they are held: explicit (BtLock) and by the running operation.
    bool explicitShared = false;
    bool explicitExclusive = false;
    bool opShared = false;
    bool opExclusive = false;
    // The control record was read while a lock has been held ever since.
    bool current = false;
    // The in-memory control record differs from the file's.
    bool controlDirty = false;
};

struct BTreeHandle {
    BTreeFile* file = nullptr;
    BtCompareFn compare = nullptr;
    void* context = nullptr;
    bool readOnly = false;
    BtPosition cur;
    BtPosition mark;
};

namespace BtImpl {

// Error state of the layer; FailAt also records where the failure arose,
// for diagnosis (CbtErrorPlace: file number x 10000 + line).
int Fail(int code);
int FailAt(int code, int place);
void SetError(int code);
// Clears the error at the start of a public operation and names it for diagnosis.
void StartOp(const char* operation);
#define KYDB_BT_FAIL(code) ::Kyvant::BtImpl::FailAt((code), kPlaceFile * 10000 + __LINE__)

BTreeHandle* CheckHandle(BTreeHandle* handle); // null and error 19 when unknown

// Compares two keys with the handle's function (or the default one).
int CompareKeys(const BTreeHandle* h, const std::uint8_t* a, std::uint32_t al,
                const std::uint8_t* b, std::uint32_t bl);
int DefaultCompare(const std::uint8_t* a, std::uint32_t al, const std::uint8_t* b, std::uint32_t bl,
                   void* context);

// Locks of an operation: what it took itself is released by EndOp.
struct OpFrame {
    BTreeFile* file = nullptr;
    bool write = false;
    bool tookShared = false;
    bool tookExclusive = false;
    bool changed = false;
};

// A block that could not be released (8 for a failed immediate write, 9
// otherwise) is remembered and fails the operation at its end, after the
// change it belongs to has been completed in memory.
void NoteReleaseFailure(int code);

// Takes the lock the operation needs and makes the control record current.
int BeginOp(OpFrame& op, BTreeFile* file, bool write);
// Counts and writes back a change, releases what BeginOp took; `result` is
// returned unless the end itself fails.
int EndOp(OpFrame& op, int result);

int AcquireShared(BTreeFile* f);
int AcquireExclusive(BTreeFile* f, const LockRetrySet& retry, int sideAttempts);
// Drops locks no longer wanted by explicit or operation holders.
int SyncLocks(BTreeFile* f);
// Writes the control record and the changed blocks, then flushes.
int WriteBack(BTreeFile* f);

// Pinned, validated node; null with error set (6 or 25).
std::uint8_t* GetNode(BTreeFile* f, std::int32_t block, BtNode::Expect expect);
void Release(BTreeFile* f, std::uint8_t* data, ReleaseMode mode);
// A node just allocated: written at once when appended to the file.
void ReleaseNew(BTreeFile* f, std::uint8_t* data, bool appended);

// Every handle on the file (for keeping positions in step).
std::vector<BTreeHandle*> HandlesOf(BTreeFile* f);

} // namespace BtImpl
} // namespace Kyvant
