// Reading a DWORD value with a default, and writing DWORD and string values.
#include "KyStd/Registry/RegValues.h"

#include "KyStd/Registry/RegResult.h"

namespace Kyvant {

DWORD GetRegistryDWORD(HKEY key, const char* name, DWORD def)
{
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof value;
    LONG result =
        RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
    if (result != ERROR_SUCCESS || type != REG_DWORD || size != sizeof value)
        return def;
    return value;
}

void WriteRegistryDWORD(HKEY key, const char* name, DWORD value)
{
    CheckRegResult(RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                                  sizeof value));
}

void WriteRegistryString(HKEY key, const char* name, const char* text, DWORD byteCount)
{
    CheckRegResult(
        RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text), byteCount));
}

void WriteRegistryString(HKEY key, const char* name, const ky_BSB<char>& text)
{
    WriteRegistryString(key, name, text.c_str(), text.length() + 1);
}

} // namespace Kyvant
