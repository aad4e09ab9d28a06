// One run of an Indexing Service query: the command built from the query
// text, scope, depth, catalog and machine, executed on each catalog in
// turn, and its rows fetched in batches.
#pragma once

#include "KyConTool/Args/FileNameIterator.h"
#include "KyConTool/IndexingService/IndexingServiceCatalogWalk.h"
#include "KyConTool/IndexingService/IndexingServicePtrs.h"
#include "KyStd/Files/FileName.h"
#include "KyStd/Strings/String.h"

#include <memory>
#include <vector>

namespace Kyvant {
namespace IndexingService {

struct QueryParams {
    ky_I query;
    bool force = false;
    unsigned long dialect = 0;
    unsigned long locale = 0;
    ky_F scope;
    unsigned long depth = 0;
    ky_I sort;
    ky_I catalog;
    ky_I machine;
};

struct QueryRow {
    ky_F path;
    DWORD attributes = 0;
    FILETIME lastWrite{};
    unsigned long long size = 0;
    DWORD rank = 0;
};

class Query {
public:
    static constexpr unsigned kBatch = 20;

    // Settles the scopes, machine and catalog; runs nothing yet. A catalog
    // without a machine on a badly formed UNC scope: "Bad UNC path: ".
    Query(const QueryParams& params, ky_filename_argv_iterator::Terminator* terminator);
    ~Query();
    Query(const Query&) = delete;
    Query& operator=(const Query&) = delete;

    // Runs the command on the next catalog: the one given, or the next
    // usable one that covers the scope. False when there is none left.
    bool RunNextCatalog();
    // The query status of the catalog just run.
    unsigned long ReadStatus();
    // Appends the next batch of at most kBatch rows; 0 when the catalog has
    // no more. A row without path, size, attributes or write time:
    // "Indexing Service returned incomplete data".
    unsigned Fetch(std::vector<QueryRow>& rows);

    const ky_I& Machine() const { return machine_; }
    const ky_I& Catalog() const { return catalog_; }
    const ky_F& Scope() const { return scope_; }
    const ky_F& UNCScope() const { return uncScope_; }

private:
    void Run();
    void Release();
    void SetProperties(ICommand* command);
    void WaitForOpen();
    bool ReadRow(PROPVARIANT* const* values, QueryRow& row) const;

    ky_I query_;
    ky_I sort_;
    ky_F scope_;
    ky_F uncScope_;
    ky_I catalog_;
    ky_I machine_;
    bool force_;
    unsigned long dialect_;
    unsigned long locale_;
    unsigned long depth_;
    ky_filename_argv_iterator::Terminator* terminator_;
    std::unique_ptr<CatalogWalk> locator_;
    bool ran_ = false;

    RowsetPtr rowset_;
    AccessorPtr accessor_;
    HACCESSOR accessorHandle_ = 0;
};

} // namespace IndexingService
} // namespace Kyvant
