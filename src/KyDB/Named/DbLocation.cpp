// Choosing and recording the database folder.
#include "KyDB/Named/DbLocation.h"

#include "KyStd/Core/Errors.h"
#include "KyStd/Files/FileName.h"
#include "KyStd/Registry/RegKey.h"
#include "KyStd/Registry/RegValues.h"
#include "KyStd/Shell/ShellNames.h"
#include "KyStd/Win32/ModuleContaining.h"

#include <comdef.h>
#include <direct.h>
#include <shlobj.h>

#include <errno.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace Kyvant {

namespace {

// Creates the folder unless it is there; true when this call made it.
bool MakeFolder(const ky_F& folder)
{
    if (folder.IsDirectory())
        return false;
    if (_mkdir(folder.c_str()) == 0)
        return true;
    // Another process may have made it in the meantime.
    if (errno == EEXIST && folder.IsDirectory())
        return false;
    throw std::runtime_error(std::string("Failed to create directory: ") + folder.c_str());
}

ky_F AppDataFolder()
{
    try {
        return Shell::GetSpecialFolderPath(CSIDL_APPDATA);
    } catch (const _com_error& e) {
        throw os_error(static_cast<unsigned long>(e.Error()));
    }
}

// Each path with its NUL, then one more NUL.
void WriteCreatedPaths(const RegKey& key, const std::vector<ky_F>& folders)
{
    std::string data;
    for (const ky_F& f : folders) {
        data.append(f.c_str(), f.length());
        data += '\0';
    }
    data += '\0';
    key.SetValue(kDbCreatedPathsValue, REG_MULTI_SZ, reinterpret_cast<const BYTE*>(data.data()),
                 static_cast<DWORD>(data.size()));
}

ky_F ChooseFolder(HINSTANCE module, const char* baseName, const RegKey& key)
{
    ky_F folder;
    folder.ToModuleDirectory(module, true);
    ky_F candidate;
    candidate.ToPath(folder.c_str(), (ky_S(baseName) + ".db").c_str());
    if (candidate.IsFile())
        return folder;

    ky_F kyvant, tools;
    kyvant.ToPath(AppDataFolder().c_str(), "Kyvant");
    tools.ToPath(kyvant.c_str(), "Tools");
    std::vector<ky_F> created;
    if (MakeFolder(kyvant))
        created.push_back(kyvant);
    if (MakeFolder(tools))
        created.push_back(tools);
    if (!created.empty())
        WriteCreatedPaths(key, created);
    return tools;
}

} // namespace

ky_S LocateDatabase(HINSTANCE module, const char* baseName)
{
    RegKey key(HKEY_CURRENT_USER, kSharedSettingsKey);
    ky_F folder;
    folder.LoadStringA(key.get(), kDbPathValue, "");
    if (!folder.empty() && !folder.IsDirectory()) {
        folder.clear();
        key.DeleteValue(kDbPathValue);
        key.DeleteValue(kDbCreatedPathsValue);
    }
    if (folder.empty()) {
        folder = ChooseFolder(module, baseName, key);
        WriteRegistryString(key.get(), kDbPathValue, folder);
    }
    ky_F base;
    base.ToPath(folder.c_str(), baseName);
    return ky_S(base);
}

HINSTANCE GetKyDBModule()
{
    return Win32::ModuleContaining(reinterpret_cast<const void*>(&GetKyDBModule));
}

} // namespace Kyvant
