// The depth-first walk of one path section: a stack of pending folders,
// newest on top, each holding its name-sorted files (or, in "@f" mode, its
// result folders) and its name-sorted sub-folders. A folder's files come
// before its sub-folders, and each sub-folder is finished before the next.
#pragma once

#include "KyConTool/Args/FileNameIterator.h"
#include "KyConTool/Args/ItemHooks.h"
#include "KyConTool/Args/PathSection.h"
#include "KyStd/Containers/Sequencer.h"
#include "KyStd/Files/FileName.h"

#include <memory>
#include <vector>

namespace Kyvant {

// One entry of a folder: details valid when they come from the file system.
struct FileRecord {
    bool valid = false;
    ky_filename_argv_iterator::FileDetails details{};
    ky_F name;
};

class TreeWalk {
public:
    // The section must outlive the walk. pureFolder: "@f" mode.
    TreeWalk(const PathSection& section, bool pureFolder, unsigned flags,
             ky_filename_argv_iterator::Terminator* terminator);
    ~TreeWalk();
    TreeWalk(const TreeWalk&) = delete;
    TreeWalk& operator=(const TreeWalk&) = delete;

    // Reads the section's folder; a folder that cannot be read is an error.
    void Start();
    // The next result; false when the walk is done.
    bool Next(FileNameResult& out);

    static void FillDetails(const FileInfo& entry, ky_filename_argv_iterator::FileDetails& out);

private:
    struct Pending {
        ky_F folder; // ends with a separator (or is empty: the current folder)
        std::vector<FileRecord> files;
        std::vector<FileRecord> subFolders;
        size_t cursor = 0;
        bool folderPhase = false;
        bool deeperAllowed = false;
        bool reportSelf = false;
    };

    void Push(const ky_F& folder, bool start);
    void Read(Pending& entry, bool start);
    void ReportSelf(const Pending& entry, FileNameResult& out) const;

    const PathSection& section_;
    bool pureFolder_;
    unsigned flags_;
    ky_filename_argv_iterator::Terminator* terminator_;
    using RuleSequencer =
        forward_input_sequencer<std::vector<ky_F>, ky_cast_converter<ky_F, const char*>>;
    std::unique_ptr<RuleSequencer> rules_;
    std::vector<Pending> stack_;
};

} // namespace Kyvant
