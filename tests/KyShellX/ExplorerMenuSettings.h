// What the shell extension's tests need of the Explorer context-menu editor
// of the GUI tool library: the tool list written in the editor's stored form,
// and the shell extension registered and removed the way its registration
// toggle does it. The library's own registration cannot serve here: it would
// bring the MFC-like layer into this program, which links only the system,
// and it registers the extension beside the library, not the copy these
// tests load. The GUI tool library's tests read their input through this file.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace kytest {

// The editor's Reset list.
inline std::vector<std::string> DefaultToolList()
{
    return {"&Find|:KyFindG.exe", "&Replace|:KyReplaceG.exe", "&Dir|:KyDirG.exe", "-",
            "&Attrib|:KyAttrib.exe", "&Touch|:KyTouch.exe", "-", "&EOL|:KyEOL.exe",
            "Ta&b|:KyTab.exe"};
}

const char kToolsKey[] = "Software\\Kyvant\\Tools";
const char kMenuListKey[] = "Software\\Kyvant\\Tools\\ExplorerContextMenu";
const char kShellExtClass[] = "{57E25520-4EBA-11d2-AF21-00E0291D2688}";
const char kShellExtName[] = "Kyvant Tools Shell Extension";
const char kApprovedKey[] =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved";

inline void SetString(HKEY root, const std::string& path, const char* name,
                      const std::string& text)
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>(text.size() + 1));
    RegCloseKey(key);
}

// The list key with exactly these values (name, text); none removes the menu.
inline void WriteToolValues(const std::vector<std::pair<std::string, std::string>>& values)
{
    RegDeleteKeyA(HKEY_CURRENT_USER, kMenuListKey);
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, kMenuListKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                    nullptr);
    RegCloseKey(key);
    for (const auto& v : values)
        SetString(HKEY_CURRENT_USER, kMenuListKey, v.first.c_str(), v.second);
}

// The editor's stored form: values "0" to "n-1" in menu order.
inline void WriteToolList(const std::vector<std::string>& entries)
{
    std::vector<std::pair<std::string, std::string>> values;
    for (size_t i = 0; i < entries.size(); ++i)
        values.emplace_back(std::to_string(i), entries[i]);
    WriteToolValues(values);
}

inline void RemoveToolList()
{
    RegDeleteKeyA(HKEY_CURRENT_USER, kMenuListKey);
}

// Registration on (dllFolder holds KyShellX.dll, with its trailing
// backslash) or off.
inline void SetShellExtensionRegistration(bool on, const std::string& dllFolder)
{
    const std::string classKey = std::string("CLSID\\") + kShellExtClass;
    const char* const handlerOwners[] = {"*", "Directory", "Drive", "Folder"};
    if (on) {
        SetString(HKEY_CLASSES_ROOT, classKey, nullptr, kShellExtName);
        SetString(HKEY_CLASSES_ROOT, classKey + "\\InProcServer32", nullptr,
                  dllFolder + "KyShellX.dll");
        SetString(HKEY_CLASSES_ROOT, classKey + "\\InProcServer32", "ThreadingModel",
                  "Apartment");
        for (const char* owner : handlerOwners)
            SetString(HKEY_CLASSES_ROOT,
                      std::string(owner) + "\\shellex\\ContextMenuHandlers\\KyToolsMenu", nullptr,
                      kShellExtClass);
        SetString(HKEY_LOCAL_MACHINE, kApprovedKey, kShellExtClass, kShellExtName);
        return;
    }
    RegDeleteKeyA(HKEY_CLASSES_ROOT, (classKey + "\\InProcServer32").c_str());
    RegDeleteKeyA(HKEY_CLASSES_ROOT, classKey.c_str());
    for (const char* owner : handlerOwners)
        RegDeleteKeyA(HKEY_CLASSES_ROOT,
                      (std::string(owner) + "\\shellex\\ContextMenuHandlers\\KyToolsMenu").c_str());
    HKEY approved = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kApprovedKey, 0, KEY_SET_VALUE, &approved) ==
        ERROR_SUCCESS) {
        RegDeleteValueA(approved, kShellExtClass);
        RegCloseKey(approved);
    }
}

} // namespace kytest
