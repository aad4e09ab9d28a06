// One path section of the path-plan language ("@p", "@f" and the sections
// built by "@i" and by response files): a folder, masks, a depth, rejection
// rules and advanced filters, split at '|' into fields, with the settings
// of the item's scope filling what the fields leave out. It also holds the
// test applied to names that come from a list rather than a folder walk.
#pragma once

#include "KyConTool/Args/NameMatcher.h"
#include "KyConTool/Args/SearchSettings.h"
#include "KyConTool/Filters/AdvancedFilters.h"
#include "KyStd/Files/FileInfo.h"
#include "KyStd/Files/FileName.h"
#include "KyStd/Strings/String.h"

#include <vector>

namespace Kyvant {

// What an outer settings record still demands of an item.
struct OuterConstraint {
    NameMatcher includes;
    AdvancedFiltration::Filters filters;
};

class PathSection {
public:
    // Parses the section text; spec ("@p", "@f", "@i", "@F") names it in
    // messages. flags are the iterator flags (paths go through DoPathFlags).
    static PathSection Parse(const ky_S& text, const char* spec, unsigned flags,
                             const SearchSettings& settings);

    ky_S spec;
    ky_F folder; // empty, or ends with a separator
    std::vector<ky_F> masks;
    int depth = 0;
    std::vector<ky_F> pathRules;
    std::vector<ky_F> maskRules;
    AdvancedFiltration::Filters filters;
    bool special = false;      // "<STDIN>", "<STDOUT>" or "<STDERR>"
    bool singleLookup = false; // one mask without wildcards, depth 0
    std::vector<OuterConstraint> outer;
    NameMatcher matcher;

    // The outer records accept the name and its find data.
    bool AcceptOuter(const char* name, const FileInfo& entry) const;
    // Masks, filters and outer records all accept the entry.
    bool AcceptEntry(const FileInfo& entry) const
    {
        return matcher.Accept(entry.cFileName) && filters.Accept(entry) &&
               (outer.empty() || AcceptOuter(entry.cFileName, entry));
    }
    // The test of a name from a list: rejection rules, an existing file,
    // masks, filters and the outer records.
    bool AcceptListedFile(const ky_F& path) const;
    // A path rule names the folder or one of its ancestors.
    bool ExcludesFolder(const ky_F& folder) const;
    // The section's masks, rejected masks and filters as an Indexing
    // Service query.
    ky_S IndexingServiceQuery() const;
};

// Adds the ';'-separated rejection rules of text.
void AddRejectionRules(const ky_BSB<char>& text, std::vector<ky_F>& pathRules,
                       std::vector<ky_F>& maskRules);
// The masks of a mask text, mask-set names expanded.
std::vector<ky_F> ExpandMasks(const ky_BSB<char>& text);
// The pieces of text cut at sep.
std::vector<ky_S> SplitText(const ky_BSB<char>& text, char sep, bool keepEmpty);
// The non-empty parts joined by " & ", in parentheses when more than one.
ky_S JoinQueryParts(const std::vector<ky_S>& parts);
// The queries of all settings records, joined.
ky_S ScopesIndexingServiceQuery();
// The query of one set of masks, rejected masks and filters.
ky_S SettingsIndexingServiceQuery(const std::vector<ky_F>& masks,
                                  const std::vector<ky_F>& maskRules,
                                  const AdvancedFiltration::Filters& filters);

} // namespace Kyvant
