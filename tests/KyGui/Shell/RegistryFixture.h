// Handler registrations under HKEY_CLASSES_ROOT for the shell menu tests, removed when the fixture goes.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class HandlerRegistry {
public:
    HandlerRegistry() = default;
    HandlerRegistry(const HandlerRegistry&) = delete;
    HandlerRegistry& operator=(const HandlerRegistry&) = delete;
    ~HandlerRegistry()
    {
        for (auto it = m_created.rbegin(); it != m_created.rend(); ++it)
            DeleteTree(HKEY_CLASSES_ROOT, it->c_str());
    }

    // typeKey\ShellEx\ContextMenuHandlers\name with the default value (empty: none).
    void AddHandler(const std::string& typeKey, const std::string& name, const std::string& value = "")
    {
        const std::string key = typeKey + "\\ShellEx\\ContextMenuHandlers\\" + name;
        SetDefault(key, value);
    }
    // An extension key whose default value names its class (empty: none).
    void AddExtension(const std::string& ext, const std::string& className)
    {
        SetDefault(ext, className);
    }

private:
    void SetDefault(const std::string& key, const std::string& value)
    {
        HKEY h = nullptr;
        ::RegCreateKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &h, nullptr);
        if (!value.empty())
            ::RegSetValueExA(h, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                             static_cast<DWORD>(value.size() + 1));
        ::RegCloseKey(h);
        m_created.push_back(key);
    }
    static void DeleteTree(HKEY parent, const char* name)
    {
        HKEY h = nullptr;
        if (::RegOpenKeyExA(parent, name, 0, KEY_ALL_ACCESS, &h) != ERROR_SUCCESS)
            return;
        char sub[256];
        while (::RegEnumKeyA(h, 0, sub, sizeof sub) == ERROR_SUCCESS)
            DeleteTree(h, sub);
        ::RegCloseKey(h);
        ::RegDeleteKeyA(parent, name);
    }

    std::vector<std::string> m_created;
};
