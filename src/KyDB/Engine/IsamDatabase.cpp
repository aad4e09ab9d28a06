// Databases: engine set-up and shut-down, creating, opening and closing the
// two files, the index definitions, locks and the name lists.
#include "KyDB/Engine/BlockPool.h"
#include "KyDB/Engine/BTree.h"
#include "KyDB/Engine/BTreeInternal.h"
#include "KyDB/Engine/Isam.h"
#include "KyDB/Engine/IsamInternal.h"
#include "KyDB/Engine/IsamKeys.h"
#include "KyDB/Engine/IsamRecordFile.h"
#include "KyDB/Engine/IsamSchema.h"

#include <windows.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <new>

namespace Kyvant {

using namespace IsamImpl;

namespace {

std::vector<IsamDatabase*> g_open;
LockRetrySet g_retry = {250, 50, 10000};
bool g_exitHookSet = false;
std::vector<char> g_listText;
std::vector<const char*> g_list;

const char* const* MakeList(const std::vector<std::string>& items)
{
    g_listText.clear();
    for (const std::string& s : items)
        g_listText.insert(g_listText.end(), s.c_str(), s.c_str() + s.size() + 1);
    g_list.clear();
    std::size_t at = 0;
    for (const std::string& s : items) {
        g_list.push_back(g_listText.data() + at);
        at += s.size() + 1;
    }
    g_list.push_back(nullptr);
    return g_list.data();
}

// Full path of the base name with ".db" and ".idx" in place of its extension.
bool BuildNames(const char* base, std::string& db, std::string& idx)
{
    if (!base || !*base)
        return false;
    char full[MAX_PATH];
    DWORD n = GetFullPathNameA(base, MAX_PATH, full, nullptr);
    if (n == 0 || n >= MAX_PATH)
        return false;
    std::string stem(full, n);
    std::size_t sep = stem.find_last_of("\\/");
    std::size_t dot = stem.rfind('.');
    if (dot != std::string::npos && (sep == std::string::npos || dot > sep))
        stem.erase(dot);
    db = stem + ".db";
    idx = stem + ".idx";
    return idx.size() < MAX_PATH;
}

int ShutdownEngine();

void ShutdownAtExit()
{
    OpGuard guard;
    ShutdownEngine();
}

int InitEngine(int blocks, int blockSize)
{
    if (ThePool())
        return Fail(kIsamInitTwice);
    blocks = blocks == 0 ? 16 : std::max(blocks, 6);
    if (blockSize == 0 || blockSize < 36)
        blockSize = 512;
    if (!PoolCreate(static_cast<std::uint32_t>(blockSize), blocks)) {
        CbtSetError(kCbtPoolError);
        return Fail(kIsamCbt);
    }
    if (!g_exitHookSet) {
        g_exitHookSet = true;
        std::atexit(ShutdownAtExit);
    }
    return 1;
}

int EnsureInit()
{
    return ThePool() ? 1 : InitEngine(16, 512);
}

IsamIndex* FindIndex(IsamDatabase* db, const char* name)
{
    for (auto& index : db->indexes)
        if (SameText(index->name, name))
            return index.get();
    return nullptr;
}

void DropUserIndexes(IsamDatabase* db)
{
    for (auto& index : db->indexes)
        if (index->bt)
            BtClose(index->bt);
    db->indexes.resize(1);
    std::fill(std::begin(db->byNumber), std::end(db->byNumber), nullptr);
    db->byNumber[0] = db->indexes[0].get();
}

void CloseIndexFile(IsamDatabase* db)
{
    DropUserIndexes(db);
    if (db->keyBt)
        BtClose(db->keyBt);
    if (db->freeBt)
        BtClose(db->freeBt);
    db->keyBt = db->freeBt = nullptr;
    db->indexFileOpen = false;
}

// A user index from its definition key; false when the key is damaged.
bool IndexFromDefinition(IsamDatabase* db, const std::uint8_t* key, std::uint32_t length,
                         std::int32_t item, std::unique_ptr<IsamIndex>& out)
{
    const auto* text = reinterpret_cast<const char*>(key);
    std::uint32_t at = 1;
    std::vector<std::string> strings;
    while (at < length) {
        const void* nul = std::memchr(key + at, 0, length - at);
        if (!nul)
            return false;
        auto end = static_cast<std::uint32_t>(static_cast<const std::uint8_t*>(nul) - key);
        strings.emplace_back(text + at, end - at);
        at = end + 1;
    }
    if (strings.empty())
        return false;
    auto index = std::make_unique<IsamIndex>();
    index->db = db;
    index->name = strings[0];
    index->unique = IsUniqueName(index->name);
    index->defItem = item;
    if (SameText(index->name, kPhysicalIndex)) {
        out.reset();
        return true;
    }
    if (strings.size() < 2)
        return false;
    for (std::size_t i = 1; i < strings.size(); ++i) {
        KeyPart part;
        if (!ParseKeyPart(db->fields, strings[i], part))
            return false;
        index->parts.push_back(part);
    }
    int number = item;
    if (number == 0) {
        // Written without its number: the lowest one still free.
        for (number = 1; number <= kMaxIndexNumber && db->byNumber[number]; ++number) {
        }
    }
    if (number < 1 || number > kMaxIndexNumber || db->byNumber[number])
        return false;
    index->number = number;
    out = std::move(index);
    return true;
}

// Opens the index file twice and reads every definition. Returns -1 only
// when the file is locked by another process; any other trouble leaves the
// database with "Physical Index" alone.
int OpenIndexFile(IsamDatabase* db)
{
    auto open = [db]() {
        return BtOpen(db->idxName.c_str(), CompareKeys, db, db->shared, db->readOnly);
    };
    db->keyBt = open();
    if (db->keyBt)
        db->freeBt = open();
    if (!db->freeBt) {
        bool locked = CbtError() == kCbtLock;
        CloseIndexFile(db);
        return locked ? -1 : 1;
    }
    const std::uint8_t first = 0;
    std::int32_t item = INT_MIN;
    int r = BtFind(db->keyBt, &first, 1, &item);
    bool locked = false, damaged = false;
    while (r == kBtFound || r == kBtGreater || r == 1) {
        const BtPosition& p = db->keyBt->cur;
        if (p.keyLength == 0 || p.key[0] != 0)
            break;
        std::vector<std::uint8_t> key(p.key.begin(), p.key.begin() + p.keyLength);
        std::unique_ptr<IsamIndex> index;
        if (!IndexFromDefinition(db, key.data(), p.keyLength, p.item, index)) {
            damaged = true;
            break;
        }
        if (index) {
            index->bt = open();
            if (!index->bt) {
                locked = CbtError() == kCbtLock;
                damaged = true;
                break;
            }
            db->byNumber[index->number] = index.get();
            db->indexes.push_back(std::move(index));
        }
        r = BtNext(db->keyBt, &item);
    }
    if (r == -1) {
        locked = CbtError() == kCbtLock;
        damaged = true;
    }
    if (damaged) {
        CloseIndexFile(db);
        return locked ? -1 : 1;
    }
    db->indexFileOpen = true;
    return 1;
}

int FlushDatabase(IsamDatabase* db)
{
    int rc = 1;
    if (db->indexFileOpen) {
        for (BTreeHandle* bt : {db->keyBt, db->freeBt})
            if (BtFlush(bt) != 1)
                rc = Fail(kIsamCbt);
        for (auto& index : db->indexes)
            if (index->bt && BtFlush(index->bt) != 1)
                rc = Fail(kIsamCbt);
    }
    if (!db->readOnly && FileAccess().Flush(db->fh) != 1)
        rc = Fail(kIsamIo);
    return rc;
}

int CloseDatabase(IsamDatabase* db)
{
    auto it = std::find(g_open.begin(), g_open.end(), db);
    if (it == g_open.end())
        return ThePool() ? Fail(kIsamBadDatabase) : 1; // closed by the shut-down already
    int rc = FlushDatabase(db);
    for (std::int32_t pos : db->lockedRecords)
        if (FileAccess().Unlock(db->fh, pos, 2) != 1)
            rc = Fail(kIsamUnlock);
    db->lockedRecords.clear();
    db->walkLock = -1;
    if (db->indexFileOpen) {
        for (auto& index : db->indexes)
            if (index->bt && BtClose(index->bt) != 1)
                rc = Fail(kIsamCbt);
        for (BTreeHandle* bt : {db->keyBt, db->freeBt})
            if (BtClose(bt) != 1)
                rc = Fail(kIsamCbt);
    }
    if (FileAccess().Close(db->fh) != 0)
        rc = Fail(kIsamIo);
    g_open.erase(std::find(g_open.begin(), g_open.end(), db));
    delete db;
    return rc;
}

int ShutdownEngine()
{
    int rc = 1;
    while (!g_open.empty())
        if (CloseDatabase(g_open.back()) != 1)
            rc = -1;
    if (ThePool() && BtCloseAll() != 1)
        rc = Fail(kIsamCbt);
    g_listText.clear();
    g_list.clear();
    return rc;
}

IsamDatabase* OpenDatabase(const char* baseName, bool shared, bool readOnly)
{
    if (EnsureInit() != 1)
        return nullptr;
    std::string dbName, idxName;
    if (!BuildNames(baseName, dbName, idxName)) {
        Fail(kIsamBadFileName);
        return nullptr;
    }
    for (IsamDatabase* open : g_open) {
        if (SameText(open->dbName, dbName)) {
            Fail(kIsamInUse);
            return nullptr;
        }
    }
    FileHandle fh = FileAccess().Open(dbName.c_str(), !readOnly, shared);
    if (fh == kNoFile) {
        Fail(kIsamFileNotFound);
        return nullptr;
    }
    auto db = std::make_unique<IsamDatabase>();
    db->dbName = dbName;
    db->idxName = idxName;
    db->fh = fh;
    db->shared = shared;
    db->readOnly = readOnly;

    // The dictionary, under a lock on its first 4 bytes when shared.
    if (shared &&
        FileAccess().Lock(fh, 0, 4, g_retry.tries, g_retry.pauseMs, g_retry.giveUpMs) != 1) {
        FileAccess().Close(fh);
        Fail(kIsamLock);
        return nullptr;
    }
    std::uint8_t head[4];
    std::vector<std::uint8_t> specs;
    bool ok = FileAccess().ReadAt(fh, 0, 4, head) == 1;
    std::uint32_t n = head[0] | (head[1] << 8), count = head[2] | (head[3] << 8);
    if (ok) {
        specs.resize(n);
        ok = (n == 0 || FileAccess().ReadAt(fh, 4, n, specs.data()) == 1) &&
             DecodeDictionary(specs.data(), n, count, db->fields);
    }
    if (shared)
        FileAccess().Unlock(fh, 0, 4);
    if (!ok) {
        FileAccess().Close(fh);
        Fail(kIsamIo);
        return nullptr;
    }
    db->dataStart = static_cast<std::int32_t>(4 + n);
    db->minRecord = MinRecordLength(db->fields);
    auto physical = std::make_unique<IsamIndex>();
    physical->db = db.get();
    physical->name = kPhysicalIndex;
    db->byNumber[0] = physical.get();
    db->indexes.push_back(std::move(physical));

    IsamDatabase* raw = db.release();
    g_open.push_back(raw);
    if (OpenIndexFile(raw) != 1) {
        Fail(kIsamLock);
        CloseDatabase(raw);
        return nullptr;
    }
    return raw;
}

IsamDatabase* CreateDatabase(const char* baseName, unsigned blockSize, const char* const* fields)
{
    if (EnsureInit() != 1)
        return nullptr;
    if (!fields || !fields[0]) {
        Fail(kIsamNullArgument);
        return nullptr;
    }
    std::string dbName, idxName;
    if (!BuildNames(baseName, dbName, idxName)) {
        Fail(kIsamBadFileName);
        return nullptr;
    }
    for (IsamDatabase* open : g_open) {
        if (SameText(open->dbName, dbName)) {
            Fail(kIsamInUse);
            return nullptr;
        }
    }
    std::vector<std::string> specs;
    for (const char* const* f = fields; *f; ++f)
        specs.emplace_back(*f);
    std::vector<std::uint8_t> dictionary;
    if (!EncodeDictionary(specs, dictionary)) {
        Fail(kIsamDataTooLarge);
        return nullptr;
    }
    FileAccessTable& io = FileAccess();
    io.Delete(dbName.c_str());
    FileHandle fh = io.Create(dbName.c_str());
    if (fh == kNoFile) {
        Fail(kIsamIo);
        return nullptr;
    }
    if (io.WriteAt(fh, 0, static_cast<std::uint32_t>(dictionary.size()), dictionary.data()) != 1) {
        io.Close(fh);
        io.Delete(dbName.c_str());
        Fail(kIsamIo);
        return nullptr;
    }
    BTreeHandle* bt = BtCreate(idxName.c_str(), CompareKeys, nullptr, blockSize);
    if (!bt) {
        Fail(CbtError() == kCbtBlockSize ? kIsamBlockTooBig : kIsamCbt);
        io.Close(fh);
        io.Delete(dbName.c_str());
        return nullptr;
    }
    std::string definition(1, '\0');
    definition += kPhysicalIndex;
    definition += '\0';
    bool stored = BtInsert(bt, definition.data(), static_cast<std::uint32_t>(definition.size()), 0,
                           false) == 1;
    if (!stored)
        Fail(kIsamCbt);
    if (BtClose(bt) != 1 && stored) {
        stored = false;
        Fail(kIsamCbt);
    }
    if (io.Close(fh) != 0 && stored) {
        stored = false;
        Fail(kIsamIo);
    }
    if (!stored) {
        io.Delete(idxName.c_str());
        io.Delete(dbName.c_str());
        return nullptr;
    }
    return OpenDatabase(baseName, false, false);
}

// Removes every key of the index, its definition and its handle.
int DeleteIndex(IsamDatabase* db, IsamIndex* index)
{
    int rc = 1;
    const auto family = static_cast<std::uint8_t>(index->number);
    for (;;) {
        std::int32_t item = INT_MIN;
        int r = BtFind(db->keyBt, &family, 1, &item);
        if (r == -1) {
            rc = Fail(kIsamCbt);
            break;
        }
        const BtPosition& p = db->keyBt->cur;
        if (p.state != 1 || p.keyLength == 0 || p.key[0] != family)
            break;
        std::vector<std::uint8_t> key(p.key.begin(), p.key.begin() + p.keyLength);
        if (BtDelete(db->keyBt, key.data(), static_cast<std::uint32_t>(key.size()), p.item) != 1) {
            rc = Fail(kIsamCbt);
            break;
        }
    }
    std::string definition(1, '\0');
    definition += index->name;
    definition += '\0';
    for (const KeyPart& part : index->parts) {
        definition += KeyPartText(db->fields, part);
        definition += '\0';
    }
    if (rc == 1 && BtDelete(db->keyBt, definition.data(),
                            static_cast<std::uint32_t>(definition.size()), index->defItem) != 1)
        rc = Fail(kIsamCbt);
    if (index->bt)
        BtClose(index->bt);
    db->byNumber[index->number] = nullptr;
    db->indexes.erase(std::find_if(db->indexes.begin(), db->indexes.end(),
                                   [index](const auto& i) { return i.get() == index; }));
    ++db->generation;
    return rc;
}

} // namespace

namespace IsamImpl {

std::vector<IsamDatabase*>& OpenDatabases()
{
    return g_open;
}

IsamDatabase* FindDatabase(IsamDatabase* db)
{
    return db && std::find(g_open.begin(), g_open.end(), db) != g_open.end() ? db : nullptr;
}

IsamDatabase* CheckDatabase(IsamDatabase* db)
{
    if (FindDatabase(db))
        return db;
    Fail(kIsamBadDatabase);
    return nullptr;
}

IsamIndex* CheckIndex(IsamDatabase* db, IsamIndex* index)
{
    for (auto& i : db->indexes)
        if (i.get() == index)
            return index;
    Fail(kIsamBadIndex);
    return nullptr;
}

bool Initialised()
{
    return ThePool() != nullptr;
}

std::uint32_t KeyBufferSize()
{
    return PoolBlockSize(ThePool());
}

bool SameText(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        unsigned x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        if (x >= 'A' && x <= 'Z')
            x += 32;
        if (y >= 'A' && y <= 'Z')
            y += 32;
        if (x != y)
            return false;
    }
    return true;
}

} // namespace IsamImpl

