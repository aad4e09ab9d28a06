// The interfaces the add-in implements: the environments' add-in interfaces and its own dual interfaces.
#pragma once

#include <oaidl.h>

namespace KyAddIn {

// VS.NET's add-in interface (modes are the environment's enumerations).
struct IDTExtensibility2 : IDispatch {
    virtual HRESULT STDMETHODCALLTYPE OnConnection(IDispatch* application, long connectMode,
                                                   IDispatch* addInInst, SAFEARRAY** custom) = 0;
    virtual HRESULT STDMETHODCALLTYPE OnDisconnection(long removeMode, SAFEARRAY** custom) = 0;
    virtual HRESULT STDMETHODCALLTYPE OnAddInsUpdate(SAFEARRAY** custom) = 0;
    virtual HRESULT STDMETHODCALLTYPE OnStartupComplete(SAFEARRAY** custom) = 0;
    virtual HRESULT STDMETHODCALLTYPE OnBeginShutdown(SAFEARRAY** custom) = 0;
};

// Visual C++ 6's add-in interface; the application is its IApplication.
struct IDSAddIn : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE OnConnection(IDispatch* application, VARIANT_BOOL firstTime,
                                                   long cookie, VARIANT_BOOL* onConnection) = 0;
    virtual HRESULT STDMETHODCALLTYPE OnDisconnection(VARIANT_BOOL lastTime) = 0;
};

// IConnectVC6: a dual interface without methods of its own.
struct IConnectVC6 : IDispatch {};

// IKyvantVcApp1 to IKyvantVcApp4: one layout, four identifiers.
struct IKyvantVcApp : IDispatch {
    virtual HRESULT STDMETHODCALLTYPE GetVcAppUnk(IUnknown** punk) = 0;
};

} // namespace KyAddIn
