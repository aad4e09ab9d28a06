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

} // namespace

bool LookUpDetails(const std::string& path, ky_filename_argv_iterator::FileDetails& out)
{
    out = ky_filename_argv_iterator::FileDetails();
    std::string name = path;
    while (name.size() > 1 && (name.back() == '\\' || name.back() == '/'))
        name.pop_back();
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
    out.size = (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
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
    DirItem item = SplitItemPath(name.c_str());
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
