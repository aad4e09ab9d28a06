// Tests of the Find pages' windows: context help of every control from each
// template's table, the editor button as tall as the pattern combo, and the
// focus after a task file was loaded or a new task begun.
#include "KyTools/Find/KyFindGTabCtrl.h"

#include "Find/FindDriving.h"
#include "KyTools/Find/KyFindGFlavor.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using namespace findtest;
using HelpTable = std::map<DWORD, DWORD>;

struct HelpCall {
    HWND window;
    UINT command;
    HelpTable table;
};

std::vector<HelpCall> g_help;

BOOL RecordHelp(HWND window, LPCSTR, UINT command, ULONG_PTR data)
{
    HelpTable table;
    for (const DWORD* pair = reinterpret_cast<const DWORD*>(data); pair[0] != 0; pair += 2)
        table[pair[0]] = pair[1];
    g_help.push_back({window, command, table});
    return TRUE;
}

HelpTable TableOf(int dialog, const Ids& controls)
{
    HelpTable table;
    for (int id : controls)
        table[static_cast<DWORD>(id)] = static_cast<DWORD>(id) << 16 | static_cast<DWORD>(dialog);
    return table;
}

class FindPageWindows : public FindTabs {
protected:
    void SetUp() override
    {
        FindTabs::SetUp();
        g_help.clear();
        m_previous = AfxSetWinHelpProc(&RecordHelp);
    }
    void TearDown() override
    {
        AfxSetWinHelpProc(m_previous);
        FindTabs::TearDown();
    }

    AFX_WINHELPPROC m_previous = nullptr;
};

TEST_F(FindPageWindows, EveryControlHasContextHelpFromItsTemplatesTable)
{
    const Ids grep = {IDC_KY_FIND_EDITOR,      IDC_KY_FIND_PATTERN,       IDC_KY_FIND_IGNORE_CASE,
                      IDC_KY_FIND_WHOLE_WORDS, IDC_KY_FIND_LINE_NUMBERS,  IDC_KY_FIND_BINARY_MODE,
                      IDC_KY_FIND_NAMES_ONLY,  IDC_KY_FIND_CONTEXT_LINES, IDC_KY_FIND_INVERTED};
    const Ids perl = {IDC_KY_FIND_EDITOR,        IDC_KY_FIND_PATTERN,      IDC_KY_FIND_IGNORE_CASE,
                      IDC_KY_FIND_WHOLE_WORDS,   IDC_KY_FIND_LINE_NUMBERS, IDC_KY_FIND_BINARY_MODE,
                      IDC_KY_FIND_NAMES_ONLY,    IDC_KY_FIND_XREGEX,       IDC_KY_FIND_LINE_MODE,
                      IDC_KY_FIND_DOT_MATCHES_NL};
    const struct {
        int tab;
        int dialog;
        const Ids& controls;
    } cases[] = {{kGrep, IDD_KY_FIND_GREP_PAGE, grep},
                 {kFgrep, IDD_KY_FIND_GREP_PAGE, grep},
                 {kPerl, IDD_KY_FIND_PERL_PAGE, perl}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tab);
        g_help.clear();
        Ids children;
        RunOn(c.tab, [&](KyFindGTabCtrl&, CWnd& page, SettingsHost&) {
            for (HWND child = ::GetWindow(page.m_hWnd, GW_CHILD); child != nullptr;
                 child = ::GetWindow(child, GW_HWNDNEXT))
                children.push_back(::GetDlgCtrlID(child));
            for (int id : c.controls) {
                HELPINFO info = {};
                info.cbSize = sizeof info;
                info.iContextType = HELPINFO_WINDOW;
                info.iCtrlId = id;
                info.hItemHandle = page.GetDlgItem(id)->m_hWnd;
                page.SendMessage(WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
            }
            page.SendMessage(WM_CONTEXTMENU,
                             reinterpret_cast<WPARAM>(page.GetDlgItem(IDC_KY_FIND_PATTERN)->m_hWnd),
                             MAKELPARAM(10, 10));
        });
        std::sort(children.begin(), children.end());
        Ids expected = c.controls;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(expected, children);
        ASSERT_EQ(c.controls.size() + 1, g_help.size());
        for (const HelpCall& call : g_help)
            EXPECT_EQ(TableOf(c.dialog, c.controls), call.table);
        EXPECT_EQ(static_cast<UINT>(HELP_WM_HELP), g_help.front().command);
        EXPECT_EQ(static_cast<UINT>(HELP_CONTEXTMENU), g_help.back().command);
    }
}

TEST_F(FindPageWindows, TheEditorButtonIsAsTallAsThePatternCombo)
{
    for (int tab : {kPlain, kPerl}) {
        SCOPED_TRACE(tab);
        CRect button, combo, display;
        RunOn(tab, [&](KyFindGTabCtrl& tabs, CWnd& page, SettingsHost& host) {
            page.GetDlgItem(IDC_KY_FIND_EDITOR)->GetWindowRect(&button);
            page.GetDlgItem(IDC_KY_FIND_PATTERN)->GetWindowRect(&combo);
            tabs.GetWindowRect(&display);
            if (tab == kPlain)
                Screenshot(host, "find_plain_page");
        });
        EXPECT_EQ(combo.Height(), button.Height());
        EXPECT_EQ(combo.top, button.top);
        EXPECT_LT(button.right, combo.left);
        EXPECT_TRUE(display.PtInRect(combo.BottomRight() - CSize(1, 1)));
    }
}

TEST_F(FindPageWindows, LoadAndNewPutTheFocusOnTheFirstTabStop)
{
    int afterLoad = 0, afterNew = 0;
    RunOn(kGrep, [&](KyFindGTabCtrl& tabs, CWnd& page, SettingsHost&) {
        page.GetDlgItem(IDC_KY_FIND_INVERTED)->SetFocus();
        LoadRecords(tabs, Record(4000, Kyvant::FindFlavors::Guid(KyFindGFlavor::Perl).c_str()) +
                              Record(4001, "p"));
        afterLoad = FocusId();
        tabs.GetActivePage().GetDlgItem(IDC_KY_FIND_LINE_MODE)->SetFocus();
        tabs.DocOnNew();
        tabs.DocOnFinishNew();
        PumpPending();
        afterNew = FocusId();
    });
    EXPECT_EQ(IDC_KY_FIND_EDITOR, afterLoad);
    EXPECT_EQ(IDC_KY_FIND_EDITOR, afterNew);
}

} // namespace
