// The module handle, the object count, DllMain and the two exported entry points.
#include "KyShellX/Module.h"

#include "KyShellX/ClassFactory.h"
#include "StaticRuntime/OwnUnwindTables.h"

#include <new>

namespace KyShellX {

const CLSID kShellExtClsid = {
    0x57E25520, 0x4EBA, 0x11D2, {0xAF, 0x21, 0x00, 0xE0, 0x29, 0x1D, 0x26, 0x88}};

namespace {

HINSTANCE g_module = nullptr;
volatile LONG g_objects = 0; // an aligned read of it is whole

void ThrowBadAlloc()
{
    throw std::bad_alloc();
}

} // namespace

HINSTANCE ModuleHandle()
{
    return g_module;
}

void SetModuleHandle(HINSTANCE module)
{
    g_module = module;
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

} // namespace KyShellX

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        KyStaticRuntime::RegisterOwnUnwindTables(module);
        KyShellX::SetModuleHandle(module);
        std::set_new_handler(KyShellX::ThrowBadAlloc);
    } else if (reason == DLL_PROCESS_DETACH) {
        KyStaticRuntime::DeregisterOwnUnwindTables();
    }
    return TRUE;
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, LPVOID* out)
{
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (!IsEqualCLSID(clsid, KyShellX::kShellExtClsid))
        return CLASS_E_CLASSNOTAVAILABLE;
    try {
        CShellExtClassFactory* factory = new CShellExtClassFactory;
        const HRESULT hr = factory->QueryInterface(iid, out);
        factory->Release();
        return hr;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_UNEXPECTED;
    }
}

STDAPI DllCanUnloadNow()
{
    return KyShellX::ObjectCount() == 0 ? S_OK : S_FALSE;
}
