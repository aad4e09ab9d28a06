// The embedded type library's type information and dispatch through it.
#include "KyAddIn/TypeInfo.h"

#include "KyAddIn/Module.h"

#include <oleauto.h>

#include <string>
#include <vector>

namespace KyAddIn {

namespace {

ITypeLib* Library()
{
    static ITypeLib* library = nullptr;
    if (!library) {
        const std::string path = ModulePath();
        std::vector<wchar_t> wide(path.size() + 1, L'\0');
        MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(),
                            static_cast<int>(wide.size()));
        if (FAILED(LoadTypeLibEx(wide.data(), REGKIND_NONE, &library)))
            library = nullptr;
    }
    return library;
}

} // namespace

ITypeInfo* TypeInfoOf(REFIID iid)
{
    ITypeLib* library = Library();
    ITypeInfo* info = nullptr;
    if (!library || FAILED(library->GetTypeInfoOfGuid(iid, &info)))
        return nullptr;
    return info;
}

HRESULT DispatchTypeInfoCount(UINT* count)
{
    if (!count)
        return E_POINTER;
    *count = 1;
    return S_OK;
}

HRESULT DispatchTypeInfo(REFIID iid, UINT index, ITypeInfo** out)
{
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (index != 0)
        return DISP_E_BADINDEX;
    *out = TypeInfoOf(iid);
    return *out ? S_OK : TYPE_E_ELEMENTNOTFOUND;
}

HRESULT DispatchIdsOfNames(REFIID iid, LPOLESTR* names, UINT count, DISPID* ids)
{
    ITypeInfo* info = TypeInfoOf(iid);
    if (!info)
        return E_UNEXPECTED;
    const HRESULT hr = DispGetIDsOfNames(info, names, count, ids);
    info->Release();
    return hr;
}

HRESULT DispatchInvoke(void* face, REFIID iid, DISPID id, WORD flags, DISPPARAMS* params,
                       VARIANT* result, EXCEPINFO* info, UINT* badArg)
{
    ITypeInfo* type = TypeInfoOf(iid);
    if (!type)
        return E_UNEXPECTED;
    const HRESULT hr = DispInvoke(face, type, id, flags, params, result, info, badArg);
    type->Release();
    return hr;
}

} // namespace KyAddIn