LockRetrySet& IsamLockRetrySet()
{
    return g_retry;
}

int IsamInit(int blocks, int blockSize)
{
    OpGuard guard;
    return InitEngine(blocks, blockSize);
}

int IsamShutdown()
{
    OpGuard guard;
    return ShutdownEngine();
}

IsamDatabase* IsamCreate(const char* baseName, unsigned indexBlockSize, const char* const* fields)
{
    OpGuard guard;
    return CreateDatabase(baseName, indexBlockSize, fields);
}

IsamDatabase* IsamOpen(const char* baseName, bool shared, bool readOnly)
{
    OpGuard guard;
    return OpenDatabase(baseName, shared, readOnly);
}

int IsamClose(IsamDatabase* db)
{
    OpGuard guard;
    return CloseDatabase(db);
}

int IsamFlush(IsamDatabase* db)
{
    OpGuard guard;
    if (!CheckDatabase(db))
        return -1;
    return FlushDatabase(db);
}

const char* IsamFileName(IsamDatabase* db)
{
    OpGuard guard;
    return CheckDatabase(db) ? db->dbName.c_str() : nullptr;
}

const char* const* IsamFieldNames(IsamDatabase* db)
{
    OpGuard guard;
    if (!CheckDatabase(db))
        return nullptr;
    std::vector<std::string> names;
    for (const FieldDef& f : db->fields)
        names.push_back(f.spec);
    return MakeList(names);
}

