// Tests of what the Replace page keeps: its registry state with the prologue
// history, its task-file records, task files naming stored or missing plans,
// damaged stored plans, and New.
#include "Replace/ReplaceTestSupport.h"

#include "KyStd/Registry/RegMRU.h"

#include <stdexcept>

namespace {

using namespace replacetest;
using namespace hosttest;
using Strings = std::vector<std::string>;

using ReplaceState = ReplaceFixture;

Strings History(const Kyvant::RegKey& key)
{
    Kyvant::RegMRUReader<Kyvant::ky_S> list(key, "MRUPrologueScript");
    Strings files;
    for (const Kyvant::ky_S* file = list.GetFirst(); file != nullptr; file = list.GetNext())
        files.push_back(file->c_str());
    return files;
}

Strings ComboEntries(CWnd& page, int id)
{
    CComboBox* combo = static_cast<CComboBox*>(page.GetDlgItem(id));
    Strings entries;
    for (int i = 0; i < combo->GetCount(); ++i) {
        CString text;
        combo->GetLBText(i, text);
        entries.push_back(static_cast<LPCSTR>(text));
    }
    return entries;
}

// The records of a task file holding the name and the plan.
std::string TaskRecords(const char* name, const ReplacePlan& plan)
{
    return Record(5000, name) + Record(5001, Stored(plan));
}

TEST_F(ReplaceState, OKStoresTheNameThePlanAndThePrologueFile)
{
    StorePlan("Tidy", Plan(Rules({Rule("t", "", "A")})));
    const struct {
        const char* name;
        const char* planName;
        const char* file;
        Strings history;
    } cases[] = {
        {"unnamed with a prologue file", "", "C:\\one.pl", {"C:\\one.pl"}},
        {"named, the file typed again", "Tidy", "C:\\one.pl", {"C:\\one.pl"}},
        {"no file: nothing added", "", "", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        m_key = FreshKey("Replace");
        const ReplacePlan plan =
            Plan(Rules({Rule("a", "b", "Ac"), Rule("", "", "")}), "BP", c.file, "q");
        SetConfig(plan, c.planName);
        if (*c.planName)
            StorePlan(c.planName, plan);
        Run([](KyReplaceGSubDialogPage&, SettingsHost& host) { host.PressOK(); });
        EXPECT_EQ(c.planName, Value("ConfigName"));
        EXPECT_EQ(Stored(plan), Value("Config"));
        EXPECT_EQ(c.history, History(m_key));
    }
}

TEST_F(ReplaceState, ThePrologueHistoryListsTwentyFilesNewestFirst)
{
    {
        Kyvant::RegMRUReader<Kyvant::ky_S> list(m_key, "MRUPrologueScript");
        Kyvant::RegMRUWriter<Kyvant::ky_S> writer(list,
                                                  KyReplaceGSubDialogPage::kPrologueHistorySize);
        for (int i = 1; i <= 20; ++i)
            writer.Add(Kyvant::ky_S(("C:\\f" + std::to_string(i) + ".pl").c_str()));
    }
    SetConfig(Plan(Rules({Rule("a", "", "A")}), "P", "C:\\new.pl"));
    Strings shown;
    Run([&](KyReplaceGSubDialogPage& page, SettingsHost& host) {
        shown = ComboEntries(page, IDC_KY_REPLACE_PROLOGUE_FILE);
        host.PressOK();
    });
    ASSERT_EQ(20u, shown.size());
    EXPECT_EQ("C:\\f20.pl", shown.front());
    const Strings after = History(m_key);
    ASSERT_EQ(20u, after.size());
    EXPECT_EQ("C:\\new.pl", after.front());
    EXPECT_EQ("C:\\f2.pl", after.back());
}

TEST_F(ReplaceState, ATaskFileHoldsTheNameThenThePlanLastBuilt)
{
    SetConfig(Plan(Rules({Rule("a", "b", "Ac")})));
    std::string records;
    Run([&](KyReplaceGSubDialogPage& page, SettingsHost&) {
        Click(page, IDC_KY_REPLACE_VERBOSE);
        page.DocOnStartSave(Kyvant::ky_F("C:\\t.kyrep"));
        page.UpdateData(TRUE);
        std::vector<Kyvant::ky_BSB<char>> words;
        page.UpdateArgv(Kyvant::back_insert_sequencer<std::vector<Kyvant::ky_BSB<char>>>(words));
        records = SaveRecords(page);
        page.DocOnFinishSave(true);
    });
    EXPECT_EQ((std::vector<int>{5000, 5001}), RecordTypes(records));
    EXPECT_EQ(TaskRecords("", Plan(Rules({Rule("a", "b", "Ac")}), "V")), records);
}

TEST_F(ReplaceState, ATaskFileShowsTheStoredPlanItNamesOrElseItsOwnUnnamed)
{
    const ReplacePlan stored = Plan(Rules({Rule("db", "plan", "Ai")}), "L");
    const ReplacePlan own = Plan(Rules({Rule("file", "plan", "Ac")}), "V");
    const struct {
        const char* name;
        const char* recordName;
        ReplacePlan shown;
        std::string combo;
        Args argv;
    } cases[] = {
        {"a stored plan", "Stored", stored, "Stored", {"-RStored", "@!"}},
        {"the name in other letters", "STORED", stored, "Stored", {"-RStored", "@!"}},
        {"a missing plan", "Gone", own, "", {"-V", "-pfile", "-qplan", "@!"}},
        {"no name", "", own, "", {"-V", "-pfile", "-qplan", "@!"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StorePlan("Stored", stored);
        ReplaceRuleVector rules;
        std::string combo;
        bool verbose = false;
        int modified = -1;
        Run([&](KyReplaceGSubDialogPage& page, SettingsHost& host) {
            Click(page, IDC_KY_REPLACE_BINARY); // something to lose
            LoadRecords(page, TaskRecords(c.recordName, own));
            rules = Grid(page).GetRules();
            combo = Text(page, IDC_KY_REPLACE_PLAN_NAMES);
            verbose = Checked(page, IDC_KY_REPLACE_VERBOSE);
            const int before = m_bridge->modified;
            host.PressOK();
            modified = m_bridge->modified - before;
        });
        EXPECT_TRUE(c.shown.Rules() == rules);
        EXPECT_EQ(c.shown.m_verbose, verbose);
        EXPECT_EQ(c.combo, combo);
        EXPECT_EQ(c.argv, Argv());
        EXPECT_EQ(0, modified); // clean: no save question
    }
}

TEST_F(ReplaceState, ADamagedPlanRecordFailsTheLoadWithItsMessage)
{
    std::string error;
    Run([&](KyReplaceGSubDialogPage& page, SettingsHost&) {
        try {
            LoadRecords(page, Record(5000, "") + Record(5001, "not a plan"));
        } catch (const std::exception& e) {
            error = e.what();
            page.DocOnFinishLoad(false);
        }
    });
    EXPECT_EQ("Damaged Replace Plan", error);
}

TEST_F(ReplaceState, ADamagedConfigOpensAnEmptyPlan)
{
    Kyvant::WriteRegistryString(m_key.get(), "Config", Kyvant::ky_S("not a plan"));
    int rows = -1;
    bool editing = false;
    Run([&](KyReplaceGSubDialogPage& page, SettingsHost&) {
        rows = Grid(page).GetCount();
        editing = Grid(page).Editing();
        EXPECT_TRUE(CheckedIn(page, IDC_KY_REPLACE_BACKUPS, IDC_KY_REPLACE_PROLOGUE).empty());
    });
    EXPECT_EQ(1, rows);
    EXPECT_TRUE(editing);
}

TEST_F(ReplaceState, NewEmptiesThePlanAndStartsAFirstRule)
{
    StorePlan("Tidy", Plan(Rules({Rule("a", "b", "Ac")}), "BNP", "C:\\p.pl", "q"));
    SetConfig(StoredPlan("Tidy"), "Tidy");
    ReplaceRuleVector rules;
    std::string combo;
    std::string quick;
    bool editing = false;
    Run([&](KyReplaceGSubDialogPage& page, SettingsHost& host) {
        page.DocOnNew();
        page.UpdateData(FALSE);
        page.DocOnFinishNew();
        PumpPending();
        editing = Grid(page).Editing();
        Grid(page).StopEditing(true, true, true);
        rules = Grid(page).GetRules();
        combo = Text(page, IDC_KY_REPLACE_PLAN_NAMES);
        quick = Text(page, IDC_KY_REPLACE_QUICK_SCRIPT);
        EXPECT_TRUE(CheckedIn(page, IDC_KY_REPLACE_BACKUPS, IDC_KY_REPLACE_PROLOGUE).empty());
        SaveWindowPng(host.m_hWnd, "replace_page_new");
    });
    EXPECT_TRUE(Rules({Rule("", "", "Ac")}) == rules);
    EXPECT_TRUE(editing);
    EXPECT_EQ("", combo);
    EXPECT_EQ("Quic&k...", quick);
}

} // namespace
