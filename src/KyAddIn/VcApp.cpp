// The published objects: their interfaces, dispatch and GetVcAppUnk.
#include "KyAddIn/VcApp.h"

#include "KyAddIn/Guids.h"
#include "KyAddIn/HandoffState.h"
#include "KyAddIn/Module.h"
#include "KyAddIn/TypeInfo.h"

#include <new>

namespace KyAddIn {

IUnknown* KyvantVcApp::New(unsigned slot)
{
    return new (std::nothrow) KyvantVcApp(slot);
}

KyvantVcApp::KyvantVcApp(unsigned slot) : refs_(1), slot_(slot)
{
    ObjectCreated();
}

KyvantVcApp::~KyvantVcApp()
{
    ObjectDestroyed();
}

HRESULT KyvantVcApp::QueryInterface(REFIID iid, void** out)
{
    if (!out)
        return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
        IsEqualIID(iid, kVcAppIids[slot_])) {
        *out = static_cast<IKyvantVcApp*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

ULONG KyvantVcApp::AddRef()
{
    return InterlockedIncrement(&refs_);
}

ULONG KyvantVcApp::Release()
{
    const LONG n = InterlockedDecrement(&refs_);
    if (n == 0)
        delete this;
    return n;
}

HRESULT KyvantVcApp::GetTypeInfoCount(UINT* count)
{
    return DispatchTypeInfoCount(count);
}

HRESULT KyvantVcApp::GetTypeInfo(UINT index, LCID, ITypeInfo** out)
{
    return DispatchTypeInfo(kVcAppIids[slot_], index, out);
}

HRESULT KyvantVcApp::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids)
{
    return DispatchIdsOfNames(kVcAppIids[slot_], names, count, ids);
}

HRESULT KyvantVcApp::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params,
                            VARIANT* result, EXCEPINFO* info, UINT* badArg)
{
    return DispatchInvoke(static_cast<IKyvantVcApp*>(this), kVcAppIids[slot_], id, flags, params,
                          result, info, badArg);
}

HRESULT KyvantVcApp::GetVcAppUnk(IUnknown** punk)
{
    if (!punk)
        return E_POINTER;
    *punk = nullptr;
    const HandoffState& state = TheHandoffState();
    IDispatch* source = state.application ? state.application : state.dte;
    if (!source)
        return E_FAIL;
    return source->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(punk));
}

} // namespace KyAddIn
