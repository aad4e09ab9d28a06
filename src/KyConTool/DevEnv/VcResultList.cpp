// Collecting one list's files and folders, then sorting, dropping duplicates, and warning if empty.
#include "KyConTool/DevEnv/VcResultList.h"

#include "KyConTool/DevEnv/DevEnvWarning.h"
#include "KyDB/Named/PathPlanCodes.h"

namespace Kyvant {

VcResultList::VcResultList(std::function<bool(const ky_F&)> accept, const ky_S& rule)
    : accept_(std::move(accept)), rule_(rule), nothingFound_(true)
{
}

void VcResultList::AddFile(const ky_F& name)
{
    if (name.empty())
        return;
    ky_F full = name;
    full.ToFullPath();
    nothingFound_ = false;
    if (!accept_ || accept_(full))
        names_.push_back(full);
}

void VcResultList::AddFolder(const ky_F& path)
{
    unsigned sep = path.find_last_of("\\/");
    if (sep == ky_F::npos)
        return;
    nothingFound_ = false;
    ky_F item(PathPlanCodes::s_PathSpecifier);
    item.append(path, 0, sep);
    item += rule_;
    names_.push_back(item);
}

void VcResultList::Finish(const char* emptyMessage)
{
    names_.sort();
    for (auto it = names_.begin(); it != names_.end();) {
        auto next = it;
        ++next;
        if (next != names_.end() && *next == *it)
            names_.erase(next);
        else
            it = next;
    }
    if (nothingFound_ && emptyMessage)
        DevEnv::Warn(emptyMessage, true);
}

} // namespace Kyvant
