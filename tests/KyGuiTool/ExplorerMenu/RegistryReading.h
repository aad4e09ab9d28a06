// Reading registry keys and values back in the Explorer menu tests.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

namespace menutest {

// Whether the key opens for reading.
inline bool KeyExists(HKEY root, const std::string& path)
{
    HKEY key = nullptr;
    if (::RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    ::RegCloseKey(key);
    return true;
}

// A REG_SZ value; "<missing>" when the key or the value is absent.
inline std::string StringValue(HKEY root, const std::string& path, const char* name)
{
    HKEY key = nullptr;
    if (::RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return "<missing>";
    char data[1024] = {};
    DWORD size = sizeof data - 1;
    DWORD type = 0;
    const LONG result =
        ::RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
    ::RegCloseKey(key);
    return result == ERROR_SUCCESS && type == REG_SZ ? std::string(data) : "<missing>";
}

// Every value of the key by name; empty when the key is absent.
inline std::map<std::string, std::string> Values(HKEY root, const std::string& path)
{
    std::map<std::string, std::string> values;
    HKEY key = nullptr;
    if (::RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return values;
    for (DWORD i = 0;; ++i) {
        char name[256] = {};
        char data[1024] = {};
        DWORD nameSize = sizeof name;
        DWORD dataSize = sizeof data - 1;
        if (::RegEnumValueA(key, i, name, &nameSize, nullptr, nullptr,
                            reinterpret_cast<BYTE*>(data), &dataSize) != ERROR_SUCCESS)
            break;
        values[name] = data;
    }
    ::RegCloseKey(key);
    return values;
}

} // namespace menutest
