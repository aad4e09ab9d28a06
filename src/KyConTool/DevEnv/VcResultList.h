// The names that one development-environment list collects: files made full
// paths and held against the item's rule, folders as path items to walk.
// When the list is complete it is sorted and freed of duplicates, and an
// empty environment state is reported.
#pragma once

#include "KyStd/Containers/List.h"
#include "KyStd/Files/FileName.h"
#include "KyStd/Strings/String.h"

#include <functional>

namespace Kyvant {

class VcResultList {
public:
    // accept: the rule's test of a full file name; null admits every file.
    // rule: the rule text put behind each folder.
    VcResultList(std::function<bool(const ky_F&)> accept, const ky_S& rule);

    // The VS.NET project walk also takes solution items and miscellaneous
    // items while these are set.
    bool includeSolutionItems = false;
    bool includeMiscItems = false;

    // A file, made a full path. An empty name is no file.
    void AddFile(const ky_F& name);
    // The folder part of path (up to its last separator) as "@p" + folder
    // + rule. A path without a separator names no folder.
    void AddFolder(const ky_F& path);
    // Sorts by file name and drops duplicates; when nothing was found,
    // warns emptyMessage (exit bit 1).
    void Finish(const char* emptyMessage);

    bool NothingFound() const { return nothingFound_; }
    ky_list<ky_F>& Names() { return names_; }

private:
    std::function<bool(const ky_F&)> accept_;
    ky_S rule_;
    ky_list<ky_F> names_;
    bool nothingFound_;
};

} // namespace Kyvant
