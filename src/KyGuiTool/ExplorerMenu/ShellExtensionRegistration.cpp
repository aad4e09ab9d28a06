// Writing and removing the shell extension's registration.
#include "KyGuiTool/ExplorerMenu/ShellExtensionRegistration.h"

#include "KyGuiTool/ExplorerMenu/ExplorerMenuResource.h"
#include "KyGuiTool/Module/KyGuiToolModule.h"
#include "KyStd/Files/FileName.h"
#include "KyStd/Registry/RegKey.h"
#include "KyStd/Registry/RegValues.h"

#include <exception>
#include <stdexcept>

namespace {

using Kyvant::RegKey;

const char kClassId[] = "{57E25520-4EBA-11d2-AF21-00E0291D2688}";
const char kClassName[] = "Kyvant Tools Shell Extension";
const char kClassesKey[] = "CLSID";
const char kServerKey[] = "InProcServer32";
const char kThreadingValue[] = "ThreadingModel";
const char kApartment[] = "Apartment";
const char kServerFile[] = "KyShellX.dll";
const char kHandlerKey[] = "KyToolsMenu";
const char kHandlersPath[] = "\\shellex\\ContextMenuHandlers";
const char kApprovedKey[] =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved";
const char* const kHandlerOwners[] = {"*", "Directory", "Drive", "Folder"};

Kyvant::ky_S HandlersKey(const char* owner)
{
    return Kyvant::ky_S(owner) + kHandlersPath;
}

void Register()
{
    const RegKey classes(HKEY_CLASSES_ROOT, kClassesKey);
    const RegKey classKey(classes, kClassId);
    Kyvant::WriteRegistryString(classKey.get(), nullptr, Kyvant::ky_S(kClassName));
    const RegKey server(classKey, kServerKey);
    Kyvant::ky_F path;
    path.ToModuleDirectory(Kyvant::KyGuiToolModule());
    path.DirSepTerminateIfNotPathCharTerminated();
    path += kServerFile;
    Kyvant::WriteRegistryString(server.get(), nullptr, path);
    Kyvant::WriteRegistryString(server.get(), kThreadingValue, Kyvant::ky_S(kApartment));
    for (const char* owner : kHandlerOwners) {
        const RegKey handler(HKEY_CLASSES_ROOT, HandlersKey(owner) + "\\" + kHandlerKey);
        Kyvant::WriteRegistryString(handler.get(), nullptr, Kyvant::ky_S(kClassId));
    }
    try {
        const RegKey approved(HKEY_LOCAL_MACHINE, kApprovedKey);
        Kyvant::WriteRegistryString(approved.get(), kClassId, Kyvant::ky_S(kClassName));
    } catch (const std::exception&) {
        Kyvant::ky_S text;
        text.LoadStringA(Kyvant::KyGuiToolModule(), IDS_KY_ECM_APPROVAL_FAILED);
        throw std::runtime_error(text.c_str());
    }
}

void Unregister()
{
    const RegKey classes(Kyvant::KyOpen, HKEY_CLASSES_ROOT, kClassesKey);
    classes.DeleteKey(kClassId);
    for (const char* owner : kHandlerOwners) {
        try {
            RegKey handlers;
            if (handlers.Open(HKEY_CLASSES_ROOT, HandlersKey(owner).c_str()) == ERROR_SUCCESS)
                handlers.DeleteKey(kHandlerKey);
        } catch (const std::exception&) {
            // the next owner's handler is still removed
        }
    }
    try {
        RegKey approved;
        if (approved.Open(HKEY_LOCAL_MACHINE, kApprovedKey) == ERROR_SUCCESS)
            approved.DeleteValue(kClassId);
    } catch (const std::exception&) {
        // the approval is the administrator's to remove
    }
}

} // namespace

bool IsShellExtensionRegistered()
{
    RegKey classKey;
    const Kyvant::ky_S path = Kyvant::ky_S(kClassesKey) + "\\" + kClassId;
    return classKey.Open(HKEY_CLASSES_ROOT, path.c_str(), KEY_READ) == ERROR_SUCCESS;
}

void SetShellExtensionRegistration(bool on)
{
    if (on)
        Register();
    else
        Unregister();
}
