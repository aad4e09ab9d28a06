// The texts KyReplace reports: per-file result lines, the total line and the error report.
#include "KyReplace/Console/App/ResultText.h"

#include <string>

namespace Kyvant {

namespace {

ky_S Number(unsigned long n)
{
    return std::to_string(n).c_str();
}

} // namespace

ky_S ResultLine(const ky_F& file, unsigned long count, const ky_F* backup)
{
    ky_S line(file);
    line += ": Made ";
    line += Number(count);
    line += count == 1 ? " replacement." : " replacements.";
    if (backup) {
        line += "\n\t(Original backed up as: ";
        line += *backup;
        line += ").";
    }
    return line;
}

ky_S TotalLine(unsigned long replacements, unsigned long files)
{
    ky_S line("Made ");
    line += Number(replacements);
    line += replacements == 1 ? " replacement in " : " replacements in ";
    line += Number(files);
    line += files == 1 ? " file." : " files.";
    return line;
}

ky_S OriginalUnalteredEnding()
{
    return ": This original file was not altered.";
}

ky_S BackupRemovedEnding(const ky_F& backup)
{
    ky_S text(": This original file was not altered, but the pre-existing backup file \"");
    text += backup;
    text += "\" was removed.";
    return text;
}

ky_S BackedUpOnlyEnding(const ky_F& backup)
{
    ky_S text(": That file was removed, but it was backed up as: \"");
    text += backup;
    text += "\".";
    return text;
}

ky_S BackupKeptEnding(const ky_F& backup, const ky_F& aside, bool linked)
{
    ky_S text;
    if (aside.empty()) {
        text = OriginalUnalteredEnding();
    } else {
        text = BackupRemovedEnding(backup);
        text += " Its contents are kept as: \"";
        text += aside;
        text += "\".";
    }
    text += " \"";
    text += backup;
    text += linked ? "\" could not be removed: it is a second name of this file."
                   : "\" could not be removed: it is a copy of this file.";
    return text;
}

ky_S SwapEnding(const SwapError& e)
{
    switch (e.State()) {
    case SwapState::UnalteredOldBackupRemoved:
        return BackupRemovedEnding(e.Name());
    case SwapState::RemovedButBackedUp:
        return BackedUpOnlyEnding(e.Name());
    case SwapState::BackupLinkKept:
        return BackupKeptEnding(e.Name(), e.Aside(), true);
    case SwapState::BackupCopyKept:
        return BackupKeptEnding(e.Name(), e.Aside(), false);
    case SwapState::Unaltered:
        break;
    }
    return OriginalUnalteredEnding();
}

ky_S ErrorReport(const ky_F& currentFile, const char* error, const ky_S& ending)
{
    if (currentFile.empty())
        return ky_S("An error occurred while not processing a file: ") + error;
    ky_S text("An error occurred while processing \"");
    text += currentFile;
    text += "\": ";
    text += error;
    text += ending;
    return text;
}

} // namespace Kyvant
