// Putting a changed copy in place: the backup from a hard link or copy, then the one-step replace.
#include "KyReplace/Console/Files/FileSwap.h"

#include "KyStd/Core/Errors.h"

namespace Kyvant {

namespace {

bool NameTaken(DWORD error)
{
    return error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS;
}

// How the backup gets the original's bytes.
enum class BackupWay {
    SecondName, // a hard link or copy: the original keeps its name
    Rename,     // the original itself becomes the backup
};

// One swap's steps and what each failure must undo. Every failure throws
// with the error of the step that failed.
class Swap {
public:
    Swap(const ky_F& original, const ky_F& changed, FileOps& ops)
        : original_(original), changed_(changed), backup_(original + ".bak"), ops_(ops)
    {
    }
    void KeepHiddenAndSystemBits();
    // Refuses early what no replace could do, before a backup is made that
    // could not be taken back.
    void CheckNotHeld();
    // Makes the backup; an older backup moves aside first.
    void BackUp(BackupWay way);
    // With a backup made as a second name: the changed copy replaces the
    // original in one step, or by renames while another program holds it.
    void ReplaceKeepingBackup();
    // Without backups, where nothing holds the original open: the changed
    // copy replaces it in one step.
    bool ReplaceInOneStep() { return ops_.MoveReplace(changed_, original_); }
    // The original moves aside until the changed copy has its name.
    void MoveAside();
    void PutChangedInPlace();
    // After success: the older backup, or the original's bytes kept aside
    // without backups, are no longer needed.
    void DropAside(bool backups);
    const ky_F& BackupName() const { return backup_; }

private:
    [[noreturn]] void Fail(DWORD error, SwapState state, const ky_F& name) const;
    bool MakeBackup(BackupWay way);
    // A hard link where the system and the file system make one, else a copy.
    bool MakeSecondName();
    void MoveOlderBackupAside();
    // Puts an older backup moved aside back under its name.
    SwapState RestoreOlderBackup();
    // Takes back a backup made as a second name, then the older backup.
    SwapState UndoBackup();
    // Deletes a file moved aside, read-only or not.
    bool Remove(const ky_F& file);
    // Deletes name, one of two names of the same bytes, keeping the
    // attributes that other shares with it.
    bool RemoveSecondName(const ky_F& name, const ky_F& other);

