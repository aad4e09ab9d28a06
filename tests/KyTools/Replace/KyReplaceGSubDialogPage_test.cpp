// Tests of the Replace page in a settings dialog: its arguments for unnamed
// and named plans, the rule checks on OK, the option boxes, the prologue
// controls and the quick-script button, the first start, a dirty named plan
// on OK and Cancel, and the header tips.
#include "Replace/ReplaceTestSupport.h"

#include "common/WholeFile.h"

#include "KyGui/Buttons/KyButtonEditorInvoker.h"
#include "KyGui/Lists/ListsResource.h"
#include "KyGuiTool/PathLists/PathListsResource.h"

#include <commctrl.h>
#include <dlgs.h>

namespace {

using namespace replacetest;
using namespace hosttest;

using ReplacePage = ReplaceFixture;

std::string WindowText(CWnd& window)
{
    CString text;
    window.GetWindowText(text);
    return static_cast<LPCSTR>(text);
}

// The arguments the page gives with a task-file save in progress.
Args SaveArgs(KyReplaceGSubDialogPage& page)
{
    std::vector<Kyvant::ky_BSB<char>> words;
    page.DocOnStartSave(Kyvant::ky_F("C:\\task.kyrep"));
    page.UpdateData(TRUE);
    page.UpdateArgv(Kyvant::back_insert_sequencer<std::vector<Kyvant::ky_BSB<char>>>(words));
    page.DocOnFinishSave(false);
    Args args;
    for (const auto& word : words)
        args.push_back(word.c_str());
    return args;
}

TEST_F(ReplacePage, AnUnnamedPlanGivesItsOwnWordsThenTheSeparator)
{
    const struct {
        const char* name;
        ReplacePlan plan;
        Args argv;
    } cases[] = {
        {"options, an active and a disabled rule",
         Plan(Rules({Rule("foo", "bar", "Aic"), Rule("old", "", "")}), "BV"),
         {"-BV", "-pfoo", "-qbar", "-i", "-0", "@!"}},
        {"no confirmation and a prologue",
         Plan(Rules({Rule("x", "y", "Arx")}), "NP", "C:\\pro.pl", "$n = 1;"),
         {"-N", "-Q$n = 1;", "-SC:\\pro.pl", "-px", "-qy", "-rxn", "@!"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        m_key = FreshKey("Replace");
        SetConfig(c.plan);
        const INT_PTR result =
            Run([](KyReplaceGSubDialogPage&, SettingsHost& host) { host.PressOK(); });
        EXPECT_EQ(IDOK, result);
        EXPECT_EQ(c.argv, Argv());
    }
}

TEST_F(ReplacePage, ANamedPlanGivesOnlyItsNameWhateverTheGridHolds)
{
    StorePlan("Tidy", Plan(Rules({Rule("a", "b", "Ac")})));
    SetConfig(Plan(Rules({Rule("a", "b", "Ac")})), "Tidy");
    const INT_PTR result = Run([](KyReplaceGSubDialogPage& page, SettingsHost& host) {
        Grid(page).SetRules(Rules({Rule("other", "rules", "Ai"), Rule("more", "", "A")}));
        host.PressOK();
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ((Args{"-RTidy", "@!"}), Argv());
}

TEST_F(ReplacePage, ATaskFileSaveAddsNoConfirmationUnlessItIsOn)
{
    const struct {
        const char* name;
        const char* planName;
        const char* options;
        Args duringSave;
        Args onOK;
    } cases[] = {
        {"unnamed", "", "", {"-pa", "-qb", "-N", "@!"}, {"-pa", "-qb", "@!"}},
        {"unnamed, no confirmation on",
         "",
         "N",
         {"-N", "-pa", "-qb", "@!"},
         {"-N", "-pa", "-qb", "@!"}},
        {"named", "Named", "", {"-RNamed", "-N", "@!"}, {"-RNamed", "@!"}},
        {"named, no confirmation on", "Named", "N", {"-RNamed", "@!"}, {"-RNamed", "@!"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        m_key = FreshKey("Replace");
        const ReplacePlan plan = Plan(Rules({Rule("a", "b", "Ac")}), c.options);
        SetConfig(plan, c.planName);
        StorePlan("Named", plan);
        Args during;
        Run([&](KyReplaceGSubDialogPage& page, SettingsHost& host) {
            during = SaveArgs(page);
            host.PressOK();
        });
        EXPECT_EQ(c.duringSave, during);
        EXPECT_EQ(c.onOK, Argv());
    }
}

TEST_F(ReplacePage, AnActiveRuleWithoutFindTextStopsOKInItsRow)
{
    SetConfig(Plan(Rules({Rule("a", "b", "Ac"), Rule("", "gone", "Ac"), Rule("", "", "")})));
    int selected = -2;
    bool editing = false;
    int focusedGrid = 0;
    const INT_PTR result = Run([&](KyReplaceGSubDialogPage& page, SettingsHost& host) {
        host.PressOK();
        KyReplaceGPatternListBox& grid = Grid(page);
        selected = grid.GetCurSel();
        editing = grid.Editing();
        focusedGrid = ::IsChild(grid.m_hWnd, ::GetFocus()) ? 1 : 0;
        SaveWindowPng(host.m_hWnd, "replace_page_zero_length");
    });
    EXPECT_EQ(kLeftOpen, result);
    ASSERT_EQ(1u, theApp.m_boxes.size());
    EXPECT_EQ("Can't search on match text of zero length.", theApp.m_boxes[0].text);
    EXPECT_EQ(static_cast<UINT>(IDS_KY_REPLACE_ZERO_LENGTH), theApp.m_boxes[0].help);
    EXPECT_EQ(1, selected);
    EXPECT_TRUE(editing);
    EXPECT_EQ(1, focusedGrid);
    EXPECT_EQ(0, m_host->saves);
}

TEST_F(ReplacePage, NoActiveRuleStopsOK)
{
    const struct {
        const char* name;
        ReplaceRuleVector rules;
    } cases[] = {
        {"an empty grid", {}},
        {"only disabled rules, one without text", Rules({Rule("a", "b", "c"), Rule("", "", "")})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        theApp.m_boxes.clear();
        const INT_PTR result = Run([&](KyReplaceGSubDialogPage& page, SettingsHost& host) {
            Grid(page).SetRules(c.rules);
            host.PressOK();
        });
        EXPECT_EQ(kLeftOpen, result);
        EXPECT_EQ(Args{"The Replace Rule list is empty, or no rules are active."}, BoxTexts());
        EXPECT_EQ(0, m_host->saves);
    }
}

TEST_F(ReplacePage, OptionBoxesShowAndBuildThePlansFlags)
{
    SetConfig(Plan(Rules({Rule("a", "", "A")}), "BIL"));
    std::vector<int> shown;
    const INT_PTR result = Run([&](KyReplaceGSubDialogPage& page, SettingsHost& host) {
        shown = CheckedIn(page, IDC_KY_REPLACE_BACKUPS, IDC_KY_REPLACE_VERBOSE);
        Click(page, IDC_KY_REPLACE_BACKUPS);
        Click(page, IDC_KY_REPLACE_VERBOSE);
        Click(page, IDC_KY_REPLACE_NO_CONFIRM);
        host.PressOK();
    });
    EXPECT_EQ(
        (std::vector<int>{IDC_KY_REPLACE_BACKUPS, IDC_KY_REPLACE_BINARY, IDC_KY_REPLACE_LINE_MODE}),
        shown);
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ((Args{"-ILNV", "-pa", "-n", "@!"}), Argv());
    EXPECT_GE(m_bridge->modified, 3);
}

TEST_F(ReplacePage, PrologueControlsFollowThePrologueBox)
{
    SetConfig(Plan(Rules({Rule("a", "", "Ac")}), "", "C:\\start.pl"));
    std::vector<std::string> states;
    Run([&](KyReplaceGSubDialogPage& page, SettingsHost&) {
        auto state = [&page] {
            std::string s;
            for (int id : {IDC_KY_REPLACE_PROLOGUE_FILE, IDC_KY_REPLACE_PROLOGUE_BROWSE,
                           IDC_KY_REPLACE_QUICK_SCRIPT})
                s += Enabled(page, id) ? '1' : '0';
            return s;
        };
        states.push_back(state());
        states.push_back(Text(page, IDC_KY_REPLACE_PROLOGUE_FILE));
        Click(page, IDC_KY_REPLACE_PROLOGUE);
        states.push_back(state());
        Click(page, IDC_KY_REPLACE_PROLOGUE);
        states.push_back(state());
    });
    EXPECT_EQ((std::vector<std::string>{"000", "C:\\start.pl", "111", "000"}), states);
}

TEST_F(ReplacePage, TheFileButtonPutsTheChosenScriptInTheCombo)
{
    NamedDbTest::ScratchFolder folder;
    const std::string script = folder.Path("start.pl");
    kytest::WriteFile(script, "1;\n");
    SetConfig(Plan(Rules({Rule("a", "", "Ac")}), "P"));
    std::string filter;
    std::string shown;
    int modified = 0;
    Run([&](KyReplaceGSubDialogPage& page, SettingsHost& host) {
        const int before = m_bridge->modified;
        OnNextModalIdle([&](CWnd* hook) {
            HWND dialog = ::GetParent(hook->m_hWnd);
            char type[64] = "";
            ::GetDlgItemTextA(dialog, cmb1, type, sizeof type);
            filter = type;
            for (int id : {cmb13, edt1})
                if (::GetDlgItem(dialog, id) != nullptr)
                    ::SetDlgItemTextA(dialog, id, script.c_str());
            ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                           reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDOK)));
        });
        ClickInvoker(page, IDC_KY_REPLACE_PROLOGUE_BROWSE);
        shown = Text(page, IDC_KY_REPLACE_PROLOGUE_FILE);
        modified = m_bridge->modified - before;
        host.PressOK();
    });
    EXPECT_EQ("Perl Files (*.pl)", filter);
    EXPECT_EQ(Kyvant::ky_F(script.c_str()), Kyvant::ky_F(shown.c_str()));
    EXPECT_GT(modified, 0);
    EXPECT_EQ((Args{"-S" + shown, "-pa", "@!"}), Argv());
}

TEST_F(ReplacePage, ShiftClickOnTheQuickScriptButtonEmptiesTheScript)
{
    SetConfig(Plan(Rules({Rule("a", "", "Ac")}), "P", "", "print 1;"));
    std::vector<std::string> captions;
    int modifiedAfterEmptyClick = -1;
    int modifiedBefore = -1;
    Run([&](KyReplaceGSubDialogPage& page, SettingsHost& host) {
        captions.push_back(Text(page, IDC_KY_REPLACE_QUICK_SCRIPT));
        modifiedBefore = m_bridge->modified;
        ShiftClick(page, IDC_KY_REPLACE_QUICK_SCRIPT);
        captions.push_back(Text(page, IDC_KY_REPLACE_QUICK_SCRIPT));
        const int modified = m_bridge->modified;
        ShiftClick(page, IDC_KY_REPLACE_QUICK_SCRIPT);
        modifiedAfterEmptyClick = m_bridge->modified - modified;
        SaveWindowPng(host.m_hWnd, "replace_page_quick_emptied");
        host.PressOK();
    });
    EXPECT_EQ((std::vector<std::string>{"* Quic&k...", "Quic&k..."}), captions);
    EXPECT_GT(modifiedBefore, -1);
    EXPECT_EQ(0, modifiedAfterEmptyClick);
    EXPECT_EQ((Args{"-pa", "@!"}), Argv());
}

TEST_F(ReplacePage, TheQuickScriptEditorKeepsLineFeeds)
{
    SetConfig(Plan(Rules({Rule("a", "", "Ac")}), "P", "", "my $x;\nmy $y;"));
    std::string caption;
    std::string loaded;
    bool acceptsFiles = true;
    int focus = 0;
    std::string button;
    Run([&](KyReplaceGSubDialogPage& page, SettingsHost& host) {
        OnNextModalIdle([&](CWnd* editor) {
            caption = WindowText(*editor);
            loaded = Text(*editor, IDC_KY_BIG_EDITOR_EDIT);
            acceptsFiles =
                (editor->GetDlgItem(IDC_KY_BIG_EDITOR_EDIT)->GetExStyle() & WS_EX_ACCEPTFILES) != 0;
            Type(*editor, IDC_KY_BIG_EDITOR_EDIT, "print 1;\r\nprint 2;\r\n");
            SaveWindowPng(editor->m_hWnd, "replace_quick_script_editor");
            editor->PostMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        });
        Click(page, IDC_KY_REPLACE_QUICK_SCRIPT);
        focus = FocusId();
        button = Text(page, IDC_KY_REPLACE_QUICK_SCRIPT);
        host.PressOK();
    });
    EXPECT_EQ("Quick Script Editor", caption);
    EXPECT_EQ("my $x;\r\nmy $y;", loaded);
    EXPECT_FALSE(acceptsFiles);
    EXPECT_EQ(IDC_KY_REPLACE_QUICK_SCRIPT, focus);
    EXPECT_EQ("* Quic&k...", button);
    EXPECT_EQ((Args{"-Qprint 1;\nprint 2;\n", "-pa", "@!"}), Argv());
}

TEST_F(ReplacePage, FirstStartWithNothingStoredEditsOneNewRow)
{
    int rows = -1;
    bool editing = false;
    std::string checks;
    Run([&](KyReplaceGSubDialogPage& page, SettingsHost& host) {
        KyReplaceGPatternListBox& grid = Grid(page);
        rows = grid.GetCount();
        editing = grid.Editing() && grid.GetCurrentColumn() == KyReplaceGPatternListBox::kFind;
        for (unsigned c : {0u, 1u, 4u, 5u, 6u, 7u, 8u, 9u, 10u})
            checks += grid.IsChecked(0, c) ? '1' : '0';
        SaveWindowPng(host.m_hWnd, "replace_page_first_start");
    });
    EXPECT_EQ(1, rows);
    EXPECT_TRUE(editing);
    EXPECT_EQ("110000000", checks);
}

TEST_F(ReplacePage, AStoredPlanOrConfigMeansNoNewRow)
{
    StorePlan("Kept", Plan(Rules({Rule("k", "", "A")})));
    int rows = -1;
    Run([&](KyReplaceGSubDialogPage& page, SettingsHost&) { rows = Grid(page).GetCount(); });
    EXPECT_EQ(0, rows);
}

TEST_F(ReplacePage, ADirtyNamedPlanIsOfferedForSavingOnOKAndCancel)
{
    StorePlan("Tidy", Plan(Rules({Rule("a", "b", "Ac")})));
    SetConfig(Plan(Rules({Rule("a", "b", "Ac")})), "Tidy");
    const struct {
        const char* name;
        bool ok;
        std::vector<int> answers;
        INT_PTR result;
        bool savedVerbose;
    } cases[] = {
        {"OK, Cancel in the question", true, {IDCANCEL}, kLeftOpen, false},
        {"OK, Yes", true, {IDYES}, IDOK, true},
        {"Cancel, Cancel in the question", false, {IDCANCEL}, kLeftOpen, false},
        {"Cancel, No", false, {IDNO}, IDCANCEL, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StorePlan("Tidy", Plan(Rules({Rule("a", "b", "Ac")})));
        BoxAnswers answers(c.answers);
        const INT_PTR result = Run([&](KyReplaceGSubDialogPage& page, SettingsHost& host) {
            Click(page, IDC_KY_REPLACE_VERBOSE);
            if (c.ok)
                host.PressOK();
            else
                host.PressCancel();
        });
        EXPECT_EQ(c.result, result);
        EXPECT_EQ(Args{"Save changes to Replace Plan \"Tidy\"?"}, BoxTexts());
        EXPECT_EQ(c.savedVerbose, StoredPlan("Tidy").m_verbose);
    }
}

TEST_F(ReplacePage, AnUnnamedPlanClosesWithoutAQuestion)
{
    SetConfig(Plan(Rules({Rule("a", "b", "Ac")})));
    const INT_PTR result = Run([](KyReplaceGSubDialogPage& page, SettingsHost& host) {
        Click(page, IDC_KY_REPLACE_VERBOSE);
        host.PressCancel();
    });
    EXPECT_EQ(IDCANCEL, result);
    EXPECT_TRUE(BoxTexts().empty());
}

struct TipSearch {
    HWND owner;
    HWND found;
};

BOOL CALLBACK FindTips(HWND window, LPARAM data)
{
    TipSearch* search = reinterpret_cast<TipSearch*>(data);
    char name[32] = "";
    ::GetClassNameA(window, name, sizeof name);
    if (std::string(name) == TOOLTIPS_CLASSA && ::GetWindow(window, GW_OWNER) == search->owner &&
        ::SendMessageA(window, TTM_GETTOOLCOUNT, 0, 0) > 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// The tip control the page owns, found among the thread's windows.
HWND TipsOf(HWND page)
{
    TipSearch search = {page, nullptr};
    ::EnumThreadWindows(::GetCurrentThreadId(), &FindTips, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string TipText(HWND tips, HWND spot)
{
    char text[128] = "";
    TOOLINFOA info = {};
    info.cbSize = TTTOOLINFOA_V1_SIZE;
    info.hwnd = spot;
    info.uId = reinterpret_cast<UINT_PTR>(spot);
    info.lpszText = text;
    ::SendMessageA(tips, TTM_GETTEXTA, 0, reinterpret_cast<LPARAM>(&info));
    return text;
}

TEST_F(ReplacePage, HeaderTipsLieOverTheirColumns)
{
    SetConfig(Plan(Rules({Rule("a", "b", "Ac")})));
    const std::vector<std::pair<unsigned, std::string>> expected = {
        {0, "Active"},
        {1, "Confirm replacements"},
        {4, "Ignore case"},
        {5, "Whole words"},
        {6, "Regular expression search"},
        {7, "Extended (legible) regular expression search"},
        {8, "Dot matches newline"},
        {9, "Double-quote search text (interpolate)"},
        {10, "Eval replacement text"},
    };
    Run([&](KyReplaceGSubDialogPage& page, SettingsHost& host) {
        KyReplaceGPatternListBox& grid = Grid(page);
        // A pop-up's owner is the top-level window that holds the page.
        const HWND tips = TipsOf(host.m_hWnd);
        ASSERT_NE(nullptr, tips);
        EXPECT_EQ(9, ::SendMessageA(tips, TTM_GETTOOLCOUNT, 0, 0));
        CRect client;
        grid.GetClientRect(&client);
        grid.ClientToScreen(&client);
        CRect window;
        grid.GetWindowRect(&window);
        for (const auto& tip : expected) {
            SCOPED_TRACE(tip.second);
            CWnd* spot = page.GetDlgItem(IDC_KY_REPLACE_HEADER_SPOT + tip.first);
            ASSERT_NE(nullptr, spot);
            CRect at;
            spot->GetWindowRect(&at);
            int x = 0;
            int width = 0;
            grid.GetCellPosAndWidth(tip.first, x, width, true);
            EXPECT_EQ(CRect(client.left + x, window.top, client.left + x + width, client.top), at);
            EXPECT_TRUE(spot->IsWindowVisible());
            EXPECT_NE(0, spot->GetExStyle() & WS_EX_TRANSPARENT);
            EXPECT_EQ(tip.second, TipText(tips, spot->m_hWnd));
        }
        EXPECT_EQ(nullptr, page.GetDlgItem(IDC_KY_REPLACE_HEADER_SPOT + 2));
        EXPECT_EQ(nullptr, page.GetDlgItem(IDC_KY_REPLACE_HEADER_SPOT + 3));
        SaveWindowPng(host.m_hWnd, "replace_page_headers");
    });
}

} // namespace
