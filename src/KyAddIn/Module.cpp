// The module handle and object count, DllMain, DllGetClassObject and DllCanUnloadNow.
#include "KyAddIn/Module.h"

#include "KyAddIn/ClassFactory.h"
#include "KyAddIn/Connect.h"
#include "KyAddIn/ConnectVC6.h"
#include "KyAddIn/Guids.h"
#include "StaticRuntime/OwnUnwindTables.h"

#include <new>

namespace KyAddIn {

namespace {

HINSTANCE g_module = nullptr;
volatile LONG g_objects = 0; // an aligned read of it is whole

} // namespace

HINSTANCE ModuleHandle()
{
    return g_module;
}

void SetModuleHandle(HINSTANCE module)
{
    g_module = module;
}

std::string ModulePath()
{
    char path[MAX_PATH];
    const DWORD n = GetModuleFileNameA(g_module, path, MAX_PATH);
    return std::string(path, n < MAX_PATH ? n : 0);
}

void ObjectCreated()
{
    InterlockedIncrement(&g_objects);
}

void ObjectDestroyed()
{
    InterlockedDecrement(&g_objects);
}

LONG ObjectCount()
{
    return g_objects;
}

} // namespace KyAddIn

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        KyStaticRuntime::RegisterOwnUnwindTables(module);
        KyAddIn::SetModuleHandle(module);
    } else if (reason == DLL_PROCESS_DETACH) {
        KyStaticRuntime::DeregisterOwnUnwindTables();
    }
    return TRUE;
}

// Only the two connect classes are creatable; the published classes are
// made by the add-in itself.
STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, LPVOID* out)
{
    if (!out)
        return E_POINTER;
    *out = nullptr;
    KyAddIn::ClassFactory::Make make = nullptr;
    if (IsEqualCLSID(clsid, KyAddIn::kConnectClsid))
        make = &KyAddIn::Connect::New;
    else if (IsEqualCLSID(clsid, KyAddIn::kConnectVC6Clsid))
        make = &KyAddIn::ConnectVC6::New;
    else
        return CLASS_E_CLASSNOTAVAILABLE;
    KyAddIn::ClassFactory* factory = new (std::nothrow) KyAddIn::ClassFactory(make);
    if (!factory)
        return E_OUTOFMEMORY;
    const HRESULT hr = factory->QueryInterface(iid, out);
    factory->Release();
    return hr;
}

STDAPI DllCanUnloadNow()
{
    return KyAddIn::ObjectCount() == 0 ? S_OK : S_FALSE;
}
