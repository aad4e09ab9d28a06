// Finding the development environment: the add-in's hand-off object named
// by "KYVANT_VC_CLSID", the ProgID fallbacks, the other-environment warning,
// and the installation folder of VS.NET's compiler.
#include "devenv/DevEnvModel.h"
#include "DevEnvTestSupport.h"
#include "KyConTool/DevEnv/DevEnvAccess.h"
#include "KyConTool/DevEnv/VsNetInstallFolder.h"
#include "StderrCapture.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

using namespace Kyvant;
using namespace DevEnvStandIn;
using devtest::EnvVar;
using devtest::Handoff;

namespace {

class DevEnvAccess : public devtest::DevEnvSuite {
protected:
    EnvVar noVc{"KYVANT_VC_CLSID", nullptr};
    EnvVar noVsNet{"KYVANT_VSNET_CLSID", nullptr};
};

// The HRESULT that f raises as `_com_error`, S_OK when it raises none.
template <class F>
HRESULT ComErrorOf(F f)
{
    try {
        f();
    } catch (const _com_error& e) {
        return e.Error();
    }
    return S_OK;
}

bool Same(IUnknown* a, IUnknown* b)
{
    IUnknown* ua = nullptr;
    IUnknown* ub = nullptr;
    a->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&ua));
    b->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&ub));
    bool same = ua && ua == ub;
    ua->Release();
    ub->Release();
    return same;
}

// A class of this test, registered under a ProgID, its object running.
struct RunningUnder {
    RunningUnder(const wchar_t* progId, const CLSID& clsid, IUnknown* object)
        : key(progId, clsid), running(object, clsid)
    {
        EXPECT_EQ(S_OK, running.Result());
    }
    ProgIdKey key;
    RunningObject running;
};

const CLSID kTestClass1 = {
    0x5e1a7c01, 0x1111, 0x4e2f, {0x9a, 0x10, 0x5b, 0x61, 0x7c, 0x2d, 0x3e, 0x01}};
const CLSID kTestClass2 = {
    0x5e1a7c01, 0x1111, 0x4e2f, {0x9a, 0x10, 0x5b, 0x61, 0x7c, 0x2d, 0x3e, 0x02}};
const CLSID kTestClass3 = {
    0x5e1a7c01, 0x1111, 0x4e2f, {0x9a, 0x10, 0x5b, 0x61, 0x7c, 0x2d, 0x3e, 0x03}};

} // namespace

TEST_F(DevEnvAccess, LaunchedByTruthTable)
{
    const struct {
        const char* vc;
        const char* vsNet;
        bool byMsDev, byVsNet;
    } cases[] = {
        {nullptr, nullptr, false, false},
        {"{2df49261-e61a-11d3-b29c-00e0291d2688}", nullptr, true, false},
        {nullptr, "{2df49261-e61a-11d3-b29c-00e0291d2688}", false, true},
        {"{2df49263-e61a-11d3-b29c-00e0291d2688}", "{2df49263-e61a-11d3-b29c-00e0291d2688}", false,
         true},
    };
    for (const auto& c : cases) {
        EnvVar vc("KYVANT_VC_CLSID", c.vc);
        EnvVar vsNet("KYVANT_VSNET_CLSID", c.vsNet);
        EXPECT_EQ(c.byMsDev, LaunchedByMsDev()) << (c.vc ? c.vc : "-") << (c.vsNet ? " both" : "");
        EXPECT_EQ(c.byVsNet, LaunchedByVsNet()) << (c.vc ? c.vc : "-") << (c.vsNet ? " both" : "");
    }
}

TEST_F(DevEnvAccess, HandoffInterfacesAreTriedInOrder)
{
    ComRef<DispObject> app = VcApplication();
    const struct {
        std::vector<int> answered;
        int used;
    } cases[] = {{{0}, 0}, {{1}, 1}, {{2}, 2}, {{3}, 3}, {{1, 2, 3}, 1}, {{0, 3}, 0}, {{2, 3}, 2}};
    for (const auto& c : cases) {
        ComRef<HandoffObject> handoff = HandoffObject::New();
        for (int k : c.answered)
            handoff->Answer(k, k == c.used ? static_cast<IUnknown*>(app.get()) : nullptr, E_FAIL);
        handoff->Answer(c.used, app.get()); // only the first answered one succeeds
        RunningObject running(handoff.get(), kHandoffClasses[1]);
        ASSERT_EQ(S_OK, running.Result());
        EnvVar vc("KYVANT_VC_CLSID", ClassText(kHandoffClasses[1]).c_str());

        IApplicationPtr out;
        EXPECT_TRUE(GetMsDev(out, false, true, false)) << "first answered " << c.used;
        EXPECT_TRUE(out && Same(out, app.get()));
        EXPECT_EQ(c.used, handoff->LastUsed());
    }
}

