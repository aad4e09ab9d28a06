// The process-wide caches of the file records (folder names, the shell's
// answers per extension, per file and per folder, link extensions and type
// names) and the one lock that guards them; internal to the library.
#pragma once

#include "KyGuiTool/FileRecords/ShFileRecItem.h"
#include "KyStd/Containers/Map.h"
#include "KyStd/Core/CritSec.h"
#include "KyStd/Files/FileName.h"
#include "KyStd/Strings/String.h"

#include <list>

namespace Kyvant {
namespace ShFileRec {

class Caches {
public:
    static Caches& Instance();

    Win32::CritSec& Lock() { return m_lock; }

    // Under the lock: the shared copy of the text.
    const ky_F* InternFolder(const ky_F& folder);
    const ky_S* InternTypeName(const ky_S& name);

    Item::FileShInfo* FindExtension(const ky_I& extension);
    Item::FileShInfo* AddExtension(const ky_I& extension);
    Item::FileShInfo* AddPerFile();
    bool IsLinkExtension(const ky_I& extension) const;
    void AddLinkExtension(const ky_I& extension);
    Item::FolderShInfo* FindFolder(const ky_F& folder);
    Item::FolderShInfo* AddFolder(const ky_F& folder, const Item::FolderShInfo& info);

    // The records items point at when preparing failed.
    Item::FileShInfo* FileError() { return &m_fileError; }
    Item::FolderShInfo* FolderError() { return &m_folderError; }

    // The texts that stand in for missing answers, loaded once.
    const ky_S& ErrorText();
    const ky_S& FileText();
    const ky_S& FileSuffixText();
    const ky_S& FolderText();

    // Without the lock, with no item left.
    void Clear();

private:
    Caches();
    void LoadTexts();

    Win32::CritSec m_lock;
    ky_set<ky_F> m_folders;
    const ky_F* m_lastFolder; // the element InternFolder gave last
    ky_map<ky_I, Item::FileShInfo> m_byExtension;
    std::list<Item::FileShInfo> m_perFile;
    ky_map<ky_F, Item::FolderShInfo> m_byFolder;
    ky_set<ky_I> m_linkExtensions;
    ky_set<ky_S> m_typeNames;
    Item::FileShInfo m_fileError;
    Item::FolderShInfo m_folderError;
    bool m_textsLoaded;
    ky_S m_errorText;
    ky_S m_fileText;
    ky_S m_fileSuffixText;
    ky_S m_folderText;
};

} // namespace ShFileRec
} // namespace Kyvant
