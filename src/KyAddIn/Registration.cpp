// DllRegisterServer and DllUnregisterServer: the six classes, their ProgIDs and the type library.
#include "KyAddIn/Guids.h"
#include "KyAddIn/Module.h"

#include <oleauto.h>

#include <string>
#include <vector>

namespace {

struct ClassEntry {
    const char* name;
    const CLSID* clsid;
    const char* description;
};

const ClassEntry kClasses[] = {
    {"Connect", &KyAddIn::kConnectClsid, "Kyvant VS.NET Connect Class"},
    {"ConnectVC6", &KyAddIn::kConnectVC6Clsid, "Kyvant VC6 Connect Class"},
    {"KyvantVcApp1", &KyAddIn::kVcAppClsids[0], "KyvantVcApp1 Class"},
    {"KyvantVcApp2", &KyAddIn::kVcAppClsids[1], "KyvantVcApp2 Class"},
    {"KyvantVcApp3", &KyAddIn::kVcAppClsids[2], "KyvantVcApp3 Class"},
    {"KyvantVcApp4", &KyAddIn::kVcAppClsids[3], "KyvantVcApp4 Class"},
};

const char kProgIdPrefix[] = "KyAddIn.";
const char kVersionSuffix[] = ".1";
const WORD kLibMajor = 1;
const WORD kLibMinor = 0;
const int kGuidTextSize = 40;

std::string GuidText(const GUID& guid)
{
    wchar_t wide[kGuidTextSize];
    const int n = StringFromGUID2(guid, wide, kGuidTextSize);
    return std::string(wide, wide + (n > 0 ? n - 1 : 0));
}

std::wstring Widen(const std::string& text)
{
    std::vector<wchar_t> wide(text.size() + 1, L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
    return wide.data();
}

// Creates HKEY_CLASSES_ROOT\path and sets its value name (null: the
// default value) to text.
LONG SetText(const std::string& path, const char* name, const std::string& text)
{
    HKEY key = nullptr;
    LONG rc = RegCreateKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                              KEY_SET_VALUE, nullptr, &key, nullptr);
    if (rc != ERROR_SUCCESS)
        return rc;
    rc = RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                        static_cast<DWORD>(text.size() + 1));
    RegCloseKey(key);
    return rc;
}

LONG CreateKey(const std::string& path)
{
    HKEY key = nullptr;
    const LONG rc = RegCreateKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, nullptr,
                                    REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, &key, nullptr);
    if (rc == ERROR_SUCCESS)
        RegCloseKey(key);
    return rc;
}

// Deletes HKEY_CLASSES_ROOT\path with everything below it; a missing key is
// no error.
LONG DeleteTree(const std::string& path)
{
    HKEY key = nullptr;
    LONG rc = RegOpenKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, &key);
    if (rc == ERROR_FILE_NOT_FOUND)
        return ERROR_SUCCESS;
    if (rc != ERROR_SUCCESS)
        return rc;
    std::vector<std::string> children;
    char name[MAX_PATH];
    for (DWORD i = 0;; ++i) {
        DWORD size = MAX_PATH;
        if (RegEnumKeyExA(key, i, name, &size, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        children.push_back(name);
    }
    RegCloseKey(key);
    for (const std::string& child : children)
        if ((rc = DeleteTree(path + "\\" + child)) != ERROR_SUCCESS)
            return rc;
    rc = RegDeleteKeyA(HKEY_CLASSES_ROOT, path.c_str());
    return rc == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : rc;
}

// The two ProgIDs and the class key of one class.
LONG RegisterClass(const ClassEntry& entry, const std::string& module, const std::string& libId)
{
    const std::string clsid = GuidText(*entry.clsid);
    const std::string progId = std::string(kProgIdPrefix) + entry.name;
    const std::string versioned = progId + kVersionSuffix;
    const std::string classKey = "CLSID\\" + clsid;
    const struct {
        std::string path;
        const char* name;
        std::string text;
    } values[] = {
        {versioned, nullptr, entry.description},
        {versioned + "\\CLSID", nullptr, clsid},
        {progId, nullptr, entry.description},
        {progId + "\\CLSID", nullptr, clsid},
        {progId + "\\CurVer", nullptr, versioned},
        {classKey, nullptr, entry.description},
        {classKey + "\\ProgID", nullptr, versioned},
        {classKey + "\\VersionIndependentProgID", nullptr, progId},
        {classKey + "\\InprocServer32", nullptr, module},
        {classKey + "\\InprocServer32", "ThreadingModel", "Apartment"},
        {classKey + "\\TypeLib", nullptr, libId},
    };
    for (const auto& v : values)
        if (LONG rc = SetText(v.path, v.name, v.text))
            return rc;
    return CreateKey(classKey + "\\Programmable");
}

LONG UnregisterClass(const ClassEntry& entry)
{
    const std::string progId = std::string(kProgIdPrefix) + entry.name;
    for (const std::string& path :
         {progId + kVersionSuffix, progId, "CLSID\\" + GuidText(*entry.clsid)})
        if (LONG rc = DeleteTree(path))
            return rc;
    return ERROR_SUCCESS;
}

HRESULT RegisterLibrary(const std::string& module)
{
    ITypeLib* library = nullptr;
    const HRESULT hr = LoadTypeLibEx(Widen(module).c_str(), REGKIND_REGISTER, &library);
    if (library)
        library->Release();
    return hr;
}

// The platform the library was registered for: that of this module's width.
const SYSKIND kOwnPlatform = sizeof(void*) == 8 ? SYS_WIN64 : SYS_WIN32;

// A library that is not registered is no error.
HRESULT UnregisterLibrary()
{
    HKEY key = nullptr;
    const std::string path = "TypeLib\\" + GuidText(KyAddIn::kLibId);
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return S_OK;
    RegCloseKey(key);
    return UnRegisterTypeLib(KyAddIn::kLibId, kLibMajor, kLibMinor, LANG_NEUTRAL, kOwnPlatform);
}

} // namespace

STDAPI DllRegisterServer()
{
    const std::string module = KyAddIn::ModulePath();
    if (module.empty())
        return E_UNEXPECTED;
    const std::string libId = GuidText(KyAddIn::kLibId);
    for (const ClassEntry& entry : kClasses)
        if (LONG rc = RegisterClass(entry, module, libId))
            return HRESULT_FROM_WIN32(rc);
    return RegisterLibrary(module);
}

STDAPI DllUnregisterServer()
{
    for (const ClassEntry& entry : kClasses)
        if (LONG rc = UnregisterClass(entry))
            return HRESULT_FROM_WIN32(rc);
    const HRESULT hr = UnregisterLibrary();
    return SUCCEEDED(hr) ? S_OK : hr;
}
