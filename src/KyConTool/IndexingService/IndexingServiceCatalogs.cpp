// The walk over the catalogs that cover a scope, its usable catalogs, and the map of them all.
#include "KyConTool/IndexingService/IndexingServiceCatalogs.h"

#include "KyConTool/IndexingService/IndexingServiceCatalogWalk.h"
#include "KyConTool/IndexingService/IndexingServiceQueryFun.h"
#include "KyConTool/IndexingService/IndexingServiceWide.h"
#include "KyStd/Shell/Co.h"

namespace Kyvant {
namespace IndexingService {

CatalogWalk::CatalogWalk(const ky_BSB<char>& scope) : scope_(ToWide(scope)) {}

bool CatalogWalk::Next(ky_I& machine, ky_I& catalog, CatalogState& state)
{
    const QueryFun& fun = QueryFun::Instance();
    while (!done_) {
        WCHAR machineBuffer[OleDb::kNameBuffer + 1] = {};
        WCHAR catalogBuffer[OleDb::kNameBuffer + 1] = {};
        ULONG machineSize = OleDb::kNameBuffer;
        ULONG catalogSize = OleDb::kNameBuffer;
        HRESULT hr = fun.LocateCatalogs(scope_.c_str(), index_++, machineBuffer, &machineSize,
                                        catalogBuffer, &catalogSize);
        if (hr == S_FALSE) {
            done_ = true;
            break;
        }
        if (hr != S_OK)
            Co::Throw(hr);
        if (machineSize > OleDb::kNameBuffer || catalogSize > OleDb::kNameBuffer)
            continue;
        DWORD current = 0;
        if (FAILED(fun.SetCatalogState(catalogBuffer, machineBuffer, OleDb::kGetCatalogState,
                                       &current)))
            continue;
        FromWide(machineBuffer, machine);
        FromWide(catalogBuffer, catalog);
        state = current;
        return true;
    }
    return false;
}

bool CatalogWalk::NextUsable(ky_I& machine, ky_I& catalog)
{
    CatalogState state = 0;
    while (Next(machine, catalog, state)) {
        if (!(state & (kCatalogStopped | kCatalogNotQueryable)))
            return true;
    }
    return false;
}

unsigned MapAllCatalogs(const ky_I& scope, CatalogMap& out)
{
    CatalogWalk walk(scope);
    ky_I machine;
    ky_I catalog;
    CatalogState state = 0;
    unsigned count = 0;
    while (walk.Next(machine, catalog, state)) {
        out[machine][catalog] = state;
        ++count;
    }
    return count;
}

} // namespace IndexingService
} // namespace Kyvant
