// KyvantVcApp1 to KyvantVcApp4: the published object of one slot, handing out the environment's object.
#pragma once

#include "KyAddIn/Interfaces.h"

namespace KyAddIn {

class KyvantVcApp : public IKyvantVcApp {
public:
    // A new object of slot 0 to 3 with one reference; null when memory is short.
    static IUnknown* New(unsigned slot);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID, ITypeInfo** out) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                            DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO* info, UINT* badArg) override;
    // The IUnknown of the Visual C++ 6 application, else of the DTE; E_FAIL
    // when the add-in holds neither.
    HRESULT STDMETHODCALLTYPE GetVcAppUnk(IUnknown** punk) override;

private:
    explicit KyvantVcApp(unsigned slot);
    virtual ~KyvantVcApp();

    LONG refs_;
    unsigned slot_;
};

} // namespace KyAddIn
