// A scratch registry key for one test, HKCU\Software\Kyvant\Tests\<name>,
// created empty and deleted with everything below it afterwards; and raw
// value access that does not go through the code under test.
#pragma once

#include "ChildProgram.h"

#include <windows.h>
#include <shlwapi.h>

#include <string>
#include <vector>

namespace KyTest {

class RegScratch {
public:
    explicit RegScratch(const std::string& name)
        : path_("Software\\Kyvant\\Tests\\" + UniqueName(name)), key_(nullptr)
    {
        SHDeleteKeyA(HKEY_CURRENT_USER, path_.c_str());
        RegCreateKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key_, nullptr);
    }
    ~RegScratch()
    {
        RegCloseKey(key_);
        SHDeleteKeyA(HKEY_CURRENT_USER, path_.c_str());
    }
    RegScratch(const RegScratch&) = delete;
    RegScratch& operator=(const RegScratch&) = delete;

    HKEY get() const { return key_; }

private:
    std::string path_;
    HKEY key_;
};

inline HKEY SubKey(HKEY parent, const char* name)
{
    HKEY key = nullptr;
    RegCreateKeyExA(parent, name, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    return key;
}

inline bool KeyExists(HKEY parent, const char* name)
{
    HKEY key = nullptr;
    bool exists = RegOpenKeyExA(parent, name, 0, KEY_READ, &key) == ERROR_SUCCESS;
    if (exists)
        RegCloseKey(key);
    return exists;
}

inline void PutString(HKEY key, const char* name, const std::string& text)
{
    RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>(text.size() + 1));
}

inline void PutDword(HKEY key, const char* name, DWORD value)
{
    RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
}

// The REG_SZ text of a value, or "<none>".
inline std::string GetString(HKEY key, const char* name)
{
    char buffer[1024] = {};
    DWORD size = sizeof buffer - 1, type = 0;
    if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) ||
        type != REG_SZ)
        return "<none>";
    return buffer;
}

inline std::vector<std::string> ValueNames(HKEY key)
{
    std::vector<std::string> names;
    char name[256];
    DWORD length = sizeof name;
    for (DWORD i = 0;
         RegEnumValueA(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
         ++i, length = sizeof name)
        names.emplace_back(name, length);
    return names;
}

} // namespace KyTest
