// The advanced filters of a file search: size, time, attributes and an
// Indexing Service query, held together and parsed from, or printed as,
// the text that follows "@a" in the path-plan language ("S>=10KB",
// "TMLD3", "A+~RH,-&S", "Iaword1 word2").
#pragma once

#include "KyConTool/Filters/AttribFilter.h"
#include "KyConTool/Filters/SizeFilter.h"
#include "KyConTool/Filters/TimeFilter.h"
#include "KyConTool/IndexingService/IndexingServiceFilter.h"
#include "KyConTool/KyConToolExport.h"
#include "KyStd/Containers/Sequencer.h"
#include "KyStd/Files/FileInfo.h"
#include "KyStd/Strings/String.h"

namespace Kyvant {
namespace AdvancedFiltration {

class KYCONTOOL_API Filters {
public:
    Filters() {}
    Filters(const SizeFilter& size, const TimeFilter& time, const AttribFilter& attrib,
            const IndexingServiceFilter& indexingService)
        : size_(size), time_(time), attrib_(attrib), indexingService_(indexingService)
    {
    }

    void Clear();
    // Some part holds a condition, a rule or a query.
    bool Active() const;
    // The size, time and attribute parts all accept the entry.
    bool Accept(const FileInfo& entry) const;
    // One text form (code letter first) into its part; conditions add to
    // those already set.
    void Parse(const ky_I& text);
    // The text of each part in use, in the order time, size, attributes,
    // Indexing Service; the same each behind "@a".
    void StoreAsStrings(const output_sequencer<ky_BSB<char>>& out) const;
    void StoreAsCmdArgs(const output_sequencer<ky_BSB<char>>& out) const;
    // The parts in the Indexing Service's query language, joined by " & ".
    ky_S GetIndexingServiceQuery() const;

    SizeFilter& Size() { return size_; }
    TimeFilter& Time() { return time_; }
    AttribFilter& Attrib() { return attrib_; }
    IndexingServiceFilter& IndexingService() { return indexingService_; }
    const SizeFilter& Size() const { return size_; }
    const TimeFilter& Time() const { return time_; }
    const AttribFilter& Attrib() const { return attrib_; }
    const IndexingServiceFilter& IndexingService() const { return indexingService_; }

    bool operator==(const Filters& o) const;
    bool operator!=(const Filters& o) const { return !(*this == o); }

private:
    SizeFilter size_;
    TimeFilter time_;
    AttribFilter attrib_;
    IndexingServiceFilter indexingService_;
};

} // namespace AdvancedFiltration
} // namespace Kyvant
