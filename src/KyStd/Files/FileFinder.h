// Drives one folder's enumeration through a filter, leaving out the names
// that an exclusion list names in that folder. Used once: construct,
// FindFirst, then Accept and FindNext per entry.
#pragma once

#include "KyStd/Containers/List.h"
#include "KyStd/Containers/Sequencer.h"
#include "KyStd/Files/FileFilter.h"
#include "KyStd/Files/FileName.h"
#include "KyStd/KyStdExport.h"

#include <windows.h>

namespace Kyvant {

class KYSTD_API FileFinder {
public:
    // Exclusion entries are paths: one starting with ':' is relative to the
    // folder and names sub-folders; a path inside the folder names files, or
    // folders when it ends in a separator; the last part may be a ','
    // list of names. An entry that is the folder or one of its ancestors
    // (ending in a separator) excludes everything. The filter and the
    // exclusions must outlive the finder.
    FileFinder(const ky_F& folder, const FileFilterBase& filter,
               const input_sequencer<const char*>& exclusions);
    FileFinder(const ky_F& folder, const FileFilterBase& filter,
               const input_sequencer<const char*>* exclusions = nullptr);
    FileFinder(const FileFinder&) = delete;
    FileFinder& operator=(const FileFinder&) = delete;
    virtual ~FileFinder();

    // Enumeration failures are no exceptions: false, with the system's last
    // error of the failed search still readable.
    bool FindFirst();
    bool FindNext();
    // Whether the current entry passes the filter and the exclusions.
    virtual bool Accept();

private:
    void Init();
    void AddExcluded(const ky_F& names, bool folders);

    FileFilterBase* m_filter;
    const input_sequencer<const char*>* m_exclusions;
    ky_F m_folder;
    ky_F m_pattern;
    bool m_finished;
    DWORD m_error;
    ky_list<ky_F> m_excludedDirs;
    ky_list<ky_F> m_excludedFiles;
};

} // namespace Kyvant
