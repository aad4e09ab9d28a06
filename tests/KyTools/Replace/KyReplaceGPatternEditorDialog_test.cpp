// Tests of the Replace Rule Editor opened from the Replace page: multi-line
// texts, the rule numbers, New and Delete with their Shift forms, the
// control states, what OK and Cancel give the grid, the rule it starts on,
// its remembered placement with its layout, and help.
#include "Replace/ReplaceTestSupport.h"

#include "KyTools/Replace/KyReplaceGPatternEditorDialog.h"

#include <afxres.h>

namespace {

using namespace replacetest;
using namespace hosttest;
using Editor = KyReplaceGPatternEditorDialog;
using Strings = std::vector<std::string>;

const int kRuleChecks[] = {
    IDC_KY_RULE_ACTIVE,         IDC_KY_RULE_CONFIRM,      IDC_KY_RULE_IGNORE_CASE,
    IDC_KY_RULE_WHOLE_WORDS,    IDC_KY_RULE_REGEX,        IDC_KY_RULE_LEGIBLE_REGEX,
    IDC_KY_RULE_DOT_MATCHES_NL, IDC_KY_RULE_DOUBLE_QUOTE, IDC_KY_RULE_EVAL};

// What the editor shows: "find|replace|" and its check boxes in the order
// above as '1' and '0'.
std::string Shown(CWnd& editor)
{
    std::string shown =
        Text(editor, IDC_KY_RULE_FIND) + "|" + Text(editor, IDC_KY_RULE_REPLACE) + "|";
    for (int id : kRuleChecks)
        shown += Checked(editor, id) ? '1' : '0';
    return shown;
}

Strings Numbers(CWnd& editor)
{
    CComboBox* combo = static_cast<CComboBox*>(editor.GetDlgItem(IDC_KY_RULE_NUMBER));
    Strings numbers;
    for (int i = 0; i < combo->GetCount(); ++i) {
        CString text;
        combo->GetLBText(i, text);
        numbers.push_back(static_cast<LPCSTR>(text));
    }
    return numbers;
}

void ChooseNumber(CWnd& editor, int index)
{
    CWnd* combo = editor.GetDlgItem(IDC_KY_RULE_NUMBER);
    combo->SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index));
    editor.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_KY_RULE_NUMBER, CBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(combo->m_hWnd));
    PumpPending();
}

void Press(CWnd& editor, int id)
{
    editor.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                       reinterpret_cast<LPARAM>(editor.GetDlgItem(id)->m_hWnd));
    PumpPending();
}

