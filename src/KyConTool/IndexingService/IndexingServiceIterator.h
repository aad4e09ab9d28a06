// ky_filename_indexing_service_iterator: the rows of an Indexing Service
// query as an input iterator of file names, each with its size, attributes,
// last write time and rank. Without a machine and catalog the query runs on
// every usable catalog that covers the scope, one after the other. Copies
// share one query and advance together.
#pragma once

#include "KyConTool/Args/FileNameIterator.h"
#include "KyConTool/Args/FileNameIteratorEq.h"
#include "KyConTool/Args/OptionsList.h"
#include "KyConTool/KyConToolExport.h"
#include "KyStd/Files/FileName.h"
#include "KyStd/Strings/String.h"

#include <memory>

namespace Kyvant {

class KYCONTOOL_API ky_filename_indexing_service_iterator {
public:
    using OptionsList = IndexingService::OptionsList;
    using Terminator = ky_filename_argv_iterator::Terminator;
    using FileDetails = ky_filename_argv_iterator::FileDetails;

    // The end iterator.
    ky_filename_indexing_service_iterator();
    // Runs the query and moves to its first row. dialect: the query
    // language version; depth: QUERY_DEEP or QUERY_SHALLOW; an empty sort
    // means "rank[d]". Library errors are os_error, service errors
    // `_com_error`, bad data and a fatal query status std::runtime_error; a
    // stop request of the terminator passes through.
    ky_filename_indexing_service_iterator(const ky_I& query, bool force, unsigned long dialect,
                                          unsigned long locale, const ky_F& scope,
                                          unsigned long depth, const ky_I& sort,
                                          const ky_I& catalog, const ky_I& machine,
                                          Terminator* terminator);
    ky_filename_indexing_service_iterator(const ky_filename_indexing_service_iterator& other);
    ky_filename_indexing_service_iterator&
    operator=(const ky_filename_indexing_service_iterator& other);
    ~ky_filename_indexing_service_iterator();

    const ky_F& operator*() const;
    const ky_F* operator->() const { return &**this; }
    ky_filename_indexing_service_iterator& operator++();
    ky_filename_indexing_service_iterator operator++(int);

    // The current row's details (rank in the reserved field); null at the end.
    const FileDetails* GetFileDetails() const;
    bool IsFolder() const;
    bool IsInfoFolder() const { return false; }
    // The status of the catalog whose rows are current, and its text.
    unsigned long GetQueryStatus() const;
    ky_S GetQueryStatusString() const;
    // As the service used them.
    const ky_I& GetMachine() const;
    const ky_I& GetCatalog() const;
    const ky_F& GetScope() const;
    const ky_F& GetUNCScope() const;

    // For the equality of file-name iterators.
    bool AtEnd() const;
    const void* StateId() const { return impl_.get(); }

private:
    class Impl;
    std::shared_ptr<Impl> impl_;
};

template <>
struct IsFileNameIterator<ky_filename_indexing_service_iterator> : std::true_type {
};

} // namespace Kyvant
