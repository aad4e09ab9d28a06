// The add-in as a COM server: its creatable classes, its exports and what it links.
#include "AddInTestSupport.h"
#include "common/PeNames.h"

#include <set>
#include <string>

namespace {

using addintest::AddInSuite;

const CLSID kConnect = {0x2df49268, 0xe61a, 0x11d3, {0xb2, 0x9c, 0x00, 0xe0, 0x29, 0x1d, 0x26, 0x88}};
const CLSID kVcApp1 = {0x2df49261, 0xe61a, 0x11d3, {0xb2, 0x9c, 0x00, 0xe0, 0x29, 0x1d, 0x26, 0x88}};

TEST_F(AddInSuite, OnlyTheConnectClassesAreCreatable)
{
    IUnknown* object = nullptr;
    ASSERT_EQ(S_OK, CoCreateInstance(kConnect, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                     reinterpret_cast<void**>(&object)));
    IUnknown* outer = object;
    IUnknown* inner = nullptr;
    EXPECT_EQ(CLASS_E_NOAGGREGATION, CoCreateInstance(kConnect, outer, CLSCTX_INPROC_SERVER,
                                                      IID_IUnknown,
                                                      reinterpret_cast<void**>(&inner)));
    object->Release();
    EXPECT_EQ(CLASS_E_CLASSNOTAVAILABLE,
              CoCreateInstance(kVcApp1, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                               reinterpret_cast<void**>(&object)));
}

TEST_F(AddInSuite, ExportsTheFourServerEntriesAndImportsOnlyWhatEverySystemHas)
{
    const kytest::PeNames names = kytest::ReadPeNames(addintest::AddInPath());
    EXPECT_EQ((std::set<std::string>{"DllCanUnloadNow", "DllGetClassObject", "DllRegisterServer",
                                     "DllUnregisterServer"}),
              names.exports);
    const std::set<std::string> system = {"kernel32.dll", "advapi32.dll", "ole32.dll",
                                          "oleaut32.dll", "msvcrt.dll"};
    ASSERT_FALSE(names.imports.empty());
    for (const std::string& import : names.imports)
        EXPECT_EQ(1u, system.count(import)) << import;
    if (kytest::kBuildShips) {
        EXPECT_TRUE(kytest::ImportedOf(names, kytest::StaticRuntimeNewerImports()).empty())
            << "functions Windows 95 or NT 4 lacks";
    }
}

} // namespace
