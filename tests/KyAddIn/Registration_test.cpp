// regsvr32 with the add-in: the six classes, their ProgIDs and the type library, added and removed.
#include "AddInTestSupport.h"

#include <string>

namespace {

using addintest::AddInSuite;

struct ClassCase {
    const char* name;
    const char* clsid;
    const char* description;
};

const ClassCase kClasses[] = {
    {"Connect", "{2DF49268-E61A-11D3-B29C-00E0291D2688}", "Kyvant VS.NET Connect Class"},
    {"ConnectVC6", "{2DF4926A-E61A-11D3-B29C-00E0291D2688}", "Kyvant VC6 Connect Class"},
    {"KyvantVcApp1", "{2DF49261-E61A-11D3-B29C-00E0291D2688}", "KyvantVcApp1 Class"},
    {"KyvantVcApp2", "{2DF49263-E61A-11D3-B29C-00E0291D2688}", "KyvantVcApp2 Class"},
    {"KyvantVcApp3", "{2DF49265-E61A-11D3-B29C-00E0291D2688}", "KyvantVcApp3 Class"},
    {"KyvantVcApp4", "{2DF49267-E61A-11D3-B29C-00E0291D2688}", "KyvantVcApp4 Class"},
};
const char kLibKey[] = "TypeLib\\{2DF49269-E61A-11D3-B29C-00E0291D2688}";

// The REG_SZ value of HKEY_CLASSES_ROOT\path; "<absent>" when the key or value is missing.
std::string ClassesText(const std::string& path, const char* name = nullptr)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return "<absent>";
    char data[MAX_PATH * 2] = {};
    DWORD size = sizeof data - 1;
    DWORD type = 0;
    const LONG rc =
        RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(key);
    return rc == ERROR_SUCCESS && type == REG_SZ ? std::string(data) : "<absent>";
}

bool ClassesKeyExists(const std::string& path)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

class Registration : public AddInSuite, public ::testing::WithParamInterface<ClassCase> {};

TEST_P(Registration, AddsTheClassWithBothProgIdsAndRemovesThemAgain)
{
    const ClassCase& c = GetParam();
    const std::string progId = std::string("KyAddIn.") + c.name;
    const std::string versioned = progId + ".1";
    const std::string classKey = std::string("CLSID\\") + c.clsid;

    EXPECT_EQ(c.description, ClassesText(versioned));
    EXPECT_EQ(c.clsid, ClassesText(versioned + "\\CLSID"));
    EXPECT_EQ(c.description, ClassesText(progId));
    EXPECT_EQ(c.clsid, ClassesText(progId + "\\CLSID"));
    EXPECT_EQ(versioned, ClassesText(progId + "\\CurVer"));
    EXPECT_EQ(c.description, ClassesText(classKey));
    EXPECT_EQ(versioned, ClassesText(classKey + "\\ProgID"));
    EXPECT_EQ(progId, ClassesText(classKey + "\\VersionIndependentProgID"));
    EXPECT_TRUE(ClassesKeyExists(classKey + "\\Programmable"));
    EXPECT_EQ(addintest::AddInPath(), ClassesText(classKey + "\\InprocServer32"));
    EXPECT_EQ("Apartment", ClassesText(classKey + "\\InprocServer32", "ThreadingModel"));
    EXPECT_EQ("{2DF49269-E61A-11D3-B29C-00E0291D2688}", ClassesText(classKey + "\\TypeLib"));
    EXPECT_TRUE(ClassesKeyExists(kLibKey));

    ASSERT_EQ(0, addintest::RegSvr32(addintest::AddInPath(), true));
    EXPECT_FALSE(ClassesKeyExists(versioned));
    EXPECT_FALSE(ClassesKeyExists(progId));
    EXPECT_FALSE(ClassesKeyExists(classKey));
    EXPECT_FALSE(ClassesKeyExists(kLibKey));
    EXPECT_EQ(0, addintest::RegSvr32(addintest::AddInPath(), true)) << "nothing left to remove";
    ASSERT_EQ(0, addintest::RegSvr32(addintest::AddInPath(), false));
}

INSTANTIATE_TEST_SUITE_P(Classes, Registration, ::testing::ValuesIn(kClasses));

TEST_F(AddInSuite, TypeLibraryIsResourceOneWithDualHandoffInterfaces)
{
    const std::string dll = addintest::AddInPath();  // one string: both iterators must come from it
    const std::wstring path(dll.begin(), dll.end());
    ITypeLib* library = nullptr;
    ASSERT_EQ(S_OK, LoadTypeLibEx(path.c_str(), REGKIND_NONE, &library));
    BSTR name = nullptr;
    BSTR doc = nullptr;
    ASSERT_EQ(S_OK, library->GetDocumentation(-1, &name, &doc, nullptr, nullptr));
    EXPECT_EQ(std::wstring(L"KyAddInLib"), name);
    EXPECT_EQ(std::wstring(L"KyAddIn Universal 1.0 Type Library"), doc);
    SysFreeString(name);
    SysFreeString(doc);

    const struct {
        GUID guid;
        WORD flag;
        bool set;
    } checks[] = {
        {{0x2DF49260, 0xE61A, 0x11D3, {0xB2, 0x9C, 0x00, 0xE0, 0x29, 0x1D, 0x26, 0x88}},
         TYPEFLAG_FDUAL, true},
        {{0x2DF49266, 0xE61A, 0x11D3, {0xB2, 0x9C, 0x00, 0xE0, 0x29, 0x1D, 0x26, 0x88}},
         TYPEFLAG_FDUAL, true},
        {{0x2DF4926B, 0xE61A, 0x11D3, {0xB2, 0x9C, 0x00, 0xE0, 0x29, 0x1D, 0x26, 0x88}},
         TYPEFLAG_FDUAL, true},
        {{0x2DF49268, 0xE61A, 0x11D3, {0xB2, 0x9C, 0x00, 0xE0, 0x29, 0x1D, 0x26, 0x88}},
         TYPEFLAG_FCANCREATE, true},
        {{0x2DF4926A, 0xE61A, 0x11D3, {0xB2, 0x9C, 0x00, 0xE0, 0x29, 0x1D, 0x26, 0x88}},
         TYPEFLAG_FCANCREATE, true},
        {{0x2DF49261, 0xE61A, 0x11D3, {0xB2, 0x9C, 0x00, 0xE0, 0x29, 0x1D, 0x26, 0x88}},
         TYPEFLAG_FCANCREATE, false},
    };
    for (const auto& check : checks) {
        ITypeInfo* info = nullptr;
        ASSERT_EQ(S_OK, library->GetTypeInfoOfGuid(check.guid, &info));
        TYPEATTR* attr = nullptr;
        ASSERT_EQ(S_OK, info->GetTypeAttr(&attr));
        EXPECT_EQ(check.set, (attr->wTypeFlags & check.flag) != 0);
        info->ReleaseTypeAttr(attr);
        info->Release();
    }
    library->Release();
}

} // namespace
