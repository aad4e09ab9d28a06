// A shared registry-key handle: copies share the key, which is closed with
// the last copy; an empty key holds null.
#pragma once

#include "KyStd/Core/BasicHandle.h"
#include "KyStd/Core/HandleTags.h"
#include "KyStd/KyStdExport.h"
#include "KyStd/Strings/String.h"

#include <windows.h>

namespace Kyvant {

class KYSTD_API RegKey : public Win32::BasicHandle<HKEY> {
public:
    using String = ky_BSB<char>;

    // Adopts h (null: an empty key).
    explicit RegKey(HKEY h = nullptr) : Win32::BasicHandle<HKEY>(h) {}

    // Open an existing subkey; failure throws os_error with the result.
    RegKey(KyOpenT, HKEY parent, const char* subKey, REGSAM access = KEY_ALL_ACCESS,
           DWORD options = 0);
    RegKey(KyOpenT, const RegKey& parent, const char* subKey, REGSAM access = KEY_ALL_ACCESS,
           DWORD options = 0);
    RegKey(KyOpenT, HKEY parent, const String& subKey, REGSAM access = KEY_ALL_ACCESS,
           DWORD options = 0);
    RegKey(KyOpenT, const RegKey& parent, const String& subKey, REGSAM access = KEY_ALL_ACCESS,
           DWORD options = 0);

    // Open a subkey, creating it when missing; failure throws os_error.
    RegKey(HKEY parent, const char* subKey, REGSAM access = KEY_ALL_ACCESS,
           DWORD* disposition = nullptr, SECURITY_ATTRIBUTES* sa = nullptr,
           DWORD options = REG_OPTION_NON_VOLATILE, char* className = nullptr, DWORD reserved = 0);
    RegKey(const RegKey& parent, const char* subKey, REGSAM access = KEY_ALL_ACCESS,
           DWORD* disposition = nullptr, SECURITY_ATTRIBUTES* sa = nullptr,
           DWORD options = REG_OPTION_NON_VOLATILE, char* className = nullptr, DWORD reserved = 0);
    RegKey(HKEY parent, const String& subKey, REGSAM access = KEY_ALL_ACCESS,
           DWORD* disposition = nullptr, SECURITY_ATTRIBUTES* sa = nullptr,
           DWORD options = REG_OPTION_NON_VOLATILE, char* className = nullptr, DWORD reserved = 0);
    RegKey(const RegKey& parent, const String& subKey, REGSAM access = KEY_ALL_ACCESS,
           DWORD* disposition = nullptr, SECURITY_ATTRIBUTES* sa = nullptr,
           DWORD options = REG_OPTION_NON_VOLATILE, char* className = nullptr, DWORD reserved = 0);

    RegKey(const RegKey&) = default;
    RegKey& operator=(const RegKey&) = default;
    ~RegKey() override;

    // Drop the held key, then open or create; the new key is kept on
    // success. The Win32 result is returned, nothing is thrown.
    LONG Open(HKEY parent, const char* subKey, REGSAM access = KEY_ALL_ACCESS, DWORD options = 0);
    LONG Create(HKEY parent, const char* subKey, REGSAM access = KEY_ALL_ACCESS,
                DWORD* disposition = nullptr, SECURITY_ATTRIBUTES* sa = nullptr,
                DWORD options = REG_OPTION_NON_VOLATILE, char* className = nullptr,
                DWORD reserved = 0);
    void Close() { close(); }

    // Counts and longest lengths (in characters, without the NUL; data in
    // bytes); failure throws os_error.
    void GetSubKeyParams(DWORD& count, DWORD& maxNameLength) const;
    DWORD GetNumSubKeys() const;
    DWORD GetMaxSubKeyNameLength() const;
    void GetValueParams(DWORD& count, DWORD& maxNameLength, DWORD& maxDataLength) const;
    DWORD GetNumValues() const;
    DWORD GetMaxValueNameLength() const;
    DWORD GetMaxValueDataLength() const;

    // The name of the subkey at index; the Win32 result is returned
    // (ERROR_NO_MORE_ITEMS past the last one), nothing is thrown.
    LONG EnumSubKey(DWORD index, String& name) const;

    void SetValue(const char* name, DWORD type, const BYTE* data, DWORD size,
                  DWORD reserved = 0) const;
    // A missing value is not an error.
    void DeleteValue(const char* name) const;
    void DeleteAllValues() const;
    // Deletes the subkey with everything below it; a missing subkey is not
    // an error.
    void DeleteKey(const char* subKey) const;
};

} // namespace Kyvant
