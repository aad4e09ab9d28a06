// Opening a named-item table, creating it when its record file is missing.
//
// Creating never deletes: the engine's create removes an existing record
// file before it makes a new one, so while it runs the engine's file table
// keeps that removal from happening and notes whether the exclusive create
// found the file already there (another process won the race). The loser
// then waits for the winner's table, with its unique index, to appear.
#include "KyDB/Engine/DbError.h"
#include "KyDB/Engine/FileAccess.h"
#include "KyDB/Engine/Isam.h"
#include "KyDB/Named/IsamMapStore.h"

#include <windows.h>

#include <string>

namespace Kyvant {
namespace IsamMapStore {

namespace {

using KyIsam::DbError;

// The record file's full name as the engine builds it.
std::string RecordFileName(const ky_S& basePath)
{
    char full[MAX_PATH];
    DWORD n = GetFullPathNameA(basePath.c_str(), MAX_PATH, full, nullptr);
    if (n == 0 || n >= MAX_PATH)
        return std::string();
    return std::string(full, n) + ".db";
}

std::string IndexFileName(const std::string& recordFile)
{
    return recordFile.substr(0, recordFile.size() - 3) + ".idx";
}

// State of the create in progress (the engine is used by one thread).
struct CreateWatch {
    std::string recordFile;
    bool created = false;
    bool existed = false;
    int (*remove)(const char*) = nullptr;
    FileHandle (*create)(const char*) = nullptr;
};
CreateWatch* g_watch = nullptr;

int WatchedDelete(const char* name)
{
    // The record file is removed only once this create has made it.
    if (!g_watch->created && _stricmp(name, g_watch->recordFile.c_str()) == 0)
        return -1;
    return g_watch->remove(name);
}

FileHandle WatchedCreate(const char* name)
{
    FileHandle h = g_watch->create(name);
    if (_stricmp(name, g_watch->recordFile.c_str()) == 0) {
        if (h != kNoFile)
            g_watch->created = true;
        else if (LastOsError() == ERROR_FILE_EXISTS || LastOsError() == ERROR_ALREADY_EXISTS)
            g_watch->existed = true;
    }
    return h;
}

// Puts the watching operations into the engine's table for its lifetime.
class WatchScope {
public:
    explicit WatchScope(CreateWatch& watch)
    {
        FileAccessTable& io = FileAccess();
        watch.remove = io.Delete;
        watch.create = io.Create;
        g_watch = &watch;
        io.Delete = WatchedDelete;
        io.Create = WatchedCreate;
    }
    ~WatchScope()
    {
        FileAccessTable& io = FileAccess();
        io.Delete = g_watch->remove;
        io.Create = g_watch->create;
        g_watch = nullptr;
    }
    WatchScope(const WatchScope&) = delete;
    WatchScope& operator=(const WatchScope&) = delete;
};

// Closes a table keeping the engine's error of the failure being reported.
void CloseKeepingError(IsamDatabase* table)
{
    int error = IsamError();
    IsamClose(table);
    IsamSetError(error);
}

// Removes the files of a table this process created and could not finish.
void RemoveCreatedFiles(const std::string& recordFile)
{
    DeleteFileA(IndexFileName(recordFile).c_str());
    DeleteFileA(recordFile.c_str());
}

// Paces the waiting for another process's new table by the lock retry set.
class RaceWait {
public:
    RaceWait() : m_waiting(false), m_tries(0), m_start(0) {}
    void Start()
    {
        if (!m_waiting) {
            m_waiting = true;
            m_start = GetTickCount();
        }
    }
    bool Waiting() const { return m_waiting; }
    // Pauses and returns true while tries and time are left.
    bool Again()
    {
        const LockRetrySet& retry = IsamLockRetrySet();
        if (!m_waiting || ++m_tries >= retry.tries ||
            GetTickCount() - m_start >= static_cast<DWORD>(retry.giveUpMs))
            return false;
        Sleep(retry.pauseMs);
        return true;
    }

private:
    bool m_waiting;
    int m_tries;
    DWORD m_start;
};

// Opens a table unshared, as its creator does to finish it.
IsamDatabase* OpenAloneWithRetry(const ky_S& basePath)
{
    RaceWait wait;
    wait.Start();
    do {
        if (IsamDatabase* table = IsamOpen(basePath.c_str(), false, false))
            return table;
    } while (wait.Again());
    return nullptr;
}

enum class CreateResult { Created, AlreadyThere };

CreateResult CreateTable(const ky_S& basePath, FillFn fill)
{
    CreateWatch watch;
    watch.recordFile = RecordFileName(basePath);
    static const char* const fields[] = {kKeyField, kValueField, nullptr};
    IsamDatabase* table;
    {
        WatchScope scope(watch);
        table = IsamCreate(basePath.c_str(), 0, fields);
    }
    if (!table) {
        if (watch.existed)
            return CreateResult::AlreadyThere;
        if (!watch.created)
            throw DbError(basePath.c_str(), "Could not create");
        // The files are made, but the engine's own reopen failed: a process
        // that lost the race may be looking at them for a moment.
        table = OpenAloneWithRetry(basePath);
        if (!table) {
            int error = IsamError();
            RemoveCreatedFiles(watch.recordFile);
            IsamSetError(error);
            throw DbError(basePath.c_str(), "Could not create");
        }
    }
    static const char* const parts[] = {kKeyField, nullptr};
    if (IsamAddIndex(table, kKeyIndex, parts) != 1) {
        CloseKeepingError(table);
        RemoveCreatedFiles(watch.recordFile);
        throw DbError(basePath.c_str(), "Could not create index");
    }
    if (fill) {
        try {
            IsamIndex* index = IsamOpenIndex(table, kKeyIndex);
            if (!index)
                throw DbError(basePath.c_str(), "Could not open index");
            fill(table, index, basePath);
        } catch (...) {
            IsamClose(table);
            RemoveCreatedFiles(watch.recordFile);
            throw;
        }
    }
    if (IsamClose(table) != 1) {
        int error = IsamError();
        RemoveCreatedFiles(watch.recordFile);
        IsamSetError(error);
        throw DbError(basePath.c_str(), "Could not create");
    }
    return CreateResult::Created;
}

bool MissingFile(int isamError)
{
    const unsigned long os = LastOsError();
    return isamError == kIsamFileNotFound &&
           (os == ERROR_FILE_NOT_FOUND || os == ERROR_PATH_NOT_FOUND);
}

// The record file is there but cannot be opened for writing (a read-only
// file or folder): the engine reports that as not found too. A file held
// open by another process is not meant, it waits for that process.
bool UnwritableFile(int isamError)
{
    const unsigned long os = LastOsError();
    return isamError == kIsamFileNotFound && os != ERROR_FILE_NOT_FOUND &&
           os != ERROR_PATH_NOT_FOUND && os != ERROR_SHARING_VIOLATION &&
           os != ERROR_LOCK_VIOLATION;
}

} // namespace

void OpenTable(const ky_S& basePath, FillFn fill, IsamDatabase*& table, IsamIndex*& index)
{
    table = nullptr;
    index = nullptr;
    bool created = false;
    RaceWait race;
    for (;;) {
        IsamDatabase* db = IsamOpen(basePath.c_str(), true, false);
        if (db) {
            IsamIndex* keys = IsamOpenIndex(db, kKeyIndex);
            if (keys) {
                table = db;
                index = keys;
                return;
            }
            CloseKeepingError(db);
            if (race.Again())
                continue;
            throw DbError(basePath.c_str(), "Could not open index");
        }
        const int error = IsamError();
        if (!created && MissingFile(error) && (!race.Waiting() || race.Again())) {
            if (CreateTable(basePath, fill) == CreateResult::Created)
                created = true;
            else
                race.Start();
            continue;
        }
        if (!created && UnwritableFile(error)) {
            // Creating is the next step; it never replaces the file that is
            // there, so it fails unless the file went meanwhile.
            if (CreateTable(basePath, fill) == CreateResult::AlreadyThere)
                throw DbError(basePath.c_str(), "Could not create");
            created = true;
            continue;
        }
        if (race.Again())
            continue;
        IsamSetError(error);
        throw DbError(basePath.c_str(), "Could not open");
    }
}

void CloseTable(IsamDatabase* table)
{
    if (table)
        IsamClose(table);
}

} // namespace IsamMapStore
} // namespace Kyvant
