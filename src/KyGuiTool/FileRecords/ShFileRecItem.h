// Kyvant::ShFileRec::Item: the base record of a result row. It knows its
// folder and name and, when the console tool reported them, the file's
// details; the texts, icons and type name it shows are fetched the first time
// they are asked for, under one lock of the library, with the shell's answers
// shared per extension and per folder.
#pragma once

#include "KyConTool/Args/FileNameIterator.h"
#include "KyGuiTool/KyGuiToolExport.h"
#include "KyStd/Files/FileName.h"
#include "KyStd/Strings/String.h"

#include <windows.h>

namespace Kyvant {
namespace ShFileRec {

class KYGUITOOL_API Item {
public:
    // What has been prepared for display (bits of one 32-bit set).
    enum Fields : DWORD {
        NoFields = 0,
        SizeText = 0x01,
        WriteTimeText = 0x02,
        Icon = 0x04,       // system image index and overlay
        FolderIcon = 0x08, // the folder's image index and overlay
        TypeName = 0x10,
        AttributeText = 0x20,
        CreationTimeText = 0x40,
        FileData = SizeText | WriteTimeText | AttributeText, // always prepared together
        ShellData = Icon | TypeName,
        AllFields = FileData | ShellData | FolderIcon | CreationTimeText,
        DetailsGiven = 0x10000, // size, times and attributes need no file-system query
    };

    // The shell's answer for a file, shared by every item of an extension
    // unless its icon is its own.
    struct FileShInfo {
        Fields prepared = NoFields; // Icon and TypeName only
        const ky_S* typeName = nullptr;
        int icon = -1;   // system small-icon index; -1 none
        int overlay = 0; // 0, or 2 for a link
    };

    // The shell's answer for a folder, shared by every item in it.
    struct FolderShInfo {
        int icon = -1;
        int overlay = 0; // 0, or 1 for a shared folder
    };

    using FileDetails = ky_filename_argv_iterator::FileDetails;

    // Room for the attribute letters, or for the error text in their place.
    static const unsigned AttributeTextCapacity = 16;

    // Without details the file is looked up on the first preparation.
    Item(const ky_F& folder, const ky_F& name, const FileDetails* details);
    virtual ~Item();
    Item(const Item&) = default;
    Item& operator=(const Item&) = default;

    // Prepares the wanted fields that are not prepared yet, under the lock.
    // Failures show as error texts, never as exceptions.
    void PrepForDisplay_imp_1(Fields wanted) const;
    // Under the lock: the fields are fetched again when next asked for
    // (DetailsGiven among them: from the file system). Forgetting the icon or
    // the type name drops the shell's answer the item points at.
    void ForgetFields(Fields fields);
    // The file's new name within its folder (after a rename).
    void SetName(const ky_F& name);

    ky_F GetFullFileName() const;
    const ky_F& GetFolder() const { return *m_folder; }
    const ky_F& GetName() const { return m_name; }
    Fields GetPreparedFields() const { return m_prepared; }

    // Valid once the matching fields are prepared.
    unsigned long long GetSize() const { return m_size; }
    const FILETIME& GetWriteTime() const { return m_writeTime; }
    const FILETIME& GetCreationTime() const { return m_creationTime; }
    DWORD GetAttributes() const { return m_attributes; }
    const ky_S& GetSizeText() const { return m_sizeText; }
    const ky_S& GetWriteTimeText() const { return m_writeTimeText; }
    const ky_S& GetCreationTimeText() const { return m_creationTimeText; }
    const char* GetAttributeText() const { return m_attributeText; }
    const ky_S& GetTypeName() const;
    int GetIcon() const { return m_fileShInfo != nullptr ? m_fileShInfo->icon : -1; }
    int GetOverlay() const { return m_fileShInfo != nullptr ? m_fileShInfo->overlay : 0; }
    int GetFolderIcon() const { return m_folderShInfo != nullptr ? m_folderShInfo->icon : -1; }
    int GetFolderOverlay() const { return m_folderShInfo != nullptr ? m_folderShInfo->overlay : 0; }

    // Empties the process-wide caches. It takes no lock and drops what items
    // point at: call it only when no item is left and no thread makes one.
    static void ClearStaticData();

protected:
    mutable Fields m_prepared;
    const ky_F* m_folder; // interned: one string per folder
    ky_F m_name;
    mutable unsigned long long m_size;
    mutable FILETIME m_writeTime;
    mutable FILETIME m_creationTime;
    mutable ky_S m_sizeText;
    mutable ky_S m_writeTimeText;
    mutable ky_S m_creationTimeText;
    mutable FileShInfo* m_fileShInfo;
    mutable FolderShInfo* m_folderShInfo;
    mutable DWORD m_attributes;
    mutable char m_attributeText[AttributeTextCapacity];

private:
    class Preparation;
    friend class Preparation;
};

inline constexpr Item::Fields operator|(Item::Fields a, Item::Fields b)
{
    return static_cast<Item::Fields>(static_cast<DWORD>(a) | static_cast<DWORD>(b));
}
inline constexpr Item::Fields operator&(Item::Fields a, Item::Fields b)
{
    return static_cast<Item::Fields>(static_cast<DWORD>(a) & static_cast<DWORD>(b));
}
inline constexpr Item::Fields operator~(Item::Fields a)
{
    return static_cast<Item::Fields>(~static_cast<DWORD>(a));
}
inline Item::Fields& operator|=(Item::Fields& a, Item::Fields b)
{
    return a = a | b;
}
inline Item::Fields& operator&=(Item::Fields& a, Item::Fields b)
{
    return a = a & b;
}

} // namespace ShFileRec
} // namespace Kyvant
