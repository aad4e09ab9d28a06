// The database question and the deletion of the six files and their folders.
#include "KyUninst/Databases.h"

#include "KyUninst/Prompt.h"

#include <cctype>
#include <string>
#include <vector>

namespace KyUninst {

namespace {

const char kSharedKey[] = "Software\\Kyvant\\Tools\\Shared";
const char kCreatedPaths[] = "DBCreatedPaths";
const DWORD kMaxValueBytes = 520;
const DWORD kMinValueBytes = 2;
const char kTitle[] = "Kyvant Tools Uninstaller";
const char kQuestion[] = "Delete the Kyvant Tools database files and lose all your named Path "
                         "Plans, Mask Sets, and Replace Plans?";
const char kFolderFailed[] = "Could not delete folder: ";
const char kNotFullPath[] =
    "The database files were not deleted, because their folder is not a full path: ";
const char* const kDatabaseFiles[] = {"KyMask.idx",    "KyMask.db",         "KyPathPlan.idx",
                                      "KyPathPlan.db", "KyReplacePlan.idx", "KyReplacePlan.db"};

// The first two strings of the multi-string, read whole within the buffer.
bool ReadCreatedPaths(HKEY key, std::string& outer, std::string& inner)
{
    std::vector<char> data(kMaxValueBytes + 2, '\0'); // room for two closing NULs
    DWORD type = 0;
    DWORD size = kMaxValueBytes;
    if (RegQueryValueExA(key, kCreatedPaths, nullptr, &type, reinterpret_cast<BYTE*>(data.data()),
                         &size) != ERROR_SUCCESS ||
        type != REG_MULTI_SZ || size <= kMinValueBytes)
        return false;
    outer = data.data();
    inner = data.data() + outer.size() + 1;
    return true;
}

// "X:\..." or "\\server\...": a path that does not depend on the current folder.
bool IsAbsolute(const std::string& path)
{
    const bool drive = path.size() >= 3 && std::isalpha(static_cast<unsigned char>(path[0])) &&
                       path[1] == ':' && (path[2] == '\\' || path[2] == '/');
    const bool unc = path.size() >= 3 && path[0] == '\\' && path[1] == '\\';
    return drive || unc;
}

void DeleteDatabaseFiles(const std::string& folder)
{
    for (const char* name : kDatabaseFiles)
        DeleteFileA((folder + "\\" + name).c_str());
}

// A relative folder would be taken from wherever the uninstaller runs: it is
// reported and nothing is deleted.
void DeleteDatabases(HWND owner, const std::string& outer, const std::string& inner)
{
    for (const std::string* folder : {&outer, &inner}) {
        if (folder->empty() && folder == &inner)
            continue;
        if (!IsAbsolute(*folder)) {
            Prompt(owner, kNotFullPath + *folder, kTitle, MB_OK | MB_ICONWARNING);
            return;
        }
    }
    if (!inner.empty()) {
        DeleteDatabaseFiles(inner);
        RemoveDirectoryA(inner.c_str());
    } else {
        DeleteDatabaseFiles(outer);
    }
    if (!RemoveDirectoryA(outer.c_str()))
        Prompt(owner, kFolderFailed + outer, kTitle, MB_OK | MB_ICONWARNING);
}

} // namespace

DatabaseAnswer OfferDatabaseRemoval(HWND owner)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kSharedKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return DatabaseAnswer::NotAsked;
    DatabaseAnswer answer = DatabaseAnswer::NotAsked;
    std::string outer, inner;
    if (ReadCreatedPaths(key, outer, inner)) {
        const int button =
            Prompt(owner, kQuestion, kTitle, MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON2);
        if (button == IDYES) {
            DeleteDatabases(owner, outer, inner);
            answer = DatabaseAnswer::Deleted;
        } else {
            answer = button == IDNO ? DatabaseAnswer::Kept : DatabaseAnswer::Cancelled;
        }
    }
    RegCloseKey(key);
    return answer;
}

} // namespace KyUninst
