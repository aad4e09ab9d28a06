// The history of Indexing Service queries ("ISQueryMRU", 20 entries) under
// the path-plan settings key, shared by every page that takes a query.
#pragma once

#include "KyConTool/KyConToolExport.h"
#include "KyStd/Registry/RegMRU.h"
#include "KyStd/Strings/String.h"

#include <memory>

namespace Kyvant {
namespace IndexingService {

class KYCONTOOL_API QueryMRU : public RegMRUReader<ky_S> {
public:
    static constexpr unsigned kSize = 20;

    // The process's list, read from the registry on first use.
    static QueryMRU& Instance();

    // Puts the query at the head (an equal entry moves there; an empty one
    // is ignored) and writes the change at once.
    void Add(const ky_S& query);

    QueryMRU(const QueryMRU&) = delete;
    QueryMRU& operator=(const QueryMRU&) = delete;
    ~QueryMRU() override;

private:
    QueryMRU();

    std::unique_ptr<RegMRUWriter<ky_S>> writer_;
};

} // namespace IndexingService
} // namespace Kyvant
