// The class factory's reference counting and creation.
#include "KyAddIn/ClassFactory.h"

#include "KyAddIn/Module.h"

namespace KyAddIn {

ClassFactory::ClassFactory(Make make) : refs_(1), make_(make)
{
    ObjectCreated();
}

ClassFactory::~ClassFactory()
{
    ObjectDestroyed();
}

HRESULT ClassFactory::QueryInterface(REFIID iid, void** out)
{
    if (!out)
        return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
        *out = static_cast<IClassFactory*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

ULONG ClassFactory::AddRef()
{
    return InterlockedIncrement(&refs_);
}

ULONG ClassFactory::Release()
{
    const LONG n = InterlockedDecrement(&refs_);
    if (n == 0)
        delete this;
    return n;
}

HRESULT ClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** out)
{
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (outer)
        return CLASS_E_NOAGGREGATION;
    IUnknown* object = make_();
    if (!object)
        return E_OUTOFMEMORY;
    const HRESULT hr = object->QueryInterface(iid, out);
    object->Release();
    return hr;
}

HRESULT ClassFactory::LockServer(BOOL lock)
{
    if (lock)
        ObjectCreated();
    else
        ObjectDestroyed();
    return S_OK;
}

} // namespace KyAddIn
