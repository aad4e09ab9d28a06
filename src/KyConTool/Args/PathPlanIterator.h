// ky_filename_PathPlan_iterator: the files that a stored path plan names
// ("@P" items). The plan's words are read from the path-plan database and
// walked one by one as argument items, under a settings record of their
// own, so the plan's masks, depth, rules and filters apply to its own paths
// only. Plans may name plans; a plan that names itself is refused.
#pragma once

#include "KyConTool/Args/FileNameIterator.h"
#include "KyConTool/Args/FileNameIteratorEq.h"
#include "KyConTool/KyConToolExport.h"
#include "KyStd/Files/FileName.h"
#include "KyStd/Strings/String.h"

#include <memory>

namespace Kyvant {

class PathPlanState;

class KYCONTOOL_API ky_filename_PathPlan_iterator {
public:
    using FileDetails = ky_filename_argv_iterator::FileDetails;

    // The end iterator.
    ky_filename_PathPlan_iterator();
    // "Infinite set cycle detected" when the plan is already being expanded;
    // "Unknown Path Plan name: " + name when there is none.
    ky_filename_PathPlan_iterator(const ky_I& planName,
                                  ky_filename_argv_iterator::Terminator* terminator,
                                  unsigned flags);
    ky_filename_PathPlan_iterator(const ky_filename_PathPlan_iterator& other);
    ky_filename_PathPlan_iterator& operator=(const ky_filename_PathPlan_iterator& other);
    ~ky_filename_PathPlan_iterator();

    const ky_F& operator*() const;
    const ky_F* operator->() const { return &**this; }
    ky_filename_PathPlan_iterator& operator++();
    ky_filename_PathPlan_iterator operator++(int);

    const FileDetails* GetFileDetails() const;
    bool IsFolder() const;
    bool IsInfoFolder() const;

    bool AtEnd() const;
    const void* StateId() const { return state_.get(); }

private:
    std::shared_ptr<PathPlanState> state_;
};

} // namespace Kyvant
