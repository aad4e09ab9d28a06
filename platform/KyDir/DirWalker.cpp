// Turning the walk's names into KyDir's listing items.
#include "DirWalker.h"

#include <windows.h>

#include <algorithm>
#include <cctype>

namespace Kyvant {
namespace StandIn {

namespace {

// File-name comparison: case-insensitive, '/' equal to '\'.
std::string FolderKey(std::string path)
{
    for (char& c : path)
        c = c == '/' ? '\\' : static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (path.empty() || path.back() != '\\')
        path += '\\';
    return path;
}

using AttributesExFunction = BOOL(WINAPI*)(LPCSTR, GET_FILEEX_INFO_LEVELS, LPVOID);

// Windows 95 lacks it.
AttributesExFunction AttributesEx()
{
    static const AttributesExFunction function =
        reinterpret_cast<AttributesExFunction>(reinterpret_cast<void*>(
            GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetFileAttributesExA")));
    return function;
}

bool IsSeparator(char c)
{
    return c == '\\' || c == '/';
}

// A name without find data of its own (a drive, the root, a server or a
// share, a device path) or one that the finder would take as a pattern.
bool IsRootOrPattern(const std::string& name)
{
    if (name.empty() || name.back() == ':' || name.find_first_of("*?") != std::string::npos)
        return true;
    if (name.size() == 1 && IsSeparator(name[0]))
        return true;
    if (name.size() < 2 || !IsSeparator(name[0]) || !IsSeparator(name[1]))
        return false;
    const std::size_t server = name.find_first_of("\\/", 2);
    return server == std::string::npos ||
           name.find_first_of("\\/", server + 1) == std::string::npos;
}

unsigned long long Size(DWORD high, DWORD low)
{
    return (static_cast<unsigned long long>(high) << 32) | low;
}

} // namespace

bool LookUpDetails(const std::string& path, ky_filename_argv_iterator::FileDetails& out)
{
    out = ky_filename_argv_iterator::FileDetails();
    std::string name = path;
    while (name.size() > 1 && (name.back() == '\\' || name.back() == '/'))
        name.pop_back();
    if (AttributesExFunction byName = AttributesEx()) {
        WIN32_FILE_ATTRIBUTE_DATA data;
        if (!IsRootOrPattern(name) && byName(name.c_str(), GetFileExInfoStandard, &data)) {
            out.attributes = data.dwFileAttributes;
            out.lastWriteTime = data.ftLastWriteTime;
            out.creationTime = data.ftCreationTime;
            out.size = Size(data.nFileSizeHigh, data.nFileSizeLow);
            return true;
        }
    }
    WIN32_FIND_DATAA data;
    const HANDLE found = FindFirstFileA(name.c_str(), &data);
    if (found == INVALID_HANDLE_VALUE) {
        // A drive's root has no find data, only attributes.
        const DWORD attributes = GetFileAttributesA(path.c_str());
        out.attributes = attributes;
        return attributes != INVALID_FILE_ATTRIBUTES;
    }
    FindClose(found);
    out.attributes = data.dwFileAttributes;
    out.lastWriteTime = data.ftLastWriteTime;
    out.creationTime = data.ftCreationTime;
    out.size = Size(data.nFileSizeHigh, data.nFileSizeLow);
    return true;
}

DirWalker::DirWalker(bool includeFolders, DirItemSink& sink)
    : includeFolders_(includeFolders), sink_(sink)
{
}

void DirWalker::Process(const ky_F& name, ky_filename_argv_iterator::FileDetails* details,
                        bool isFolder)
{
    try {
        Take(name, details, isFolder);
    } catch (const KyConApp::NonFatalError&) {
        // reported and counted in the exit code; on with the next item
    }
}

void DirWalker::Take(const ky_F& name, ky_filename_argv_iterator::FileDetails* details,
                     bool isFolder)
{
    KyConApp& app = KyConApp::Instance();
    DirItem& item = item_;
    SplitItemPath(name.c_str(), name.length(), item);
    item.isFolder = isFolder;
    if (isFolder && (!IsNewSubFolder(item) || !includeFolders_))
        return;
    if (details) {
        item.details = *details;
        app.GuiStartFsObject(name, isFolder);
    } else if (!app.GuiCheckIfFsObjectExists(name, false, isFolder)) {
        return;
    } else if (!LookUpDetails(name.c_str(), item.details)) {
        app.GuiQueryError(name, static_cast<int>(GetLastError()), isFolder, true);
    }
    sink_.Add(item);
}

bool DirWalker::IsNewSubFolder(const DirItem& item)
{
    const bool inNoted = folders_.count(FolderKey(item.folder)) != 0;
    return folders_.insert(FolderKey(item.folder + item.name)).second && inNoted;
}

} // namespace StandIn
} // namespace Kyvant
