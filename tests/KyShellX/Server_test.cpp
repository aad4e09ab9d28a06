// The COM server: class objects, aggregation, unloading, command strings and the DLL's exports and imports.
#include "ShellXTestSupport.h"
#include "common/PeNames.h"

#include <set>
#include <string>

namespace {

using shellxtest::ShellXSuite;

class Server : public ShellXSuite {
protected:
    template <class F>
    static F Entry(const char* name)
    {
        HMODULE dll = GetModuleHandleA((Folder() + "KyShellX.dll").c_str());
        return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(dll, name)));
    }
};

using GetClassObjectFn = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
using CanUnloadFn = HRESULT(STDAPICALLTYPE*)();

TEST_F(Server, ServesOnlyItsClassWithoutAggregation)
{
    kytest::ExplorerHost host; // loads the DLL
    ASSERT_EQ(S_OK, host.created);
    auto getClass = Entry<GetClassObjectFn>("DllGetClassObject");
    ASSERT_NE(nullptr, getClass);

    void* out = &out;
    EXPECT_EQ(CLASS_E_CLASSNOTAVAILABLE, getClass(CLSID_NULL, IID_IClassFactory, &out));
    EXPECT_EQ(nullptr, out);
    EXPECT_EQ(E_NOINTERFACE, getClass(kytest::kShellExtClsid, IID_IDispatch, &out));
    EXPECT_EQ(nullptr, out);

    IClassFactory* factory = nullptr;
    ASSERT_EQ(S_OK, getClass(kytest::kShellExtClsid, IID_IClassFactory,
                             reinterpret_cast<void**>(&factory)));
    IUnknown* outer = host.Menu();
    EXPECT_EQ(CLASS_E_NOAGGREGATION, factory->CreateInstance(outer, IID_IUnknown, &out));
    EXPECT_EQ(E_NOINTERFACE, factory->CreateInstance(nullptr, IID_IDispatch, &out));
    EXPECT_EQ(S_OK, factory->LockServer(TRUE));
    factory->Release();
}

TEST_F(Server, FacesAnswerAsTheirPlatformExpects)
{
    kytest::ExplorerHost host;
    IUnknown* unknown = nullptr;
    IShellExtInit* init = nullptr;
    IContextMenu* menu = nullptr;
    ASSERT_EQ(S_OK, host.Menu()->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unknown)));
    ASSERT_EQ(S_OK, host.Menu()->QueryInterface(IID_IShellExtInit, reinterpret_cast<void**>(&init)));
    ASSERT_EQ(S_OK, init->QueryInterface(IID_IContextMenu, reinterpret_cast<void**>(&menu)));
    EXPECT_EQ(static_cast<IUnknown*>(init), unknown) << "IUnknown is the IShellExtInit face";
    EXPECT_EQ(host.Menu(), menu);
    EXPECT_EQ(E_NOTIMPL, init->Initialize(nullptr, nullptr, nullptr));
    menu->Release();
    init->Release();
    unknown->Release();
}

TEST_F(Server, CanUnloadOnlyWithoutLiveObjects)
{
    CanUnloadFn canUnload = nullptr;
    {
        kytest::ExplorerHost host;
        canUnload = Entry<CanUnloadFn>("DllCanUnloadNow");
        ASSERT_NE(nullptr, canUnload);
        EXPECT_EQ(S_FALSE, canUnload());
    }
    EXPECT_EQ(S_OK, canUnload());
}

struct CommandStringCase {
    UINT flags;
    bool nullBuffer;
    UINT size;
    const char* written; // the first two bytes afterwards
};

class CommandStrings : public Server, public ::testing::WithParamInterface<CommandStringCase> {};

TEST_P(CommandStrings, WriteOnlyWhatTheBufferAndFormTake)
{
    kytest::ExplorerHost host;
    char buffer[4] = {'x', 'x', 'x', 'x'};
    const CommandStringCase& c = GetParam();
    EXPECT_EQ(S_OK, host.Menu()->GetCommandString(0, c.flags, nullptr,
                                                  c.nullBuffer ? nullptr : buffer, c.size));
    EXPECT_EQ(std::string(c.written, 2), std::string(buffer, 2));
}

INSTANTIATE_TEST_SUITE_P(
    Flags, CommandStrings,
    ::testing::Values(CommandStringCase{GCS_VERBA, false, 4, "\0x"},
                      CommandStringCase{GCS_HELPTEXTA, false, 4, "\0x"},
                      CommandStringCase{GCS_VERBW, false, 4, "\0\0"},
                      CommandStringCase{GCS_HELPTEXTW, false, 4, "\0\0"},
                      CommandStringCase{GCS_VALIDATEA, false, 4, "xx"},
                      CommandStringCase{GCS_VALIDATEW, false, 4, "xx"},
                      CommandStringCase{GCS_VALIDATEA, true, 0, "xx"},
                      CommandStringCase{GCS_VERBA, true, 4, "xx"},
                      CommandStringCase{GCS_VERBA, false, 0, "xx"}));

TEST_F(Server, ExportsExactlyTheTwoEntriesAndImportsOnlyWhatEverySystemHas)
{
    const std::set<std::string> system = {"kernel32.dll", "user32.dll", "advapi32.dll",
                                          "ole32.dll",    "shell32.dll", "msvcrt.dll"};
    for (const std::string& dll :
         {kytest::ProgramFolder() + "KyShellX.dll", kytest::ProgramFolder() + "seam\\KyShellX.dll"}) {
        const kytest::PeNames names = kytest::ReadPeNames(dll);
        EXPECT_EQ((std::set<std::string>{"DllCanUnloadNow", "DllGetClassObject"}), names.exports)
            << dll;
        ASSERT_FALSE(names.imports.empty()) << dll;
        for (const std::string& import : names.imports)
            EXPECT_EQ(1u, system.count(import)) << dll << " imports " << import;
        if (kytest::kBuildShips) {
            EXPECT_TRUE(kytest::ImportedOf(names, kytest::StaticRuntimeNewerImports()).empty())
                << "functions Windows 95 or NT 4 lacks";
        }
    }
}

} // namespace
