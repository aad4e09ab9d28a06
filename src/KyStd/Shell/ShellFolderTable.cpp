// The table of named special folders and the lookups by index and by name.
#include "KyStd/Shell/ShellFolderTable.h"

#include <algorithm>
#include <cstring>

namespace Kyvant {
namespace Shell {

namespace {

const ShellFolderDesc kFolders[] = {
    {"AdminTools", 48, 2},
    {"AltStartup", 29, 1},
    {"AppData", 26, 0},
    {"CDBurning", 59, 3},
    {"Common_AdminTools", 47, 2},
    {"Common_AltStartup", 30, 1},
    {"Common_AppData", 35, 2},
    {"Common_Desktop", 25, 1},
    {"Common_Documents", 46, 1},
    {"Common_Favorites", 31, 1},
    {"Common_Music", 53, 3},
    {"Common_Pictures", 54, 3},
    {"Common_ProgramFiles", 43, 2},
    {"Common_Programs", 23, 1},
    {"Common_StartMenu", 22, 1},
    {"Common_Startup", 24, 1},
    {"Common_Templates", 45, 1},
    {"Common_Video", 55, 3},
    {"Cookies", 33, 0},
    {"Desktop", 16, 0},
    {"Favorites", 6, 0},
    {"History", 34, 0},
    {"InternetCache", 32, 0},
    {"Local_AppData", 28, 2},
    {"MyDocuments", 5, 0},
    {"MyMusic", 13, 3},
    {"MyPictures", 39, 2},
    {"MyVideo", 14, 3},
    {"NetHood", 19, 0},
    {"PrintHood", 27, 0},
    {"Profile", 40, 2},
    {"ProgramFiles", 38, 2},
    {"Programs", 2, 0},
    {"Recent", 8, 0},
    {"SendTo", 9, 0},
    {"StartMenu", 11, 0},
    {"Startup", 7, 0},
    {"System", 37, 2},
    {"Templates", 21, 0},
    {"Windows", 36, 2},
};

constexpr int kCount = static_cast<int>(sizeof kFolders / sizeof kFolders[0]);
static_assert(kCount == 40, "the special-folder table has 40 rows");

} // namespace

int GetShellFolderCount()
{
    return kCount;
}

const ShellFolderDesc* GetShellFolderDesc(int i)
{
    return i >= 0 && i < kCount ? &kFolders[i] : nullptr;
}

const char* GetShellFolderCSIDLName(int i)
{
    const ShellFolderDesc* d = GetShellFolderDesc(i);
    return d ? d->name : nullptr;
}

bool GetCSIDL(const char* name, int& csidl)
{
    if (!name)
        return false;
    const ShellFolderDesc* end = kFolders + kCount;
    const ShellFolderDesc* it =
        std::lower_bound(kFolders, end, name, [](const ShellFolderDesc& row, const char* key) {
            return _stricmp(row.name, key) < 0;
        });
    if (it == end || _stricmp(it->name, name) != 0)
        return false;
    csidl = it->csidl;
    return true;
}

} // namespace Shell
} // namespace Kyvant
