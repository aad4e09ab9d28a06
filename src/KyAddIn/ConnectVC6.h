// ConnectVC6: the Visual C++ 6 add-in object, publishing the application while connected.
#pragma once

#include "KyAddIn/Interfaces.h"

namespace KyAddIn {

class ConnectVC6 : public IDSAddIn, public IConnectVC6 {
public:
    static IUnknown* New();

    // IUnknown and IDSAddIn give the add-in face; IDispatch and IConnectVC6 the dual one.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID, ITypeInfo** out) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                            DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO* info, UINT* badArg) override;

    HRESULT STDMETHODCALLTYPE OnConnection(IDispatch* application, VARIANT_BOOL firstTime,
                                           long cookie, VARIANT_BOOL* onConnection) override;
    HRESULT STDMETHODCALLTYPE OnDisconnection(VARIANT_BOOL lastTime) override;

private:
    ConnectVC6();
    virtual ~ConnectVC6();
    void ReleaseKept();
    // The application's SetAddInInfo, called by name.
    HRESULT SetAddInInfo();

    LONG refs_;
    IDispatch* application_;
    long cookie_;
};

} // namespace KyAddIn
