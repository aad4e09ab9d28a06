// Moving a file out of the way under a fresh name in its own folder, with
// the plain rename every target system has.
#pragma once

#include "KyStd/Files/FileName.h"
#include "KyStd/KyStdExport.h"

namespace Kyvant {

// Renames file to a name no file in its folder has ("kyf" and four hex
// digits, ".tmp"), given back in aside. False with GetLastError() telling
// why when the file cannot be renamed (a missing file gives
// ERROR_FILE_NOT_FOUND); aside is then unchanged.
KYSTD_API bool RenameAside(const ky_F& file, ky_F& aside);

} // namespace Kyvant
