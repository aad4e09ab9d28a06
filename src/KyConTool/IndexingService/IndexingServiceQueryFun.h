// The query library "query.dll", loaded from the system folder on first
// use and kept until the process ends, with its four entry points.
#pragma once

#include "KyConTool/IndexingService/IndexingServiceOleDb.h"

namespace Kyvant {
namespace IndexingService {

class QueryFun {
public:
    using MakeICommandFn = HRESULT(WINAPI*)(ICommand** command, ULONG scopes, const DWORD* depths,
                                            const WCHAR* const* scope, const WCHAR* const* catalogs,
                                            const WCHAR* const* machines);
    using TextToFullTreeExFn = HRESULT(WINAPI*)(const WCHAR* restriction, ULONG dialect,
                                                const WCHAR* columns, const WCHAR* sortColumns,
                                                const WCHAR* groupings, DBCOMMANDTREE** tree,
                                                ULONG propertyCount, CIPROPERTYDEF* properties,
                                                LCID locale);
    using SetCatalogStateFn = HRESULT(WINAPI*)(const WCHAR* catalog, const WCHAR* machine,
                                               DWORD newState, DWORD* oldState);
    using LocateCatalogsWFn = HRESULT(WINAPI*)(const WCHAR* scope, ULONG index, WCHAR* machine,
                                               ULONG* machineSize, WCHAR* catalog,
                                               ULONG* catalogSize);

    // Loads the library on the first call; a missing library or entry point
    // throws os_error of the system's error, and the next call tries again.
    static const QueryFun& Instance();

    HMODULE module = nullptr;
    MakeICommandFn MakeICommand = nullptr;
    TextToFullTreeExFn TextToFullTreeEx = nullptr;
    SetCatalogStateFn SetCatalogState = nullptr;
    LocateCatalogsWFn LocateCatalogs = nullptr;
};

} // namespace IndexingService
} // namespace Kyvant
