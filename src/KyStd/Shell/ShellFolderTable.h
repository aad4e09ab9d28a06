// The named special folders: 40 rows sorted by name (case-insensitive), each
// with its CSIDL and the lowest system that has it.
#pragma once

#include "KyStd/KyStdExport.h"

namespace Kyvant {
namespace Shell {

struct ShellFolderDesc {
    const char* name;
    int csidl;
    int level; // 0 any system, 1 the NT family, 2 Windows 2000, 3 Windows XP
};

KYSTD_API int GetShellFolderCount(); // 40
// Row i, or null for i outside 0..39.
KYSTD_API const ShellFolderDesc* GetShellFolderDesc(int i);
// The name of row i, or null for i outside 0..39.
KYSTD_API const char* GetShellFolderCSIDLName(int i);
// The CSIDL of a name in any case; false for unknown names (and prefixes of
// names) and for null.
KYSTD_API bool GetCSIDL(const char* name, int& csidl);

} // namespace Shell
} // namespace Kyvant
