// Benchmark of the named databases (a plain program, not a test): opening
// and loading a 10,000-item path-plan database under its shared lock, and
// inserting 1,000 items one by one; each timed against a loop that makes
// the system calls the sharing protocol mandates for the same work (a
// 2-byte lock round trip around every record read; per insert an exclusive
// lock, the record and one index block written, both files flushed).
// Run under Wine: wine KyDB_named_bench.exe [items] [inserts]
#include "BenchSupport.h"
#include "KyDB/Named/DbLocation.h"
#include "KyDB/Named/IsamMapStore.h"
#include "KyDB/Named/PathPlanDB.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using namespace Kyvant;

namespace {

using KyBench::Now;

const unsigned kBlock = 512;
const unsigned kLockArea = 36; // the index file's lock bytes run from here to the block's end

std::string ItemName(const char* stem, int i)
{
    char name[32];
    std::snprintf(name, sizeof name, "%s%05d", stem, i);
    return name;
}

PathPlanItem ItemValue(int i)
{
    PathPlanItem::StringList paths;
    paths.push_back(("C:\\Projects\\" + ItemName("Module", i) + "\\src").c_str());
    return PathPlanItem(paths, "*.cpp,*.h", "+", PathPlanItem::StringList(),
                        PathPlanItem::StringList());
}

int g_items = 10000;

// Writes the items straight into the new table (no lock, no flush per item).
void Fill(IsamDatabase* table, IsamIndex* index, const ky_S& basePath)
{
    for (int i = 0; i < g_items; ++i) {
        ky_S text;
        ItemValue(i).StoreContents(text);
        IsamMapStore::AddRecord(table, index, basePath, ItemName("Plan", i).c_str(), text);
    }
}

HANDLE OpenShared(const std::string& name)
{
    return CreateFileA(name.c_str(), GENERIC_READ | GENERIC_WRITE,
                       FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                       FILE_FLAG_RANDOM_ACCESS, nullptr);
}

void ReadAt(HANDLE h, DWORD offset, DWORD count, void* buffer)
{
    DWORD got;
    SetFilePointer(h, static_cast<LONG>(offset), nullptr, FILE_BEGIN);
    ReadFile(h, buffer, count, &got, nullptr);
}

void WriteAt(HANDLE h, DWORD offset, DWORD count, const void* buffer)
{
    DWORD put;
    SetFilePointer(h, static_cast<LONG>(offset), nullptr, FILE_BEGIN);
    WriteFile(h, buffer, count, &put, nullptr);
}

struct Record {
    DWORD pos;
    DWORD length;
};

// The records of a record file: after the dictionary, i16 lengths, free
// records negative.
std::vector<Record> Records(const std::string& dbFile)
{
    std::vector<Record> records;
    HANDLE h = OpenShared(dbFile);
    DWORD size = GetFileSize(h, nullptr);
    std::vector<unsigned char> bytes(size);
    ReadAt(h, 0, size, bytes.data());
    CloseHandle(h);
    DWORD pos = 4 + (bytes[0] | (bytes[1] << 8));
    while (pos + 2 <= size) {
        short length = static_cast<short>(bytes[pos] | (bytes[pos + 1] << 8));
        if (length > 0)
            records.push_back({pos, static_cast<DWORD>(length)});
        pos += 2 + static_cast<DWORD>(length < 0 ? -length : length);
    }
    return records;
}

// Loading: open both files, read the dictionary under its 4-byte lock, take
// one byte of the lock area, read every index block once and every record
// under its 2-byte lock, release and close.
double BaselineLoad(const std::string& dbFile, const std::string& idxFile,
                    const std::vector<Record>& records)
{
    std::vector<char> buffer(0x8000);
    const double t0 = Now();
    HANDLE db = OpenShared(dbFile), idx = OpenShared(idxFile);
    LockFile(db, 0, 0, 4, 0);
    ReadAt(db, 0, 4, buffer.data());
    ReadAt(db, 4, static_cast<unsigned char>(buffer[0]) | (buffer[1] << 8), buffer.data());
    UnlockFile(db, 0, 0, 4, 0);
    LockFile(idx, kLockArea, 0, 1, 0);
    const DWORD idxSize = GetFileSize(idx, nullptr);
    for (DWORD at = 0; at < idxSize; at += kBlock)
        ReadAt(idx, at, kBlock, buffer.data());
    for (const Record& r : records) {
        LockFile(db, r.pos, 0, 2, 0);
        ReadAt(db, r.pos, 2 + r.length, buffer.data());
        UnlockFile(db, r.pos, 0, 2, 0);
    }
    UnlockFile(idx, kLockArea, 0, 1, 0);
    CloseHandle(db);
    CloseHandle(idx);
    return Now() - t0;
}

// Inserting: per item the exclusive lock over the lock area, the record
// appended, one index block written, both files flushed, the lock released.
class BaselineInserter {
public:
    BaselineInserter(const std::string& dbFile, const std::string& idxFile)
        : m_db(OpenShared(dbFile)), m_idx(OpenShared(idxFile)), m_block(kBlock, 0),
          m_end(GetFileSize(m_db, nullptr)),
          m_lastBlock((GetFileSize(m_idx, nullptr) / kBlock - 1) * kBlock)
    {
    }
    ~BaselineInserter()
    {
        CloseHandle(m_db);
        CloseHandle(m_idx);
    }
    void Insert(int i)
    {
        ky_S text;
        ItemValue(i).StoreContents(text);
        std::string record = "  " + ItemName("New", i) + '\0' + text.c_str() + '\0';
        record[0] = static_cast<char>((record.size() - 2) & 0xFF);
        record[1] = static_cast<char>((record.size() - 2) >> 8);
        LockFile(m_idx, kLockArea, 0, kBlock - kLockArea, 0);
        WriteAt(m_db, m_end, static_cast<DWORD>(record.size()), record.data());
        m_end += static_cast<DWORD>(record.size());
        ReadAt(m_idx, m_lastBlock, kBlock, m_block.data());
        WriteAt(m_idx, m_lastBlock, kBlock, m_block.data());
        FlushFileBuffers(m_db);
        FlushFileBuffers(m_idx);
        UnlockFile(m_idx, kLockArea, 0, kBlock - kLockArea, 0);
    }

private:
    HANDLE m_db;
    HANDLE m_idx;
    std::vector<char> m_block;
    DWORD m_end;
    DWORD m_lastBlock;
};

void Report(const char* what, double mine, double base, int n)
{
    std::printf("%-34s %9.3f s  %8.1f us/item   baseline %9.3f s  %8.1f us/item   ratio %.2f\n",
                what, mine, mine / n * 1e6, base, base / n * 1e6, mine / base);
}

std::string ReadDbPath(bool& existed)
{
    HKEY k;
    char buf[MAX_PATH] = "";
    DWORD size = sizeof buf;
    existed =
        RegOpenKeyExA(HKEY_CURRENT_USER, kSharedSettingsKey, 0, KEY_READ, &k) == ERROR_SUCCESS &&
        RegQueryValueExA(k, kDbPathValue, nullptr, nullptr, reinterpret_cast<BYTE*>(buf), &size) ==
            ERROR_SUCCESS;
    return buf;
}

void WriteDbPath(const std::string& path, bool exists)
{
    HKEY k;
    RegCreateKeyExA(HKEY_CURRENT_USER, kSharedSettingsKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                    &k, nullptr);
    if (exists)
        RegSetValueExA(k, kDbPathValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(path.c_str()),
                       static_cast<DWORD>(path.size() + 1));
    else
        RegDeleteValueA(k, kDbPathValue);
    RegCloseKey(k);
}

} // namespace

