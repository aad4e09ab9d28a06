// ky_filename_indexing_service_iterator: its shared query, advancing, the current row's details.
#include "KyConTool/IndexingService/IndexingServiceIterator.h"

#include "KyConTool/IndexingService/IndexingServiceQuery.h"
#include "KyConTool/IndexingService/IndexingServiceStatus.h"

#include <stdexcept>
#include <vector>

namespace Kyvant {

using IndexingService::Query;
using IndexingService::QueryRow;

class ky_filename_indexing_service_iterator::Impl {
public:
    Impl(const IndexingService::QueryParams& params, Terminator* terminator)
        : terminator_(terminator), query_(new Query(params, terminator))
    {
        if (!query_->RunNextCatalog())
            throw std::runtime_error("Could not locate catalog for path: " +
                                     std::string(query_->Scope().c_str()));
        Ready();
        Advance();
    }

    // The next row of the batch; the next batch, the next catalog, or the end.
    void Advance()
    {
        for (;;) {
            if (next_ < batch_.size()) {
                Take(batch_[next_++]);
                return;
            }
            batch_.clear();
            next_ = 0;
            if (terminator_)
                terminator_->CheckTerminate();
            if (query_->Fetch(batch_) > 0)
                continue;
            if (query_->RunNextCatalog()) {
                Ready();
                continue;
            }
            query_.reset();
            atEnd = true;
            name.clear();
            details = FileDetails();
            folder = false;
            return;
        }
    }

    bool atEnd = false;
    ky_F name;
    FileDetails details{};
    bool folder = false;
    unsigned long status = 0;
    ky_I machine;
    ky_I catalog;
    ky_F scope;
    ky_F uncScope;

private:
    // A catalog's rows are about to come: its status decides whether the run
    // goes on; warnings go to the summary.
    void Ready()
    {
        status = query_->ReadStatus();
        machine = query_->Machine();
        catalog = query_->Catalog();
        scope = query_->Scope();
        uncScope = query_->UNCScope();
        bool error =
            (status & IndexingService::kStatusStateMask) == IndexingService::kStatusStateError;
        if (error || (status & IndexingService::kStatusTooComplex)) {
            ky_S text = IndexingService::GetQueryStatusString(status);
            text.Substitute("\n", " ");
            throw std::runtime_error(text.c_str());
        }
        IndexingService::AddStatusToSummary(machine, catalog, scope, status);
    }

    void Take(const QueryRow& row)
    {
        name = row.path;
        details = FileDetails();
        details.attributes = row.attributes;
        details.lastWriteTime = row.lastWrite;
        details.size = row.size;
        details.reserved = row.rank;
        folder = (row.attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    }

    Terminator* terminator_;
    std::unique_ptr<Query> query_;
    std::vector<QueryRow> batch_;
    size_t next_ = 0;
};

namespace {

const ky_F& EmptyName()
{
    static const ky_F empty;
    return empty;
}

const ky_I& EmptyText()
{
    static const ky_I empty;
    return empty;
}

} // namespace

ky_filename_indexing_service_iterator::ky_filename_indexing_service_iterator() {}

ky_filename_indexing_service_iterator::ky_filename_indexing_service_iterator(
    const ky_I& query, bool force, unsigned long dialect, unsigned long locale, const ky_F& scope,
    unsigned long depth, const ky_I& sort, const ky_I& catalog, const ky_I& machine,
    Terminator* terminator)
{
    IndexingService::QueryParams params;
    params.query = query;
    params.force = force;
    params.dialect = dialect;
    params.locale = locale;
    params.scope = scope;
    params.depth = depth;
    params.sort = sort;
    params.catalog = catalog;
    params.machine = machine;
    impl_ = std::make_shared<Impl>(params, terminator);
}

ky_filename_indexing_service_iterator::ky_filename_indexing_service_iterator(
    const ky_filename_indexing_service_iterator& other) = default;

ky_filename_indexing_service_iterator& ky_filename_indexing_service_iterator::operator=(
    const ky_filename_indexing_service_iterator& other) = default;

ky_filename_indexing_service_iterator::~ky_filename_indexing_service_iterator() {}

bool ky_filename_indexing_service_iterator::AtEnd() const
{
    return !impl_ || impl_->atEnd;
}

const ky_F& ky_filename_indexing_service_iterator::operator*() const
{
    return impl_ ? impl_->name : EmptyName();
}

ky_filename_indexing_service_iterator& ky_filename_indexing_service_iterator::operator++()
{
    if (!AtEnd())
        impl_->Advance();
    return *this;
}

ky_filename_indexing_service_iterator ky_filename_indexing_service_iterator::operator++(int)
{
    ky_filename_indexing_service_iterator old(*this);
    ++*this;
    return old;
}

const ky_filename_indexing_service_iterator::FileDetails*
ky_filename_indexing_service_iterator::GetFileDetails() const
{
    return AtEnd() ? nullptr : &impl_->details;
}

bool ky_filename_indexing_service_iterator::IsFolder() const
{
    return !AtEnd() && impl_->folder;
}

unsigned long ky_filename_indexing_service_iterator::GetQueryStatus() const
{
    return impl_ ? impl_->status : 0;
}

ky_S ky_filename_indexing_service_iterator::GetQueryStatusString() const
{
    return IndexingService::GetQueryStatusString(GetQueryStatus());
}

const ky_I& ky_filename_indexing_service_iterator::GetMachine() const
{
    return impl_ ? impl_->machine : EmptyText();
}

const ky_I& ky_filename_indexing_service_iterator::GetCatalog() const
{
    return impl_ ? impl_->catalog : EmptyText();
}

const ky_F& ky_filename_indexing_service_iterator::GetScope() const
{
    return impl_ ? impl_->scope : EmptyName();
}

const ky_F& ky_filename_indexing_service_iterator::GetUNCScope() const
{
    return impl_ ? impl_->uncScope : EmptyName();
}

} // namespace Kyvant
