// The class factory: reference counting and creation of extension objects.
#include "KyShellX/ClassFactory.h"

#include "KyShellX/Module.h"
#include "KyShellX/ShellExt.h"

#include <new>

CShellExtClassFactory::CShellExtClassFactory() : refs_(1)
{
    KyShellX::ObjectCreated();
}

CShellExtClassFactory::~CShellExtClassFactory()
{
    KyShellX::ObjectDestroyed();
}

HRESULT CShellExtClassFactory::QueryInterface(REFIID iid, void** out)
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

ULONG CShellExtClassFactory::AddRef()
{
    return ++refs_;
}

ULONG CShellExtClassFactory::Release()
{
    const LONG n = --refs_;
    if (n == 0)
        delete this;
    return n;
}

HRESULT CShellExtClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** out)
{
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (outer)
        return CLASS_E_NOAGGREGATION;
    try {
        CShellExt* ext = new CShellExt;
        const HRESULT hr = ext->QueryInterface(iid, out);
        ext->Release();
        return hr;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_UNEXPECTED;
    }
}

HRESULT CShellExtClassFactory::LockServer(BOOL)
{
    return S_OK;
}
