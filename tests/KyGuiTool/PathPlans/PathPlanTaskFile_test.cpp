// Tests of the path-plan pages in task files: the records the editor and the
// chooser write and read back, a file that names a stored plan, one that
// names a plan no longer stored, and the page remembered for a tool started
// from Visual C++.
#include "PathPlans/PathPlanTestSupport.h"

#include "KyGuiTool/Settings/SettingsResource.h"
#include "TaskFiles/ScratchFolder.h"

#include <dlgs.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace pathplantest;
using settingstest::Header;
using settingstest::Rec;
using settingstest::Record;
using Recs = std::vector<Rec>;

const std::string kEditorKey = PageKey(kEditorGuid);

// The next file dialog gets the path typed in and OK pressed.
void AnswerFileDialog(const std::string& path)
{
    OnNextModalIdle([path](CWnd* hook) {
        HWND dialog = ::GetParent(hook->m_hWnd);
        for (int id : {cmb13, edt1}) {
            if (::GetDlgItem(dialog, id) != nullptr)
                ::SetDlgItemTextA(dialog, id, path.c_str());
        }
        ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                       reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDOK)));
    });
}

void Command(Host& host, UINT id)
{
    ::SendMessageA(host.dialog.m_hWnd, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

void Open(Host& host, const std::string& path)
{
    AnswerFileDialog(path);
    Command(host, ID_KY_DOC_OPEN);
}

// The records of the file-search part.
Recs PathPlanRecords(const std::string& path)
{
    Recs records;
    for (const Rec& rec : settingstest::RecordsOf(path)) {
        if (rec.type >= 100 && rec.type < 1000)
            records.push_back(rec);
    }
    return records;
}

std::string TaskFile(const std::vector<std::string>& records)
{
    std::string file = Header(Kyvant::ToolDoc::FileSearchSettings);
    for (const std::string& record : records)
        file += record;
    return file + Record(1, "");
}

class PathPlanTaskFile : public PathPlanTest {
protected:
    tasktest::ScratchFolder m_folder;
};

TEST_F(PathPlanTaskFile, TheEditorsRecordsComeBeforeTheFiltersAndLoadBack)
{
    SetList(kEditorKey, "Paths", {"C:\\one\\", "C:\\two\\"});
    SetValue(kEditorKey, "Masks", "*.c");
    SetValue(kEditorKey, "MaxRecursionDepth", "2");
    SetList(kEditorKey, "Exceptions", {"*\\obj\\", "*\\bin\\"});
    const std::string size = FilterText("S>=4KB");
    SetList(kEditorKey, "AdvancedFilters", {size});
    const std::string path = m_folder["editor.kytst"];
    Host host;
    Strings rulesAfterNew, rulesAfterOpen;
    std::string masksAfterOpen, depthAfterOpen, exceptionsAfterOpen, advancedAfterOpen;
    host.Run([&] {
        AnswerFileDialog(path);
        Command(host, ID_KY_DOC_SAVE_AS);
        Command(host, ID_KY_DOC_NEW);
        rulesAfterNew = host.Rules();
        Open(host, path);
        rulesAfterOpen = host.Rules();
        masksAfterOpen = Host::Text(host.Editor(), IDC_KY_PP_MASKS);
        depthAfterOpen = Host::Text(host.Editor(), IDC_KY_PP_DEPTH);
        exceptionsAfterOpen = Host::Text(host.Editor(), IDC_KY_PP_EXCEPTIONS);
        advancedAfterOpen = Host::Text(host.Editor(), IDC_KY_PP_ADVANCED);
        host.Ok();
    });
    EXPECT_EQ((Recs{{100, kEditorGuid},
                    {250, ""},
                    {251, "C:\\one\\"},
                    {251, "C:\\two\\"},
                    {252, "2"},
                    {202, "*.c"},
                    {200, "*\\obj\\"},
                    {200, "*\\bin\\"},
                    {201, size}}),
              PathPlanRecords(path));
    EXPECT_TRUE(rulesAfterNew.empty());
    EXPECT_EQ((Strings{"C:\\one\\", "C:\\two\\"}), rulesAfterOpen);
    EXPECT_EQ("*.c", masksAfterOpen);
    EXPECT_EQ("2", depthAfterOpen);
    EXPECT_EQ("* Exceptions...", exceptionsAfterOpen);
    EXPECT_EQ("* Advanced...", advancedAfterOpen);
    EXPECT_EQ((Strings{"@d2", "@m*.c", "@x*\\obj\\", "@x*\\bin\\", "@a" + size, "@pC:\\one\\",
                       "@pC:\\two\\"}),
              Host::Args());
}

TEST_F(PathPlanTaskFile, AFileNamingAStoredPlanShowsThePlanAsStoredNow)
{
    StorePlan("Sources", {"C:\\stored\\"}, "*.cpp", "+");
    const std::string path = m_folder["named.kytst"];
    kytest::WriteFile(
        path, TaskFile({Record(100, kEditorGuid), Record(250, "sources"),
                        Record(251, "C:\\written\\"), Record(252, "7"), Record(202, "*.written"),
                        Record(200, "*\\x\\"), Record(201, "S>=1KB")}));
    Host host;
    Strings rules;
    std::string name, masks, depth, exceptions, advanced;
    host.Run([&] {
        Open(host, path);
        rules = host.Rules();
        name = Host::Text(host.Editor(), IDC_KY_PP_PLAN_NAMES);
        masks = Host::Text(host.Editor(), IDC_KY_PP_MASKS);
        depth = Host::Text(host.Editor(), IDC_KY_PP_DEPTH);
        exceptions = Host::Text(host.Editor(), IDC_KY_PP_EXCEPTIONS);
        advanced = Host::Text(host.Editor(), IDC_KY_PP_ADVANCED);
        host.Ok();
    });
    EXPECT_EQ((Strings{"C:\\stored\\"}), rules);
    EXPECT_EQ("Sources", name);
    EXPECT_EQ("*.cpp", masks);
    EXPECT_EQ("Infinite", depth);
    EXPECT_EQ("Exceptions...", exceptions);
    EXPECT_EQ("Advanced...", advanced);
    EXPECT_EQ((Strings{"@PSources"}), Host::Args());
}

TEST_F(PathPlanTaskFile, AFileNamingAPlanNoLongerStoredLoadsItsOwnRulesUnnamed)
{
    StorePlan("Other", {"C:\\other\\"});
    const std::string path = m_folder["gone.kytst"];
    kytest::WriteFile(
        path, TaskFile({Record(100, kEditorGuid), Record(250, "Gone"), Record(251, "C:\\written\\"),
                        Record(252, "+"), Record(202, "*.w")}));
    Host host;
    Strings rules;
    std::string name, depth;
    host.Run([&] {
        Open(host, path);
        rules = host.Rules();
        name = Host::Text(host.Editor(), IDC_KY_PP_PLAN_NAMES);
        depth = Host::Text(host.Editor(), IDC_KY_PP_DEPTH);
        host.Ok();
    });
    EXPECT_EQ((Strings{"C:\\written\\"}), rules);
    EXPECT_EQ("", name);
    EXPECT_EQ("Infinite", depth);
    EXPECT_EQ((Strings{"@dInfinite", "@m*.w", "@pC:\\written\\"}), Host::Args());
}

TEST_F(PathPlanTaskFile, TheChoosersCheckedPlansGoInOneRecordAndLoadBack)
{
    for (const char* name : {"a", "b", "c"})
        StorePlan(name, {"C:\\"});
    SetValue(PageKey(kChooserGuid), "PathPlanList",
             "a\x01"
             "c");
    SetValue(OptionsKey(), "PageGUID", kChooserGuid);
    const std::string path = m_folder["chooser.kytst"];
    Host host;
    host.Run([&] {
        AnswerFileDialog(path);
        Command(host, ID_KY_DOC_SAVE_AS);
        Command(host, ID_KY_DOC_NEW);
        Open(host, path);
        host.Ok();
    });
    EXPECT_EQ((Recs{{100, kChooserGuid},
                    {400, "a\x01"
                          "c"},
                    {202, ""}}),
              PathPlanRecords(path));
    EXPECT_EQ((Strings{"@Pa", "@Pc"}), Host::Args());
}

TEST_F(PathPlanTest, StartedFromVisualCppThePageIsRememberedApart)
{
    SetList(kEditorKey, "Paths", {"C:\\src\\*.c"});
    SetValue(OptionsKey(), "PageGUID", kChooserGuid);
    _putenv("KYVANT_VC_CLSID={00000000-0000-0000-0000-000000000001}");
    _putenv("KYVANT_VSNET_CLSID=");
    Host fromVc;
    fromVc.Run([&] {
        fromVc.tabs->SetActivePage(0u, false, true);
        fromVc.Ok();
    });
    _putenv("KYVANT_VC_CLSID=");
    EXPECT_EQ(kEditorGuid, Value(OptionsKey(), "VcPageGUID"));
    EXPECT_EQ(kChooserGuid, Value(OptionsKey(), "PageGUID"));
    Host outside;
    int page = -1;
    outside.Run([&] {
        page = outside.tabs->GetActivePageIndex();
        outside.Cancel();
    });
    EXPECT_EQ(1, page);
}

} // namespace