int main(int argc, char** argv)
{
    g_items = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int inserts = argc > 2 ? std::atoi(argv[2]) : 1000;

    const std::string folder = KyBench::TempFolder() + "kydb_named_bench";
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string files[] = {"KyPathPlan.db", "KyPathPlan.idx", "Base.db", "Base.idx"};
    for (const std::string& f : files)
        DeleteFileA((folder + "\\" + f).c_str());
    bool hadDbPath;
    const std::string oldDbPath = ReadDbPath(hadDbPath);
    WriteDbPath(folder, true);

    int rc = 0;
    try {
        const ky_S base = LocateDatabase(GetKyDBModule(), "KyPathPlan");
        IsamDatabase* table;
        IsamIndex* index;
        IsamMapStore::OpenTable(base, &Fill, table, index);
        IsamMapStore::CloseTable(table);
        const std::string dbFile = folder + "\\KyPathPlan.db",
                          idxFile = folder + "\\KyPathPlan.idx";
        const std::vector<Record> records = Records(dbFile);
        std::printf("%d items, %u records, record file %lu bytes\n", g_items,
                    static_cast<unsigned>(records.size()),
                    static_cast<unsigned long>(records.empty() ? 0 : records.back().pos));

        double load = 1e9, loadBase = 1e9;
        for (int round = 0; round < 5; ++round) {
            PathPlanDB::Reset();
            const double t0 = Now();
            PathPlanDB& db = PathPlanDB::Instance();
            load = std::min(load, Now() - t0);
            if (db.size() != static_cast<unsigned>(g_items))
                throw std::runtime_error("the database did not load every item");
            loadBase = std::min(loadBase, BaselineLoad(dbFile, idxFile, records));
        }

        CopyFileA(dbFile.c_str(), (folder + "\\Base.db").c_str(), FALSE);
        CopyFileA(idxFile.c_str(), (folder + "\\Base.idx").c_str(), FALSE);
        PathPlanDB& db = PathPlanDB::Instance();
        BaselineInserter baseline(folder + "\\Base.db", folder + "\\Base.idx");
        // Alternating runs of 100, so that both sides meet the same disk and load.
        double insert = 0, insertBase = 0;
        for (int first = 0; first < inserts; first += 100) {
            const int last = std::min(inserts, first + 100);
            double t0 = Now();
            for (int i = first; i < last; ++i)
                db.Insert(ItemName("New", i).c_str(), ItemValue(i));
            insert += Now() - t0;
            t0 = Now();
            for (int i = first; i < last; ++i)
                baseline.Insert(i);
            insertBase += Now() - t0;
        }

        Report("open and load (best of 5)", load, loadBase, g_items);
        Report("insert one by one", insert, insertBase, inserts);
    } catch (const std::exception& e) {
        std::printf("failed: %s\n", e.what());
        rc = 1;
    }
    PathPlanDB::Reset();
    WriteDbPath(oldDbPath, hadDbPath);
    for (const std::string& f : files)
        DeleteFileA((folder + "\\" + f).c_str());
    RemoveDirectoryA(folder.c_str());
    return rc;
}
