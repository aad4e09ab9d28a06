// The four filters through which the folder walk enumerates one folder.
// Each judges an entry with the find data the enumeration already has and
// appends what it keeps to its sinks: results (files, or in "@f" mode
// folders) and the folders to descend into.
#pragma once

#include "KyConTool/Args/PathSection.h"
#include "KyConTool/Args/TreeWalk.h"
#include "KyStd/Files/FileFilter.h"
#include "KyStd/Files/FileInfo.h"

#include <vector>

namespace Kyvant {

class WalkFilter : public Win32FileFilter {
public:
    enum Kind {
        GeneralFinder,       // file mode, walking
        PureFileFilter,      // file mode, single lookup
        GeneralFolderFinder, // "@f" mode, walking
        PureFolderFilter     // "@f" mode, single lookup
    };

    // folders may be null: no descent wanted.
    WalkFilter(const PathSection& section, Kind kind, std::vector<FileRecord>& results,
               std::vector<FileRecord>* folders);

    bool Accept(const FileInfo& entry) const override;
    bool AcceptsFiles() override;
    bool AcceptsDirs() override;
    void OnExcluded(const FileInfo& entry) override;
    ky_F GetMaskForFindFirst() override;

    // A single-lookup filter refused an entry (or the exclusions did).
    bool Rejected() const { return rejected_; }

private:
    void Keep(const FileInfo& entry, std::vector<FileRecord>& sink) const;

    const PathSection& section_;
    Kind kind_;
    std::vector<FileRecord>& results_;
    std::vector<FileRecord>* folders_;
    mutable bool rejected_;
};

} // namespace Kyvant
