// The B-tree index layer: one B+-tree of variable-length keys, each with a
// 32-bit item, per index file, shared between processes through byte-range
// locks in block 0 and a change counter in the control record.
#pragma once

#include "KyDB/Engine/FileAccess.h"
#include "KyDB/KyDBExport.h"

#include <cstdint>

namespace Kyvant {

struct BTreeHandle;

// Orders two keys: negative, 0 or positive. `context` is the value given at
// open; the default (null function) compares bytes case-insensitively over the
// shorter length, the shorter key first on a tie.
using BtCompareFn = int (*)(const std::uint8_t* a, std::uint32_t aLength, const std::uint8_t* b,
                            std::uint32_t bLength, void* context);

// Results besides 1 and -1.
constexpr int kBtFound = 2;   // BtFind: the key found equals the one sought
constexpr int kBtGreater = 3; // BtFind: the key found is greater
constexpr int kBtBeforeFirst = -2;
constexpr int kBtPastEnd = -3;
constexpr int kBtLockRefused = -4;

enum BtLockKind { kBtShared = 1, kBtExclusive = 2 };

// CbtError numbers.
enum CbtErrorCode {
    kCbtOk = 0,
    kCbtCannotCreate = 1,
    kCbtCannotOpen = 2,
    kCbtNoPool = 3,
    kCbtPoolError = 4,
    kCbtNoMemory = 5,
    kCbtGetBlock = 6,
    kCbtEmptyBlock = 7,
    kCbtPutBlock = 8,
    kCbtReleaseBlock = 9,
    kCbtPurgeBlock = 10,
    kCbtFlush = 11,
    kCbtCloseFile = 12,
    kCbtParity = 16,
    kCbtBlockSize = 17,
    kCbtBadFile = 18,
    kCbtBadHandle = 19,
    kCbtKeyLength = 21,
    kCbtDuplicateKey = 22,
    kCbtDuplicatePair = 23,
    kCbtEmptyTree = 24,
    kCbtCorrupt = 25,
    kCbtNotFound = 26,
    kCbtShareConflict = 28,
    kCbtLock = 29,
    kCbtUnlock = 30,
    kCbtDeletedByOther = 31,
    kCbtReadOnly = 32,
};

KYDB_API BTreeHandle* BtCreate(const char* name, BtCompareFn compare, void* context,
                               unsigned blockSize);
KYDB_API BTreeHandle* BtOpen(const char* name, BtCompareFn compare, void* context, bool shared,
                             bool readOnly);
KYDB_API int BtClose(BTreeHandle* handle);
KYDB_API int BtCloseAll();

KYDB_API int BtInsert(BTreeHandle* handle, const void* key, std::uint32_t length, std::int32_t item,
                      bool duplicates);
KYDB_API int BtDelete(BTreeHandle* handle, const void* key, std::uint32_t length,
                      std::int32_t item);
KYDB_API int BtReplaceKey(BTreeHandle* handle, const void* oldKey, std::uint32_t oldLength,
                          std::int32_t oldItem, const void* newKey, std::uint32_t newLength,
                          std::int32_t newItem, bool duplicates);

// Positions at the first entry not less than (key, *item); 2, 3 or -3.
KYDB_API int BtFind(BTreeHandle* handle, const void* key, std::uint32_t length, std::int32_t* item);
KYDB_API int BtFirst(BTreeHandle* handle);
KYDB_API int BtLast(BTreeHandle* handle);
KYDB_API int BtNext(BTreeHandle* handle, std::int32_t* item);
KYDB_API int BtPrevious(BTreeHandle* handle, std::int32_t* item);
// Copies at most `size` bytes of the current key.
KYDB_API int BtCurrentKey(BTreeHandle* handle, void* buffer, std::uint32_t size);
KYDB_API int BtCurrentKeyLength(BTreeHandle* handle, std::uint32_t* length);
KYDB_API int BtCurrentItem(BTreeHandle* handle, std::int32_t* item);

KYDB_API int BtLock(BTreeHandle* handle, int kind);
KYDB_API int BtUnlock(BTreeHandle* handle, int kind);
KYDB_API int BtFlush(BTreeHandle* handle);

// The layer's lock retry set {250, 50, 10000}; the shared lock uses its tries as
// rounds over the lock area and its pause between rounds.
KYDB_API LockRetrySet& BtLockRetrySet();

KYDB_API int CbtError();
// The operation and the source place of the last failure, for diagnosis only.
KYDB_API const char* CbtErrorOperation();
KYDB_API int CbtErrorPlace();
KYDB_API void CbtSetError(int code);
KYDB_API const char* BtErrorText(int code);

// The block size of the handle's file, or 0 for an unknown handle.
KYDB_API std::uint32_t BtBlockSize(BTreeHandle* handle);

} // namespace Kyvant
