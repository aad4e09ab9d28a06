// Kyvant::InitialDirManager(2): choosing the starting folder and storing the chosen one.
#include "KyGui/Shell/InitialDirManager.h"

#include "KyStd/Registry/RegValues.h"
#include "KyStd/Shell/ComError.h"
#include "KyStd/Shell/ShellNames.h"

#include <shlobj.h>

#include <exception>
#include <vector>

namespace Kyvant {

namespace {

ky_F SpecialFolder(int csidl)
{
    try {
        return Shell::GetSpecialFolderPath(csidl);
    } catch (const std::exception&) {
        return ky_F();
    } catch (const _com_error&) {
        return ky_F();
    }
}

bool HasText(const char* s)
{
    return s != nullptr && s[0] != '\0';
}

} // namespace

ky_F ReadRegistryPath(const RegKey& key, const char* valueName)
{
    if (key.empty())
        return ky_F();
    DWORD type = 0;
    DWORD size = 0;
    if (::RegQueryValueExA(key.get(), valueName, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ) || size == 0)
        return ky_F();
    std::vector<char> buffer(size + 1, '\0');
    if (::RegQueryValueExA(key.get(), valueName, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size) !=
        ERROR_SUCCESS)
        return ky_F();
    return ky_F(buffer.data());
}

InitialDirManager::InitialDirManager(KyFileDialog& dialog, const RegKey& key, const ky_BSB<char>& valueName)
    : m_dialog(dialog), m_key(key), m_valueName(valueName)
{
    SetInitialDir(key);
}

InitialDirManager::InitialDirManager(KyFileDialog& dialog, const ky_BSB<char>& valueName)
    : m_dialog(dialog), m_valueName(valueName)
{
}

InitialDirManager::~InitialDirManager() = default;

void InitialDirManager::SetInitialDir(const RegKey& key)
{
    m_key = key;
    if (HasText(m_dialog.m_ofn.lpstrInitialDir))
        return;
    ky_F folder;
    if (HasText(m_dialog.m_ofn.lpstrFile)) {
        folder = m_dialog.m_ofn.lpstrFile;
        folder.ToPathPart(true);
    }
    if (folder.empty())
        folder = ReadRegistryPath(key, m_valueName.c_str());
    if (folder.empty())
        folder = SpecialFolder(CSIDL_PERSONAL);
    if (folder.empty())
        folder = SpecialFolder(CSIDL_DESKTOPDIRECTORY);
    if (folder.empty())
        return;
    m_initialDir = folder;
    m_dialog.m_ofn.lpstrInitialDir = m_initialDir.c_str();
}

ky_F InitialDirManager::PathToStore(const ky_F* path) const
{
    if (path != nullptr)
        return *path;
    ky_F folder(static_cast<LPCSTR>(m_dialog.GetPathName()));
    folder.ToPathPart(true);
    return folder;
}

void InitialDirManager::DoUpdate(const ky_F* path)
{
    WriteRegistryString(m_key.get(), m_valueName.c_str(), PathToStore(path));
}

InitialDirManager2::InitialDirManager2(KyFileDialog& dialog, const RegKey& preferred, const RegKey& fallback,
                                       const ky_BSB<char>& valueName)
    : InitialDirManager(dialog, valueName), m_preferred(preferred), m_fallback(fallback)
{
    const bool preferredEmpty = ReadRegistryPath(preferred, valueName.c_str()).empty();
    SetInitialDir(preferredEmpty ? fallback : preferred);
}

void InitialDirManager2::DoUpdate(const ky_F* path)
{
    const ky_F folder = PathToStore(path);
    WriteRegistryString(m_preferred.get(), m_valueName.c_str(), folder);
    WriteRegistryString(m_fallback.get(), m_valueName.c_str(), folder);
}

} // namespace Kyvant
