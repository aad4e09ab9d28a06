// Putting a changed copy in place: the backup from a hard link or copy, then the one-step replace.
#include "KyReplace/Console/Files/FileSwap.h"

#include "KyStd/Core/Errors.h"

namespace Kyvant {

namespace {

[[noreturn]] void Fail(bool oldBackupReplaced, const ky_F& backupName)
{
    const DWORD code = GetLastError();
    throw SwapError(os_error(code).what(), oldBackupReplaced, backupName);
}

bool ExistsAlready(DWORD error)
{
    return error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS;
}

// Fails with the error of the step that failed after undoing the staging file.
[[noreturn]] void FailStaged(FileOps& ops, const ky_F& staging, const ky_F& backup)
{
    const DWORD code = GetLastError();
    ops.Delete(staging);
    SetLastError(code);
    Fail(false, backup);
}

// Makes the backup as a hard link to the original, or a copy where links
// are not possible. An older backup is replaced in one step by a new one
// built under a temporary name beside it. Returns whether there was one.
bool MakeBackup(const ky_F& original, const ky_F& backup, FileOps& ops)
{
    if (ops.HardLink(original, backup))
        return false;
    if (!ExistsAlready(GetLastError())) {
        if (ops.Copy(original, backup, false))
            return false;
        if (!ExistsAlready(GetLastError()))
            Fail(false, backup);
    }
    ky_F staging;
    if (!ops.MakeTempFile(original, staging))
        Fail(false, backup);
    const bool linked = ops.Delete(staging) && ops.HardLink(original, staging);
    if (!linked && !ops.Copy(original, staging, true))
        FailStaged(ops, staging, backup);
    if (!ops.MoveReplace(staging, backup))
        FailStaged(ops, staging, backup);
    return true;
}

} // namespace

SwapResult SwapIntoPlace(const ky_F& original, const ky_F& changed, bool backups, FileOps& ops)
{
    SwapResult result;
    const ky_F backup = original + ".bak";
    DWORD originalAttributes = 0, changedAttributes = 0;
    if (!ops.GetAttributes(original, originalAttributes) ||
        !ops.GetAttributes(changed, changedAttributes))
        Fail(false, backup);
    const DWORD kept = originalAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    if (kept && !ops.SetAttributes(changed, changedAttributes | kept))
        Fail(false, backup);

    bool oldBackupReplaced = false;
    if (backups) {
        oldBackupReplaced = MakeBackup(original, backup, ops);
        result.backedUp = true;
        result.backupName = backup;
    }
    if (!ops.MoveReplace(changed, original)) {
        // A backup made fresh here goes again, so nothing is left changed.
        const DWORD code = GetLastError();
        if (backups && !oldBackupReplaced)
            ops.Delete(backup);
        SetLastError(code);
        Fail(oldBackupReplaced, backup);
    }
    return result;
}

} // namespace Kyvant
