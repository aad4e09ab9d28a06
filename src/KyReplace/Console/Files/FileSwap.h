// Puts the engine's changed copy of a file in place of the original. The
// original's name always holds the original's bytes or the changed ones,
// whenever the process may stop: with backups, name + ".bak" is made as a
// second name of the original (a hard link, else a copy; an older backup
// first moves aside and comes back should the swap fail), then the changed
// copy replaces the original in one step. Without backups the one-step
// replace alone does it. Where the system has no one-step replace (Windows
// 95, 98, ME), or another program holds the original open, the original
// moves aside (with backups: becomes the backup) until the changed copy has
// its name. So a file another program holds open is replaced when that
// program shares delete access, and otherwise left as it was; one that a
// program opens without sharing delete only after the swap found it free
// can keep the backup link, and then the older backup keeps its aside name.
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

// Where a failed swap left things.
enum class SwapState {
    Unaltered,                 // the original and any older backup as they were
    UnalteredOldBackupRemoved, // the older backup could not be put back
    RemovedButBackedUp,        // the original's bytes lie only under another name
    // The original as it was, but the backup just made could not be taken
    // back (another program came to hold the original without sharing
    // delete): the backup name stays a second name of the original, or a
    // copy of it, and an older backup keeps its aside name.
    BackupLinkKept,
    BackupCopyKept,
};

class SwapError : public std::runtime_error {
public:
    SwapError(const std::string& what, SwapState state, const ky_F& name,
              const ky_F& aside = ky_F())
        : std::runtime_error(what), state_(state), name_(name), aside_(aside)
    {
    }
    SwapState State() const { return state_; }
    // The backup name, or where the original's bytes lie (RemovedButBackedUp).
    const ky_F& Name() const { return name_; }
    // Where an older backup lies that could not come back under the backup
    // name (BackupLinkKept, BackupCopyKept); empty without one.
    const ky_F& Aside() const { return aside_; }

private:
    SwapState state_;
    ky_F name_;
    ky_F aside_;
};

// The changed copy takes the original's hidden and system bits. Throws
// SwapError; the changed copy then stays under its temporary name.
SwapResult SwapIntoPlace(const ky_F& original, const ky_F& changed, bool backups,
                         FileOps& ops = SystemFileOps());

} // namespace Kyvant
