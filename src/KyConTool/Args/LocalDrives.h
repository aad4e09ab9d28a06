// The "<LocalDrives>" token of path items and the fixed drives it stands for.
#pragma once

#include "KyConTool/KyConToolExport.h"
#include "KyStd/Files/FileName.h"

#include <vector>

namespace Kyvant {

// String resource of the library that holds the token.
constexpr unsigned kLocalDrivesStringId = 30080;

// The token text ("<LocalDrives>"), loaded from the library's resources.
KYCONTOOL_API const ky_F& LocalDrivesToken();
// The roots ("C:\") of the fixed drives in the order the system lists them.
KYCONTOOL_API std::vector<ky_F> FixedDriveRoots();
// The library's module handle.
KYCONTOOL_API HINSTANCE KyConToolModule();

} // namespace Kyvant
