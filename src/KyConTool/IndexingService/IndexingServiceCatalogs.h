// The catalogs of the Indexing Service that cover a scope, by machine.
#pragma once

#include "KyConTool/KyConToolExport.h"
#include "KyStd/Containers/Map.h"
#include "KyStd/Strings/String.h"

namespace Kyvant {
namespace IndexingService {

// The state word the service reports for a catalog.
using CatalogState = unsigned long;
constexpr CatalogState kCatalogStopped = 0x1;
constexpr CatalogState kCatalogNotQueryable = 0x8;

using CatalogMap = ky_map<ky_I, ky_map<ky_I, CatalogState>>;

// Adds every catalog that covers scope ("\" this computer, "\\name" another
// one) and whose state can be read to out[machine][catalog]; returns their
// number. A service that cannot be asked raises `_com_error`; a query
// library that cannot be loaded, os_error.
KYCONTOOL_API unsigned MapAllCatalogs(const ky_I& scope, CatalogMap& out);

} // namespace IndexingService
} // namespace Kyvant
