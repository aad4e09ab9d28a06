// The walk over the catalogs that cover a scope, as the query library lists
// them: entries whose names do not fit the buffers, or whose state cannot
// be read, are passed over.
#pragma once

#include "KyConTool/IndexingService/IndexingServiceCatalogs.h"
#include "KyStd/Strings/String.h"

#include <string>

namespace Kyvant {
namespace IndexingService {

class CatalogWalk {
public:
    explicit CatalogWalk(const ky_BSB<char>& scope);

    // The next entry with its state; false at the end of the list. Any other
    // answer of the library than an entry or the end raises `_com_error`.
    bool Next(ky_I& machine, ky_I& catalog, CatalogState& state);
    // The next entry that is neither stopped nor closed to queries.
    bool NextUsable(ky_I& machine, ky_I& catalog);

private:
    std::wstring scope_;
    unsigned long index_ = 0;
    bool done_ = false;
};

} // namespace IndexingService
} // namespace Kyvant