    ky_F original_, changed_, backup_;
    FileOps& ops_;
    bool noLinks_ = false; // the system or the file system refused a link
    bool copied_ = false;  // the backup is a copy, not a second name
    ky_F olderBackup_;     // aside name of an older backup
    ky_F kept_;            // where the original's bytes lie while the changed copy moves in
};

void Swap::KeepHiddenAndSystemBits()
{
    DWORD originalAttributes = 0, changedAttributes = 0;
    if (!ops_.GetAttributes(original_, originalAttributes) ||
        !ops_.GetAttributes(changed_, changedAttributes))
        Fail(GetLastError(), SwapState::Unaltered, backup_);
    const DWORD kept = originalAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    if (kept && !ops_.SetAttributes(changed_, changedAttributes | kept))
        Fail(GetLastError(), SwapState::Unaltered, backup_);
}

void Swap::CheckNotHeld()
{
    if (ops_.HeldWithoutDeleteShare(original_))
        Fail(ERROR_SHARING_VIOLATION, SwapState::Unaltered, backup_);
}

void Swap::Fail(DWORD error, SwapState state, const ky_F& name) const
{
    const bool olderAside =
        state == SwapState::BackupLinkKept || state == SwapState::BackupCopyKept;
    throw SwapError(os_error(error).what(), state, name, olderAside ? olderBackup_ : ky_F());
}

bool Swap::MakeBackup(BackupWay way)
{
    return way == BackupWay::Rename ? ops_.Rename(original_, backup_) : MakeSecondName();
}

bool Swap::MakeSecondName()
{
    if (!noLinks_) {
        if (ops_.Link(original_, backup_))
            return true;
        if (NameTaken(GetLastError()))
            return false;
        noLinks_ = true;
    }
    copied_ = true;
    return ops_.Copy(original_, backup_);
}

// Tried first without looking for an older backup: a look for a name that
// does not exist costs as much as making one.
void Swap::BackUp(BackupWay way)
{
    if (!MakeBackup(way)) {
        const DWORD error = GetLastError();
        if (!NameTaken(error))
            Fail(error, SwapState::Unaltered, backup_);
        MoveOlderBackupAside();
        if (!MakeBackup(way)) {
            const DWORD error = GetLastError();
            Fail(error, RestoreOlderBackup(), backup_);
        }
    }
    if (way == BackupWay::Rename)
        kept_ = backup_;
}

void Swap::MoveOlderBackupAside()
{
    if (!ops_.RenameAside(backup_, olderBackup_)) {
        const DWORD asideError = GetLastError();
        olderBackup_.clear();
        Fail(asideError, SwapState::Unaltered, backup_);
    }
    DWORD attributes = 0;
    if (ops_.GetAttributes(olderBackup_, attributes) && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        // A folder of that name is no backup to replace.
        ops_.Rename(olderBackup_, backup_);
        Fail(ERROR_ACCESS_DENIED, SwapState::Unaltered, backup_);
    }
}

// The one-step replace fails while another program holds the original open;
// when that program shares delete access the original can still move aside.
// Meanwhile the backup holds the original's bytes.
void Swap::ReplaceKeepingBackup()
{
    if (ops_.MoveReplace(changed_, original_))
        return;
    if (!ops_.RenameAside(original_, kept_)) {
        const DWORD error = GetLastError();
        Fail(error, UndoBackup(), backup_);
    }
    if (ops_.Rename(changed_, original_)) {
        RemoveSecondName(kept_, backup_);
        return;
    }
    const DWORD error = GetLastError();
    if (!ops_.Rename(kept_, original_)) {
        RemoveSecondName(kept_, backup_);
        if (!olderBackup_.empty())
            Remove(olderBackup_);
        Fail(error, SwapState::RemovedButBackedUp, backup_);
    }
    Fail(error, UndoBackup(), backup_);
}

void Swap::MoveAside()
{
    if (!ops_.RenameAside(original_, kept_))
        Fail(GetLastError(), SwapState::Unaltered, backup_);
}

void Swap::PutChangedInPlace()
{
    if (ops_.Rename(changed_, original_))
        return;
    const DWORD error = GetLastError();
    if (!ops_.Rename(kept_, original_)) {
        // The original's bytes stay where they are; an older backup is
        // outdated by them.
        if (!olderBackup_.empty())
            Remove(olderBackup_);
        Fail(error, SwapState::RemovedButBackedUp, kept_);
    }
    Fail(error, RestoreOlderBackup(), backup_);
}

SwapState Swap::RestoreOlderBackup()
{
    if (olderBackup_.empty() || ops_.Rename(olderBackup_, backup_))
        return SwapState::Unaltered;
    Remove(olderBackup_);
    return SwapState::UnalteredOldBackupRemoved;
}

// A link is refused removal while another program holds the original
// without sharing delete; the older backup then cannot have its name back
// and stays where it is.
SwapState Swap::UndoBackup()
{
    if (copied_ ? !Remove(backup_) : !RemoveSecondName(backup_, original_))
        return copied_ ? SwapState::BackupCopyKept : SwapState::BackupLinkKept;
    return RestoreOlderBackup();
}

void Swap::DropAside(bool backups)
{
    if (!olderBackup_.empty())
        Remove(olderBackup_);
    if (!backups)
        Remove(kept_);
}

bool Swap::Remove(const ky_F& file)
{
    if (ops_.Delete(file))
        return true;
    ops_.SetAttributes(file, FILE_ATTRIBUTE_NORMAL);
    return ops_.Delete(file);
}

// Only a read-only name needs its attributes changed, and they are the
// other name's too: a name that cannot go for another reason leaves them.
bool Swap::RemoveSecondName(const ky_F& name, const ky_F& other)
{
    if (ops_.Delete(name))
        return true;
    DWORD attributes = 0;
    if (!ops_.GetAttributes(name, attributes) || !(attributes & FILE_ATTRIBUTE_READONLY))
        return false;
    const DWORD writable = attributes & ~FILE_ATTRIBUTE_READONLY;
    ops_.SetAttributes(name, writable ? writable : FILE_ATTRIBUTE_NORMAL);
    const bool removed = ops_.Delete(name);
    ops_.SetAttributes(other, attributes);
    return removed;
}

} // namespace

SwapResult SwapIntoPlace(const ky_F& original, const ky_F& changed, bool backups, FileOps& ops)
{
    Swap swap(original, changed, ops);
    swap.KeepHiddenAndSystemBits();
    SwapResult result;
    if (!backups) {
        if (!swap.ReplaceInOneStep()) {
            swap.MoveAside();
            swap.PutChangedInPlace();
            swap.DropAside(false);
        }
        return result;
    }
    if (ops.HasOneStepReplace()) {
        swap.CheckNotHeld();
        swap.BackUp(BackupWay::SecondName);
        swap.ReplaceKeepingBackup();
    } else {
        swap.BackUp(BackupWay::Rename);
        swap.PutChangedInPlace();
    }
    swap.DropAside(true);
    result.backedUp = true;
    result.backupName = swap.BackupName();
    return result;
}

} // namespace Kyvant
