// Tests of the Visual C++ 6 page in the settings dialog: which groups can be
// chosen, the arguments of each source, clicks on boxes, actions and folders
// with and without Shift, the checks on OK, and the page's registry values
// and task-file records, also damaged ones.
#include "DevEnvPages/DevEnvTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace devenvtest {
namespace {

const std::string kVcKey = PageKey(kVcGuid);
const std::vector<int> kControllers = {IDC_KY_VC_DEVSTUDIO, IDC_KY_VC_MSVCDIR, IDC_KY_VC_MSSDK};
const std::vector<int> kActions = Ids(IDC_KY_VC_ACTIVE_TEXT_FILE, IDC_KY_VC_ALL_PROJECT_FOLDERS);
const std::vector<int> kSdkFolders = Ids(IDC_KY_VC_MSSDK_INCLUDE, IDC_KY_VC_MSSDK_SAMPLES);

void Store(const Stored& stored)
{
    StorePage(kVcKey, stored);
}

class VcPage : public DevEnvPageTest {
protected:
    VcPage() { StartOn(kVcGuid); }
    static PathPlanVcSubDialog& Page(Host& host) { return *host.tabs->GetVc(); }
};

TEST_F(VcPage, WithoutDeveloperStudioRunningItsGroupStaysOffAndOkAsksForAnAction)
{
    struct Case {
        const char* msvcDir;
        std::vector<int> enabled;
        int focus;
    };
    const Case cases[] = {
        {"C:\\VC98", {IDC_KY_VC_MSVCDIR}, IDC_KY_VC_MSVCDIR},
        // Nothing to choose: the focus goes to the first control that takes it.
        {nullptr, {}, IDC_KY_PP_MASK_SET},
    };
    for (const Case& c : cases) {
        EnvVar msvcDir("MSVCDir", c.msvcDir);
        Store({{{"DevStudioActive", 1}, {"DevStudioAction", 2}}, "*.c", {}});
        Host host;
        std::vector<int> enabled;
        bool devStudioChecked = false, focused = false, open = false;
        host.Run([&] {
            enabled = EnabledOf(Page(host), Joined(kControllers, kActions));
            devStudioChecked = Checked(Page(host), IDC_KY_VC_DEVSTUDIO);
            host.Ok();
            focused = Host::HasFocus(Page(host), c.focus);
            open = ::IsWindowVisible(host.dialog.m_hWnd) != FALSE;
            if (c.msvcDir != nullptr)
                StorageTest::Snapshot(host.dialog.m_hWnd, "VcPageWithoutDeveloperStudio");
            host.Cancel();
        });
        EXPECT_EQ(c.enabled, enabled) << c.msvcDir;
        EXPECT_FALSE(devStudioChecked);
        EXPECT_TRUE(focused) << c.msvcDir;
        EXPECT_TRUE(open);
        EXPECT_EQ(Strings{kSelectAction}, Boxes());
        m_firstBox = theApp.m_boxes.size();
    }
}

TEST_F(VcPage, EachSourceGivesItsArgumentsAfterTheFilters)
{
    struct Case {
        const char* name;
        Stored stored;
        Strings args;
    };
    const Case cases[] = {
        {"a folder action",
         {{{"DevStudioActive", 1}, {"DevStudioAction", 5}}, "*.cpp", {}},
         {"@m*.cpp", "@d+", "@CAllProjectFolders\\"}},
        {"a file action without filters",
         {{{"DevStudioActive", 1}, {"DevStudioAction", 0}}, "", {}},
         {"@CActiveTextFile"}},
        {"a file action with an exception and no masks",
         {{{"DevStudioActive", 1}, {"DevStudioAction", 0}}, "", {"*\\obj\\"}},
         {"@x*\\obj\\", "@m*", "@CActiveTextFile\\"}},
        {"a file action with masks",
         {{{"DevStudioActive", 1}, {"DevStudioAction", 3}}, "*.h", {}},
         {"@m*.h", "@CAllProjectFiles\\"}},
        {"%MSVCDir% folders",
         {{{"MSVCDirActive", 1}, {"MSVCDirInclude", 1}, {"MSVCDirMfcSrc", 1}}, "*.h", {}},
         {"@m*.h", "@d+", "@p%MSVCDir%\\include\\", "@p%MSVCDir%\\MFC\\src\\"}},
        {"%MSSDK% folders",
         {{{"MSSDKActive", 1}, {"MSSDKSrc", 1}, {"MSSDKSamples", 1}}, "*", {}},
         {"@m*", "@d+", "@p%MSSDK%\\src\\", "@p%MSSDK%\\samples\\"}},
    };
    RunningDevStudio devStudio;
    EnvVar msvcDir("MSVCDir", "C:\\VC98");
    EnvVar sdk("MSSDK", "C:\\MSSDK");
    for (const Case& c : cases) {
        ClearKeys();
        StartOn(kVcGuid);
        Store(c.stored);
        Host host;
        const INT_PTR result = host.Run([&] { host.Ok(); });
        EXPECT_EQ(IDOK, result) << c.name;
        EXPECT_EQ(c.args, Host::Args()) << c.name;
    }
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(VcPage, OneSourceAtATimeUnlessShiftAndOneFolderPerClickUnlessShift)
{
    RunningDevStudio devStudio;
    EnvVar sdk("MSSDK", "C:\\MSSDK");
    Store({{}, "*.c", {}});
    Host host;
    std::vector<std::vector<int>> checked, enabled;
    auto look = [&] {
        checked.push_back(
            CheckedOf(Page(host), Joined(Joined(kControllers, kActions), kSdkFolders)));
        enabled.push_back(EnabledOf(Page(host), Joined(kActions, kSdkFolders)));
    };
    host.Run([&] {
        Click(Page(host), IDC_KY_VC_DEVSTUDIO);
        Click(Page(host), IDC_KY_VC_ALL_PROJECT_FOLDERS);
        Click(Page(host), IDC_KY_VC_ALL_PROJECT_FOLDERS);
        look();
        Click(Page(host), IDC_KY_VC_MSSDK);
        look();
        Click(Page(host), IDC_KY_VC_DEVSTUDIO, true);
        look();
        for (const auto& click : std::vector<std::pair<int, bool>>{{IDC_KY_VC_MSSDK_INCLUDE, false},
                                                                   {IDC_KY_VC_MSSDK_SRC, false},
                                                                   {IDC_KY_VC_MSSDK_SAMPLES, true},
                                                                   {IDC_KY_VC_MSSDK_SAMPLES, true}})
            Click(Page(host), click.first, click.second);
        look();
        Click(Page(host), IDC_KY_VC_MSSDK_SRC);
        look();
        Click(Page(host), IDC_KY_VC_MSSDK_INCLUDE, true);
        look();
        StorageTest::Snapshot(host.dialog.m_hWnd, "VcPageTwoSources");
        host.Ok();
    });
    EXPECT_EQ((std::vector<std::vector<int>>{
                  {IDC_KY_VC_DEVSTUDIO, IDC_KY_VC_ALL_PROJECT_FOLDERS},
                  {IDC_KY_VC_MSSDK, IDC_KY_VC_ALL_PROJECT_FOLDERS},
                  {IDC_KY_VC_DEVSTUDIO, IDC_KY_VC_MSSDK, IDC_KY_VC_ALL_PROJECT_FOLDERS},
                  {IDC_KY_VC_DEVSTUDIO, IDC_KY_VC_MSSDK, IDC_KY_VC_ALL_PROJECT_FOLDERS,
                   IDC_KY_VC_MSSDK_SRC, IDC_KY_VC_MSSDK_SAMPLES},
                  {IDC_KY_VC_DEVSTUDIO, IDC_KY_VC_MSSDK, IDC_KY_VC_ALL_PROJECT_FOLDERS},
                  {IDC_KY_VC_DEVSTUDIO, IDC_KY_VC_MSSDK, IDC_KY_VC_ALL_PROJECT_FOLDERS,
                   IDC_KY_VC_MSSDK_INCLUDE}}),
              checked);
    const std::vector<int> all = Joined(kActions, kSdkFolders);
    EXPECT_EQ((std::vector<std::vector<int>>{kActions, kSdkFolders, all, all, all, all}), enabled);
    EXPECT_EQ((Strings{"@m*.c", "@d+", "@CAllProjectFolders\\", "@d+", "@p%MSSDK%\\include\\"}),
              Host::Args());
}

TEST_F(VcPage, OkRefusesAnActiveGroupThatLacksAChoiceOrMasks)
{
    struct Case {
        const char* name;
        Stored stored;
        const char* message;
        int focus;
    };
    const Case cases[] = {
        {"a folder action without masks",
         {{{"DevStudioActive", 1}, {"DevStudioAction", 4}}, "", {}},
         kNeedMasks,
         IDC_KY_PP_MASKS},
        {"Developer Studio without an action",
         {{{"DevStudioActive", 1}}, "*.c", {}},
         kSelectAction,
         IDC_KY_VC_ACTIVE_TEXT_FILE},
        {"%MSVCDir% without a folder",
         {{{"MSVCDirActive", 1}}, "*.c", {}},
         kSelectAction,
         IDC_KY_VC_MSVCDIR_INCLUDE},
        {"%MSSDK% folders without masks",
         {{{"MSSDKActive", 1}, {"MSSDKInclude", 1}}, "", {}},
         kNeedMasks,
         IDC_KY_PP_MASKS},
        {"a good group before a bad one",
         {{{"DevStudioActive", 1}, {"DevStudioAction", 1}, {"MSSDKActive", 1}}, "", {}},
         kSelectAction,
         IDC_KY_VC_MSSDK_INCLUDE},
    };
    RunningDevStudio devStudio;
    EnvVar msvcDir("MSVCDir", "C:\\VC98");
    EnvVar sdk("MSSDK", "C:\\MSSDK");
    for (const Case& c : cases) {
        ClearKeys();
        StartOn(kVcGuid);
        Store(c.stored);
        m_firstBox = theApp.m_boxes.size();
        Host host;
        bool focused = false, open = false;
        host.Run([&] {
            host.Ok();
            focused = Host::HasFocus(Page(host), c.focus);
            open = ::IsWindowVisible(host.dialog.m_hWnd) != FALSE;
            host.Cancel();
        });
        EXPECT_EQ(Strings{c.message}, Boxes()) << c.name;
        EXPECT_TRUE(focused) << c.name;
        EXPECT_TRUE(open) << c.name;
    }
}

TEST_F(VcPage, OkKeepsTheBoxesAlwaysAndAnActiveGroupsChoicesUnderBothKeys)
{
    RunningDevStudio devStudio;
    EnvVar msvcDir("MSVCDir", "C:\\VC98");
    Store({{{"DevStudioActive", 1}, {"DevStudioAction", 2}, {"MSVCDirInclude", 1}}, "*.c", {}});
    Host host;
    host.Run([&] { host.Ok(); });
    for (const std::string& key : {kVcKey, PreviousToolKey(kVcGuid)}) {
        EXPECT_EQ(1, Dword(key, "DevStudioActive")) << key;
        EXPECT_EQ(2, Dword(key, "DevStudioAction")) << key;
        EXPECT_EQ(0, Dword(key, "MSVCDirActive")) << key;
        EXPECT_EQ(0, Dword(key, "MSSDKActive")) << key;
        EXPECT_EQ(-1, Dword(key, "MSSDKInclude")) << key;
        EXPECT_EQ("*.c", Value(key, "Masks")) << key;
    }
    // The inactive group's stored folder stays as it was in the page's key.
    EXPECT_EQ(1, Dword(kVcKey, "MSVCDirInclude"));
    EXPECT_EQ(-1, Dword(PreviousToolKey(kVcGuid), "MSVCDirInclude"));
}

class VcTaskFile : public VcPage {
protected:
    tasktest::ScratchFolder m_folder;
};

TEST_F(VcTaskFile, AnInactiveGroupWritesOnlyItsBoxAndAFileLoadsBackAfterNew)
{
    RunningDevStudio devStudio;
    EnvVar msvcDir("MSVCDir", "C:\\VC98");
    Store({{{"MSVCDirActive", 1}, {"MSVCDirInclude", 1}, {"MSVCDirMfcSrc", 1}}, "*.h", {}});
    const std::string path = m_folder["vc.kytst"];
    Host host;
    std::vector<int> afterNew, afterOpen;
    host.Run([&] {
        SaveAs(host, path);
        Command(host, ID_KY_DOC_NEW);
        afterNew = CheckedOf(Page(host), Ids(IDC_KY_VC_DEVSTUDIO, IDC_KY_VC_MSSDK_SAMPLES));
        Open(host, path);
        afterOpen = CheckedOf(Page(host), Ids(IDC_KY_VC_DEVSTUDIO, IDC_KY_VC_MSSDK_SAMPLES));
        host.Ok();
    });
    EXPECT_EQ((Recs{{300, Byte(0)},
                    {302, Byte(1)},
                    {303, Byte(1)},
                    {304, Byte(0)},
                    {305, Byte(0)},
                    {306, Byte(0)},
                    {307, Byte(0)},
                    {308, Byte(1)},
                    {309, Byte(0)},
                    {202, "*.h"}}),
              PageRecords(path));
    EXPECT_TRUE(afterNew.empty());
    EXPECT_EQ(
        (std::vector<int>{IDC_KY_VC_MSVCDIR, IDC_KY_VC_MSVCDIR_INCLUDE, IDC_KY_VC_MSVCDIR_MFC_SRC}),
        afterOpen);
    EXPECT_EQ((Strings{"@m*.h", "@d+", "@p%MSVCDir%\\include\\", "@p%MSVCDir%\\MFC\\src\\"}),
              Host::Args());
}

TEST_F(VcTaskFile, DeveloperStudiosActionIsASixteenBitIndex)
{
    RunningDevStudio devStudio;
    Store({{{"DevStudioActive", 1}, {"DevStudioAction", 5}}, "*", {}});
    const std::string path = m_folder["devstudio.kytst"];
    Host host;
    host.Run([&] {
        SaveAs(host, path);
        host.Ok();
    });
    EXPECT_EQ((Recs{{300, Byte(1)}, {301, Index(5)}, {302, Byte(0)}, {309, Byte(0)}, {202, "*"}}),
              PageRecords(path));
}

// Records whose payload is too short for their value are skipped, and an
// action out of range is no action; a record cannot turn on a group whose
// source is missing.
TEST_F(VcTaskFile, DamagedRecordsAndUnavailableGroupsLoadAsNothing)
{
    struct Case {
        const char* name;
        bool devStudioRunning;
        std::vector<std::string> records;
        std::vector<int> checked;
        Strings args;
    };
    const std::string vc = Record(100, kVcGuid);
    const Case cases[] = {
        {"an action out of range",
         true,
         {vc, Record(300, Byte(1)), Record(301, Index(3)), Record(301, Index(9)), Record(202, "*")},
         {IDC_KY_VC_DEVSTUDIO},
         {}},
        {"a short action record",
         true,
         {vc, Record(300, Byte(1)), Record(301, Index(1)), Record(301, Byte(4)), Record(202, "*")},
         {IDC_KY_VC_DEVSTUDIO, IDC_KY_VC_ALL_TEXT_FILES},
         {"@m*", "@CAllTextFiles\\"}},
        {"empty box and folder records",
         true,
         {vc, Record(302, Byte(1)), Record(303, Byte(1)), Record(303, ""), Record(302, ""),
          Record(202, "*.h")},
         {IDC_KY_VC_MSVCDIR, IDC_KY_VC_MSVCDIR_INCLUDE},
         {"@m*.h", "@d+", "@p%MSVCDir%\\include\\"}},
        {"Developer Studio not running",
         false,
         {vc, Record(300, Byte(1)), Record(301, Index(0)), Record(302, Byte(1)),
          Record(304, Byte(1)), Record(202, "*.c")},
         {IDC_KY_VC_DEVSTUDIO, IDC_KY_VC_MSVCDIR, IDC_KY_VC_ACTIVE_TEXT_FILE,
          IDC_KY_VC_MSVCDIR_CRT_SRC},
         {"@m*.c", "@d+", "@p%MSVCDir%\\crt\\src\\"}},
    };
    EnvVar msvcDir("MSVCDir", "C:\\VC98");
    for (const Case& c : cases) {
        ClearKeys();
        StartOn(kVcGuid);
        std::unique_ptr<RunningDevStudio> devStudio(c.devStudioRunning ? new RunningDevStudio
                                                                       : nullptr);
        const std::string path = m_folder["damaged.kytst"];
        kytest::WriteFile(path, TaskFile(c.records));
        Host host;
        std::vector<int> checked;
        bool devStudioEnabled = true;
        host.Run([&] {
            Open(host, path);
            checked = CheckedOf(Page(host), Ids(IDC_KY_VC_DEVSTUDIO, IDC_KY_VC_MSSDK_SAMPLES));
            devStudioEnabled = EnabledOf(Page(host), {IDC_KY_VC_DEVSTUDIO}).size() == 1;
            if (c.args.empty())
                host.Cancel();
            else
                host.Ok();
        });
        EXPECT_EQ(c.checked, checked) << c.name;
        EXPECT_EQ(c.devStudioRunning, devStudioEnabled) << c.name;
        if (!c.args.empty()) {
            EXPECT_EQ(c.args, Host::Args()) << c.name;
        }
    }
}

TEST_F(VcPage, AStoredActionOutOfRangeIsNoAction)
{
    RunningDevStudio devStudio;
    for (DWORD action : {6ul, 9ul, 0xFFFFFFFFul}) {
        Store({{{"DevStudioActive", 1}, {"DevStudioAction", action}}, "*", {}});
        Host host;
        std::vector<int> checked;
        host.Run([&] {
            checked = CheckedOf(Page(host), Joined(kControllers, kActions));
            host.Cancel();
        });
        EXPECT_EQ(std::vector<int>{IDC_KY_VC_DEVSTUDIO}, checked) << action;
    }
}

} // namespace
} // namespace devenvtest
