// Reading and writing the records of a named-item table.
#include "KyDB/Named/IsamMapStore.h"

#include "KyDB/Engine/DbError.h"
#include "KyDB/Engine/Isam.h"
#include "KyStd/Core/Errors.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace Kyvant {
namespace IsamMapStore {

namespace {

using KyIsam::DbError;

std::string ItemOperation(const char* operation, const ky_BSB<char>& name)
{
    return std::string(operation) + ": \"" + name.c_str() + "\"";
}

// Holds a table lock for a scope. A failure to lock raises DbError with the
// operation "Lock"; a failure to unlock is ignored (the lock goes with the
// table's close at the latest).
class TableLock {
public:
    TableLock(IsamDatabase* table, const ky_S& basePath, int kind) : m_table(table), m_kind(kind)
    {
        if (IsamLock(table, kind) != 1)
            throw DbError(basePath.c_str(), "Lock");
    }
    ~TableLock() { IsamUnlock(m_table, m_kind); }
    TableLock(const TableLock&) = delete;
    TableLock& operator=(const TableLock&) = delete;

private:
    IsamDatabase* m_table;
    int m_kind;
};

// Reads the current record into a buffer kept for the reader's life. The
// buffer grows to twice its size or the record's length, whichever is
// larger, while under 0x3FFF bytes, else to the record's length.
class RecordReader {
public:
    RecordReader() : m_buffer(nullptr), m_size(0), m_fields{nullptr, nullptr} { Grow(1024); }
    ~RecordReader() { std::free(m_buffer); }
    RecordReader(const RecordReader&) = delete;
    RecordReader& operator=(const RecordReader&) = delete;

    void Read(IsamDatabase* table, IsamIndex* index, const ky_S& basePath)
    {
        int rc = IsamReadRecord(table, index, m_buffer, m_size, m_fields);
        if (rc != 1 && IsamError() == kIsamBufferTooSmall) {
            std::uint32_t length = 0;
            if (IsamRecordLength(table, index, &length) != 1)
                throw DbError(basePath.c_str(), "Error loading");
            Grow(length);
            rc = IsamReadRecord(table, index, m_buffer, m_size, m_fields);
        }
        if (rc != 1 || !m_fields[0] || !m_fields[1])
            throw DbError(basePath.c_str(), "Error loading");
    }
    const char* Name() const { return m_fields[0]; }
    const char* Value() const { return m_fields[1]; }

private:
    void Grow(std::uint32_t length)
    {
        std::uint32_t size = m_size < 0x3FFF ? std::max(2 * m_size, length) : length;
        void* p = std::realloc(m_buffer, size);
        if (!p && size != length)
            p = std::realloc(m_buffer, size = length);
        if (!p)
            ThrowBadAlloc();
        m_buffer = static_cast<char*>(p);
        m_size = size;
    }

    char* m_buffer;
    std::uint32_t m_size;
    char* m_fields[2];
};

bool HoldsNul(const ky_BSB<char>& text)
{
    return std::char_traits<char>::find(text.data(), text.length(), '\0') != nullptr;
}

void CheckStorable(const ky_S& basePath, const ky_BSB<char>& name, const ky_BSB<char>& value)
{
    if (HoldsNul(name) || HoldsNul(value))
        throw std::runtime_error("The item \"" + std::string(name.c_str()) +
                                 "\" cannot be stored: it contains a NUL character");
    if (name.length() + value.length() > kMaxItemChars) {
        IsamSetError(kIsamBufferTooSmall);
        throw DbError(basePath.c_str(), ItemOperation("The item is too large", name));
    }
}

} // namespace

void WriteRecord(IsamDatabase* table, IsamIndex* index, const ky_S& basePath,
                 const ky_BSB<char>& name, const ky_BSB<char>& value)
{
    CheckStorable(basePath, name, value);
    TableLock lock(table, basePath, kIsamExclusive);
    const char* fields[2] = {name.c_str(), value.c_str()};
    const int found = IsamFind(table, index, fields);
    const bool update = found == kIsamFound;
    const char* operation = update ? "Record update" : "Record addition";
    if (found == -1)
        throw DbError(basePath.c_str(), ItemOperation(operation, name));
    int rc = update ? IsamUpdateRecord(table, index, fields) : IsamAddRecord(table, fields, index);
    if (rc != 1 || IsamFlush(table) != 1)
        throw DbError(basePath.c_str(), ItemOperation(operation, name));
}

void AddRecord(IsamDatabase* table, IsamIndex* index, const ky_S& basePath,
               const ky_BSB<char>& name, const ky_BSB<char>& value)
{
    CheckStorable(basePath, name, value);
    const char* fields[2] = {name.c_str(), value.c_str()};
    if (IsamAddRecord(table, fields, index) != 1)
        throw DbError(basePath.c_str(), ItemOperation("Record addition", name));
}

void DeleteRecord(IsamDatabase* table, IsamIndex* index, const ky_S& basePath,
                  const ky_BSB<char>& name)
{
    TableLock lock(table, basePath, kIsamExclusive);
    const char* fields[2] = {name.c_str(), ""};
    if (IsamFind(table, index, fields) != kIsamFound)
        throw DbError(basePath.c_str(), ItemOperation("Record set", name));
    if (IsamDeleteRecord(table, index) != 1 || IsamFlush(table) != 1)
        throw DbError(basePath.c_str(), ItemOperation("Record deletion", name));
}

void WalkTable(IsamDatabase* table, IsamIndex* index, const ky_S& basePath, RecordFn take,
               void* context)
{
    TableLock lock(table, basePath, kIsamShared);
    RecordReader reader;
    int rc = IsamFirst(table, index);
    while (rc == 1) {
        reader.Read(table, index, basePath);
        take(context, reader.Name(), reader.Value());
        rc = IsamNext(table, index);
    }
    if (rc != kIsamPastEnd)
        throw DbError(basePath.c_str(), "Error loading");
}

bool FindRecord(IsamDatabase* table, IsamIndex* index, const ky_S& basePath,
                const ky_BSB<char>& name, RecordFn take, void* context)
{
    TableLock lock(table, basePath, kIsamShared);
    const char* fields[2] = {name.c_str(), ""};
    const int rc = IsamFind(table, index, fields);
    if (rc == -1 && IsamError() == kIsamKeyTooLong)
        return false; // too long to be the name of any record
    if (rc == -1)
        throw DbError(basePath.c_str(), "Error loading");
    if (rc != kIsamFound)
        return false;
    RecordReader reader;
    reader.Read(table, index, basePath);
    take(context, reader.Name(), reader.Value());
    return true;
}

ky_S TableFileName(IsamDatabase* table)
{
    const char* name = table ? IsamFileName(table) : nullptr;
    return ky_S(name ? name : "");
}

} // namespace IsamMapStore
} // namespace Kyvant
