// The Visual C++ 6 connection: publishing the application and announcing the add-in to it.
#include "KyAddIn/ConnectVC6.h"

#include "KyAddIn/Guids.h"
#include "KyAddIn/HandoffState.h"
#include "KyAddIn/Module.h"
#include "KyAddIn/TypeInfo.h"

#include <new>

namespace KyAddIn {

namespace {

const long kNoToolbarBitmap = -1;
const unsigned kAddInInfoArgs = 5;

VARIANT Long(long value)
{
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = value;
    return v;
}

// The add-in's module handle as a number: a long (VT_I4) as Visual C++ 6
// takes it, or with 64-bit pointers a 64-bit number (VT_I8), which holds the
// whole handle.
VARIANT Instance(HMODULE module)
{
#ifdef _WIN64
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I8;
    v.llVal = reinterpret_cast<LONG_PTR>(module);
    return v;
#else
    return Long(reinterpret_cast<LONG_PTR>(module));
#endif
}

} // namespace

IUnknown* ConnectVC6::New()
{
    return static_cast<IDSAddIn*>(new (std::nothrow) ConnectVC6);
}

ConnectVC6::ConnectVC6() : refs_(1), application_(nullptr), cookie_(0)
{
    ObjectCreated();
}

ConnectVC6::~ConnectVC6()
{
    ReleaseKept();
    ObjectDestroyed();
}

void ConnectVC6::ReleaseKept()
{
    if (TheHandoffState().application == application_)
        TheHandoffState().application = nullptr;
    if (application_)
        application_->Release();
    application_ = nullptr;
}

HRESULT ConnectVC6::QueryInterface(REFIID iid, void** out)
{
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, kIDSAddInIid))
        *out = static_cast<IDSAddIn*>(this);
    else if (IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, kIConnectVC6Iid))
        *out = static_cast<IConnectVC6*>(this);
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

ULONG ConnectVC6::AddRef()
{
    return InterlockedIncrement(&refs_);
}

ULONG ConnectVC6::Release()
{
    const LONG n = InterlockedDecrement(&refs_);
    if (n == 0)
        delete this;
    return n;
}

HRESULT ConnectVC6::GetTypeInfoCount(UINT* count)
{
    return DispatchTypeInfoCount(count);
}

HRESULT ConnectVC6::GetTypeInfo(UINT index, LCID, ITypeInfo** out)
{
    return DispatchTypeInfo(kIConnectVC6Iid, index, out);
}

HRESULT ConnectVC6::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids)
{
    return DispatchIdsOfNames(kIConnectVC6Iid, names, count, ids);
}

HRESULT ConnectVC6::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params,
                           VARIANT* result, EXCEPINFO* info, UINT* badArg)
{
    return DispatchInvoke(static_cast<IConnectVC6*>(this), kIConnectVC6Iid, id, flags, params,
                          result, info, badArg);
}

HRESULT ConnectVC6::OnConnection(IDispatch* application, VARIANT_BOOL, long cookie,
                                 VARIANT_BOOL* onConnection)
{
    ReleaseKept();
    application_ = application;
    if (application_)
        application_->AddRef();
    cookie_ = cookie;
    TheHandoffState().application = application_;
    PublishIdeObject(false);
    const HRESULT hr = SetAddInInfo();
    if (onConnection)
        *onConnection = SUCCEEDED(hr) ? VARIANT_TRUE : VARIANT_FALSE;
    return hr;
}

HRESULT ConnectVC6::OnDisconnection(VARIANT_BOOL)
{
    RevokeIdeObjects();
    ReleaseKept();
    return S_OK;
}

// SetAddInInfo(instance, command dispatch, medium bitmap, large bitmap, cookie).
HRESULT ConnectVC6::SetAddInInfo()
{
    if (!application_)
        return E_POINTER;
    wchar_t name[] = L"SetAddInInfo";
    LPOLESTR names[] = {name};
    DISPID id = DISPID_UNKNOWN;
    HRESULT hr = application_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    if (FAILED(hr))
        return hr;
    VARIANT args[kAddInInfoArgs]; // last argument first
    args[0] = Long(cookie_);
    args[1] = Long(kNoToolbarBitmap);
    args[2] = Long(kNoToolbarBitmap);
    VariantInit(&args[3]);
    args[3].vt = VT_DISPATCH;
    args[3].pdispVal = static_cast<IConnectVC6*>(this);
    args[4] = Instance(ModuleHandle());
    DISPPARAMS params = {args, nullptr, kAddInInfoArgs, 0};
    VARIANT result;
    VariantInit(&result);
    hr = application_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, &result,
                              nullptr, nullptr);
    VariantClear(&result);
    return hr;
}

} // namespace KyAddIn
