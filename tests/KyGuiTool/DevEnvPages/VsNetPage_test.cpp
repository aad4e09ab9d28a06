// Tests of the Visual Studio .NET page in the settings dialog: which groups
// can be chosen while the environment runs or not, the arguments of each
// source, the Solution Explorer's "+" boxes, the checks on OK, and the page's
// registry values and task-file records.
#include "DevEnvPages/DevEnvTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace devenvtest {
namespace {

const std::string kVsNetKey = PageKey(kVsNetGuid);
const std::vector<int> kControllers = {IDC_KY_VSNET_DOCUMENTS, IDC_KY_VSNET_SOLUTION,
                                       IDC_KY_VSNET_RELATED};
const std::vector<int> kAllControls = Ids(IDC_KY_VSNET_DOCUMENTS, IDC_KY_VSNET_MFC_SOURCE);
const std::vector<int> kExtras = {IDC_KY_VSNET_SOLUTION_ITEMS, IDC_KY_VSNET_MISC_FILES};

void Store(const Stored& stored)
{
    StorePage(kVsNetKey, stored);
}

class VsNetPage : public DevEnvPageTest {
protected:
    VsNetPage() { StartOn(kVsNetGuid); }
    static PathPlanVsNetSubDialog& Page(Host& host) { return *host.tabs->GetVsNet(); }
};

TEST_F(VsNetPage, WithoutTheEnvironmentRunningOnlyRelatedFilesCanBeChosen)
{
    Store({{{"VsNetDocActive", 1}, {"DocAction", 1}, {"VsNetSolActive", 1}, {"SolAction", 1}},
           "*.cpp",
           {}});
    m_firstBox = theApp.m_boxes.size();
    Host host;
    std::vector<int> enabled;
    bool focused = false;
    host.Run([&] {
        enabled = EnabledOf(Page(host), kAllControls);
        StorageTest::Snapshot(host.dialog.m_hWnd, "VsNetPageNotRunning");
        host.Ok();
        focused = Host::HasFocus(Page(host), IDC_KY_VSNET_RELATED);
        host.Cancel();
    });
    EXPECT_EQ(std::vector<int>{IDC_KY_VSNET_RELATED}, enabled);
    EXPECT_EQ(Strings{kSelectAction}, Boxes());
    EXPECT_TRUE(focused);
}

TEST_F(VsNetPage, EachSourceGivesItsArgumentsAfterTheFilters)
{
    struct Case {
        const char* name;
        Stored stored;
        Strings args;
    };
    const Case cases[] = {
        {"All Projects with both extras and no filter",
         {{{"VsNetSolActive", 1}, {"SolAction", 1}, {"DoSolItems", 1}, {"DoMiscFiles", 1}}, "", {}},
         {"@VAllProjectFiles+SolutionItems+MiscellaneousFiles"}},
        {"All Projects with the miscellaneous files and masks",
         {{{"VsNetSolActive", 1}, {"SolAction", 1}, {"DoMiscFiles", 1}}, "*.h", {}},
         {"@m*.h", "@VAllProjectFiles+MiscellaneousFiles\\"}},
        {"Selected Files with an extra left checked",
         {{{"VsNetSolActive", 1}, {"SolAction", 3}, {"DoSolItems", 1}}, "", {}},
         {"@VSelectedFiles"}},
        {"Active Project with an exception and no masks",
         {{{"VsNetSolActive", 1}, {"SolAction", 0}}, "", {"*\\Debug\\"}},
         {"@x*\\Debug\\", "@m*", "@VActiveProjectFiles\\"}},
        {"Active Text with masks",
         {{{"VsNetDocActive", 1}, {"DocAction", 0}}, "*.cpp", {}},
         {"@m*.cpp", "@VActiveTextDocument\\"}},
        {"All documents without masks",
         {{{"VsNetDocActive", 1}, {"DocAction", 3}}, "", {}},
         {"@VAllDocuments"}},
        {"Related Files with MFC Source",
         {{{"VsNetRelActive", 1}, {"MfcSrc", 1}}, "*.cpp", {}},
         {"@m*.cpp", "@d+", "@VMfcSrcDir\\"}},
        {"Related Files in member order",
         {{{"VsNetRelActive", 1}, {"AtlSrc", 1}, {"VcInclude", 1}, {"PSDKInclude", 1}}, "*.h", {}},
         {"@m*.h", "@d+", "@VVcIncludeDir\\", "@VPSDKIncludeDir\\", "@VAtlSrcDir\\"}},
    };
    RunningVsNet vsNet;
    for (const Case& c : cases) {
        ClearKeys();
        StartOn(kVsNetGuid);
        Store(c.stored);
        Host host;
        const INT_PTR result = host.Run([&] { host.Ok(); });
        EXPECT_EQ(IDOK, result) << c.name;
        EXPECT_EQ(c.args, Host::Args()) << c.name;
    }
    EXPECT_TRUE(Boxes().empty());
}

// The "+" boxes follow "All Projects": enabled while it is the checked and
// enabled action, their own checks kept.
TEST_F(VsNetPage, TheSolutionExtrasAreEnabledOnlyWithAllProjects)
{
    RunningVsNet vsNet;
    Store({{}, "*.cpp", {}});
    Host host;
    std::vector<std::vector<int>> enabled, checked;
    auto look = [&] {
        enabled.push_back(EnabledOf(Page(host), kExtras));
        checked.push_back(CheckedOf(Page(host), Joined(kControllers, kExtras)));
    };
    host.Run([&] {
        Click(Page(host), IDC_KY_VSNET_SOLUTION);
        look();
        Click(Page(host), IDC_KY_VSNET_ALL_PROJECTS);
        look();
        Click(Page(host), IDC_KY_VSNET_SOLUTION_ITEMS);
        Click(Page(host), IDC_KY_VSNET_SELECTED_PROJECTS);
        look();
        Click(Page(host), IDC_KY_VSNET_ALL_PROJECTS);
        StorageTest::Snapshot(host.dialog.m_hWnd, "VsNetPageAllProjects");
        look();
        Click(Page(host), IDC_KY_VSNET_SOLUTION);
        look();
        Click(Page(host), IDC_KY_VSNET_SOLUTION);
        look();
        Click(Page(host), IDC_KY_VSNET_DOCUMENTS);
        look();
        host.Cancel();
    });
    const std::vector<int> none;
    EXPECT_EQ((std::vector<std::vector<int>>{none, kExtras, none, kExtras, none, kExtras, none}),
              enabled);
    const std::vector<int> box = {IDC_KY_VSNET_SOLUTION};
    const std::vector<int> boxAndItems = {IDC_KY_VSNET_SOLUTION, IDC_KY_VSNET_SOLUTION_ITEMS};
    EXPECT_EQ(
        (std::vector<std::vector<int>>{box,
                                       box,
                                       boxAndItems,
                                       boxAndItems,
                                       {IDC_KY_VSNET_SOLUTION_ITEMS},
                                       boxAndItems,
                                       {IDC_KY_VSNET_DOCUMENTS, IDC_KY_VSNET_SOLUTION_ITEMS}}),
        checked);
}

TEST_F(VsNetPage, ActionsAreOneAtATimeAndRelatedFilesOnePerClickUnlessShift)
{
    RunningVsNet vsNet;
    Store({{}, "*.h", {}});
    Host host;
    std::vector<std::vector<int>> checked;
    auto look = [&] { checked.push_back(CheckedOf(Page(host), kAllControls)); };
    host.Run([&] {
        Click(Page(host), IDC_KY_VSNET_DOCUMENTS);
        Click(Page(host), IDC_KY_VSNET_ALL_TEXT);
        Click(Page(host), IDC_KY_VSNET_ACTIVE);
        Click(Page(host), IDC_KY_VSNET_ACTIVE);
        look();
        Click(Page(host), IDC_KY_VSNET_RELATED, true);
        Click(Page(host), IDC_KY_VSNET_INCLUDE);
        Click(Page(host), IDC_KY_VSNET_ATL_SOURCE);
        Click(Page(host), IDC_KY_VSNET_CRT_SOURCE, true);
        look();
        Click(Page(host), IDC_KY_VSNET_CRT_SOURCE);
        look();
        Click(Page(host), IDC_KY_VSNET_INCLUDE, true);
        host.Ok();
    });
    EXPECT_EQ((std::vector<std::vector<int>>{
                  {IDC_KY_VSNET_DOCUMENTS, IDC_KY_VSNET_ACTIVE},
                  {IDC_KY_VSNET_DOCUMENTS, IDC_KY_VSNET_RELATED, IDC_KY_VSNET_ACTIVE,
                   IDC_KY_VSNET_CRT_SOURCE, IDC_KY_VSNET_ATL_SOURCE},
                  {IDC_KY_VSNET_DOCUMENTS, IDC_KY_VSNET_RELATED, IDC_KY_VSNET_ACTIVE}}),
              checked);
    EXPECT_EQ((Strings{"@m*.h", "@VActiveDocument\\", "@d+", "@VVcIncludeDir\\"}), Host::Args());
}

TEST_F(VsNetPage, OkRefusesAnActiveGroupThatLacksAChoiceOrMasks)
{
    struct Case {
        const char* name;
        Stored stored;
        const char* message;
        int focus;
    };
    const Case cases[] = {
        {"Documents without an action",
         {{{"VsNetDocActive", 1}}, "*.c", {}},
         kSelectAction,
         IDC_KY_VSNET_ACTIVE_TEXT},
        {"Solution Explorer without an action",
         {{{"VsNetSolActive", 1}}, "", {}},
         kSelectAction,
         IDC_KY_VSNET_ACTIVE_PROJECT},
        {"Related Files without a folder",
         {{{"VsNetRelActive", 1}}, "*.c", {}},
         kSelectAction,
         IDC_KY_VSNET_INCLUDE},
        {"Related Files without masks",
         {{{"VsNetRelActive", 1}, {"VcCrtSrc", 1}}, "", {}},
         kNeedMasks,
         IDC_KY_PP_MASKS},
        {"no group", {{}, "*.c", {}}, kSelectAction, IDC_KY_VSNET_DOCUMENTS},
    };
    RunningVsNet vsNet;
    for (const Case& c : cases) {
        ClearKeys();
        StartOn(kVsNetGuid);
        Store(c.stored);
        m_firstBox = theApp.m_boxes.size();
        Host host;
        bool focused = false;
        host.Run([&] {
            host.Ok();
            focused = Host::HasFocus(Page(host), c.focus);
            host.Cancel();
        });
        EXPECT_EQ(Strings{c.message}, Boxes()) << c.name;
        EXPECT_TRUE(focused) << c.name;
    }
}

TEST_F(VsNetPage, OkKeepsAnActiveGroupsChoicesAndRestoreBringsThemBack)
{
    RunningVsNet vsNet;
    Store({{{"VsNetSolActive", 1}, {"SolAction", 1}, {"DoMiscFiles", 1}, {"VcInclude", 1}},
           "*.c",
           {}});
    Host host;
    host.Run([&] { host.Ok(); });
    for (const std::string& key : {kVsNetKey, PreviousToolKey(kVsNetGuid)}) {
        EXPECT_EQ(0, Dword(key, "VsNetDocActive")) << key;
        EXPECT_EQ(-1, Dword(key, "DocAction")) << key;
        EXPECT_EQ(1, Dword(key, "VsNetSolActive")) << key;
        EXPECT_EQ(1, Dword(key, "SolAction")) << key;
        EXPECT_EQ(0, Dword(key, "DoSolItems")) << key;
        EXPECT_EQ(1, Dword(key, "DoMiscFiles")) << key;
        EXPECT_EQ(0, Dword(key, "VsNetRelActive")) << key;
        EXPECT_EQ("*.c", Value(key, "Masks")) << key;
    }
    EXPECT_EQ(-1, Dword(PreviousToolKey(kVsNetGuid), "VcInclude"));

    // Another tool's choice comes back with "Restore", this tool's with Shift.
    SetDwordValue(PreviousToolKey(kVsNetGuid), "SolAction", 3);
    SetDwordValue(kVsNetKey, "SolAction", 0);
    std::vector<int> previous, own;
    const std::vector<int> actions = Ids(IDC_KY_VSNET_ACTIVE_PROJECT, IDC_KY_VSNET_SELECTED_FILES);
    Host again;
    again.Run([&] {
        Click(Page(again), IDC_KY_VSNET_DOCUMENTS);
        Click(Page(again), IDC_KY_PP_RESTORE);
        previous = CheckedOf(Page(again), Joined(kControllers, actions));
        Click(Page(again), IDC_KY_PP_RESTORE, true);
        own = CheckedOf(Page(again), Joined(kControllers, actions));
        again.Cancel();
    });
    EXPECT_EQ((std::vector<int>{IDC_KY_VSNET_SOLUTION, IDC_KY_VSNET_SELECTED_FILES}), previous);
    EXPECT_EQ((std::vector<int>{IDC_KY_VSNET_SOLUTION, IDC_KY_VSNET_ACTIVE_PROJECT}), own);
}

class VsNetTaskFile : public VsNetPage {
protected:
    tasktest::ScratchFolder m_folder;
};

TEST_F(VsNetTaskFile, SolutionExplorerWritesItsExtrasBeforeItsActionAndLoadsBack)
{
    RunningVsNet vsNet;
    Store({{{"VsNetSolActive", 1}, {"SolAction", 1}, {"DoSolItems", 1}}, "*.cpp", {}});
    const std::string path = m_folder["sol.kytst"];
    Host host;
    std::vector<int> afterNew, afterOpen, extrasEnabled;
    host.Run([&] {
        SaveAs(host, path);
        Command(host, ID_KY_DOC_NEW);
        afterNew = CheckedOf(Page(host), kAllControls);
        Open(host, path);
        afterOpen = CheckedOf(Page(host), kAllControls);
        extrasEnabled = EnabledOf(Page(host), kExtras);
        host.Ok();
    });
    EXPECT_EQ((Recs{{320, Byte(0)},
                    {322, Byte(1)},
                    {324, Byte(1)},
                    {325, Byte(0)},
                    {323, Index(1)},
                    {326, Byte(0)},
                    {202, "*.cpp"}}),
              PageRecords(path));
    EXPECT_TRUE(afterNew.empty());
    EXPECT_EQ((std::vector<int>{IDC_KY_VSNET_SOLUTION, IDC_KY_VSNET_ALL_PROJECTS,
                                IDC_KY_VSNET_SOLUTION_ITEMS}),
              afterOpen);
    EXPECT_EQ(kExtras, extrasEnabled);
    EXPECT_EQ((Strings{"@m*.cpp", "@VAllProjectFiles+SolutionItems\\"}), Host::Args());
}

TEST_F(VsNetTaskFile, DocumentsAndRelatedFilesRecords)
{
    RunningVsNet vsNet;
    Store({{{"VsNetDocActive", 1}, {"DocAction", 2}, {"VsNetRelActive", 1}, {"AtlMfcInclude", 1}},
           "*.h",
           {}});
    const std::string path = m_folder["docs.kytst"];
    Host host;
    host.Run([&] {
        SaveAs(host, path);
        host.Cancel();
    });
    EXPECT_EQ((Recs{{320, Byte(1)},
                    {321, Index(2)},
                    {322, Byte(0)},
                    {326, Byte(1)},
                    {327, Byte(0)},
                    {328, Byte(0)},
                    {329, Byte(0)},
                    {330, Byte(1)},
                    {331, Byte(0)},
                    {332, Byte(0)},
                    {202, "*.h"}}),
              PageRecords(path));
}

// Short payloads are skipped, an action out of range is none, and records
// cannot make the running groups usable while the environment is not running.
TEST_F(VsNetTaskFile, DamagedRecordsAndUnavailableGroupsLoadAsNothing)
{
    struct Case {
        const char* name;
        bool running;
        std::vector<std::string> records;
        std::vector<int> checked;
        std::vector<int> enabled;
        Strings args;
    };
    const std::string vsNet = Record(100, kVsNetGuid);
    // The controlling boxes and the members of Documents and Solution Explorer.
    const std::vector<int> kRunningGroups =
        Joined(kControllers, Ids(IDC_KY_VSNET_ACTIVE_TEXT, IDC_KY_VSNET_MISC_FILES));
    const std::vector<int> runningEnabled = {
        IDC_KY_VSNET_DOCUMENTS,      IDC_KY_VSNET_SOLUTION,     IDC_KY_VSNET_RELATED,
        IDC_KY_VSNET_ACTIVE_PROJECT, IDC_KY_VSNET_ALL_PROJECTS, IDC_KY_VSNET_SELECTED_PROJECTS,
        IDC_KY_VSNET_SELECTED_FILES};
    const Case cases[] = {
        {"a Solution Explorer action out of range",
         true,
         {vsNet, Record(322, Byte(1)), Record(323, Index(1)), Record(323, Index(4)),
          Record(202, "*")},
         {IDC_KY_VSNET_SOLUTION},
         runningEnabled,
         {}},
        {"a short action record",
         true,
         {vsNet, Record(322, Byte(1)), Record(323, Index(1)), Record(323, Byte(3)), Record(324, ""),
          Record(202, "*")},
         {IDC_KY_VSNET_SOLUTION, IDC_KY_VSNET_ALL_PROJECTS},
         Joined(runningEnabled, kExtras),
         {"@m*", "@VAllProjectFiles\\"}},
        {"Documents while not running",
         false,
         {vsNet, Record(320, Byte(1)), Record(321, Index(0)), Record(326, Byte(1)),
          Record(332, Byte(1)), Record(202, "*.c")},
         {IDC_KY_VSNET_DOCUMENTS, IDC_KY_VSNET_RELATED, IDC_KY_VSNET_ACTIVE_TEXT,
          IDC_KY_VSNET_MFC_SOURCE},
         Ids(IDC_KY_VSNET_RELATED, IDC_KY_VSNET_RELATED),
         {}},
    };
    for (const Case& c : cases) {
        ClearKeys();
        StartOn(kVsNetGuid);
        std::unique_ptr<RunningVsNet> running(c.running ? new RunningVsNet : nullptr);
        const std::string path = m_folder["damaged.kytst"];
        kytest::WriteFile(path, TaskFile(c.records));
        Host host;
        std::vector<int> checked, enabled;
        host.Run([&] {
            Open(host, path);
            checked = CheckedOf(Page(host), kAllControls);
            enabled = EnabledOf(Page(host), kRunningGroups);
            if (c.args.empty())
                host.Cancel();
            else
                host.Ok();
        });
        EXPECT_EQ(c.checked, checked) << c.name;
        EXPECT_EQ(c.enabled, enabled) << c.name;
        if (!c.args.empty()) {
            EXPECT_EQ(c.args, Host::Args()) << c.name;
        }
    }
}

} // namespace
} // namespace devenvtest