TEST_F(DevEnvAccess, HandoffNamedByProgId)
{
    ComRef<DispObject> dte = Dte(L"7.1");
    ComRef<HandoffObject> handoff = HandoffObject::New();
    handoff->Answer(2, dte.get());
    RunningUnder addIn(L"Kyvant.TestAddIn.1", kHandoffClasses[2], handoff.get());
    EnvVar vc("KYVANT_VC_CLSID", "Kyvant.TestAddIn.1");

    _DTEPtr out;
    EXPECT_TRUE(GetVsNet(out, false, true, false));
    EXPECT_TRUE(out && Same(out, dte.get()));
}

TEST_F(DevEnvAccess, NoUsableHandoffIsNotRunning)
{
    ComRef<DispObject> app = VcApplication();
    const struct {
        const char* title;
        bool publish, revoke;
        IUnknown* app;
        const char* text; // the variable when not the published class
    } cases[] = {
        {"revoked object", true, true, app.get(), nullptr},
        {"null application object", true, false, nullptr, nullptr},
        {"unparsable class", false, false, nullptr, "{not-a-class}"},
        {"unknown ProgID", false, false, nullptr, "Kyvant.NoSuchAddIn"},
    };
    for (const auto& c : cases) {
        ComRef<HandoffObject> handoff = HandoffObject::New();
        handoff->Answer(0, c.app);
        RunningObject running(handoff.get(), kHandoffClasses[0]);
        if (c.revoke)
            running.Revoke();
        EnvVar vc("KYVANT_VC_CLSID", c.text ? c.text : ClassText(kHandoffClasses[0]).c_str());
        // Quiet callers are told too: a hand-off was promised.
        EXPECT_EQ(OLE_E_NOTRUNNING, ComErrorOf([] {
                      _DTEPtr out;
                      GetVsNet(out, true, true, false);
                  }))
            << c.title;
        EXPECT_EQ(OLE_E_NOTRUNNING, ComErrorOf([] {
                      IApplicationPtr out;
                      GetMsDev(out, true, false, true);
                  }))
            << c.title;
    }
}

TEST_F(DevEnvAccess, FailingHandoffPassesStraightOut)
{
    const HRESULT failure = 0x80040230;
    ComRef<HandoffObject> handoff = HandoffObject::New();
    handoff->Answer(3, nullptr, failure);
    RunningObject running(handoff.get(), kHandoffClasses[3]);
    EnvVar vc("KYVANT_VC_CLSID", ClassText(kHandoffClasses[3]).c_str());
    for (int flags = 0; flags < 8; ++flags) {
        bool quiet = flags & 1, noRunning = flags & 2, warn = flags & 4;
        EXPECT_EQ(failure, ComErrorOf([&] {
                      IApplicationPtr out;
                      GetMsDev(out, quiet, noRunning, warn);
                  }))
            << flags;
        EXPECT_EQ(failure, ComErrorOf([&] {
                      _DTEPtr out;
                      GetVsNet(out, quiet, noRunning, warn);
                  }))
            << flags;
    }
}

TEST_F(DevEnvAccess, StartedFromVsNetGetMsDevWarnsOnceAndFallsBack)
{
    ComRef<DispObject> dte = Dte(L"7.1");
    ComRef<DispObject> msDev = VcApplication();
    Handoff addIn(dte.get(), true);
    RunningUnder running(L"MSDEV.APPLICATION", kTestClass1, msDev.get());

    const char warning[] = "You are attempting to operate on a different VC++ or VS.NET instance "
                           "than the one you used to start this Kyvant Tools program.";
    for (int call = 0; call < 2; ++call) {
        StreamCapture err;
        IApplicationPtr out;
        EXPECT_TRUE(GetMsDev(out, false, false, true));
        std::string text = err.Stop();
        EXPECT_TRUE(out && Same(out, msDev.get()));
        if (call == 0)
            EXPECT_NE(std::string::npos, text.find(warning)) << text;
        else
            EXPECT_EQ("", text);
    }
    // Without the fallback nothing is found; quiet callers get false.
    IApplicationPtr out;
    EXPECT_FALSE(GetMsDev(out, true, true, true));
    EXPECT_EQ(OLE_E_NOTRUNNING, ComErrorOf([] {
                  IApplicationPtr p;
                  GetMsDev(p, false, true, false);
              }));
    // The environment that did start the program is found through the hand-off.
    _DTEPtr vsNet;
    EXPECT_TRUE(GetVsNet(vsNet, false, true, true));
    EXPECT_TRUE(vsNet && Same(vsNet, dte.get()));
}

