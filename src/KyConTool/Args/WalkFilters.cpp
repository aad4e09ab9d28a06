// The walk's filters: what each accepts, where it keeps it, and the mask for FindFirstFile.
#include "KyConTool/Args/WalkFilters.h"

namespace Kyvant {

WalkFilter::WalkFilter(const PathSection& section, Kind kind, std::vector<FileRecord>& results,
                       std::vector<FileRecord>* folders)
    : section_(section), kind_(kind), results_(results), folders_(folders), rejected_(false)
{
}

void WalkFilter::Keep(const FileInfo& entry, std::vector<FileRecord>& sink) const
{
    sink.emplace_back();
    FileRecord& r = sink.back();
    r.valid = true;
    TreeWalk::FillDetails(entry, r.details);
    r.name = entry.cFileName;
}

bool WalkFilter::Accept(const FileInfo& entry) const
{
    const bool folder = entry.IsDirectory();
    switch (kind_) {
    case GeneralFinder:
        if (folder) {
            if (entry.IsDots() || !folders_)
                return false;
            Keep(entry, *folders_);
            return true;
        }
        if (!section_.AcceptEntry(entry))
            return false;
        Keep(entry, results_);
        return true;
    case PureFileFilter:
        if (!folder && section_.AcceptEntry(entry)) {
            Keep(entry, results_);
            return true;
        }
        rejected_ = true;
        return false;
    case GeneralFolderFinder: {
        if (!folder || entry.IsDots())
            return false;
        if (folders_)
            Keep(entry, *folders_);
        bool result = section_.AcceptEntry(entry);
        if (result)
            Keep(entry, results_);
        return result || folders_;
    }
    default:
        if (folder && !entry.IsDots() && section_.AcceptEntry(entry)) {
            Keep(entry, results_);
            return true;
        }
        rejected_ = true;
        return false;
    }
}

bool WalkFilter::AcceptsFiles()
{
    return kind_ == GeneralFinder || kind_ == PureFileFilter;
}

bool WalkFilter::AcceptsDirs()
{
    return kind_ != PureFileFilter && (kind_ != GeneralFinder || folders_);
}

void WalkFilter::OnExcluded(const FileInfo&)
{
    rejected_ = true;
}

ky_F WalkFilter::GetMaskForFindFirst()
{
    if (kind_ == PureFileFilter || kind_ == PureFolderFilter)
        return section_.masks.front();
    return ky_F("*");
}

} // namespace Kyvant
