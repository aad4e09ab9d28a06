// DllMain and the two exports: removing the add-in's registration, the help index and the approved shell extension, then the databases.
#include "KyUninst/Databases.h"
#include "KyUninst/InstallFolder.h"
#include "StaticRuntime/OwnUnwindTables.h"

#include <windows.h>

#include <string>

namespace {

const char kAddInFile[] = "KyAddIn.dll";
const char kHelpIndexFile[] = "KyTools.gid";
const char kUnregisterEntry[] = "DllUnregisterServer";
const char kApprovedKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved";
const char kShellExtClass[] = "{57E25520-4EBA-11d2-AF21-00E0291D2688}";
const int kCancelled = -1;

using UnregisterServer = HRESULT(STDAPICALLTYPE*)();

void UnregisterAddIn(const std::string& folder)
{
    HMODULE addIn = LoadLibraryA((folder + kAddInFile).c_str());
    if (!addIn)
        return;
    if (auto entry = reinterpret_cast<UnregisterServer>(
            reinterpret_cast<void*>(GetProcAddress(addIn, kUnregisterEntry))))
        entry();
    FreeLibrary(addIn);
}

void RemoveApprovedShellExtension()
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kApprovedKey, 0, KEY_READ | KEY_SET_VALUE, &key) !=
        ERROR_SUCCESS)
        return;
    RegDeleteValueA(key, kShellExtClass);
    RegCloseKey(key);
}

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH)
        KyStaticRuntime::RegisterOwnUnwindTables(module);
    else if (reason == DLL_PROCESS_DETACH)
        KyStaticRuntime::DeregisterOwnUnwindTables();
    return TRUE;
}

extern "C" int WINAPI UninstInitialize(HWND owner, int, int)
{
    const std::string folder = KyUninst::InstallFolder(GetCommandLineA());
    if (!folder.empty()) {
        UnregisterAddIn(folder);
        DeleteFileA((folder + kHelpIndexFile).c_str());
    }
    RemoveApprovedShellExtension();
    const KyUninst::DatabaseAnswer answer = KyUninst::OfferDatabaseRemoval(owner);
    return answer == KyUninst::DatabaseAnswer::Cancelled ? kCancelled : 0;
}

extern "C" int WINAPI UninstUnInitialize(HWND, int, int)
{
    return 0;
}
