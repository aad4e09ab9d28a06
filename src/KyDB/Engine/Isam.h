// The ISAM record layer: databases made of a record file (.db) with a field
// dictionary and variable-length records, and an index file (.idx) holding
// the index definitions, the keys of every index and the free-space lists.
#pragma once

#include "KyDB/Engine/FileAccess.h"
#include "KyDB/KyDBExport.h"

#include <cstdint>

namespace Kyvant {

struct IsamDatabase;
struct IsamIndex;

// IsamError numbers reported by the operations below.
enum IsamErrorCode {
    kIsamOk = 0,
    kIsamBadDatabase = 1,
    kIsamBadIndex = 2,
    kIsamInUse = 3,
    kIsamNoCurrent = 4,
    kIsamNoMemory = 5,
    kIsamNotAllowed = 6,
    kIsamIo = 7,
    kIsamUnknownIndex = 8,
    kIsamCbt = 9, // the B-tree layer failed; CbtError() says why
    kIsamFileNotFound = 10,
    kIsamKeyTooLong = 11,
    kIsamIndexDamaged = 12,
    kIsamTooManyIndexes = 13,
    kIsamBadFileName = 16,
    kIsamDuplicateIndex = 17,
    kIsamUnknownField = 18,
    kIsamBlockTooBig = 20,
    kIsamInitTwice = 22,
    kIsamLock = 26,
    kIsamUnlock = 27,
    kIsamAlreadyLocked = 28,
    kIsamDataTooLarge = 30,
    kIsamReadOnly = 31,
    kIsamMustBeUnshared = 32,
    kIsamBufferTooSmall = 34,
    kIsamNullArgument = 35,
};

// Results besides 1 and -1.
constexpr int kIsamFound = 2;
constexpr int kIsamGreater = 3;
constexpr int kIsamPastEnd = -3;
constexpr int kIsamLockRefused = -4;

enum IsamLockKind { kIsamShared = 1, kIsamExclusive = 2 };

// The name of the built-in index that visits records in file order.
constexpr const char* kPhysicalIndex = "Physical Index";

KYDB_API int IsamInit(int blocks, int blockSize);
KYDB_API int IsamShutdown();

// `fields`: NULL-terminated list of field specifications ("name" or "name,T").
KYDB_API IsamDatabase* IsamCreate(const char* baseName, unsigned indexBlockSize,
                                  const char* const* fields);
KYDB_API IsamDatabase* IsamOpen(const char* baseName, bool shared, bool readOnly);
KYDB_API int IsamClose(IsamDatabase* db);
KYDB_API int IsamFlush(IsamDatabase* db);

KYDB_API const char* IsamFileName(IsamDatabase* db);
// NULL-terminated lists in a buffer of the engine, valid until the next such call.
KYDB_API const char* const* IsamFieldNames(IsamDatabase* db);
KYDB_API const char* const* IsamIndexNames(IsamDatabase* db);
KYDB_API const char* const* IsamIndexParts(IsamDatabase* db, IsamIndex* index);

KYDB_API IsamIndex* IsamOpenIndex(IsamDatabase* db, const char* name);
// `parts`: NULL-terminated list of "field", "field:length" or "field:start,length".
KYDB_API int IsamAddIndex(IsamDatabase* db, const char* name, const char* const* parts);
KYDB_API int IsamDeleteIndex(IsamDatabase* db, const char* name);

// Field values are given per field number: a NUL-terminated string for
// string fields, else a pointer to the value's bytes (little-endian numbers).
KYDB_API int IsamFind(IsamDatabase* db, IsamIndex* index, const char* const* values);
KYDB_API int IsamFirst(IsamDatabase* db, IsamIndex* index);
KYDB_API int IsamNext(IsamDatabase* db, IsamIndex* index);
KYDB_API int IsamRecordLength(IsamDatabase* db, IsamIndex* index, std::uint32_t* length);
// Reads the current record into `buffer` and points fields[i] at each field's value.
KYDB_API int IsamReadRecord(IsamDatabase* db, IsamIndex* index, void* buffer, std::uint32_t size,
                            char** fields);
KYDB_API int IsamAddRecord(IsamDatabase* db, const char* const* values, IsamIndex* index);
KYDB_API int IsamUpdateRecord(IsamDatabase* db, IsamIndex* index, const char* const* values);
KYDB_API int IsamDeleteRecord(IsamDatabase* db, IsamIndex* index);

KYDB_API int IsamLock(IsamDatabase* db, int kind);
KYDB_API int IsamUnlock(IsamDatabase* db, int kind);

KYDB_API int IsamError();
KYDB_API void IsamSetError(int code);
KYDB_API const char* IsamErrorText(int code);

// The record layer's lock retry set {250, 50, 10000}.
KYDB_API LockRetrySet& IsamLockRetrySet();

} // namespace Kyvant