const char* const* IsamIndexNames(IsamDatabase* db)
{
    OpGuard guard;
    if (!CheckDatabase(db))
        return nullptr;
    std::vector<std::string> names;
    for (int n = 0; n < 256; ++n)
        if (db->byNumber[n])
            names.push_back(db->byNumber[n]->name);
    return MakeList(names);
}

const char* const* IsamIndexParts(IsamDatabase* db, IsamIndex* index)
{
    OpGuard guard;
    if (!CheckDatabase(db) || !CheckIndex(db, index))
        return nullptr;
    std::vector<std::string> parts;
    for (const KeyPart& part : index->parts)
        parts.push_back(KeyPartText(db->fields, part));
    return MakeList(parts);
}

IsamIndex* IsamOpenIndex(IsamDatabase* db, const char* name)
{
    OpGuard guard;
    if (!CheckDatabase(db))
        return nullptr;
    if (!name) {
        Fail(kIsamNullArgument);
        return nullptr;
    }
    IsamIndex* index = FindIndex(db, name);
    if (!index)
        Fail(db->indexFileOpen ? kIsamUnknownIndex : kIsamIndexDamaged);
    return index;
}

int IsamAddIndex(IsamDatabase* db, const char* name, const char* const* parts)
{
    OpGuard guard;
    if (!CheckDatabase(db))
        return -1;
    if (!name || !parts)
        return Fail(kIsamNullArgument);
    if (db->readOnly)
        return Fail(kIsamReadOnly);
    if (db->shared)
        return Fail(kIsamMustBeUnshared);
    if (!db->indexFileOpen)
        return Fail(kIsamIndexDamaged);
    if (FindIndex(db, name))
        return Fail(kIsamDuplicateIndex);
    auto index = std::make_unique<IsamIndex>();
    index->db = db;
    index->name = name;
    index->unique = IsUniqueName(index->name);
    std::string definition(1, '\0');
    definition += name;
    definition += '\0';
    for (const char* const* p = parts; *p; ++p) {
        KeyPart part;
        if (!ParseKeyPart(db->fields, *p, part))
            return Fail(kIsamUnknownField);
        index->parts.push_back(part);
        definition += KeyPartText(db->fields, part);
        definition += '\0';
    }
    if (index->parts.empty())
        return Fail(kIsamUnknownField);
    int number = 1;
    while (number <= kMaxIndexNumber && db->byNumber[number])
        ++number;
    if (number > kMaxIndexNumber)
        return Fail(kIsamTooManyIndexes);
    if (definition.size() > KeyBufferSize())
        return Fail(kIsamKeyTooLong);
    index->number = number;
    index->defItem = number;
    if (BtInsert(db->keyBt, definition.data(), static_cast<std::uint32_t>(definition.size()),
                 number, false) != 1)
        return Fail(kIsamCbt);
    index->bt = BtOpen(db->idxName.c_str(), CompareKeys, db, false, false);
    if (!index->bt) {
        Fail(kIsamCbt);
        BtDelete(db->keyBt, definition.data(), static_cast<std::uint32_t>(definition.size()),
                 number);
        return -1;
    }
    IsamIndex* raw = index.get();
    db->byNumber[number] = raw;
    db->indexes.push_back(std::move(index));
    ++db->generation;

    // Every record gets its key, in file order; a failure removes the index again.
    int rc = 1;
    std::vector<std::uint8_t> data, key;
    std::vector<char*> values(db->fields.size());
    for (std::int32_t pos = db->dataStart;;) {
        int length;
        if (!ReadLengthWord(*db, pos, length))
            break;
        if (length == 0) {
            rc = Fail(kIsamIo);
            break;
        }
        if (length > 0) {
            if (ReadWholeRecord(*db, pos, data) != 1) {
                rc = -1;
                break;
            }
            if (!SplitRecord(*db, data.data(), static_cast<std::uint32_t>(data.size()), false,
                             values.data())) {
                rc = Fail(kIsamIo);
                break;
            }
            if (BuildKey(*db, *raw, values.data(), key) != 1) {
                rc = -1;
                break;
            }
            if (BtInsert(raw->bt, key.data(), static_cast<std::uint32_t>(key.size()), pos,
                         !raw->unique) != 1) {
                rc = Fail(kIsamCbt);
                break;
            }
        }
        pos += 2 + (length < 0 ? -length : length);
    }
    if (rc == 1)
        return 1;
    DeleteIndex(db, raw);
    return -1;
}

