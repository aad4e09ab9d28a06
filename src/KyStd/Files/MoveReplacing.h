// Moving a file onto another, replacing it, on every supported system.
#pragma once

#include "KyStd/Files/FileName.h"
#include "KyStd/KyStdExport.h"

namespace Kyvant {

// Moves from onto to, which is replaced when it exists. With a working
// MoveFileExA (Windows NT) in one step; elsewhere by renames: to moves aside,
// from takes its name and the aside file is deleted, and should from not
// take the name, to gets it back. False with GetLastError() telling why;
// to is then as it was.
KYSTD_API bool MoveReplacing(const ky_F& from, const ky_F& to);

} // namespace Kyvant
