// The shared registry key: opening, creating, counts and sizes, enumeration, values and deletes.
#include "KyStd/Registry/RegKey.h"

#include "KyStd/Core/Errors.h"
#include "KyStd/Registry/RegResult.h"

#include <vector>

namespace Kyvant {

RegKey::RegKey(KyOpenT, HKEY parent, const char* subKey, REGSAM access, DWORD options)
{
    CheckRegResult(Open(parent, subKey, access, options));
}

RegKey::RegKey(KyOpenT, const RegKey& parent, const char* subKey, REGSAM access, DWORD options)
{
    CheckRegResult(Open(parent.get(), subKey, access, options));
}

RegKey::RegKey(KyOpenT, HKEY parent, const String& subKey, REGSAM access, DWORD options)
{
    CheckRegResult(Open(parent, subKey.c_str(), access, options));
}

RegKey::RegKey(KyOpenT, const RegKey& parent, const String& subKey, REGSAM access, DWORD options)
{
    CheckRegResult(Open(parent.get(), subKey.c_str(), access, options));
}

RegKey::RegKey(HKEY parent, const char* subKey, REGSAM access, DWORD* disposition,
               SECURITY_ATTRIBUTES* sa, DWORD options, char* className, DWORD reserved)
{
    CheckRegResult(Create(parent, subKey, access, disposition, sa, options, className, reserved));
}

RegKey::RegKey(const RegKey& parent, const char* subKey, REGSAM access, DWORD* disposition,
               SECURITY_ATTRIBUTES* sa, DWORD options, char* className, DWORD reserved)
{
    CheckRegResult(
        Create(parent.get(), subKey, access, disposition, sa, options, className, reserved));
}

RegKey::RegKey(HKEY parent, const String& subKey, REGSAM access, DWORD* disposition,
               SECURITY_ATTRIBUTES* sa, DWORD options, char* className, DWORD reserved)
{
    CheckRegResult(
        Create(parent, subKey.c_str(), access, disposition, sa, options, className, reserved));
}

RegKey::RegKey(const RegKey& parent, const String& subKey, REGSAM access, DWORD* disposition,
               SECURITY_ATTRIBUTES* sa, DWORD options, char* className, DWORD reserved)
{
    CheckRegResult(Create(parent.get(), subKey.c_str(), access, disposition, sa, options, className,
                          reserved));
}

RegKey::~RegKey() {}

LONG RegKey::Open(HKEY parent, const char* subKey, REGSAM access, DWORD options)
{
    close();
    HKEY key = nullptr;
    LONG result = RegOpenKeyExA(parent, subKey, options, access, &key);
    if (result == ERROR_SUCCESS)
        attach(key);
    return result;
}

LONG RegKey::Create(HKEY parent, const char* subKey, REGSAM access, DWORD* disposition,
                    SECURITY_ATTRIBUTES* sa, DWORD options, char* className, DWORD reserved)
{
    close();
    HKEY key = nullptr;
    LONG result = RegCreateKeyExA(parent, subKey, reserved, className, options, access, sa, &key,
                                  disposition);
    if (result == ERROR_SUCCESS)
        attach(key);
    return result;
}

void RegKey::GetSubKeyParams(DWORD& count, DWORD& maxNameLength) const
{
    CheckRegResult(RegQueryInfoKeyA(get(), nullptr, nullptr, nullptr, &count, &maxNameLength,
                                    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr));
}

DWORD RegKey::GetNumSubKeys() const
{
    DWORD count = 0, maxName = 0;
    GetSubKeyParams(count, maxName);
    return count;
}

DWORD RegKey::GetMaxSubKeyNameLength() const
{
    DWORD count = 0, maxName = 0;
    GetSubKeyParams(count, maxName);
    return maxName;
}

void RegKey::GetValueParams(DWORD& count, DWORD& maxNameLength, DWORD& maxDataLength) const
{
    CheckRegResult(RegQueryInfoKeyA(get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                    &count, &maxNameLength, &maxDataLength, nullptr, nullptr));
}

DWORD RegKey::GetNumValues() const
{
    DWORD count = 0, maxName = 0, maxData = 0;
    GetValueParams(count, maxName, maxData);
    return count;
}

DWORD RegKey::GetMaxValueNameLength() const
{
    DWORD count = 0, maxName = 0, maxData = 0;
    GetValueParams(count, maxName, maxData);
    return maxName;
}

DWORD RegKey::GetMaxValueDataLength() const
{
    DWORD count = 0, maxName = 0, maxData = 0;
    GetValueParams(count, maxName, maxData);
    return maxData;
}

LONG RegKey::EnumSubKey(DWORD index, String& name) const
{
    // Key names are at most 255 characters.
    char buffer[256];
    DWORD length = sizeof buffer;
    LONG result = RegEnumKeyExA(get(), index, buffer, &length, nullptr, nullptr, nullptr, nullptr);
    if (result == ERROR_SUCCESS)
        name.assign(buffer, length);
    return result;
}

void RegKey::SetValue(const char* name, DWORD type, const BYTE* data, DWORD size,
                      DWORD reserved) const
{
    CheckRegResult(RegSetValueExA(get(), name, reserved, type, data, size));
}

void RegKey::DeleteValue(const char* name) const
{
    LONG result = RegDeleteValueA(get(), name);
    if (result != ERROR_FILE_NOT_FOUND)
        CheckRegResult(result);
}

void RegKey::DeleteAllValues() const
{
    if (GetNumValues() == 0)
        return;
    std::vector<char> name(GetMaxValueNameLength() + 1);
    for (;;) {
        DWORD length = static_cast<DWORD>(name.size());
        LONG result =
            RegEnumValueA(get(), 0, name.data(), &length, nullptr, nullptr, nullptr, nullptr);
        if (result == ERROR_NO_MORE_ITEMS)
            return;
        CheckRegResult(result);
        // A value that cannot be deleted would come back at index 0 for ever,
        // so its failure ends the loop as an error.
        CheckRegResult(RegDeleteValueA(get(), name.data()));
    }
}

void RegKey::DeleteKey(const char* subKey) const
{
    RegKey doomed;
    LONG result = doomed.Open(get(), subKey, KEY_ALL_ACCESS, 0);
    if (result == ERROR_FILE_NOT_FOUND)
        return;
    CheckRegResult(result);
    ky_S child, previous;
    for (bool first = true;; first = false) {
        result = doomed.EnumSubKey(0, child);
        if (result == ERROR_NO_MORE_ITEMS)
            break;
        CheckRegResult(result);
        // A subkey that survived its deletion would come back at index 0 for
        // ever; it ends the loop as an error instead.
        if (!first && child == previous)
            throw os_error(ERROR_ACCESS_DENIED);
        doomed.DeleteKey(child.c_str());
        previous = child;
    }
    doomed.Close();
    result = RegDeleteKeyA(get(), subKey);
    if (result != ERROR_FILE_NOT_FOUND)
        CheckRegResult(result);
}

} // namespace Kyvant
