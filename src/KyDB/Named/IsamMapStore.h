// The record-engine side of the named-item maps: opening (or creating) a
// table of name and value records with its unique name index, walking,
// finding, writing and deleting records. Failures raise KyIsam::DbError
// naming the table's base path (the path without extension).
#pragma once

#include "KyDB/KyDBExport.h"
#include "KyStd/Strings/String.h"

#include <cstdint>

namespace Kyvant {

struct IsamDatabase;
struct IsamIndex;

namespace IsamMapStore {

// Fields and unique index of every table.
constexpr const char* kKeyField = "key";
constexpr const char* kValueField = "value,C";
constexpr const char* kKeyIndex = "keys,U";

// A record holds at most this many characters of name and value together.
constexpr unsigned kMaxItemChars = 0x7DFF;

// Fills a table that was just created, given open and unshared.
using FillFn = void (*)(IsamDatabase* table, IsamIndex* index, const ky_S& basePath);

// Opens the table, creating it (and calling fill) only when its record file
// does not exist. Never deletes an existing file.
KYDB_API void OpenTable(const ky_S& basePath, FillFn fill, IsamDatabase*& table, IsamIndex*& index);
KYDB_API void CloseTable(IsamDatabase* table);

// Adds or updates the record of the name (found without regard to case)
// under an exclusive lock, then flushes.
KYDB_API void WriteRecord(IsamDatabase* table, IsamIndex* index, const ky_S& basePath,
                          const ky_BSB<char>& name, const ky_BSB<char>& value);
// Adds a record to a table being filled (no lock, no flush).
KYDB_API void AddRecord(IsamDatabase* table, IsamIndex* index, const ky_S& basePath,
                        const ky_BSB<char>& name, const ky_BSB<char>& value);
// Deletes the record stored under the name under an exclusive lock, then flushes.
KYDB_API void DeleteRecord(IsamDatabase* table, IsamIndex* index, const ky_S& basePath,
                           const ky_BSB<char>& name);

// Called with each record's name and value text.
using RecordFn = void (*)(void* context, const char* name, const char* value);

// Every record in name order under a shared lock.
KYDB_API void WalkTable(IsamDatabase* table, IsamIndex* index, const ky_S& basePath, RecordFn take,
                        void* context);
// The one record of the name under a shared lock; false when there is none.
KYDB_API bool FindRecord(IsamDatabase* table, IsamIndex* index, const ky_S& basePath,
                         const ky_BSB<char>& name, RecordFn take, void* context);

// The full name of the open table's record file; empty when none is open.
KYDB_API ky_S TableFileName(IsamDatabase* table);

} // namespace IsamMapStore
} // namespace Kyvant
