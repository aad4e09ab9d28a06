// Puts the engine's changed copy of a file in place of the original. The
// original name is never left empty: the backup (name + ".bak") is made
// first from a hard link or a copy of the original, then the changed copy
// replaces the original in one step. When a step fails the original keeps
// its name and contents.
#pragma once

#include "KyReplace/Console/Files/FileOps.h"
#include "KyStd/Files/FileName.h"
#include "KyStd/Strings/String.h"

#include <stdexcept>
#include <string>

namespace Kyvant {

struct SwapResult {
    bool backedUp = false;
    ky_F backupName;
};

// A failed swap; the original is unchanged.
class SwapError : public std::runtime_error {
public:
    SwapError(const std::string& what, bool oldBackupReplaced, const ky_F& backupName)
        : std::runtime_error(what), oldBackupReplaced_(oldBackupReplaced), backupName_(backupName)
    {
    }
    // Whether an older backup gave way to the new one before the failure.
    bool OldBackupReplaced() const { return oldBackupReplaced_; }
    const ky_F& BackupName() const { return backupName_; }

private:
    bool oldBackupReplaced_;
    ky_F backupName_;
};

// The changed copy takes the original's hidden and system bits. Throws
// SwapError; the changed copy then stays under its temporary name.
SwapResult SwapIntoPlace(const ky_F& original, const ky_F& changed, bool backups,
                         FileOps& ops = SystemFileOps());

} // namespace Kyvant
