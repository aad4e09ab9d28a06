// The class factory of the shell extension.
#pragma once

#include <objbase.h>

class CShellExtClassFactory : public IClassFactory {
public:
    CShellExtClassFactory();

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

private:
    virtual ~CShellExtClassFactory();
    LONG refs_;
};
