// Tests of the Replace page's storage controls: Save stores the plan the page
// shows, choosing a name shows its plan, New clears the page for a first
// rule, Delete of the shown plan keeps it unnamed, Export writes replace
// plans.
#include "Replace/ReplaceTestSupport.h"

#include "KyGuiTool/Storage/StorageResource.h"
#include "common/WholeFile.h"

#include <dlgs.h>

namespace {

using namespace replacetest;
using namespace hosttest;

using ReplaceStorage = ReplaceFixture;

void ChooseName(CWnd& page, int index)
{
    CWnd* combo = page.GetDlgItem(IDC_KY_REPLACE_PLAN_NAMES);
    combo->SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index));
    page.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_KY_REPLACE_PLAN_NAMES, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(combo->m_hWnd));
    PumpPending();
}

void PressIn(CWnd* dialog, int id)
{
    ::PostMessageA(dialog->m_hWnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog->m_hWnd, id)));
}

TEST_F(ReplaceStorage, SaveStoresThePlanThePageShows)
{
    const ReplacePlan plan =
        Plan(Rules({Rule("a", "b", "Aci"), Rule("", "", "")}), "BVP", "C:\\p.pl", "q;");
    SetConfig(plan);
    std::string combo;
    int modified = 0;
    Run([&](KyReplaceGSubDialogPage& page, SettingsHost& host) {
        const int before = m_bridge->modified;
        OnNextModalIdle([](CWnd* saveAs) {
            ::SetDlgItemTextA(saveAs->m_hWnd, IDC_KY_SAVE_AS_NAME, "Mine");
            PressIn(saveAs, IDOK);
        });
        Click(page, IDC_KY_REPLACE_PLAN_SAVE);
        combo = Text(page, IDC_KY_REPLACE_PLAN_NAMES);
        modified = m_bridge->modified - before;
        host.PressOK();
    });
    EXPECT_TRUE(plan == StoredPlan("Mine"));
    EXPECT_EQ("Mine", combo);
    EXPECT_GT(modified, 0); // the task now names the plan
    EXPECT_EQ((Args{"-RMine", "@!"}), Argv());
}

TEST_F(ReplaceStorage, ChoosingANameShowsThatPlan)
{
    StorePlan("One", Plan(Rules({Rule("one", "", "A")})));
    const ReplacePlan two =
        Plan(Rules({Rule("x", "", ""), Rule("two", "2", "Aw")}), "IP", "C:\\two.pl", "s");
    StorePlan("Two", two);
    SetConfig(StoredPlan("One"), "One");
    ReplaceRuleVector rules;
    std::vector<int> boxes;
    std::string file;
    std::string quick;
    int selected = -1;
    int modified = 0;
    Run([&](KyReplaceGSubDialogPage& page, SettingsHost&) {
        const int before = m_bridge->modified;
        ChooseName(page, 1);
        rules = Grid(page).GetRules();
        selected = Grid(page).GetCurSel();
        boxes = CheckedIn(page, IDC_KY_REPLACE_BACKUPS, IDC_KY_REPLACE_PROLOGUE);
        file = Text(page, IDC_KY_REPLACE_PROLOGUE_FILE);
        quick = Text(page, IDC_KY_REPLACE_QUICK_SCRIPT);
        modified = m_bridge->modified - before;
    });
    EXPECT_TRUE(two.Rules() == rules);
    EXPECT_EQ(1, selected);
    EXPECT_EQ((std::vector<int>{IDC_KY_REPLACE_BINARY, IDC_KY_REPLACE_PROLOGUE}), boxes);
    EXPECT_EQ("C:\\two.pl", file);
    EXPECT_EQ("* Quic&k...", quick);
    EXPECT_GT(modified, 0);
}

TEST_F(ReplaceStorage, NewClearsThePageAndStartsAFirstRule)
{
    StorePlan("One",
              Plan(Rules({Rule("one", "", "Ai"), Rule("two", "", "A")}), "BLP", "C:\\o.pl", "q"));
    SetConfig(StoredPlan("One"), "One");
    ReplaceRuleVector rules;
    std::vector<int> boxes;
    std::string combo;
    std::string quick;
    bool editing = false;
    Run([&](KyReplaceGSubDialogPage& page, SettingsHost&) {
        Click(page, IDC_KY_REPLACE_PLAN_NEW);
        editing = Grid(page).Editing();
        boxes = CheckedIn(page, IDC_KY_REPLACE_BACKUPS, IDC_KY_REPLACE_PROLOGUE);
        combo = Text(page, IDC_KY_REPLACE_PLAN_NAMES);
        quick = Text(page, IDC_KY_REPLACE_QUICK_SCRIPT);
        Grid(page).StopEditing(true, true, true);
        rules = Grid(page).GetRules();
    });
    EXPECT_TRUE(Rules({Rule("", "", "Ac")}) == rules);
    EXPECT_TRUE(editing);
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ("", combo);
    EXPECT_EQ("Quic&k...", quick);
}

TEST_F(ReplaceStorage, DeletingTheShownPlanKeepsItUnnamed)
{
    const ReplacePlan plan = Plan(Rules({Rule("keep", "me", "Ac")}), "V");
    StorePlan("Tidy", plan);
    SetConfig(plan, "Tidy");
    BoxAnswers answers({IDYES});
    int modified = 0;
    Run([&](KyReplaceGSubDialogPage& page, SettingsHost& host) {
        const int before = m_bridge->modified;
        Click(page, IDC_KY_REPLACE_PLAN_DELETE);
        modified = m_bridge->modified - before;
        host.PressOK();
    });
    EXPECT_EQ(Args{"Delete Replace Plan \"Tidy\"?"}, BoxTexts());
    EXPECT_TRUE(Kyvant::ReplacePlanDB::Instance().empty());
    EXPECT_GT(modified, 0);
    EXPECT_EQ((Args{"-V", "-pkeep", "-qme", "@!"}), Argv());
}

TEST_F(ReplaceStorage, ExportWritesReplacePlansUnderTheirHeader)
{
    NamedDbTest::SavedValue lastDir(Kyvant::kSharedSettingsKey, "ImportExportLastDir");
    NamedDbTest::ScratchFolder folder;
    const std::string path = folder.Path("plans.txt");
    const ReplacePlan plan = Plan(Rules({Rule("a\tb", "c", "Ac")}), "B");
    StorePlan("Tidy", plan);
    SetConfig(plan, "Tidy");
    Run([&](KyReplaceGSubDialogPage& page, SettingsHost&) {
        OnNextModalIdle([&](CWnd* hook) {
            ::SendMessageA(hook->m_hWnd, WM_COMMAND, IDC_KY_EXPORTER_ALL, 0);
            HWND dialog = ::GetParent(hook->m_hWnd);
            for (int id : {cmb13, edt1})
                if (::GetDlgItem(dialog, id) != nullptr)
                    ::SetDlgItemTextA(dialog, id, path.c_str());
            ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                           reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDOK)));
        });
        page.GetDlgItem(IDC_KY_REPLACE_PLAN_MENU)->SendMessage(WM_COMMAND, ID_KY_STORAGE_EXPORT, 0);
        PumpPending();
    });
    std::string contents = Stored(plan);
    std::string escaped;
    for (unsigned char c : contents) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "\\x%02x", c);
        escaped += c < 0x20 || c >= 0x80 ? std::string(hex)
                   : c == '\\'           ? "\\\\"
                                         : std::string(1, char(c));
    }
    EXPECT_EQ("[Replace Plans]\nTidy\n" + escaped + "\n", kytest::ReadText(path));
}

} // namespace
