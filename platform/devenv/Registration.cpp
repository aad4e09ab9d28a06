// Making stand-ins findable: running-object table entries, ProgID keys and class registrations.
#include "devenv/Registration.h"

#include <oleauto.h>

#include <cwctype>

namespace DevEnvStandIn {

RunningObject::RunningObject(IUnknown* object, const CLSID& clsid) : result_(E_FAIL), cookie_(0)
{
    // The table's service may still be starting in a fresh Wine prefix.
    for (int attempt = 0; attempt < 100; ++attempt) {
        result_ = RegisterActiveObject(object, clsid, ACTIVEOBJECT_STRONG, &cookie_);
        if (result_ != HRESULT_FROM_WIN32(RPC_S_SERVER_UNAVAILABLE))
            break;
        Sleep(100);
    }
}

RunningObject::~RunningObject()
{
    Revoke();
}

void RunningObject::Revoke()
{
    if (SUCCEEDED(result_) && cookie_ != 0)
        RevokeActiveObject(cookie_, nullptr);
    cookie_ = 0;
}

ProgIdKey::ProgIdKey(const std::wstring& progId, const CLSID& clsid) : progId_(progId)
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CLASSES_ROOT, (progId + L"\\CLSID").c_str(), 0, nullptr, 0, KEY_WRITE,
                        nullptr, &key, nullptr) != ERROR_SUCCESS)
        return;
    wchar_t text[64];
    int n = StringFromGUID2(clsid, text, 64);
    RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                   static_cast<DWORD>(n * sizeof(wchar_t)));
    RegCloseKey(key);
}

ProgIdKey::~ProgIdKey()
{
    RegDeleteKeyW(HKEY_CLASSES_ROOT, (progId_ + L"\\CLSID").c_str());
    RegDeleteKeyW(HKEY_CLASSES_ROOT, progId_.c_str());
}

namespace {

class Factory : public IClassFactory {
public:
    explicit Factory(ClassRegistration::Make make) : refs_(1), make_(std::move(make)) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override
    {
        if (!out)
            return E_POINTER;
        *out = iid == IID_IUnknown || iid == IID_IClassFactory ? this : nullptr;
        if (!*out)
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&refs_); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        LONG n = InterlockedDecrement(&refs_);
        if (n == 0)
            delete this;
        return n;
    }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override
    {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        if (outer)
            return CLASS_E_NOAGGREGATION;
        ComRef<IUnknown> object = make_();
        return object ? object->QueryInterface(iid, out) : E_OUTOFMEMORY;
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

private:
    virtual ~Factory() = default;
    LONG refs_;
    ClassRegistration::Make make_;
};

} // namespace

ClassRegistration::ClassRegistration(const CLSID& clsid, Make make, DWORD context) : cookie_(0)
{
    Factory* factory = new Factory(std::move(make));
    result_ = CoRegisterClassObject(clsid, factory, context, REGCLS_MULTIPLEUSE, &cookie_);
    factory->Release();
}

ClassRegistration::~ClassRegistration()
{
    if (SUCCEEDED(result_))
        CoRevokeClassObject(cookie_);
}

std::string ClassText(const CLSID& clsid)
{
    wchar_t wide[64];
    int n = StringFromGUID2(clsid, wide, 64);
    std::string text;
    for (int i = 0; i + 1 < n; ++i)
        text += static_cast<char>(std::towlower(wide[i]));
    return text;
}

} // namespace DevEnvStandIn
