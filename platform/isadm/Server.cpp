// The in-process server's entry points: the class object, unloading and
// registration under the ProgID "Microsoft.ISAdm".
#include "AdminObject.h"

#include <windows.h>
#include <olectl.h>
#include <shlwapi.h>

#include <string>

using namespace AdminStandIn;

namespace {

// The stand-in's own class identifier.
constexpr CLSID kClsid = {
    0x6e1a3f20, 0x7c55, 0x4b8e, {0x9d, 0x21, 0x4a, 0x5b, 0x0c, 0x7e, 0x11, 0xd3}};
const char kClsidText[] = "{6E1A3F20-7C55-4B8E-9D21-4A5B0C7E11D3}";
const char kProgId[] = "Microsoft.ISAdm";

HMODULE g_module = nullptr;
LONG g_locks = 0;

class Factory : public IClassFactory {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override
    {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        if (riid != IID_IUnknown && riid != IID_IClassFactory)
            return E_NOINTERFACE;
        *out = static_cast<IClassFactory*>(this);
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** out) override
    {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        if (outer)
            return CLASS_E_NOAGGREGATION;
        auto* object = new AdminObject();
        HRESULT hr = object->QueryInterface(riid, out);
        object->Release();
        return hr;
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override
    {
        if (lock)
            InterlockedIncrement(&g_locks);
        else
            InterlockedDecrement(&g_locks);
        return S_OK;
    }
};

Factory g_factory;

bool SetText(HKEY root, const std::string& key, const char* name, const std::string& value)
{
    HKEY h = nullptr;
    if (RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &h, nullptr) !=
        ERROR_SUCCESS)
        return false;
    LONG r = RegSetValueExA(h, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                            static_cast<DWORD>(value.size() + 1));
    RegCloseKey(h);
    return r == ERROR_SUCCESS;
}

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        g_module = module;
        DisableThreadLibraryCalls(module);
    }
    return TRUE;
}

extern "C" __declspec(dllexport) HRESULT WINAPI
    DllGetClassObject(REFCLSID clsid, REFIID riid, void** out)
{
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (clsid != kClsid)
        return CLASS_E_CLASSNOTAVAILABLE;
    return g_factory.QueryInterface(riid, out);
}

extern "C" __declspec(dllexport) HRESULT WINAPI DllCanUnloadNow()
{
    return g_objects == 0 && g_locks == 0 ? S_OK : S_FALSE;
}

extern "C" __declspec(dllexport) HRESULT WINAPI DllRegisterServer()
{
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(g_module, path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH)
        return E_FAIL;
    std::string clsidKey = std::string("CLSID\\") + kClsidText;
    bool ok = SetText(HKEY_CLASSES_ROOT, kProgId, nullptr, "Indexing Service administration") &&
              SetText(HKEY_CLASSES_ROOT, std::string(kProgId) + "\\CLSID", nullptr, kClsidText) &&
              SetText(HKEY_CLASSES_ROOT, clsidKey, nullptr, "Indexing Service administration") &&
              SetText(HKEY_CLASSES_ROOT, clsidKey + "\\ProgID", nullptr, kProgId) &&
              SetText(HKEY_CLASSES_ROOT, clsidKey + "\\InprocServer32", nullptr, path) &&
              SetText(HKEY_CLASSES_ROOT, clsidKey + "\\InprocServer32", "ThreadingModel", "Both");
    return ok ? S_OK : SELFREG_E_CLASS;
}

extern "C" __declspec(dllexport) HRESULT WINAPI DllUnregisterServer()
{
    SHDeleteKeyA(HKEY_CLASSES_ROOT, kProgId);
    SHDeleteKeyA(HKEY_CLASSES_ROOT, (std::string("CLSID\\") + kClsidText).c_str());
    return S_OK;
}
