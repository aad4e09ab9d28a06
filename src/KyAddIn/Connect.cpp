// The VS.NET connection: keeping the DTE and publishing it, and revoking at disconnection.
#include "KyAddIn/Connect.h"

#include "KyAddIn/Guids.h"
#include "KyAddIn/HandoffState.h"
#include "KyAddIn/Module.h"

#include <new>

namespace KyAddIn {

namespace {

// The object's interface iid, or null.
IDispatch* Ask(IDispatch* object, REFIID iid)
{
    IDispatch* out = nullptr;
    if (!object || FAILED(object->QueryInterface(iid, reinterpret_cast<void**>(&out))))
        return nullptr;
    return out;
}

} // namespace

IUnknown* Connect::New()
{
    return static_cast<IDTExtensibility2*>(new (std::nothrow) Connect);
}

Connect::Connect() : refs_(1), dte_(nullptr), addIn_(nullptr)
{
    ObjectCreated();
}

Connect::~Connect()
{
    ReleaseKept();
    ObjectDestroyed();
}

void Connect::ReleaseKept()
{
    if (TheHandoffState().dte == dte_)
        TheHandoffState().dte = nullptr;
    if (dte_)
        dte_->Release();
    if (addIn_)
        addIn_->Release();
    dte_ = nullptr;
    addIn_ = nullptr;
}

HRESULT Connect::QueryInterface(REFIID iid, void** out)
{
    if (!out)
        return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
        IsEqualIID(iid, kIDTExtensibility2Iid)) {
        *out = static_cast<IDTExtensibility2*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

ULONG Connect::AddRef()
{
    return InterlockedIncrement(&refs_);
}

ULONG Connect::Release()
{
    const LONG n = InterlockedDecrement(&refs_);
    if (n == 0)
        delete this;
    return n;
}

HRESULT Connect::GetTypeInfoCount(UINT* count)
{
    if (!count)
        return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT Connect::GetTypeInfo(UINT, LCID, ITypeInfo** out)
{
    if (out)
        *out = nullptr;
    return DISP_E_BADINDEX;
}

HRESULT Connect::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*)
{
    return DISP_E_UNKNOWNNAME;
}

HRESULT Connect::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*)
{
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT Connect::OnConnection(IDispatch* application, long, IDispatch* addInInst, SAFEARRAY**)
{
    ReleaseKept();
    dte_ = Ask(application, kDteIid);
    addIn_ = Ask(addInInst, kAddInIid);
    TheHandoffState().dte = dte_;
    PublishIdeObject(true);
    return S_OK;
}

HRESULT Connect::OnDisconnection(long, SAFEARRAY**)
{
    RevokeIdeObjects();
    ReleaseKept();
    return S_OK;
}

HRESULT Connect::OnAddInsUpdate(SAFEARRAY**)
{
    return S_OK;
}

HRESULT Connect::OnStartupComplete(SAFEARRAY**)
{
    return S_OK;
}

HRESULT Connect::OnBeginShutdown(SAFEARRAY**)
{
    return S_OK;
}

} // namespace KyAddIn
