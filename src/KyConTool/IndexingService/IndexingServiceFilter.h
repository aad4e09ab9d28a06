// The advanced filter "I": an Indexing Service query with its query type.
// It takes no part in judging found entries; the service runs it.
#pragma once

#include "KyConTool/IndexingService/IndexingServiceText.h"
#include "KyConTool/KyConToolExport.h"
#include "KyStd/Containers/Sequencer.h"
#include "KyStd/Strings/String.h"

namespace Kyvant {
namespace AdvancedFiltration {

class KYCONTOOL_API IndexingServiceFilter {
public:
    IndexingServiceFilter() : active_(false), type_(IndexingService::QueryTypeQuery) {}

    void Clear();
    bool Active() const { return active_; }
    IndexingService::QueryType GetQueryType() const { return type_; }
    const ky_S& GetQuery() const { return query_; }
    void Set(IndexingService::QueryType type, const ky_S& query);

    // A query-type letter and the query; an empty text only makes it active.
    void Parse(const ky_I& text);
    ky_S AsString() const;
    // The transformed query in parentheses.
    ky_S AsStringForIndexingService() const;
    void StoreAsCmdArgs(const output_sequencer<ky_BSB<char>>& out) const;

    bool operator==(const IndexingServiceFilter& o) const;
    bool operator!=(const IndexingServiceFilter& o) const { return !(*this == o); }

private:
    bool active_;
    IndexingService::QueryType type_;
    ky_S query_;
};

} // namespace AdvancedFiltration
} // namespace Kyvant
