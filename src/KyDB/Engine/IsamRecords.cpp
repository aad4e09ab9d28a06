// Record operations: searching and walking an index, reading, adding,
// updating and deleting records.
#include "KyDB/Engine/BTree.h"
#include "KyDB/Engine/BTreeInternal.h"
#include "KyDB/Engine/Isam.h"
#include "KyDB/Engine/IsamInternal.h"
#include "KyDB/Engine/IsamKeys.h"
#include "KyDB/Engine/IsamRecordFile.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace Kyvant {

using namespace IsamImpl;

namespace {

using Key = std::vector<std::uint8_t>;

// The exclusive lock a writing operation takes on a shared database that is
// not locked that way already.
struct WriteFrame {
    IsamDatabase* db = nullptr;
    bool took = false;
};

int BeginWrite(IsamDatabase* db, WriteFrame& w)
{
    w.db = db;
    if (!db->shared || db->lockExclusive)
        return 1;
    int r = BtLock(db->keyBt, kBtExclusive);
    if (r != 1) {
        Fail(kIsamLock);
        return r == kBtLockRefused ? kIsamLockRefused : -1;
    }
    w.took = true;
    return 1;
}

// Flushes the record file and writes the index file back while the lock is
// held. Changed blocks stay in the pool after a failed write, so each step is
// tried a second time before the operation counts as failed.
int Commit(WriteFrame& w)
{
    if (!w.took)
        return 1;
    int rc = 1;
    if (FileAccess().Flush(w.db->fh) != 1 && FileAccess().Flush(w.db->fh) != 1)
        rc = Fail(kIsamIo);
    if (BtFlush(w.db->keyBt) != 1 && BtFlush(w.db->keyBt) != 1)
        rc = Fail(kIsamCbt);
    return rc;
}

int EndWrite(WriteFrame& w, int result)
{
    if (w.took && BtUnlock(w.db->keyBt, kBtExclusive) != 1 && result >= 0)
        result = Fail(kIsamCbt);
    return result;
}

int CheckWritable(IsamDatabase* db)
{
    if (db->readOnly)
        return Fail(kIsamReadOnly);
    if (!db->indexFileOpen)
        return Fail(kIsamIndexDamaged);
    return 1;
}

void SetCurrent(IsamDatabase* db, IsamIndex* index, std::int32_t pos)
{
    index->state = 1;
    index->pos = pos;
    index->generation = db->generation;
    index->deleted = false;
}

// The record the index stands on.
int CurrentPos(IsamDatabase* db, IsamIndex* index, std::int32_t& pos)
{
    if (index->state != 1 || index->deleted)
        return Fail(kIsamNoCurrent);
    if (index->number == 0 || index->generation == db->generation) {
        pos = index->pos;
        return 1;
    }
    // Changed since: the tree's position is checked again.
    std::int32_t item;
    int r = BtCurrentItem(index->bt, &item);
    if (r == -1)
        return Fail(kIsamCbt);
    if (r != 1) {
        index->state = r;
        return Fail(kIsamNoCurrent);
    }
    SetCurrent(db, index, item);
    pos = item;
    return 1;
}

// After the index's tree handle moved: on a key of this index or past its end.
int TakeTreePosition(IsamDatabase* db, IsamIndex* index)
{
    const BtPosition& p = index->bt->cur;
    if (p.state != 1 || p.keyLength == 0 || p.key[0] != index->number) {
        index->state = kIsamPastEnd;
        return kIsamPastEnd;
    }
    SetCurrent(db, index, p.item);
    return 1;
}

void EndWalk(IsamDatabase* db)
{
    if (db->walkLock >= 0)
        UnlockRecord(*db, db->walkLock);
    db->walkLock = -1;
}

// File order from `pos`: free records are skipped; on a shared database each
// record looked at is locked while read, and the walk keeps the lock of the
// record it stops on.
int PhysicalStep(IsamDatabase* db, IsamIndex* index, std::int32_t pos)
{
    for (;;) {
        bool took = false;
        if (db->shared && pos != db->walkLock) {
            const LockRetrySet& r = IsamLockRetrySet();
            if (FileAccess().Lock(db->fh, pos, 2, r.tries, r.pauseMs, r.giveUpMs) != 1) {
                std::uint32_t size;
                if (FileAccess().Size(db->fh, &size) == 1 &&
                    static_cast<std::uint32_t>(pos) >= size) {
                    EndWalk(db);
                    index->state = kIsamPastEnd;
                    return kIsamPastEnd;
                }
                return Fail(kIsamLock);
            }
            db->lockedRecords.push_back(pos);
            took = true;
        }
        int length;
        if (!ReadLengthWord(*db, pos, length)) {
            if (took)
                UnlockRecord(*db, pos);
            EndWalk(db);
            index->state = kIsamPastEnd;
            return kIsamPastEnd;
        }
        if (length < 0) {
            if (took)
                UnlockRecord(*db, pos);
            pos += 2 - length;
            continue;
        }
        if (db->walkLock >= 0 && db->walkLock != pos)
            UnlockRecord(*db, db->walkLock);
        db->walkLock = took || db->walkLock == pos ? pos : -1;
        SetCurrent(db, index, pos);
        return 1;
    }
}

int First(IsamDatabase* db, IsamIndex* index)
{
    if (index->number == 0)
        return PhysicalStep(db, index, db->dataStart);
    const auto family = static_cast<std::uint8_t>(index->number);
    std::int32_t item = INT_MIN;
    if (BtFind(index->bt, &family, 1, &item) == -1)
        return Fail(kIsamCbt);
    return TakeTreePosition(db, index);
}

int Next(IsamDatabase* db, IsamIndex* index)
{
    if (index->state == -2)
        return First(db, index);
    if (index->state == kIsamPastEnd)
        return kIsamPastEnd;
    if (index->number == 0) {
        int length;
        if (!ReadLengthWord(*db, index->pos, length)) {
            EndWalk(db);
            index->state = kIsamPastEnd;
            return kIsamPastEnd;
        }
        return PhysicalStep(db, index, index->pos + 2 + (length < 0 ? -length : length));
    }
    std::int32_t item;
    int r = BtNext(index->bt, &item);
    if (r == -1)
        return Fail(kIsamCbt);
    return TakeTreePosition(db, index);
}

// The keys of every user index for one record's field values.
int BuildKeys(IsamDatabase* db, const char* const* values, std::vector<Key>& keys)
{
    keys.assign(db->indexes.size(), Key());
    for (std::size_t i = 1; i < db->indexes.size(); ++i) {
        IsamIndex& index = *db->indexes[i];
        if (BuildKey(*db, index, values, keys[i]) != 1)
            return -1;
        if (keys[i].size() > BtBlockSize(index.bt) - kKeyReserve) {
            CbtSetError(kCbtKeyLength);
            return Fail(kIsamCbt);
        }
    }
    return 1;
}

// A unique index refuses a key that another record has already.
int CheckUnique(IsamDatabase* db, const std::vector<Key>& keys, std::int32_t self,
                const std::vector<Key>* oldKeys)
{
    for (std::size_t i = 1; i < db->indexes.size(); ++i) {
        if (!db->indexes[i]->unique)
            continue;
        const Key& key = keys[i];
        if (oldKeys &&
            CompareKeys(key.data(), static_cast<std::uint32_t>(key.size()), (*oldKeys)[i].data(),
                        static_cast<std::uint32_t>((*oldKeys)[i].size()), db) == 0)
            continue;
        std::int32_t item = INT_MIN;
        int r = BtFind(db->keyBt, key.data(), static_cast<std::uint32_t>(key.size()), &item);
        if (r == -1)
            return Fail(kIsamCbt);
        if (r == kBtFound && item != self) {
            CbtSetError(kCbtDuplicateKey);
            return Fail(kIsamCbt);
        }
    }
    return 1;
}

// The stored record at `pos` split into values, and its keys.
int ReadOldRecord(IsamDatabase* db, std::int32_t pos, std::vector<std::uint8_t>& data,
                  std::vector<Key>& keys)
{
    if (ReadWholeRecord(*db, pos, data) != 1)
        return -1;
    std::vector<char*> values(db->fields.size());
    if (!SplitRecord(*db, data.data(), static_cast<std::uint32_t>(data.size()), false,
                     values.data()))
        return Fail(kIsamIo);
    keys.assign(db->indexes.size(), Key());
    for (std::size_t i = 1; i < db->indexes.size(); ++i)
        if (BuildKey(*db, *db->indexes[i], values.data(), keys[i]) != 1)
            return -1;
    return 1;
}

int AddLocked(IsamDatabase* db, WriteFrame& w, const std::vector<std::uint8_t>& data,
              const std::vector<Key>& keys, IsamIndex* index)
{
    if (CheckUnique(db, keys, -1, nullptr) != 1)
        return -1;
    Space space;
    if (Allocate(*db, static_cast<std::uint32_t>(data.size()), space) != 1)
        return -1;
    if (WriteRecord(*db, space.pos, space.lengthWord, data) != 1) {
        ReturnSpace(*db, space, !space.appended);
        return -1;
    }
    ++db->generation;
    std::size_t inserted = 1;
    bool ok = true;
    for (; inserted < db->indexes.size(); ++inserted) {
        IsamIndex& ix = *db->indexes[inserted];
        const Key& key = keys[inserted];
        if (BtInsert(ix.bt, key.data(), static_cast<std::uint32_t>(key.size()), space.pos,
                     !ix.unique) != 1) {
            Fail(kIsamCbt);
            ok = false;
            break;
        }
    }
    if (ok && Commit(w) != 1)
        ok = false;
    if (!ok) {
        // Nothing of a failed add stays: its keys go and its space is free again.
        for (std::size_t i = 1; i < inserted; ++i)
            BtDelete(db->indexes[i]->bt, keys[i].data(), static_cast<std::uint32_t>(keys[i].size()),
                     space.pos);
        ReturnSpace(*db, space, true);
        Commit(w);
        return -1;
    }
    if (index->number == 0) {
        SetCurrent(db, index, space.pos);
        return 1;
    }
    std::size_t slot = 1;
    while (slot < db->indexes.size() && db->indexes[slot].get() != index)
        ++slot;
    const Key& key = keys[slot];
    std::int32_t item = space.pos;
    if (BtFind(index->bt, key.data(), static_cast<std::uint32_t>(key.size()), &item) == -1)
        return Fail(kIsamCbt);
    SetCurrent(db, index, space.pos);
    return 1;
}

void MoveRecordLock(IsamDatabase* db, std::int32_t from, std::int32_t to)
{
    if (std::find(db->lockedRecords.begin(), db->lockedRecords.end(), from) ==
        db->lockedRecords.end())
        return;
    UnlockRecord(*db, from);
    bool took;
    LockRecord(*db, to, took);
    if (db->walkLock == from)
        db->walkLock = took ? to : -1;
}

int UpdateLocked(IsamDatabase* db, IsamIndex* index, std::int32_t pos,
                 const std::vector<std::uint8_t>& data, const std::vector<Key>& keys)
{
    std::vector<std::uint8_t> old;
    std::vector<Key> oldKeys;
    if (ReadOldRecord(db, pos, old, oldKeys) != 1)
        return -1;
    if (CheckUnique(db, keys, pos, &oldKeys) != 1)
        return -1;
    const auto oldLength = static_cast<std::uint32_t>(old.size());
    const auto newLength = static_cast<std::uint32_t>(data.size());
    std::int32_t newPos = pos;
    if (newLength > oldLength) {
        Space space;
        if (Allocate(*db, newLength, space) != 1)
            return -1;
        if (WriteRecord(*db, space.pos, space.lengthWord, data) != 1) {
            ReturnSpace(*db, space, !space.appended);
            return -1;
        }
        newPos = space.pos;
        if (FreeSpace(*db, pos, oldLength) != 1)
            return -1;
        MoveRecordLock(db, pos, newPos);
    } else {
        // A rest too small for a free record of at least one byte stays as slack.
        std::uint32_t rest = oldLength - newLength;
        std::uint32_t minRest = std::max<std::uint32_t>(3, db->minRecord - 2);
        if (rest < minRest) {
            if (WriteRecord(*db, pos, oldLength, data) != 1)
                return -1;
        } else {
            if (WriteRecord(*db, pos, newLength, data) != 1)
                return -1;
            if (FreeSpace(*db, pos + 2 + static_cast<std::int32_t>(newLength), rest - 2) != 1)
                return -1;
        }
    }
    ++db->generation;
    for (std::size_t i = 1; i < db->indexes.size(); ++i) {
        IsamIndex& ix = *db->indexes[i];
        if (BtReplaceKey(ix.bt, oldKeys[i].data(), static_cast<std::uint32_t>(oldKeys[i].size()),
                         pos, keys[i].data(), static_cast<std::uint32_t>(keys[i].size()), newPos,
                         !ix.unique) != 1)
            return Fail(kIsamCbt);
    }
    IsamIndex* physical = db->indexes[0].get();
    if (physical->state == 1 && physical->pos == pos)
        SetCurrent(db, physical, newPos);
    SetCurrent(db, index, newPos);
    return 1;
}

int DeleteLocked(IsamDatabase* db, IsamIndex* index, std::int32_t pos)
{
    std::vector<std::uint8_t> old;
    std::vector<Key> oldKeys;
    if (ReadOldRecord(db, pos, old, oldKeys) != 1)
        return -1;
    ++db->generation;
    // A delete that fails half-way puts the keys back: the record stays whole.
    auto restoreKeys = [&](std::size_t upTo) {
        for (std::size_t i = 1; i <= upTo && i < db->indexes.size(); ++i) {
            IsamIndex& ix = *db->indexes[i];
            BtInsert(ix.bt, oldKeys[i].data(), static_cast<std::uint32_t>(oldKeys[i].size()), pos,
                     !ix.unique);
        }
    };
    for (std::size_t i = 1; i < db->indexes.size(); ++i) {
        const Key& key = oldKeys[i];
        if (BtDelete(db->indexes[i]->bt, key.data(), static_cast<std::uint32_t>(key.size()), pos) !=
            1) {
            Fail(kIsamCbt);
            restoreKeys(i);
            return -1;
        }
    }
    if (FreeSpace(*db, pos, static_cast<std::uint32_t>(old.size())) != 1) {
        restoreKeys(db->indexes.size());
        return -1;
    }
    IsamIndex* physical = db->indexes[0].get();
    if (physical->state == 1 && physical->pos == pos)
        physical->deleted = true;
    if (index->number != 0)
        TakeTreePosition(db, index);
    return 1;
}

} // namespace

