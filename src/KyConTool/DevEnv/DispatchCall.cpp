// Calls by member name through IDispatch: objects, texts, numbers, collection items, identity.
#include "KyConTool/DevEnv/DispatchCall.h"

#include "KyStd/Shell/Co.h"

#include <vector>

namespace Kyvant {
namespace DevEnv {

namespace {

// The code of a failed call: for a reported exception the code it carries,
// or its 16-bit error number as the matching FACILITY_ITF code.
HRESULT FailureCode(HRESULT hr, EXCEPINFO& info)
{
    if (hr != DISP_E_EXCEPTION)
        return hr;
    if (info.pfnDeferredFillIn)
        info.pfnDeferredFillIn(&info);
    HRESULT code = info.scode;
    if (code == 0)
        code = info.wCode != 0 ? _com_error::WCodeToHRESULT(info.wCode) : DISP_E_EXCEPTION;
    SysFreeString(info.bstrSource);
    SysFreeString(info.bstrDescription);
    SysFreeString(info.bstrHelpFile);
    return code;
}

} // namespace

_variant_t Invoke(IDispatch* object, const wchar_t* member, std::initializer_list<_variant_t> args)
{
    if (!object)
        Co::Throw(E_POINTER);
    DISPID id = 0;
    LPOLESTR name = const_cast<LPOLESTR>(member);
    Co::Vet(object->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id));

    // DISPPARAMS takes the arguments last first.
    std::vector<VARIANT> reversed(args.size());
    size_t i = args.size();
    for (const _variant_t& a : args)
        reversed[--i] = a;
    DISPPARAMS params = {reversed.empty() ? nullptr : reversed.data(), nullptr,
                         static_cast<UINT>(reversed.size()), 0};
    _variant_t result;
    EXCEPINFO info = {};
    UINT badArg = 0;
    HRESULT hr =
        object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD | DISPATCH_PROPERTYGET,
                       &params, &result, &info, &badArg);
    if (FAILED(hr))
        Co::Throw(FailureCode(hr, info));
    return result;
}

DispatchPtr AsObject(const _variant_t& value)
{
    VARTYPE type = V_VT(&value) & ~VT_BYREF;
    if (type != VT_DISPATCH && type != VT_UNKNOWN)
        return nullptr;
    IUnknown* unknown = V_VT(&value) & VT_BYREF ? *V_UNKNOWNREF(&value) : V_UNKNOWN(&value);
    if (!unknown)
        return nullptr;
    IDispatch* dispatch = nullptr;
    Co::Vet(unknown->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch)));
    return DispatchPtr(dispatch, false);
}

DispatchPtr GetDispatch(IDispatch* object, const wchar_t* member,
                        std::initializer_list<_variant_t> args)
{
    return AsObject(Invoke(object, member, args));
}

ky_S GetText(IDispatch* object, const wchar_t* member, std::initializer_list<_variant_t> args)
{
    _variant_t value = Invoke(object, member, args);
    if (V_VT(&value) == VT_EMPTY || V_VT(&value) == VT_NULL)
        return ky_S();
    _bstr_t text(value);
    return ky_S(static_cast<const char*>(text) ? static_cast<const char*>(text) : "");
}

long GetLong(IDispatch* object, const wchar_t* member)
{
    _variant_t value = Invoke(object, member);
    return static_cast<long>(value);
}

DispatchPtr Item(IDispatch* collection, long i)
{
    return GetDispatch(collection, L"Item", {_variant_t(i)});
}

bool SameObject(IUnknown* a, IUnknown* b)
{
    if (!a || !b)
        return a == b;
    IUnknown* ua = nullptr;
    IUnknown* ub = nullptr;
    a->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&ua));
    b->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&ub));
    bool same = ua && ua == ub;
    if (ua)
        ua->Release();
    if (ub)
        ub->Release();
    return same;
}

} // namespace DevEnv
} // namespace Kyvant
