// Folder variables in paths: a special folder's name between angle brackets,
// such as "<ProgramFiles>\Kyvant", stands for that folder's path.
#pragma once

#include "KyStd/Files/FileName.h"
#include "KyStd/KyStdExport.h"

#include <windows.h>

namespace Kyvant {
namespace Shell {

// Replaces every known variable in path by its folder and continues after
// the inserted text. An unknown name, and a folder the shell cannot give,
// leave the variable as it stands; a '<' without a later '>' ends the scan.
// Returns the HRESULT of the last folder that could not be had, or 0.
KYSTD_API long ExpandFolderVariables(ky_F& path, HWND hwnd = nullptr);

} // namespace Shell
} // namespace Kyvant
