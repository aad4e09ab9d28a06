// Filters that drive one folder's enumeration: FileFilterBase is what a
// FileFinder calls; Win32FileFilter enumerates with FindFirstFileA and
// FindNextFileA; FileFilter, DirFilter and FileAndDirFilter choose files,
// folders or both by their mask lists.
#pragma once

#include "KyStd/Containers/Sequencer.h"
#include "KyStd/Files/FileInfo.h"
#include "KyStd/Files/FileName.h"
#include "KyStd/Files/MaskMatcher.h"
#include "KyStd/KyStdExport.h"

#include <windows.h>

namespace Kyvant {

class KYSTD_API FileFilterBase {
public:
    // Separates the masks of a list text.
    static const char s_ListSeparator;

    virtual ~FileFilterBase();
    // The character that joins a folder and a name.
    virtual char GetDirSeparator();
    virtual bool FindFirst(const char* pattern) const = 0;
    virtual bool FindNext() = 0;
    virtual void EndSearch() = 0;
    virtual bool Accept(const FileInfo& entry) const = 0;
    virtual bool AcceptsFiles() = 0;
    virtual bool AcceptsDirs() = 0;
    // Told an entry refused because its name is in the exclusion list.
    virtual void OnExcluded(const FileInfo& entry);
    // Told when the search on pattern found nothing at all.
    virtual void OnNothingFound(const ky_F& pattern,
                                const input_sequencer<const char*>& fileExclusions,
                                const input_sequencer<const char*>& folderExclusions);
    virtual ky_F GetMaskForFindFirst() = 0;
    // Folder and name parts of the last pattern given to FindFirst.
    virtual const ky_F& GetSearchDir() = 0;
    virtual const ky_F& GetSearchMask() = 0;
    // The entry the last successful FindFirst or FindNext found.
    virtual const FileInfo& GetFileInfo() const = 0;
};

class KYSTD_API Win32FileFilter : public FileFilterBase {
public:
    Win32FileFilter();
    Win32FileFilter(const Win32FileFilter&) = delete;
    Win32FileFilter& operator=(const Win32FileFilter&) = delete;
    ~Win32FileFilter() override;

    bool FindFirst(const char* pattern) const override;
    bool FindNext() override;
    void EndSearch() override;
    const ky_F& GetSearchDir() override { return m_searchDir; }
    const ky_F& GetSearchMask() override { return m_searchMask; }
    const FileInfo& GetFileInfo() const override { return m_findData; }

protected:
    // The search state changes under the const FindFirst as well.
    mutable FileInfo m_findData;
    mutable HANDLE m_handle;
    mutable ky_F m_searchDir;
    mutable ky_F m_searchMask;

private:
    void Close() const;
};

// Files (not folders) whose names the masks accept.
class KYSTD_API FileFilter : public virtual Win32FileFilter, public MaskMatcher {
public:
    FileFilter() {}
    explicit FileFilter(const char* includes, const char* excludes = nullptr)
        : MaskMatcher(includes, excludes)
    {
    }
    explicit FileFilter(const Masks& includes) : MaskMatcher(includes) {}
    FileFilter(const Masks& includes, const Masks& excludes) : MaskMatcher(includes, excludes) {}

    using MaskMatcher::Accept;
    bool Accept(const FileInfo& entry) const override;
    bool AcceptsFiles() override { return true; }
    bool AcceptsDirs() override { return false; }
    ky_F GetMaskForFindFirst() override { return GetMergedMask(); }
};

// Folders other than "." and ".." whose names the masks accept.
class KYSTD_API DirFilter : public virtual Win32FileFilter, public MaskMatcher {
public:
    DirFilter() {}
    explicit DirFilter(const char* includes, const char* excludes = nullptr)
        : MaskMatcher(includes, excludes)
    {
    }
    explicit DirFilter(const Masks& includes) : MaskMatcher(includes) {}
    DirFilter(const Masks& includes, const Masks& excludes) : MaskMatcher(includes, excludes) {}

    using MaskMatcher::Accept;
    bool Accept(const FileInfo& entry) const override;
    bool AcceptsFiles() override { return false; }
    bool AcceptsDirs() override { return true; }
    ky_F GetMaskForFindFirst() override { return GetMergedMask(); }
};

// Files by the file masks and folders by the folder masks.
class KYSTD_API FileAndDirFilter : public FileFilter, public DirFilter {
public:
    FileAndDirFilter() {}
    FileAndDirFilter(const char* fileIncludes, const char* fileExcludes, const char* dirIncludes,
                     const char* dirExcludes)
        : FileFilter(fileIncludes, fileExcludes), DirFilter(dirIncludes, dirExcludes)
    {
    }
    FileAndDirFilter(const Masks& fileIncludes, const Masks& dirIncludes)
        : FileFilter(fileIncludes), DirFilter(dirIncludes)
    {
    }

    bool Accept(const FileInfo& entry) const override;
    bool AcceptsFiles() override { return true; }
    bool AcceptsDirs() override { return true; }
    // The common mask when both lists merge to the same one, else "*".
    ky_F GetMaskForFindFirst() override;
};

} // namespace Kyvant