int IsamDeleteIndex(IsamDatabase* db, const char* name)
{
    OpGuard guard;
    if (!CheckDatabase(db))
        return -1;
    if (!name)
        return Fail(kIsamNullArgument);
    IsamIndex* index = FindIndex(db, name);
    if (index && index->number == 0)
        return Fail(kIsamNotAllowed);
    if (db->readOnly)
        return Fail(kIsamReadOnly);
    if (db->shared)
        return Fail(kIsamMustBeUnshared);
    if (!index)
        return Fail(db->indexFileOpen ? kIsamUnknownIndex : kIsamIndexDamaged);
    return DeleteIndex(db, index);
}

int IsamLock(IsamDatabase* db, int kind)
{
    OpGuard guard;
    if (!CheckDatabase(db))
        return -1;
    if (!db->shared)
        return 1;
    if (kind != kIsamShared && kind != kIsamExclusive)
        return Fail(kIsamLock);
    bool& held = kind == kIsamShared ? db->lockShared : db->lockExclusive;
    if (held)
        return Fail(kIsamAlreadyLocked);
    if (!db->indexFileOpen)
        return Fail(kIsamIndexDamaged);
    int r = BtLock(db->keyBt, kind);
    if (r != 1) {
        Fail(kIsamLock);
        return r == kBtLockRefused ? kIsamLockRefused : -1;
    }
    held = true;
    return 1;
}

int IsamUnlock(IsamDatabase* db, int kind)
{
    OpGuard guard;
    if (!CheckDatabase(db))
        return -1;
    if (!db->shared)
        return 1;
    if (kind != kIsamShared && kind != kIsamExclusive)
        return Fail(kIsamUnlock);
    bool& held = kind == kIsamShared ? db->lockShared : db->lockExclusive;
    if (!held)
        return 1;
    held = false;
    if (BtUnlock(db->keyBt, kind) != 1)
        return Fail(kIsamUnlock);
    return 1;
}

} // namespace Kyvant
