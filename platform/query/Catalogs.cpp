// The catalog entry points: the walk over the catalogs that cover a scope
// and the catalog state.
#include "Script.h"
#include "Support.h"

#include <cwchar>

using namespace QueryStandIn;

#ifndef KY_QUERY_WITHOUT_LOCATE
namespace {

bool Covers(const CatalogEntry& c, const std::wstring& scope)
{
    if (c.scopePrefix.empty())
        return true;
    return Lower(scope).compare(0, c.scopePrefix.size(), Lower(c.scopePrefix)) == 0;
}

} // namespace

extern "C" __declspec(dllexport) HRESULT WINAPI
    LocateCatalogsW(const WCHAR* scope, ULONG index, WCHAR* machine, ULONG* machineSize,
                    WCHAR* catalog, ULONG* catalogSize)
{
    Log("LocateCatalogsW scope=" + Narrow(scope) + " index=" + std::to_string(index));
    if (!scope || !machine || !machineSize || !catalog || !catalogSize)
        return E_INVALIDARG;
    Script script = Script::Load();
    for (const LocateError& error : script.locateErrors) {
        if (error.index == index && (error.scope.empty() || Lower(error.scope) == Lower(scope)))
            return error.hr;
    }
    ULONG seen = 0;
    for (const CatalogEntry& c : script.catalogs) {
        if (!Covers(c, scope))
            continue;
        if (seen++ != index)
            continue;
        ULONG needMachine = static_cast<ULONG>(c.machine.size() + 1);
        ULONG needCatalog = static_cast<ULONG>(c.name.size() + 1);
        bool fits = needMachine <= *machineSize && needCatalog <= *catalogSize;
        if (fits) {
            std::wmemcpy(machine, c.machine.c_str(), needMachine);
            std::wmemcpy(catalog, c.name.c_str(), needCatalog);
        }
        *machineSize = needMachine;
        *catalogSize = needCatalog;
        return S_OK;
    }
    return S_FALSE;
}
#endif

extern "C" __declspec(dllexport) HRESULT WINAPI
    SetCatalogState(const WCHAR* catalog, const WCHAR* machine, DWORD newState, DWORD* oldState)
{
    Log("SetCatalogState catalog=" + Narrow(catalog) + " machine=" + Narrow(machine) +
        " state=" + Hex(newState));
    if (!catalog || !machine || !oldState)
        return E_INVALIDARG;
    Script script = Script::Load();
    for (const CatalogEntry& c : script.catalogs) {
        if (!SameMachine(c.machine, machine) || Lower(c.name) != Lower(catalog))
            continue;
        if (!c.readable)
            return E_FAIL;
        *oldState = c.state;
        return S_OK;
    }
    return E_FAIL;
}
