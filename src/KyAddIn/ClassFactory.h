// A class factory that makes its objects with a given function.
#pragma once

#include <objbase.h>

namespace KyAddIn {

class ClassFactory : public IClassFactory {
public:
    // A new object with one reference, or null when memory is short.
    using Make = IUnknown* (*)();
    explicit ClassFactory(Make make);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

private:
    virtual ~ClassFactory();
    LONG refs_;
    Make make_;
};

} // namespace KyAddIn
