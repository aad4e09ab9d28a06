// Kyvant::ShFileRec::Item: construction, the full name, and the preparation of
// its file-system fields and folder icon.
#include "KyGuiTool/FileRecords/ShFileRecItem.h"

#include "KyGuiTool/FileRecords/FileDisplayFormat.h"
#include "KyGuiTool/FileRecords/ItemPreparation.h"
#include "KyGuiTool/FileRecords/ShellInfoFunction.h"
#include "KyStd/Win32/TimeConv.h"

#include <shellapi.h>
#include <shlobj.h>

#include <exception>

namespace Kyvant {
namespace ShFileRec {

namespace {

bool IsZero(const FILETIME& time)
{
    return time.dwLowDateTime == 0 && time.dwHighDateTime == 0;
}

void CopyText(char* out, unsigned capacity, const char* text)
{
    lstrcpynA(out, text, static_cast<int>(capacity));
}

} // namespace

Item::Item(const ky_F& folder, const ky_F& name, const FileDetails* details)
    : m_prepared(NoFields), m_folder(nullptr), m_name(name), m_size(0), m_writeTime(),
      m_creationTime(), m_fileShInfo(nullptr), m_folderShInfo(nullptr), m_attributes(0)
{
    m_attributeText[0] = '\0';
    Caches& caches = Caches::Instance();
    {
        Win32::CritSecLock lock(caches.Lock());
        m_folder = caches.InternFolder(folder);
    }
    if (details != nullptr) {
        m_attributes = details->attributes;
        m_size = details->size;
        m_writeTime = details->lastWriteTime;
        m_creationTime = details->creationTime;
        m_prepared = DetailsGiven;
    }
}

Item::~Item() {}

ky_F Item::GetFullFileName() const
{
    ky_F path;
    path.ToPath(m_folder->c_str(), m_name.c_str());
    return path;
}

const ky_S& Item::GetTypeName() const
{
    static const ky_S none;
    return m_fileShInfo != nullptr && m_fileShInfo->typeName != nullptr ? *m_fileShInfo->typeName
                                                                        : none;
}

void Item::ClearStaticData()
{
    Caches::Instance().Clear();
}

void Item::PrepForDisplay_imp_1(Fields wanted) const
{
    Caches& caches = Caches::Instance();
    Win32::CritSecLock lock(caches.Lock());
    const Fields missing = wanted & AllFields & ~m_prepared;
    if (missing == NoFields)
        return;
    Preparation preparation(*this, caches);
    if (missing & FileData)
        preparation.PrepareFileData();
    if ((wanted & CreationTimeText) && !(m_prepared & CreationTimeText))
        preparation.PrepareCreationTime();
    if (missing & ShellData)
        preparation.PrepareShellData(missing & ShellData);
    if (missing & FolderIcon)
        preparation.PrepareFolderIcon();
}

void Item::ForgetFields(Fields fields)
{
    Win32::CritSecLock lock(Caches::Instance().Lock());
    m_prepared &= ~fields;
    if (fields & ShellData) {
        m_prepared &= ~ShellData;
        m_fileShInfo = nullptr;
    }
}

void Item::SetName(const ky_F& name)
{
    m_name = name;
}

bool Item::Preparation::AttributesKnown() const
{
    return (m_item.m_prepared & (DetailsGiven | AttributeText)) != NoFields;
}

bool Item::Preparation::IsFolder() const
{
    if (AttributesKnown())
        return (m_item.m_attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    return m_item.GetFullFileName().IsDirectory();
}

void Item::Preparation::LookUp(FileInfo& info) const
{
    m_item.GetFullFileName().GetInfo(info);
}

void Item::Preparation::PrepareFileData()
{
    const bool withCreationTime = !(m_item.m_prepared & (DetailsGiven | CreationTimeText));
    m_item.m_sizeText.clear();
    m_item.m_writeTimeText.clear();
    m_item.m_attributeText[0] = '\0';
    if (withCreationTime)
        m_item.m_creationTimeText.clear();
    const Fields done = FileData | (withCreationTime ? CreationTimeText : NoFields);
    try {
        if (!(m_item.m_prepared & DetailsGiven)) {
            FileInfo info;
            LookUp(info);
            m_item.m_writeTime = info.ftLastWriteTime;
            if (withCreationTime)
                m_item.m_creationTime = info.ftCreationTime;
            m_item.m_size = info.GetSize64();
            m_item.m_attributes = info.dwFileAttributes;
        }
        FormatFileData(withCreationTime);
        m_item.m_prepared |= done | DetailsGiven;
    } catch (const std::exception&) {
        FailFileData(withCreationTime);
        m_item.m_prepared |= done;
    }
}

void Item::Preparation::FormatFileData(bool withCreationTime) const
{
    m_item.m_writeTimeText = FormatFileTimeForDisplay(m_item.m_writeTime);
    if (withCreationTime)
        m_item.m_creationTimeText = FormatFileTimeForDisplay(m_item.m_creationTime);
    if (!(m_item.m_attributes & FILE_ATTRIBUTE_DIRECTORY))
        m_item.m_sizeText = FormatFileSizeForDisplay(m_item.m_size);
    FormatFileAttributesForDisplay(m_item.m_attributes, m_item.m_attributeText);
}

// Every text still empty shows the error, with its value reset.
void Item::Preparation::FailFileData(bool withCreationTime) const
{
    const ky_S& error = m_caches.ErrorText();
    if (m_item.m_writeTimeText.empty()) {
        m_item.m_writeTime = ConvertToFILETIME(0);
        m_item.m_writeTimeText = error;
    }
    if (withCreationTime && m_item.m_creationTimeText.empty()) {
        m_item.m_creationTime = ConvertToFILETIME(0);
        m_item.m_creationTimeText = error;
    }
    if (m_item.m_sizeText.empty()) {
        m_item.m_size = 0;
        m_item.m_sizeText = error;
    }
    if (m_item.m_attributeText[0] == '\0') {
        m_item.m_attributes = 0;
        CopyText(m_item.m_attributeText, AttributeTextCapacity, error.c_str());
    }
}

void Item::Preparation::PrepareCreationTime()
{
    try {
        if (IsZero(m_item.m_creationTime)) {
            FileInfo info;
            LookUp(info);
            m_item.m_creationTime = info.ftCreationTime;
        }
        m_item.m_creationTimeText = FormatFileTimeForDisplay(m_item.m_creationTime);
    } catch (const std::exception&) {
        m_item.m_creationTime = ConvertToFILETIME(0);
        m_item.m_creationTimeText = m_caches.ErrorText();
    }
    m_item.m_prepared |= CreationTimeText;
}

void Item::Preparation::PrepareFolderIcon()
{
    try {
        FolderShInfo* entry = m_caches.FindFolder(*m_item.m_folder);
        if (entry == nullptr) {
            const char* folder = m_item.m_folder->c_str();
            FolderShInfo found;
            SHFILEINFOA info = {};
            if (GetShellInfo(folder, 0, info,
                             SHGFI_SYSICONINDEX | SHGFI_ATTRIBUTES | SHGFI_SMALLICON)) {
                found.icon = info.iIcon;
                found.overlay = (info.dwAttributes & SFGAO_SHARE) ? 1 : 0;
            } else {
                info = SHFILEINFOA();
                if (GetShellInfo(folder, FILE_ATTRIBUTE_DIRECTORY, info,
                                 SHGFI_USEFILEATTRIBUTES | SHGFI_SYSICONINDEX | SHGFI_SMALLICON))
                    found.icon = info.iIcon;
            }
            entry = m_caches.AddFolder(*m_item.m_folder, found);
        }
        m_item.m_folderShInfo = entry;
    } catch (const std::exception&) {
        m_item.m_folderShInfo = m_caches.FolderError();
    }
    m_item.m_prepared |= FolderIcon;
}

} // namespace ShFileRec
} // namespace Kyvant
