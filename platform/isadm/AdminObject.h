// The administration object: the service's state for one object, the
// suite's administration interface over it, and error information for
// the failures it is told to give.
#pragma once

#include "KyConTool/IndexingService/IndexingServiceAdminInterface.h"

#include <windows.h>

#include <string>

namespace AdminStandIn {

// The server's object count, for DllCanUnloadNow.
extern LONG g_objects;

// The process environment's value of name; empty when unset.
std::string Env(const char* name);
void Log(const std::string& line);

class AdminObject : public Kyvant::IndexingService::IAdminService, public ISupportErrorInfo {
public:
    AdminObject();
    virtual ~AdminObject();

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override;

    HRESULT STDMETHODCALLTYPE put_MachineName(BSTR name) override;
    HRESULT STDMETHODCALLTYPE get_MachineName(BSTR* name) override;
    HRESULT STDMETHODCALLTYPE Start() override;
    HRESULT STDMETHODCALLTYPE Stop() override;
    HRESULT STDMETHODCALLTYPE Pause() override;
    HRESULT STDMETHODCALLTYPE Continue() override;
    HRESULT STDMETHODCALLTYPE IsRunning(VARIANT_BOOL* running) override;
    HRESULT STDMETHODCALLTYPE IsPaused(VARIANT_BOOL* paused) override;

    HRESULT STDMETHODCALLTYPE InterfaceSupportsErrorInfo(REFIID riid) override;

private:
    enum State { Stopped, Running, Paused };

    // Logs the call; a failure when KY_ISADM_FAIL names it.
    HRESULT Enter(const char* method);

    LONG refs_ = 1;
    State state_ = Stopped;
    std::wstring machine_;
};

} // namespace AdminStandIn