int IsamFind(IsamDatabase* db, IsamIndex* index, const char* const* values)
{
    OpGuard guard;
    if (!CheckDatabase(db) || !CheckIndex(db, index))
        return -1;
    if (index->number == 0)
        return Fail(kIsamNotAllowed);
    Key key;
    if (BuildKey(*db, *index, values, key) != 1)
        return -1;
    std::int32_t item = 0;
    int r = BtFind(index->bt, key.data(), static_cast<std::uint32_t>(key.size()), &item);
    if (r == -1)
        return Fail(kIsamCbt);
    if (TakeTreePosition(db, index) != 1)
        return kIsamGreater;
    return r;
}

int IsamFirst(IsamDatabase* db, IsamIndex* index)
{
    OpGuard guard;
    if (!CheckDatabase(db) || !CheckIndex(db, index))
        return -1;
    return First(db, index);
}

int IsamNext(IsamDatabase* db, IsamIndex* index)
{
    OpGuard guard;
    if (!CheckDatabase(db) || !CheckIndex(db, index))
        return -1;
    return Next(db, index);
}

int IsamRecordLength(IsamDatabase* db, IsamIndex* index, std::uint32_t* length)
{
    OpGuard guard;
    if (!CheckDatabase(db) || !CheckIndex(db, index))
        return -1;
    if (!length)
        return Fail(kIsamNullArgument);
    std::int32_t pos = 0;
    if (CurrentPos(db, index, pos) != 1)
        return -1;
    bool took;
    if (LockRecord(*db, pos, took) != 1)
        return -1;
    int word;
    int rc = 1;
    if (!ReadLengthWord(*db, pos, word))
        rc = Fail(kIsamIo);
    else if (word <= 0)
        rc = Fail(kIsamNoCurrent);
    else
        *length = static_cast<std::uint32_t>(word);
    if (took)
        UnlockRecord(*db, pos);
    return rc;
}

