// Tests of the checks whether Visual C++ 6 and Visual Studio .NET are
// installed and running. This program installs both before its first test,
// so its own answers are "installed"; a probe started without the
// installation shows the other side. Running answers follow the
// running-object table and the interfaces the published objects answer.
#include "DevEnvPages/DevEnvTestSupport.h"

#include "KyGuiTool/DevEnvPages/DevEnvPresence.h"
#include "common/ChildProcess.h"
#include "common/ProgramFolder.h"
#include "common/SplitText.h"

#include <gtest/gtest.h>
#include <objbase.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace devenvtest {

std::unique_ptr<Installation>& ProcessInstallation()
{
    static std::unique_ptr<Installation> installation;
    return installation;
}

namespace {

using DevEnvStandIn::ComRef;
using DevEnvStandIn::DispObject;
using DevEnvStandIn::ProgIdKey;
using DevEnvStandIn::RunningObject;

// COM on the test thread and both environments installed before any test
// asks; the answers are then kept for the process.
class InstalledEnvironments : public ::testing::Environment {
public:
    void SetUp() override
    {
        ::CoInitialize(nullptr);
        ProcessInstallation().reset(new Installation);
        ASSERT_TRUE(Kyvant::VC::IsPresent());
        ASSERT_TRUE(Kyvant::VsNet::IsPresent());
    }
    void TearDown() override
    {
        ProcessInstallation().reset();
        ::CoUninitialize();
    }
};

const ::testing::Environment* const g_installed =
    ::testing::AddGlobalTestEnvironment(new InstalledEnvironments);

class DevEnvPresence : public DevEnvPageTest {};

const char kProbeAppKey[] = "Software\\Kyvant\\Tools\\KyGuiToolDevEnvProbe";
const DWORD kProbeLimitMs = 30000;

Strings RunProbe(const std::vector<std::string>& env)
{
    const kytest::ProgramRun run = kytest::RunProgram(
        kytest::ProgramFolder() + "KyGuiToolDevEnvProbe.exe", {}, "", env, "", kProbeLimitMs);
    EXPECT_EQ(0u, run.exitCode) << run.err;
    Strings lines = kytest::Split(run.out, '\n');
    while (!lines.empty() && lines.back().empty())
        lines.pop_back();
    return lines;
}

// Neither the tabs of the absent environments nor any other difference:
// the lines without those of pages this test does not know.
Strings WithoutOtherPages(const Strings& lines)
{
    Strings kept;
    for (const std::string& line : lines) {
        if (line.rfind("tab ", 0) != 0 || line == "tab Path Plan Editor" || line == "tab Chooser" ||
            line == "tab VC++ 5/6" || line == "tab VS.NET")
            kept.push_back(line);
    }
    return kept;
}

// The probe shares the test's scratch database through the registry.
TEST_F(DevEnvPresence, WithoutTheInstallationAProcessHasNeitherTabNorRunningAnswer)
{
    Kyvant::RegKey(HKEY_CURRENT_USER, kProbeAppKey).DeleteKey("KyvantToolOptions");
    SetValue(std::string(kProbeAppKey) + "\\KyvantToolOptions", "PageGUID", kChooserGuid);
    RunningDevStudio devStudio;
    RunningVsNet vsNet;
    Strings absent;
    {
        ProcessInstallation().reset();
        // A process started from Visual C++ 6 without it opens as any other.
        absent = RunProbe({"KYVANT_VC_CLSID={00000000-0000-0000-0000-000000000001}"});
        ProcessInstallation().reset(new Installation);
    }
    EXPECT_TRUE(Kyvant::VC::IsPresent()) << "the answer is kept for the process";
    EXPECT_TRUE(Kyvant::VsNet::IsPresent());
    EXPECT_EQ((Strings{"vc 0 0", "vsnet 0 0", "tab Path Plan Editor", "tab Chooser",
                       "active Chooser", "result 2"}),
              WithoutOtherPages(absent));
    Kyvant::RegKey(HKEY_CURRENT_USER, kToolsKey).DeleteKey("KyGuiToolDevEnvProbe");
}

TEST_F(DevEnvPresence, InstalledBothPagesAreTabsAfterTheChooser)
{
    Host host;
    Strings tabs;
    host.Run([&] {
        for (unsigned i = 0; i < host.tabs->GetPageCount(); ++i)
            tabs.push_back(host.tabs->GetPageCaption(i).c_str());
        host.Cancel();
    });
    ASSERT_GE(tabs.size(), 4u);
    EXPECT_EQ((Strings{"Path Plan Editor", "Chooser", "VC++ 5/6", "VS.NET"}),
              Strings(tabs.begin(), tabs.begin() + 4));
}

// An object that answers only IUnknown and IDispatch.
ComRef<DispObject> Stranger()
{
    return DispObject::New();
}

struct RunningCase {
    const char* name;
    std::function<void(std::vector<std::shared_ptr<void>>&)> publish;
    bool vcRunning;
    bool vsNetRunning;
};

template <class T>
void Keep(std::vector<std::shared_ptr<void>>& kept, T* object)
{
    kept.push_back(std::shared_ptr<void>(object, [](void* p) { delete static_cast<T*>(p); }));
}

void PublishAs(std::vector<std::shared_ptr<void>>& kept, const ComRef<DispObject>& object,
               const CLSID& clsid)
{
    Keep(kept, new ComRef<DispObject>(object));
    Keep(kept, new RunningObject(object.get(), clsid));
}

const CLSID kUnlistedClass = {
    0x6D1A0F30, 0x3E0B, 0x4C55, {0x9C, 0x5A, 0x2B, 0x1F, 0x00, 0xD7, 0xE0, 0x70}};

TEST_F(DevEnvPresence, RunningMeansAPublishedObjectThatAnswersTheEnvironmentsInterface)
{
    const RunningCase cases[] = {
        {"nothing published", [](std::vector<std::shared_ptr<void>>&) {}, false, false},
        {"Developer Studio",
         [](std::vector<std::shared_ptr<void>>& kept) {
             PublishAs(kept, DevEnvStandIn::VcApplication(), kDevStudioClass);
         },
         true, false},
        {"a stranger under Developer Studio's class",
         [](std::vector<std::shared_ptr<void>>& kept) {
             PublishAs(kept, Stranger(), kDevStudioClass);
         },
         false, false},
        {"VS.NET under VisualStudio.DTE",
         [](std::vector<std::shared_ptr<void>>& kept) {
             PublishAs(kept, DevEnvStandIn::Dte(L"7.0"), kDteClass);
         },
         false, true},
        {"VS.NET 7.1 only under VisualStudio.DTE.7.1",
         [](std::vector<std::shared_ptr<void>>& kept) {
             Keep(kept, new ProgIdKey(L"VisualStudio.DTE.7.1", kDte71Class));
             PublishAs(kept, DevEnvStandIn::Dte(L"7.1"), kDte71Class);
         },
         false, true},
        {"a stranger under VisualStudio.DTE.7.1",
         [](std::vector<std::shared_ptr<void>>& kept) {
             Keep(kept, new ProgIdKey(L"VisualStudio.DTE.7.1", kDte71Class));
             PublishAs(kept, Stranger(), kDte71Class);
         },
         false, false},
        {"VS.NET under a class no identifier names",
         [](std::vector<std::shared_ptr<void>>& kept) {
             PublishAs(kept, DevEnvStandIn::Dte(L"7.0"), kUnlistedClass);
         },
         false, false},
    };
    for (const RunningCase& c : cases) {
        std::vector<std::shared_ptr<void>> kept;
        c.publish(kept);
        EXPECT_EQ(c.vcRunning, Kyvant::VC::IsRunning()) << c.name;
        EXPECT_EQ(c.vsNetRunning, Kyvant::VsNet::IsRunning()) << c.name;
    }
}

// The references a check takes are given back before it answers.
ULONG References(IUnknown* object)
{
    object->AddRef();
    return object->Release();
}

TEST_F(DevEnvPresence, ARunningCheckKeepsNoReference)
{
    RunningDevStudio devStudio;
    RunningVsNet vsNet;
    const ULONG app = References(devStudio.app.get());
    const ULONG dte = References(vsNet.dte.get());
    ASSERT_TRUE(Kyvant::VC::IsRunning());
    ASSERT_TRUE(Kyvant::VsNet::IsRunning());
    EXPECT_EQ(app, References(devStudio.app.get()));
    EXPECT_EQ(dte, References(vsNet.dte.get()));
}

TEST_F(DevEnvPresence, ChecksFromAThreadWithoutComAnswerNo)
{
    RunningDevStudio devStudio;
    RunningVsNet vsNet;
    ASSERT_TRUE(Kyvant::VC::IsRunning());
    bool vc = true, vsNet2 = true, raised = false;
    std::thread worker([&] {
        try {
            vc = Kyvant::VC::IsRunning();
            vsNet2 = Kyvant::VsNet::IsRunning();
        } catch (...) {
            raised = true;
        }
    });
    worker.join();
    EXPECT_FALSE(raised);
    EXPECT_FALSE(vc);
    EXPECT_FALSE(vsNet2);
}

} // namespace
} // namespace devenvtest
