// The texts KyReplace reports: one line per changed file, the total line,
// and the warning for an error that ended the file walk.
#pragma once

#include "KyReplace/Console/Files/FileSwap.h"
#include "KyStd/Files/FileName.h"
#include "KyStd/Strings/String.h"

namespace Kyvant {

// "<file>: Made N replacement(s)." and, with a backup,
// "\n\t(Original backed up as: <backup>).".
ky_S ResultLine(const ky_F& file, unsigned long count, const ky_F* backup);

// "Made N replacement(s) in M file(s)."
ky_S TotalLine(unsigned long replacements, unsigned long files);

// The endings of an error report about the current file.
ky_S OriginalUnalteredEnding();
ky_S BackupRemovedEnding(const ky_F& backup);
ky_S BackedUpOnlyEnding(const ky_F& backup);
// The backup name could not be freed again and names the original itself
// (linked) or a copy of it; an older backup, if any, lies under aside.
ky_S BackupKeptEnding(const ky_F& backup, const ky_F& aside, bool linked);
// The ending that tells where a failed swap left things.
ky_S SwapEnding(const SwapError& e);

// "An error occurred while processing "<file>": <error><ending>", or without
// a current file "An error occurred while not processing a file: <error>".
ky_S ErrorReport(const ky_F& currentFile, const char* error, const ky_S& ending);

} // namespace Kyvant
