// The depth-first walk: reading a folder into its pending entry, and the next file or folder.
#include "KyConTool/Args/TreeWalk.h"

#include "KyConTool/Args/WalkFilters.h"
#include "KyStd/Core/Errors.h"
#include "KyStd/Files/FileFinder.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace Kyvant {

namespace {

bool NameLess(const FileRecord& a, const FileRecord& b)
{
    return a.name.compare(b.name) < 0;
}

// The folder as a result name: without its trailing separator, unless that
// is all of a root.
ky_F FolderName(const ky_F& folder)
{
    ky_F name(folder);
    if (name.length() > 1 && (name[name.length() - 1] == '\\' || name[name.length() - 1] == '/') &&
        name[name.length() - 2] != ':')
        name.chop();
    return name;
}

} // namespace

TreeWalk::TreeWalk(const PathSection& section, bool pureFolder, unsigned flags,
                   ky_filename_argv_iterator::Terminator* terminator)
    : section_(section), pureFolder_(pureFolder), flags_(flags), terminator_(terminator)
{
    if (!section_.pathRules.empty())
        rules_.reset(new RuleSequencer(section_.pathRules));
}

TreeWalk::~TreeWalk() {}

void TreeWalk::FillDetails(const FileInfo& entry, ky_filename_argv_iterator::FileDetails& out)
{
    out.attributes = entry.dwFileAttributes;
    out.padding0 = 0;
    out.lastWriteTime = entry.ftLastWriteTime;
    out.creationTime = entry.ftCreationTime;
    out.size = entry.GetSize64();
    out.reserved = 0;
    out.padding1 = 0;
}

void TreeWalk::Start()
{
    Push(section_.folder, true);
}

void TreeWalk::Push(const ky_F& folder, bool start)
{
    const bool folderMode = (flags_ & (ky_filename_argv_iterator::FolderPreOrder |
                                       ky_filename_argv_iterator::FolderPostOrder)) != 0;
    Pending entry;
    entry.folder = folder;
    entry.deeperAllowed = stack_.size() < static_cast<size_t>(section_.depth);
    entry.reportSelf = folderMode && (start || !pureFolder_);
    Read(entry, start);
    stack_.push_back(std::move(entry));
}

void TreeWalk::Read(Pending& entry, bool start)
{
    WalkFilter::Kind kind;
    if (section_.singleLookup)
        kind = pureFolder_ ? WalkFilter::PureFolderFilter : WalkFilter::PureFileFilter;
    else
        kind = pureFolder_ ? WalkFilter::GeneralFolderFinder : WalkFilter::GeneralFinder;
    const bool descend = entry.deeperAllowed && !section_.singleLookup;
    WalkFilter filter(section_, kind, entry.files, descend ? &entry.subFolders : nullptr);

    DWORD error = ERROR_SUCCESS;
    {
        if (rules_)
            rules_->rewind();
        FileFinder finder(entry.folder, filter, rules_.get());
        if (finder.FindFirst()) {
            do {
                finder.Accept();
            } while (finder.FindNext());
        }
        error = GetLastError();
    }

    if (section_.singleLookup && entry.files.empty() && !filter.Rejected() &&
        !section_.ExcludesFolder(entry.folder)) {
        // Nothing there: the name still reaches the tool, which reports it.
        entry.files.emplace_back();
        entry.files.back().name = section_.masks.front();
        return;
    }
    if (error != ERROR_SUCCESS && error != ERROR_NO_MORE_FILES && error != ERROR_FILE_NOT_FOUND) {
        bool ignorable = error == ERROR_PATH_NOT_FOUND || error == ERROR_ACCESS_DENIED;
        if (start || !ignorable)
            throw std::runtime_error(std::string(os_error(error).what()) + ": " +
                                     FolderName(entry.folder).c_str());
        entry.files.clear();
        entry.subFolders.clear();
        return;
    }
    std::stable_sort(entry.files.begin(), entry.files.end(), NameLess);
    std::stable_sort(entry.subFolders.begin(), entry.subFolders.end(), NameLess);
}

void TreeWalk::ReportSelf(const Pending& entry, FileNameResult& out) const
{
    out.name = FolderName(entry.folder);
    out.isFolder = true;
    out.isInfoFolder = true;
    out.hasDetails = false;
}

bool TreeWalk::Next(FileNameResult& out)
{
    while (!stack_.empty()) {
        Pending& top = stack_.back();
        if (top.reportSelf && (flags_ & ky_filename_argv_iterator::FolderPreOrder)) {
            top.reportSelf = false;
            ReportSelf(top, out);
            return true;
        }
        std::vector<FileRecord>& list = top.folderPhase ? top.subFolders : top.files;
        if (top.cursor >= list.size()) {
            if (!top.folderPhase && top.deeperAllowed) {
                top.folderPhase = true;
                top.cursor = 0;
                std::vector<FileRecord>().swap(top.files);
                continue;
            }
            if (top.reportSelf) {
                top.reportSelf = false;
                ReportSelf(top, out);
                return true;
            }
            stack_.pop_back();
            continue;
        }
        FileRecord& record = list[top.cursor++];
        if (!top.folderPhase) {
            // Built in the name's own storage, kept from the last item.
            out.name.assign(top.folder.data(), top.folder.length());
            out.name.append(record.name.data(), record.name.length());
            out.isFolder = pureFolder_;
            out.isInfoFolder = false;
            out.hasDetails = record.valid;
            if (record.valid)
                out.details = record.details;
            return true;
        }
        if (terminator_)
            terminator_->CheckTerminate();
        ky_F sub = top.folder + record.name;
        sub += '\\';
        Push(sub, false); // top may move now
    }
    return false;
}

} // namespace Kyvant
