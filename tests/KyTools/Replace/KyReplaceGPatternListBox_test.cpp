// Tests of the rule grid on the Replace page: rules to rows and back, the
// column of each rule part, the row selected after loading, new rows, the
// columns' widths and the changes the page hears of.
#include "Replace/ReplaceTestSupport.h"

#include "KyGui/Lists/ListsResource.h"

namespace {

using namespace replacetest;
using namespace hosttest;
using Grid_ = KyReplaceGPatternListBox;

using ReplaceGrid = ReplaceFixture;

// The grid's check columns in order, as '1' (checked) and '0'.
std::string Checks(KyReplaceGPatternListBox& grid, unsigned row)
{
    std::string checks;
    for (unsigned c = 0; c < Grid_::kColumnCount; ++c) {
        if (c != Grid_::kFind && c != Grid_::kReplace)
            checks += grid.IsChecked(row, c) ? '1' : '0';
    }
    return checks;
}

TEST_F(ReplaceGrid, RulesGoToTheirColumnsAndComeBackUnchanged)
{
    // Check columns in order: A C I W R X S D E.
    const struct {
        ReplaceRule rule;
        const char* checks;
    } rows[] = {
        {Rule("find", "with", "A"), "100000000"},
        {Rule("", "", ""), "000000000"},
        {Rule("c", "", "c"), "010000000"},
        {Rule("i", "", "i"), "001000000"},
        {Rule("w", "", "w"), "000100000"},
        {Rule("r", "", "r"), "000010000"},
        {Rule("x", "", "x"), "000001000"},
        {Rule("s", "", "s"), "000000100"},
        {Rule("d", "", "d"), "000000010"},
        {Rule("e", "", "e"), "000000001"},
        {Rule("", "only replace", "Aciwrxsde"), "111111111"},
    };
    ReplaceRuleVector rules;
    for (const auto& row : rows)
        rules.push_back(row.rule);
    SetConfig(Plan(rules));
    ReplaceRuleVector back;
    std::vector<std::string> checks;
    std::vector<std::string> texts;
    Run([&](KyReplaceGSubDialogPage& page, SettingsHost&) {
        KyReplaceGPatternListBox& grid = Grid(page);
        for (unsigned row = 0; row < static_cast<unsigned>(grid.GetCount()); ++row) {
            checks.push_back(Checks(grid, row));
            texts.push_back(std::string(grid.CellText(row, Grid_::kFind)) + "|" +
                            grid.CellText(row, Grid_::kReplace));
        }
        back = grid.GetRules();
    });
    ASSERT_EQ(std::size(rows), checks.size());
    for (size_t i = 0; i < std::size(rows); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(rows[i].checks, checks[i]);
        EXPECT_EQ(std::string(rows[i].rule.m_find.c_str()) + "|" + rows[i].rule.m_replace.c_str(),
                  texts[i]);
    }
    EXPECT_TRUE(rules == back);
}

TEST_F(ReplaceGrid, LoadingSelectsTheFirstEnabledRule)
{
    ReplaceRuleVector many;
    for (int i = 0; i < 30; ++i)
        many.push_back(Rule("r", "", i == 25 ? "A" : ""));
    const struct {
        const char* name;
        ReplaceRuleVector rules;
        int selected;
    } cases[] = {
        {"first enabled", Rules({Rule("a", "", "A"), Rule("b", "", "A")}), 0},
        {"after disabled ones", Rules({Rule("a", "", ""), Rule("b", "", ""), Rule("c", "", "A")}),
         2},
        {"none enabled", Rules({Rule("a", "", ""), Rule("b", "", "")}), 0},
        {"far down", many, 25},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        int selected = -2;
        bool visible = false;
        Run([&](KyReplaceGSubDialogPage& page, SettingsHost&) {
            KyReplaceGPatternListBox& grid = Grid(page);
            grid.SetRules(c.rules);
            selected = grid.GetCurSel();
            CRect row;
            CRect client;
            grid.GetItemRect(selected, &row);
            grid.GetClientRect(&client);
            visible = row.top >= client.top && row.bottom <= client.bottom;
        });
        EXPECT_EQ(c.selected, selected);
        EXPECT_TRUE(visible);
    }
}

TEST_F(ReplaceGrid, ANewRowIsActiveAndConfirmsAndNothingElse)
{
    SetConfig(Plan(Rules({Rule("a", "b", "Aiwrxsde")})));
    ReplaceRuleVector rules;
    int modified = 0;
    Run([&](KyReplaceGSubDialogPage& page, SettingsHost& host) {
        KyReplaceGPatternListBox& grid = Grid(page);
        const int before = m_bridge->modified;
        grid.SendMessage(WM_COMMAND, MAKEWPARAM(ID_KY_LIST_NEW_ITEM, BN_CLICKED), 0);
        PumpPending();
        SaveWindowPng(host.m_hWnd, "replace_grid_new_row");
        grid.StopEditing(true, true, true);
        rules = grid.GetRules();
        modified = m_bridge->modified - before;
    });
    ASSERT_EQ(2u, rules.size());
    EXPECT_TRUE(Rule("", "", "Ac") == rules[1]);
    EXPECT_EQ(0, modified); // an untouched new row is no change yet
}

TEST_F(ReplaceGrid, ClickingACheckCellMarksThePlanChanged)
{
    SetConfig(Plan(Rules({Rule("a", "b", "Ac")})));
    int modified = 0;
    bool ignoreCase = false;
    Run([&](KyReplaceGSubDialogPage& page, SettingsHost&) {
        KyReplaceGPatternListBox& grid = Grid(page);
        const int before = m_bridge->modified;
        const CRect cell = grid.GetCellRect(0, Grid_::kIgnoreCase, true);
        const CPoint at = cell.CenterPoint();
        grid.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
        grid.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
        PumpPending();
        ignoreCase = grid.IsChecked(0, Grid_::kIgnoreCase);
        modified = m_bridge->modified - before;
    });
    EXPECT_TRUE(ignoreCase);
    EXPECT_GT(modified, 0);
}

TEST_F(ReplaceGrid, TheTextColumnsShareWhatTheCheckColumnsLeaveInWholeRows)
{
    SetConfig(Plan(Rules({Rule("a", "b", "Ac")})));
    int find = 0;
    int replace = 0;
    int total = 0;
    int room = 0;
    int clientHeight = 0;
    int rowHeight = 0;
    int checkHeight = 0;
    Run([&](KyReplaceGSubDialogPage& page, SettingsHost&) {
        KyReplaceGPatternListBox& grid = Grid(page);
        int x = 0;
        grid.GetCellPosAndWidth(Grid_::kFind, x, find, false);
        grid.GetCellPosAndWidth(Grid_::kReplace, x, replace, false);
        total = grid.GetRowWidth();
        CRect client;
        grid.GetClientRect(&client);
        clientHeight = client.Height();
        rowHeight = grid.GetItemHeight(0);
        checkHeight = CLB_CheckCell::GetDefaultHeight(); // while the grid holds the theme
        room = client.Width() -
               ((grid.GetStyle() & WS_VSCROLL) ? 0 : ::GetSystemMetrics(SM_CXVSCROLL));
    });
    EXPECT_EQ(find, replace);
    EXPECT_GT(find, 0);
    // Halving may leave one pixel.
    EXPECT_LE(room - total, 1);
    EXPECT_GE(room - total, 0);
    ASSERT_GT(rowHeight, 0);
    EXPECT_EQ(0, clientHeight % rowHeight);
    EXPECT_GE(rowHeight, checkHeight);
}

} // namespace