int IsamReadRecord(IsamDatabase* db, IsamIndex* index, void* buffer, std::uint32_t size,
                   char** fields)
{
    OpGuard guard;
    if (!CheckDatabase(db) || !CheckIndex(db, index))
        return -1;
    if (!buffer || !fields)
        return Fail(kIsamNullArgument);
    std::int32_t pos = 0;
    if (CurrentPos(db, index, pos) != 1)
        return -1;
    bool took;
    if (LockRecord(*db, pos, took) != 1)
        return -1;
    auto* out = static_cast<std::uint8_t*>(buffer);
    int word;
    int rc = 1;
    std::uint32_t n = 0;
    bool truncated = false;
    if (!ReadLengthWord(*db, pos, word)) {
        rc = Fail(kIsamIo);
    } else if (word <= 0) {
        rc = Fail(kIsamNoCurrent);
    } else if (size == 0) {
        rc = Fail(kIsamBufferTooSmall);
    } else {
        auto length = static_cast<std::uint32_t>(word);
        truncated = length > size;
        n = truncated ? size - 1 : length;
        if (n && FileAccess().ReadAt(db->fh, pos + 2, n, out) != 1)
            rc = Fail(kIsamIo);
        else if (truncated)
            out[n] = 0;
    }
    if (took)
        UnlockRecord(*db, pos);
    if (rc != 1)
        return rc;
    if (!SplitRecord(*db, out, n, truncated, fields))
        return Fail(kIsamIo);
    return truncated ? Fail(kIsamBufferTooSmall) : 1;
}