class RuleEditor : public ReplaceFixture {
protected:
    // Runs the page on the plan's rules with the grid's selection set, opens
    // the editor by its button and runs the script in it; keeps the page's
    // rules and selection afterwards.
    void Edit(const ReplaceRuleVector& rules, int selected,
              const std::function<void(CWnd&)>& script)
    {
        SetConfig(Plan(rules));
        Run([&](KyReplaceGSubDialogPage& page, SettingsHost&) {
            KyReplaceGPatternListBox& grid = Grid(page);
            grid.SetCurSel(selected);
            const int before = m_bridge->modified;
            OnNextModalIdle([&](CWnd* editor) {
                script(*editor);
                PumpPending();
            });
            ClickInvoker(page, IDC_KY_REPLACE_RULE_EDITOR);
            m_rulesAfter = grid.GetRules();
            m_selectedAfter = grid.GetCurSel();
            m_modified = m_bridge->modified - before;
        });
    }
    static void Close(CWnd& editor, int button)
    {
        editor.PostMessage(WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    }

    ReplaceRuleVector m_rulesAfter;
    int m_selectedAfter = -2;
    int m_modified = 0;
};

TEST_F(RuleEditor, LinesTypedInTheTextsReachTheRuleWithLineFeeds)
{
    std::string shown;
    Edit(Rules({Rule("a", "", "A"), Rule("one\ntwo", "x", "Ac")}), 1, [&](CWnd& editor) {
        shown = Shown(editor);
        Type(editor, IDC_KY_RULE_FIND, "first\r\nsecond\r\n");
        Type(editor, IDC_KY_RULE_REPLACE, "1\r\n2");
        Click(editor, IDC_KY_RULE_REGEX);
        Click(editor, IDC_KY_RULE_CONFIRM);
        SaveWindowPng(editor.m_hWnd, "replace_rule_editor");
        Close(editor, IDOK);
    });
    EXPECT_EQ("one\r\ntwo|x|110000000", shown);
    ASSERT_EQ(2u, m_rulesAfter.size());
    EXPECT_TRUE(Rule("a", "", "A") == m_rulesAfter[0]);
    EXPECT_TRUE(Rule("first\nsecond\n", "1\n2", "Ar") == m_rulesAfter[1]);
    EXPECT_EQ(1, m_selectedAfter);
    EXPECT_GT(m_modified, 0);
}

TEST_F(RuleEditor, NewAddsABlankRuleAndShiftNewACopyOfTheCurrentOne)
{
    Strings numbers;
    std::vector<std::string> shown;
    int focus = 0;
    Edit(Rules({Rule("a", "b", "Aciw")}), 0, [&](CWnd& editor) {
        Press(editor, IDC_KY_RULE_NEW);
        shown.push_back(Shown(editor));
        focus = FocusId();
        Type(editor, IDC_KY_RULE_FIND, "typed");
        Click(editor, IDC_KY_RULE_EVAL);
        {
            ShiftClick(editor, IDC_KY_RULE_NEW);
        }
        shown.push_back(Shown(editor));
        numbers = Numbers(editor);
        Close(editor, IDOK);
    });
    EXPECT_EQ((std::vector<std::string>{"||000000000", "typed||000000001"}), shown);
    EXPECT_EQ(IDC_KY_RULE_FIND, focus);
    EXPECT_EQ((Strings{"1", "2", "3"}), numbers);
    ASSERT_EQ(3u, m_rulesAfter.size());
    EXPECT_TRUE(Rule("typed", "", "e") == m_rulesAfter[1]);
    EXPECT_TRUE(m_rulesAfter[1] == m_rulesAfter[2]);
    EXPECT_EQ(2, m_selectedAfter);
}

TEST_F(RuleEditor, DeleteRenumbersAndShiftDeleteEmptiesTheList)
{
    std::vector<std::string> steps;
    std::string disabled;
    int focus = 0;
    Edit(Rules({Rule("1", "", "A"), Rule("2", "", "A"), Rule("3", "", "A")}), 1, [&](CWnd& editor) {
        Press(editor, IDC_KY_RULE_DELETE);
        const Strings afterFirst = Numbers(editor);
        steps.push_back(afterFirst[0] + afterFirst[1] + ":" + Text(editor, IDC_KY_RULE_FIND));
        Press(editor, IDC_KY_RULE_DELETE);
        steps.push_back(std::to_string(Numbers(editor).size()) + ":" +
                        Text(editor, IDC_KY_RULE_FIND));
        ShiftClick(editor, IDC_KY_RULE_DELETE);
        steps.push_back(std::to_string(Numbers(editor).size()) + ":" + Shown(editor));
        for (int id : {IDC_KY_RULE_DELETE, IDC_KY_RULE_FIND, IDC_KY_RULE_REPLACE,
                       IDC_KY_RULE_ACTIVE, IDC_KY_RULE_CONFIRM, IDC_KY_RULE_IGNORE_CASE,
                       IDC_KY_RULE_WHOLE_WORDS, IDC_KY_RULE_REGEX, IDC_KY_RULE_LEGIBLE_REGEX,
                       IDC_KY_RULE_DOT_MATCHES_NL, IDC_KY_RULE_DOUBLE_QUOTE, IDC_KY_RULE_EVAL})
            disabled += Enabled(editor, id) ? '1' : '0';
        focus = FocusId();
        SaveWindowPng(editor.m_hWnd, "replace_rule_editor_empty");
        Press(editor, IDC_KY_RULE_NEW);
        disabled +=
            Enabled(editor, IDC_KY_RULE_FIND) && Enabled(editor, IDC_KY_RULE_DELETE) ? "+" : "-";
        Close(editor, IDOK);
    });
    // After the middle rule: "1", "2" and the former third shown; then the
    // last one goes and the first is shown.
    EXPECT_EQ((std::vector<std::string>{"12:3", "1:1", "0:||000000000"}), steps);
    EXPECT_EQ("000000000000+", disabled);
    EXPECT_EQ(IDC_KY_RULE_NEW, focus);
    ASSERT_EQ(1u, m_rulesAfter.size());
    EXPECT_TRUE(Rule("", "", "") == m_rulesAfter[0]);
}

TEST_F(RuleEditor, ChoosingAnotherNumberKeepsTheEditsOfTheShownRule)
{
    std::vector<std::string> shown;
    Edit(Rules({Rule("a", "", "A"), Rule("b", "", "A")}), 0, [&](CWnd& editor) {
        Type(editor, IDC_KY_RULE_FIND, "changed");
        ChooseNumber(editor, 1);
        shown.push_back(Shown(editor));
        ChooseNumber(editor, 0);
        shown.push_back(Shown(editor));
        Close(editor, IDOK);
    });
    EXPECT_EQ((std::vector<std::string>{"b||100000000", "changed||100000000"}), shown);
    EXPECT_TRUE(Rule("changed", "", "A") == m_rulesAfter[0]);
    EXPECT_EQ(0, m_selectedAfter);
}

TEST_F(RuleEditor, CancelLeavesTheGridAsItWas)
{
    const ReplaceRuleVector rules = Rules({Rule("a", "b", "Ac"), Rule("c", "d", "")});
    Edit(rules, 1, [&](CWnd& editor) {
        Type(editor, IDC_KY_RULE_FIND, "lost");
        Press(editor, IDC_KY_RULE_NEW);
        Close(editor, IDCANCEL);
    });
    EXPECT_TRUE(rules == m_rulesAfter);
    EXPECT_EQ(1, m_selectedAfter);
    EXPECT_EQ(0, m_modified);
}

TEST_F(RuleEditor, WithNoRowSelectedItStartsOnTheFirstRule)
{
    std::string number;
    Edit(Rules({Rule("a", "", "A"), Rule("b", "", "A")}), -1, [&](CWnd& editor) {
        number = Text(editor, IDC_KY_RULE_NUMBER);
        Type(editor, IDC_KY_RULE_FIND, "kept");
        Close(editor, IDOK);
    });
    EXPECT_EQ("1", number);
    EXPECT_TRUE(Rule("kept", "", "A") == m_rulesAfter[0]);
}

TEST_F(RuleEditor, AnEmptyGridGetsANewRowToEditFirst)
{
    std::string shown;
    Edit(ReplaceRuleVector(), -1, [&](CWnd& editor) {
        shown = Shown(editor);
        Type(editor, IDC_KY_RULE_FIND, "new");
        Close(editor, IDOK);
    });
    EXPECT_EQ("||110000000", shown);
    ASSERT_EQ(1u, m_rulesAfter.size());
    EXPECT_TRUE(Rule("new", "", "Ac") == m_rulesAfter[0]);
}

TEST_F(RuleEditor, ItReopensWhereItWasClosedNeverSmallerThanItsTemplate)
{
    CRect first;
    CRect moved;
    CRect reopened;
    CRect findBefore;
    CRect findAfter;
    CRect okBefore;
    CRect okAfter;
    CRect clientAfter;
    const ReplaceRuleVector rules = Rules({Rule("a", "", "A")});
    Edit(rules, 0, [&](CWnd& editor) {
        editor.GetWindowRect(&first);
        editor.GetDlgItem(IDC_KY_RULE_FIND)->GetWindowRect(&findBefore);
        editor.GetDlgItem(IDOK)->GetWindowRect(&okBefore);
        ::SetWindowPos(editor.m_hWnd, nullptr, first.left + 20, first.top + 10, first.Width() + 120,
                       first.Height() + 80, SWP_NOZORDER);
        editor.GetWindowRect(&moved);
        editor.GetDlgItem(IDC_KY_RULE_FIND)->GetWindowRect(&findAfter);
        editor.GetDlgItem(IDOK)->GetWindowRect(&okAfter);
        editor.GetClientRect(&clientAfter);
        Close(editor, IDCANCEL);
    });
    Edit(rules, 0, [&](CWnd& editor) {
        editor.GetWindowRect(&reopened);
        Close(editor, IDCANCEL);
    });
    EXPECT_EQ(moved, reopened);
    // The Find edit grows both ways, OK keeps its distance from the right edge.
    EXPECT_EQ(findBefore.Width() + 120, findAfter.Width());
    EXPECT_GT(findAfter.Height(), findBefore.Height());
    EXPECT_EQ(okBefore.left + 20 + 120, okAfter.left);

    // A stored placement smaller than the template.
    Kyvant::RegKey placement(m_key, Editor::kPlacementSubkey);
    WriteDword(placement, "x2", static_cast<DWORD>(moved.left + 50));
    WriteDword(placement, "y2", static_cast<DWORD>(moved.top + 40));
    CRect small;
    Edit(rules, 0, [&](CWnd& editor) {
        editor.GetWindowRect(&small);
        Close(editor, IDCANCEL);
    });
    EXPECT_EQ(first.Width(), small.Width());
    EXPECT_EQ(first.Height(), small.Height());
}

BOOL RecordHelp(HWND, LPCSTR, UINT command, ULONG_PTR data);

std::vector<std::pair<UINT, ULONG_PTR>>& HelpCalls()
{
    static std::vector<std::pair<UINT, ULONG_PTR>> calls;
    return calls;
}

BOOL RecordHelp(HWND, LPCSTR, UINT command, ULONG_PTR data)
{
    HelpCalls().push_back({command, data});
    return TRUE;
}

TEST_F(RuleEditor, HelpOpensTheDialogsTopicAndTheControlsTopics)
{
    HelpCalls().clear();
    const AFX_WINHELPPROC previous = AfxSetWinHelpProc(&RecordHelp);
    Edit(Rules({Rule("a", "", "A")}), 0, [&](CWnd& editor) {
        Press(editor, IDC_KY_RULE_HELP);
        HELPINFO info = {};
        info.cbSize = sizeof info;
        info.iContextType = HELPINFO_WINDOW;
        info.iCtrlId = IDC_KY_RULE_REGEX;
        info.hItemHandle = editor.GetDlgItem(IDC_KY_RULE_REGEX)->m_hWnd;
        editor.SendMessage(WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
        editor.SendMessage(WM_CONTEXTMENU,
                           reinterpret_cast<WPARAM>(editor.GetDlgItem(IDC_KY_RULE_NEW)->m_hWnd),
                           MAKELPARAM(10, 10));
        // On the dialog itself (in its client area): no help.
        CRect client;
        editor.GetClientRect(&client);
        editor.ClientToScreen(&client);
        editor.SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(editor.m_hWnd),
                           MAKELPARAM(client.CenterPoint().x, client.CenterPoint().y));
        Close(editor, IDCANCEL);
    });
    AfxSetWinHelpProc(previous);
    ASSERT_EQ(3u, HelpCalls().size());
    EXPECT_EQ(static_cast<UINT>(HELP_CONTEXT), HelpCalls()[0].first);
    EXPECT_EQ(0x20005u, HelpCalls()[0].second);
    EXPECT_EQ(static_cast<UINT>(HELP_WM_HELP), HelpCalls()[1].first);
    EXPECT_EQ(static_cast<UINT>(HELP_CONTEXTMENU), HelpCalls()[2].first);
    const DWORD* table = reinterpret_cast<const DWORD*>(HelpCalls()[1].second);
    std::vector<DWORD> pairs;
    for (; table[0] != 0; table += 2) {
        EXPECT_EQ((table[0] << 16) | IDD_KY_REPLACE_RULE_EDITOR, table[1]);
        pairs.push_back(table[0]);
    }
    EXPECT_EQ((std::vector<DWORD>{1014, 1018, 1020, 1021, 1022, 1023, 1001, 1002, 1003, 1004, 1005,
                                  1100}),
              pairs);
}

} // namespace
