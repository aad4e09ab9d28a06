// The file records' process-wide caches and their texts.
#include "KyGuiTool/FileRecords/ShFileRecCaches.h"

#include "KyGuiTool/FileRecords/FileRecordsResource.h"
#include "KyGuiTool/Module/KyGuiToolModule.h"

#include <cstring>

namespace Kyvant {
namespace ShFileRec {

namespace {

// Made when the library loads, so that reader threads never race to make it.
[[maybe_unused]] Caches& theCaches = Caches::Instance();

} // namespace

Caches& Caches::Instance()
{
    static Caches caches;
    return caches;
}

Caches::Caches() : m_lastFolder(nullptr), m_textsLoaded(false)
{
    m_fileError.prepared = Item::ShellData;
    m_fileError.typeName = &m_errorText;
}

// Readers add a folder's items one after the other: the folder looked up
// last is taken without a search when it is the same text, byte for byte.
const ky_F* Caches::InternFolder(const ky_F& folder)
{
    if (m_lastFolder && m_lastFolder->length() == folder.length() &&
        std::memcmp(m_lastFolder->data(), folder.data(), folder.length()) == 0)
        return m_lastFolder;
    m_lastFolder = &*m_folders.insert(folder).first;
    return m_lastFolder;
}

const ky_S* Caches::InternTypeName(const ky_S& name)
{
    return &*m_typeNames.insert(name).first;
}

Item::FileShInfo* Caches::FindExtension(const ky_I& extension)
{
    auto it = m_byExtension.find(extension);
    return it != m_byExtension.end() ? &it->second : nullptr;
}

Item::FileShInfo* Caches::AddExtension(const ky_I& extension)
{
    return &m_byExtension[extension];
}

Item::FileShInfo* Caches::AddPerFile()
{
    m_perFile.emplace_back();
    return &m_perFile.back();
}

bool Caches::IsLinkExtension(const ky_I& extension) const
{
    return m_linkExtensions.find(extension) != m_linkExtensions.end();
}

void Caches::AddLinkExtension(const ky_I& extension)
{
    m_linkExtensions.insert(extension);
}

Item::FolderShInfo* Caches::FindFolder(const ky_F& folder)
{
    auto it = m_byFolder.find(folder);
    return it != m_byFolder.end() ? &it->second : nullptr;
}

Item::FolderShInfo* Caches::AddFolder(const ky_F& folder, const Item::FolderShInfo& info)
{
    Item::FolderShInfo& entry = m_byFolder[folder];
    entry = info;
    return &entry;
}

void Caches::LoadTexts()
{
    if (m_textsLoaded)
        return;
    const HINSTANCE module = KyGuiToolModule();
    m_errorText.LoadStringA(module, IDS_KY_DISPLAY_ERROR);
    m_fileText.LoadStringA(module, IDS_KY_TYPE_NAME_FILE);
    m_fileSuffixText.LoadStringA(module, IDS_KY_TYPE_NAME_SUFFIX);
    m_folderText.LoadStringA(module, IDS_KY_TYPE_NAME_FOLDER);
    m_textsLoaded = true;
}

const ky_S& Caches::ErrorText()
{
    LoadTexts();
    return m_errorText;
}

const ky_S& Caches::FileText()
{
    LoadTexts();
    return m_fileText;
}

const ky_S& Caches::FileSuffixText()
{
    LoadTexts();
    return m_fileSuffixText;
}

const ky_S& Caches::FolderText()
{
    LoadTexts();
    return m_folderText;
}

void Caches::Clear()
{
    m_lastFolder = nullptr;
    m_folders.clear();
    m_byExtension.clear();
    m_perFile.clear();
    m_byFolder.clear();
    m_linkExtensions.clear();
    m_typeNames.clear();
}

} // namespace ShFileRec
} // namespace Kyvant
