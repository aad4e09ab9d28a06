// Connect: the VS.NET add-in object, publishing the DTE while connected.
#pragma once

#include "KyAddIn/Interfaces.h"

namespace KyAddIn {

class Connect : public IDTExtensibility2 {
public:
    static IUnknown* New();

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    // The environment calls the add-in interface directly; no names are served.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** out) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*,
                                     EXCEPINFO*, UINT*) override;

    HRESULT STDMETHODCALLTYPE OnConnection(IDispatch* application, long connectMode,
                                           IDispatch* addInInst, SAFEARRAY** custom) override;
    HRESULT STDMETHODCALLTYPE OnDisconnection(long removeMode, SAFEARRAY** custom) override;
    HRESULT STDMETHODCALLTYPE OnAddInsUpdate(SAFEARRAY** custom) override;
    HRESULT STDMETHODCALLTYPE OnStartupComplete(SAFEARRAY** custom) override;
    HRESULT STDMETHODCALLTYPE OnBeginShutdown(SAFEARRAY** custom) override;

private:
    Connect();
    virtual ~Connect();
    void ReleaseKept();

    LONG refs_;
    IDispatch* dte_;
    IDispatch* addIn_;
};

} // namespace KyAddIn
