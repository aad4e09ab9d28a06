// Kyvant::Shell::CommonRootGuids: reading handler lists from HKEY_CLASSES_ROOT and intersecting them.
#include "KyGui/Shell/CommonRootGuids.h"

#include <windows.h>

#include <algorithm>
#include <iterator>

namespace Kyvant {
namespace Shell {

const char* const CommonRootGuids::ShellExContextMenuHandlers = "\\ShellEx\\ContextMenuHandlers";
const char* const CommonRootGuids::ShellExDragDropHandlers = "\\ShellEx\\DragDropHandlers";
const char* const CommonRootGuids::ShellExPropertySheetHandlers = "\\ShellEx\\PropertySheetHandlers";

namespace {

const char* const AllObjectsType = "AllFileSystemObjects";
const char* const AllFilesType = "*";
const char* const DirectoryType = "Directory";
const char* const FolderType = "Folder";
const DWORD NameBufferSize = 512;

void SortUnique(CommonRootGuids::GuidList& list)
{
    std::sort(list.begin(), list.end());
    list.erase(std::unique(list.begin(), list.end()), list.end());
}

CommonRootGuids::GuidList Intersection(const CommonRootGuids::GuidList& a, const CommonRootGuids::GuidList& b)
{
    CommonRootGuids::GuidList out;
    std::set_intersection(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(out));
    return out;
}

bool IsGuidText(const char* text)
{
    const size_t length = strlen(text);
    return length > 0 && text[0] == '{' && text[length - 1] == '}';
}

// The default value of a key (empty when missing or not a string).
ky_I DefaultValue(HKEY key, const char* subKey)
{
    char buffer[NameBufferSize] = {};
    LONG size = sizeof buffer;
    if (::RegQueryValueA(key, subKey, buffer, &size) != ERROR_SUCCESS)
        return ky_I();
    buffer[sizeof buffer - 1] = '\0';
    return ky_I(buffer);
}

} // namespace

CommonRootGuids::CommonRootGuids(const char* suffix)
    : m_suffix(suffix), m_genericLoaded(false), m_fileKindsSeen(false), m_folderKindsSeen(false)
{
}

bool CommonRootGuids::GetGuids(const char* typeKey, GuidList& out) const
{
    const ky_I keyName = ky_I(typeKey) + m_suffix;
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CLASSES_ROOT, keyName.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS) {
        char name[NameBufferSize];
        for (DWORD i = 0; ::RegEnumKeyA(key, i, name, NameBufferSize) == ERROR_SUCCESS; ++i) {
            ky_I guid = DefaultValue(key, name);
            if (guid.empty())
                guid = name;
            if (IsGuidText(guid.c_str()))
                out.push_back(guid);
        }
        ::RegCloseKey(key);
    }
    return !out.empty();
}

void CommonRootGuids::LoadGeneric(bool isFileKind)
{
    if (!m_genericLoaded) {
        GetGuids(AllObjectsType, m_allObjects);
        SortUnique(m_allObjects);
        m_genericLoaded = true;
    }
    if (isFileKind && !m_fileKindsSeen) {
        GetGuids(AllFilesType, m_genericFiles);
        m_genericFiles.insert(m_genericFiles.end(), m_allObjects.begin(), m_allObjects.end());
        SortUnique(m_genericFiles);
        m_fileKindsSeen = true;
    }
    if (!isFileKind && !m_folderKindsSeen) {
        GuidList folders;
        GetGuids(DirectoryType, folders);
        GetGuids(FolderType, folders);
        m_foldersOnly = folders;
        SortUnique(m_foldersOnly);
        folders.insert(folders.end(), m_allObjects.begin(), m_allObjects.end());
        SortUnique(folders);
        m_genericFolders = folders;
        m_folderKindsSeen = true;
    }
}

bool CommonRootGuids::IntersectGuidsOfType(const char* typeKey, bool isFileKind)
{
    LoadGeneric(isFileKind);
    const ky_I type(typeKey);
    if (m_typesDone.find(type) != m_typesDone.end())
        return !m_result.empty();
    const bool first = m_typesDone.empty();
    m_typesDone.insert(type);
    if (first || !m_result.empty()) {
        GuidList guids;
        if (!GetGuids(typeKey, guids)) {
            m_result.clear();
        } else {
            SortUnique(guids);
            m_result = first ? guids : Intersection(m_result, guids);
        }
    }
    return !m_result.empty();
}

bool CommonRootGuids::IntersectGuidsOfFileExt(const char* extension)
{
    const ky_I ext(extension);
    auto cached = m_classOfExt.find(ext);
    if (cached != m_classOfExt.end())
        return IntersectGuidsOfType(cached->second.c_str(), true);
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CLASSES_ROOT, extension, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return IntersectGuidsOfType(AllFilesType, true);
    ::RegCloseKey(key);
    ky_I className = DefaultValue(HKEY_CLASSES_ROOT, extension);
    if (className.empty())
        className = ext;
    m_classOfExt.insert(std::make_pair(ext, className));
    return IntersectGuidsOfType(className.c_str(), true);
}

bool CommonRootGuids::Finalize()
{
    GuidList generic;
    if (m_fileKindsSeen && m_folderKindsSeen)
        generic = Intersection(m_genericFiles, m_genericFolders);
    else if (m_fileKindsSeen)
        generic = m_genericFiles;
    else if (m_folderKindsSeen)
        generic = m_genericFolders;
    GuidList merged;
    std::set_union(generic.begin(), generic.end(), m_result.begin(), m_result.end(), std::back_inserter(merged));
    m_result = merged;
    return !m_result.empty();
}

bool CommonRootGuids::IsAllFilesGuid(const ky_I& guid) const
{
    return std::binary_search(m_allObjects.begin(), m_allObjects.end(), guid);
}

bool CommonRootGuids::IsAllFoldersGuid(const ky_I& guid) const
{
    return std::binary_search(m_foldersOnly.begin(), m_foldersOnly.end(), guid);
}

} // namespace Shell
} // namespace Kyvant