TEST_F(DevEnvAccess, WithoutApplicationObjectTheWarningIsLeftOut)
{
    // A GUI option page has no console application object to warn through.
    std::string exe = kytest::ProgramFolder() + "KyConTool_devenvprobe.exe";
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    ASSERT_TRUE(CreateProcessA(exe.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &si, &pi));
    WaitForSingleObject(pi.hProcess, 60000);
    DWORD code = 99;
    GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    EXPECT_EQ(0u, code) << "1: no fallback, 2: exception";
}

TEST_F(DevEnvAccess, GetVsNetFallsBackThroughItsProgIds)
{
    ComRef<DispObject> dte7 = Dte(L"7.0"), dte71 = Dte(L"7.1"), dte = Dte(L"7.1");
    _DTEPtr out;
    EXPECT_FALSE(GetVsNet(out, true, false, false));
    EXPECT_EQ(OLE_E_NOTRUNNING, ComErrorOf([] {
                  _DTEPtr p;
                  GetVsNet(p, false, false, false);
              }));

    RunningUnder v7(L"VisualStudio.DTE.7", kTestClass1, dte7.get());
    EXPECT_TRUE(GetVsNet(out, false, false, false));
    EXPECT_TRUE(Same(out, dte7.get()));
    {
        RunningUnder v71(L"VisualStudio.DTE.7.1", kTestClass2, dte71.get());
        EXPECT_TRUE(GetVsNet(out, false, false, false));
        EXPECT_TRUE(Same(out, dte71.get()));
        RunningUnder current(L"VisualStudio.DTE", kTestClass3, dte.get());
        EXPECT_TRUE(GetVsNet(out, false, false, false));
        EXPECT_TRUE(Same(out, dte.get()));
        // No fallback wanted: nothing.
        EXPECT_FALSE(GetVsNet(out, true, true, false));
    }
    EXPECT_TRUE(GetVsNet(out, false, false, false));
    EXPECT_TRUE(Same(out, dte7.get()));

    // Without a hand-off, Visual C++ 6 is the first running instance.
    ComRef<DispObject> msDev = VcApplication();
    RunningUnder vc(L"MSDEV.APPLICATION", kTestClass2, msDev.get());
    IApplicationPtr app;
    EXPECT_TRUE(GetMsDev(app, false, false, false));
    EXPECT_TRUE(Same(app, msDev.get()));
    EXPECT_FALSE(GetMsDev(app, true, true, false));
    EXPECT_FALSE(app);
}

TEST_F(DevEnvAccess, InstallFolderFromTheProjectEngines)
{
    ComRef<DispObject> engine70 = ProjectEngine(L"C:\\VS7\\Vc7\\");
    ComRef<DispObject> engine71 = ProjectEngine(L"C:\\VS71\\Vc7\\");
    ComRef<DispObject> broken = ProjectEngine(L"C:\\Broken\\");
    broken->Fail(L"Platforms", E_UNEXPECTED, true);
    auto make = [](DispObject* engine) { return [engine] { return ComRef<IUnknown>(engine); }; };
    ComRef<DispObject> dte70 = Dte(L"7.00.9466"), dte71 = Dte(L"7.10.3077"), dte8 = Dte(L"8.0");
    EnvVar noRoot("VCINSTALLDIR", nullptr);

    EXPECT_EQ(ky_F(), DevEnv::FindVsNetInstallFolder(dte71.get())) << "no engine registered";
    EXPECT_EQ(ky_F(), DevEnv::FindVsNetInstallFolder(nullptr));
    {
        ClassRegistration r70(kEngine70, make(engine70.get()));
        ClassRegistration r71(kEngine71, make(engine71.get()));
        ASSERT_EQ(S_OK, r70.Result());
        EXPECT_EQ(ky_F("C:\\VS71\\Vc7\\"), DevEnv::FindVsNetInstallFolder(dte71.get()));
        EXPECT_EQ(ky_F("C:\\VS7\\Vc7\\"), DevEnv::FindVsNetInstallFolder(dte70.get()));
        EXPECT_EQ(ky_F(), DevEnv::FindVsNetInstallFolder(dte8.get()));
        EXPECT_EQ(ky_F("C:\\VS7\\Vc7\\"), DevEnv::FindVsNetInstallFolder(nullptr));
        EnvVar root("VCINSTALLDIR", "D:\\Tools\\VS");
        EXPECT_EQ(ky_F("D:\\Tools\\VS\\Vc7"), DevEnv::FindVsNetInstallFolder(nullptr));
        EXPECT_EQ(ky_F("C:\\VS71\\Vc7\\"), DevEnv::FindVsNetInstallFolder(dte71.get()))
            << "a running environment comes first";
    }
    ClassRegistration failing(kEngine71, make(broken.get()));
    EXPECT_EQ(ky_F(), DevEnv::FindVsNetInstallFolder(dte71.get())) << "a failing engine";
}
