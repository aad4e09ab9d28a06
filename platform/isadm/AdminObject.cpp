// The administration object: its state, the interface's methods, the call log and error info.
#include "AdminObject.h"

#include <cstdio>
#include <cstring>

namespace AdminStandIn {

namespace IS = Kyvant::IndexingService;

LONG g_objects = 0;

std::string Env(const char* name)
{
    char buffer[MAX_PATH * 2];
    DWORD n = GetEnvironmentVariableA(name, buffer, sizeof buffer);
    return n > 0 && n < sizeof buffer ? std::string(buffer, n) : std::string();
}

void Log(const std::string& line)
{
    std::string path = Env("KY_ISADM_LOG");
    if (path.empty())
        return;
    if (std::FILE* f = std::fopen(path.c_str(), "a")) {
        std::fprintf(f, "%s\n", line.c_str());
        std::fclose(f);
    }
}

namespace {

std::string Narrow(const wchar_t* text)
{
    std::string out;
    for (; text && *text; ++text)
        out += *text < 128 ? static_cast<char>(*text) : '?';
    return out;
}

} // namespace

AdminObject::AdminObject()
{
    InterlockedIncrement(&g_objects);
    std::string state = Env("KY_ISADM_STATE");
    if (state == "running")
        state_ = Running;
    else if (state == "paused")
        state_ = Paused;
    Log("Create");
}

AdminObject::~AdminObject()
{
    InterlockedDecrement(&g_objects);
}

HRESULT AdminObject::QueryInterface(REFIID riid, void** out)
{
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (riid == IID_IUnknown || riid == IID_IDispatch || riid == IS::kIID_IAdminService)
        *out = static_cast<IS::IAdminService*>(this);
    else if (riid == IID_ISupportErrorInfo)
        *out = static_cast<ISupportErrorInfo*>(this);
    if (!*out)
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

ULONG AdminObject::AddRef()
{
    return static_cast<ULONG>(InterlockedIncrement(&refs_));
}

ULONG AdminObject::Release()
{
    LONG n = InterlockedDecrement(&refs_);
    if (n == 0)
        delete this;
    return static_cast<ULONG>(n);
}

HRESULT AdminObject::GetTypeInfoCount(UINT* count)
{
    if (count)
        *count = 0;
    return S_OK;
}

HRESULT AdminObject::GetTypeInfo(UINT, LCID, ITypeInfo** info)
{
    if (info)
        *info = nullptr;
    return E_NOTIMPL;
}

HRESULT AdminObject::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*)
{
    return E_NOTIMPL;
}

HRESULT AdminObject::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*)
{
    return E_NOTIMPL;
}

HRESULT AdminObject::Enter(const char* method)
{
    if (Env("KY_ISADM_FAIL") != method)
        return S_OK;
    Log(std::string(method) + " failed");
    ICreateErrorInfo* create = nullptr;
    if (SUCCEEDED(CreateErrorInfo(&create))) {
        std::wstring text = L"The service refused ";
        for (const char* p = method; *p; ++p)
            text += static_cast<wchar_t>(*p);
        create->SetDescription(const_cast<wchar_t*>(text.c_str()));
        create->SetGUID(IS::kIID_IAdminService);
        IErrorInfo* info = nullptr;
        if (SUCCEEDED(create->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&info)))) {
            SetErrorInfo(0, info);
            info->Release();
        }
        create->Release();
    }
    return E_ACCESSDENIED;
}

HRESULT AdminObject::put_MachineName(BSTR name)
{
    Log("put_MachineName name=" + Narrow(name));
    HRESULT hr = Enter("put_MachineName");
    if (FAILED(hr))
        return hr;
    machine_ = name ? name : L"";
    return S_OK;
}

HRESULT AdminObject::get_MachineName(BSTR* name)
{
    if (!name)
        return E_POINTER;
    *name = SysAllocString(machine_.c_str());
    return S_OK;
}

HRESULT AdminObject::Start()
{
    Log("Start");
    HRESULT hr = Enter("Start");
    if (SUCCEEDED(hr))
        state_ = Running;
    return hr;
}

HRESULT AdminObject::Stop()
{
    Log("Stop");
    HRESULT hr = Enter("Stop");
    if (SUCCEEDED(hr))
        state_ = Stopped;
    return hr;
}

HRESULT AdminObject::Pause()
{
    Log("Pause");
    HRESULT hr = Enter("Pause");
    if (SUCCEEDED(hr))
        state_ = Paused;
    return hr;
}

HRESULT AdminObject::Continue()
{
    Log("Continue");
    HRESULT hr = Enter("Continue");
    if (SUCCEEDED(hr))
        state_ = Running;
    return hr;
}

HRESULT AdminObject::IsRunning(VARIANT_BOOL* running)
{
    if (!running)
        return E_POINTER;
    HRESULT hr = Enter("IsRunning");
    if (FAILED(hr))
        return hr;
    *running = state_ == Running ? VARIANT_TRUE : VARIANT_FALSE;
    Log(std::string("IsRunning -> ") + (state_ == Running ? "true" : "false"));
    return S_OK;
}

HRESULT AdminObject::IsPaused(VARIANT_BOOL* paused)
{
    if (!paused)
        return E_POINTER;
    HRESULT hr = Enter("IsPaused");
    if (FAILED(hr))
        return hr;
    *paused = state_ == Paused ? VARIANT_TRUE : VARIANT_FALSE;
    Log(std::string("IsPaused -> ") + (state_ == Paused ? "true" : "false"));
    return S_OK;
}

HRESULT AdminObject::InterfaceSupportsErrorInfo(REFIID riid)
{
    return riid == IS::kIID_IAdminService ? S_OK : S_FALSE;
}

} // namespace AdminStandIn