int IsamAddRecord(IsamDatabase* db, const char* const* values, IsamIndex* index)
{
    OpGuard guard;
    if (!CheckDatabase(db) || !CheckIndex(db, index) || CheckWritable(db) != 1)
        return -1;
    std::vector<std::uint8_t> data;
    std::vector<Key> keys;
    if (BuildRecord(*db, values, data) != 1 || BuildKeys(db, values, keys) != 1)
        return -1;
    WriteFrame w;
    int r = BeginWrite(db, w);
    if (r != 1)
        return r;
    return EndWrite(w, AddLocked(db, w, data, keys, index));
}

int IsamUpdateRecord(IsamDatabase* db, IsamIndex* index, const char* const* values)
{
    OpGuard guard;
    if (!CheckDatabase(db) || !CheckIndex(db, index) || CheckWritable(db) != 1)
        return -1;
    std::int32_t pos = 0;
    if (CurrentPos(db, index, pos) != 1)
        return -1;
    std::vector<std::uint8_t> data;
    std::vector<Key> keys;
    if (BuildRecord(*db, values, data) != 1 || BuildKeys(db, values, keys) != 1)
        return -1;
    WriteFrame w;
    int r = BeginWrite(db, w);
    if (r != 1)
        return r;
    int rc = UpdateLocked(db, index, pos, data, keys);
    if (Commit(w) != 1)
        rc = -1;
    return EndWrite(w, rc);
}

int IsamDeleteRecord(IsamDatabase* db, IsamIndex* index)
{
    OpGuard guard;
    if (!CheckDatabase(db) || !CheckIndex(db, index) || CheckWritable(db) != 1)
        return -1;
    std::int32_t pos = 0;
    if (CurrentPos(db, index, pos) != 1)
        return -1;
    WriteFrame w;
    int r = BeginWrite(db, w);
    if (r != 1)
        return r;
    int rc = DeleteLocked(db, index, pos);
    if (Commit(w) != 1)
        rc = -1;
    return EndWrite(w, rc);
}

} // namespace Kyvant
