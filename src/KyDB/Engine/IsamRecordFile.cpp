// Reading and writing records, record locks and free-space management.
#include "KyDB/Engine/IsamRecordFile.h"

#include "KyDB/Engine/BTreeInternal.h"
#include "KyDB/Engine/IsamKeys.h"

#include <algorithm>
#include <climits>

namespace Kyvant {
namespace IsamImpl {

namespace {

// Win32 ERROR_FILE_TOO_LARGE: record positions must stay below 2 GB.
constexpr unsigned long kFileTooLarge = 223;

void PutLengthWord(std::uint8_t* p, int value)
{
    auto v = static_cast<std::uint16_t>(static_cast<std::int16_t>(value));
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}

int WriteLengthWord(IsamDatabase& db, std::int32_t pos, int value)
{
    std::uint8_t w[2];
    PutLengthWord(w, value);
    return FileAccess().WriteAt(db.fh, pos, 2, w) == 1 ? 1 : Fail(kIsamIo);
}

// The key the B-tree handle stands on, as taken by its last positioning.
const BtPosition& Current(BTreeHandle* h)
{
    return h->cur;
}

struct FreeRecord {
    std::int32_t pos = 0;
    std::uint32_t length = 0;
};

// The free record the handle stands on when its key is of the given family.
bool CurrentFree(BTreeHandle* h, std::uint8_t family, FreeRecord& out)
{
    const BtPosition& p = Current(h);
    std::uint32_t want = family == kFreeByLength ? 3 : 5;
    if (p.state != 1 || p.keyLength != want || p.key[0] != family)
        return false;
    std::uint32_t value = BigEndian(p.key.data() + 1, want - 1);
    if (family == kFreeByLength) {
        out.length = value;
        out.pos = p.item;
    } else {
        out.pos = static_cast<std::int32_t>(value);
        out.length = static_cast<std::uint32_t>(p.item);
    }
    return true;
}

int InsertFreeKeys(IsamDatabase& db, std::int32_t pos, std::uint32_t length)
{
    std::vector<std::uint8_t> byLength = FreeLengthKey(length), byPos = FreePositionKey(pos);
    if (BtInsert(db.freeBt, byLength.data(), 3, pos, true) != 1)
        return Fail(kIsamCbt);
    if (BtInsert(db.freeBt, byPos.data(), 5, static_cast<std::int32_t>(length), true) != 1) {
        int saved = CbtError();
        BtDelete(db.freeBt, byLength.data(), 3, pos);
        CbtSetError(saved);
        return Fail(kIsamCbt);
    }
    return 1;
}

int RemoveFreeKeys(IsamDatabase& db, const FreeRecord& r)
{
    std::vector<std::uint8_t> byLength = FreeLengthKey(r.length), byPos = FreePositionKey(r.pos);
    if (BtDelete(db.freeBt, byLength.data(), 3, r.pos) != 1)
        return Fail(kIsamCbt);
    if (BtDelete(db.freeBt, byPos.data(), 5, static_cast<std::int32_t>(r.length)) != 1)
        return Fail(kIsamCbt);
    return 1;
}

// The free-space key changes of one step, undone when a later part of the
// step fails, so that keys and length words never disagree.
class FreeKeyChanges {
public:
    explicit FreeKeyChanges(IsamDatabase& db) : db_(db) {}
    int Remove(const FreeRecord& r)
    {
        removed_.push_back(r);
        return RemoveFreeKeys(db_, r);
    }
    int Add(std::int32_t pos, std::uint32_t length)
    {
        added_.push_back({pos, length});
        return InsertFreeKeys(db_, pos, length);
    }
    // Best effort; the step's first error stays the one reported.
    void Undo()
    {
        for (const FreeRecord& r : added_) {
            std::vector<std::uint8_t> byLength = FreeLengthKey(r.length),
                                      byPos = FreePositionKey(r.pos);
            BtDelete(db_.freeBt, byLength.data(), 3, r.pos);
            BtDelete(db_.freeBt, byPos.data(), 5, static_cast<std::int32_t>(r.length));
        }
        for (const FreeRecord& r : removed_) {
            std::vector<std::uint8_t> byLength = FreeLengthKey(r.length),
                                      byPos = FreePositionKey(r.pos);
            BtInsert(db_.freeBt, byLength.data(), 3, r.pos, true);
            BtInsert(db_.freeBt, byPos.data(), 5, static_cast<std::int32_t>(r.length), true);
        }
        added_.clear();
        removed_.clear();
    }

private:
    IsamDatabase& db_;
    std::vector<FreeRecord> removed_;
    std::vector<FreeRecord> added_;
};

// A free record as the keys describe it must match the file: its length word
// holds minus its length and it ends inside the file. 1 when it does, 0 when
// it does not, -1 when the length word cannot be read.
int MatchesFile(IsamDatabase& db, const FreeRecord& r, std::uint32_t fileSize)
{
    if (r.pos < db.dataStart || r.length == 0 || r.length > kMaxRecordLength ||
        static_cast<long long>(r.pos) + 2 + r.length > fileSize)
        return 0;
    int word;
    if (!ReadLengthWord(db, r.pos, word))
        return -1;
    return word == -static_cast<int>(r.length) ? 1 : 0;
}

} // namespace

bool ReadLengthWord(IsamDatabase& db, std::int32_t pos, int& length)
{
    std::uint8_t w[2];
    if (pos < 0 || FileAccess().ReadAt(db.fh, pos, 2, w) != 1)
        return false;
    length = static_cast<std::int16_t>(static_cast<std::uint16_t>(w[0] | (w[1] << 8)));
    return true;
}

int ReadWholeRecord(IsamDatabase& db, std::int32_t pos, std::vector<std::uint8_t>& data)
{
    int length;
    if (!ReadLengthWord(db, pos, length))
        return Fail(kIsamIo);
    if (length <= 0)
        return Fail(kIsamNoCurrent);
    data.resize(static_cast<std::size_t>(length));
    if (FileAccess().ReadAt(db.fh, pos + 2, static_cast<std::uint32_t>(length), data.data()) != 1)
        return Fail(kIsamIo);
    return 1;
}

int LockRecord(IsamDatabase& db, std::int32_t pos, bool& took)
{
    took = false;
    if (!db.shared ||
        std::find(db.lockedRecords.begin(), db.lockedRecords.end(), pos) != db.lockedRecords.end())
        return 1;
    const LockRetrySet& r = IsamLockRetrySet();
    if (FileAccess().Lock(db.fh, pos, 2, r.tries, r.pauseMs, r.giveUpMs) != 1)
        return Fail(kIsamLock);
    db.lockedRecords.push_back(pos);
    took = true;
    return 1;
}

void UnlockRecord(IsamDatabase& db, std::int32_t pos)
{
    auto it = std::find(db.lockedRecords.begin(), db.lockedRecords.end(), pos);
    if (it == db.lockedRecords.end())
        return;
    db.lockedRecords.erase(it);
    if (FileAccess().Unlock(db.fh, pos, 2) != 1)
        Fail(kIsamUnlock);
}

int WriteRecord(IsamDatabase& db, std::int32_t pos, std::uint32_t lengthWord,
                const std::vector<std::uint8_t>& data)
{
    std::vector<std::uint8_t> out(2 + data.size());
    PutLengthWord(out.data(), static_cast<int>(lengthWord));
    std::copy(data.begin(), data.end(), out.begin() + 2);
    if (FileAccess().WriteAt(db.fh, pos, static_cast<std::uint32_t>(out.size()), out.data()) != 1)
        return Fail(kIsamIo);
    return 1;
}

int Allocate(IsamDatabase& db, std::uint32_t length, Space& space)
{
    std::uint32_t fileSize;
    if (FileAccess().Size(db.fh, &fileSize) != 1)
        return Fail(kIsamIo);
    std::vector<std::uint8_t> key = FreeLengthKey(length);
    std::int32_t item = INT_MIN;
    int r = BtFind(db.freeBt, key.data(), 3, &item);
    if (r == -1)
        return Fail(kIsamCbt);
    FreeRecord fr;
    if ((r == kBtFound || r == kBtGreater) && CurrentFree(db.freeBt, kFreeByLength, fr)) {
        int match = fr.length < length ? 0 : MatchesFile(db, fr, fileSize);
        if (match != 1)
            return Fail(match < 0 ? kIsamIo : kIsamIndexDamaged);
        FreeKeyChanges changes(db);
        if (changes.Remove(fr) != 1) {
            changes.Undo();
            return -1;
        }
        space.pos = fr.pos;
        space.appended = false;
        if (fr.length < length + db.minRecord) {
            space.lengthWord = fr.length; // the rest stays with the record as slack
            return 1;
        }
        space.lengthWord = length;
        std::int32_t restPos = fr.pos + 2 + static_cast<std::int32_t>(length);
        std::uint32_t rest = fr.length - length - 2;
        if (changes.Add(restPos, rest) != 1 ||
            WriteLengthWord(db, restPos, -static_cast<int>(rest)) != 1) {
            changes.Undo();
            return -1;
        }
        return 1;
    }
    if (static_cast<long long>(fileSize) + 2 + length > 0x7FFFFFFFLL) {
        SetLastOsError(kFileTooLarge);
        return Fail(kIsamIo);
    }
    space.pos = static_cast<std::int32_t>(fileSize);
    space.lengthWord = length;
    space.appended = true;
    return 1;
}

int FreeSpace(IsamDatabase& db, std::int32_t pos, std::uint32_t length)
{
    std::uint32_t fileSize;
    if (FileAccess().Size(db.fh, &fileSize) != 1)
        return Fail(kIsamIo);
    std::vector<std::uint8_t> key = FreePositionKey(pos);
    std::int32_t item = INT_MIN;
    int r = BtFind(db.freeBt, key.data(), 5, &item);
    if (r == -1)
        return Fail(kIsamCbt);
    FreeRecord after, before;
    bool hasAfter =
        (r == kBtFound || r == kBtGreater) && CurrentFree(db.freeBt, kFreeByPosition, after);
    if (hasAfter && after.pos == pos)
        return Fail(kIsamIndexDamaged); // the space is listed as free already
    std::int32_t prevItem;
    int p = BtPrevious(db.freeBt, &prevItem);
    if (p == -1)
        return Fail(kIsamCbt);
    bool hasBefore = p == 1 && CurrentFree(db.freeBt, kFreeByPosition, before);

    // Neighbours are joined only when the file agrees with their keys.
    bool joinBefore = hasBefore && static_cast<long long>(before.pos) + 2 + before.length == pos &&
                      MatchesFile(db, before, fileSize) == 1;
    bool joinAfter = hasAfter && static_cast<long long>(pos) + 2 + length == after.pos &&
                     MatchesFile(db, after, fileSize) == 1;
    std::int32_t start = pos;
    std::uint32_t total = length;
    if (joinBefore && joinAfter && before.length + length + after.length + 4 <= kMaxRecordLength) {
        start = before.pos;
        total = before.length + length + after.length + 4;
    } else if (joinBefore && before.length + length + 2 <= kMaxRecordLength) {
        start = before.pos;
        total = before.length + length + 2;
        joinAfter = false;
    } else if (joinAfter && length + after.length + 2 <= kMaxRecordLength) {
        total = length + after.length + 2;
        joinBefore = false;
    } else {
        joinBefore = joinAfter = false;
    }
    // The keys change first; the length word that makes the space free is
    // written last, and a failure on the way undoes the key changes.
    FreeKeyChanges changes(db);
    if ((joinBefore && changes.Remove(before) != 1) || (joinAfter && changes.Remove(after) != 1) ||
        changes.Add(start, total) != 1 ||
        WriteLengthWord(db, start, -static_cast<int>(total)) != 1) {
        changes.Undo();
        return -1;
    }
    return 1;
}

int ReturnSpace(IsamDatabase& db, const Space& space, bool written)
{
    if (!written) {
        // The file must hold the whole extent before it can be listed as free.
        std::vector<std::uint8_t> blank(2 + space.lengthWord, 0);
        PutLengthWord(blank.data(), -static_cast<int>(space.lengthWord));
        if (FileAccess().WriteAt(db.fh, space.pos, static_cast<std::uint32_t>(blank.size()),
                                 blank.data()) != 1)
            return Fail(kIsamIo);
    }
    return FreeSpace(db, space.pos, space.lengthWord);
}

} // namespace IsamImpl
} // namespace Kyvant
