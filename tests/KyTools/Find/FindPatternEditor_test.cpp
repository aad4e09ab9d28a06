// Tests of the Find pages' bigger pattern editor, opened with the editor
// button: what each kind of page shows in it, what it takes back on OK, and
// that Cancel changes nothing; a Perl pattern of two lines through the editor
// and the console finder.
#include "KyTools/Find/KyFindGTabCtrl.h"

#include "Find/FindDriving.h"
#include "KyGuiTool/PathLists/PathListsResource.h"
#include "standins/StandInRun.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace findtest;

struct EditorVisit {
    bool opened = false;
    std::string caption;
    std::string shown;
    // The task's modification marks while the editor was open and closed.
    int modified = 0;
};

std::string WindowText(HWND window)
{
    char text[1024] = "";
    ::GetWindowTextA(window, text, sizeof text);
    return text;
}

bool FocusInPattern(CWnd& page)
{
    const HWND combo = page.GetDlgItem(IDC_KY_FIND_PATTERN)->m_hWnd;
    const HWND focus = ::GetFocus();
    return focus == combo || ::IsChild(combo, focus);
}

class PatternEditor : public FindTabs {
protected:
    // Clicks the page's editor button; when the editor opens, its text is
    // replaced by typed (unless null) and it is closed with the button.
    EditorVisit Edit(CWnd& page, const char* typed, int button, const char* screenshot = nullptr)
    {
        EditorVisit visit;
        const int before = m_bridge->modified;
        OnNextModalIdle([&](CWnd* editor) {
            visit.opened = true;
            visit.caption = WindowText(editor->m_hWnd);
            const HWND edit = editor->GetDlgItem(IDC_KY_BIG_EDITOR_EDIT)->m_hWnd;
            visit.shown = WindowText(edit);
            if (typed != nullptr) {
                ::SendMessageA(edit, EM_SETSEL, 0, -1);
                ::SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(typed));
            }
            const HWND dialog = editor->m_hWnd;
            const auto close = [dialog, button] {
                ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                               reinterpret_cast<LPARAM>(::GetDlgItem(dialog, button)));
            };
            if (screenshot == nullptr) {
                close();
                return;
            }
            // One tick later the typed text is on the screen.
            RunSoon([dialog, screenshot, close] {
                SaveWindowPng(dialog, screenshot);
                close();
            });
        });
        // A click with the mouse on the button.
        CWnd* editorButton = page.GetDlgItem(IDC_KY_FIND_EDITOR);
        editorButton->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        editorButton->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
        PumpPending();
        OnNextModalIdle(nullptr);
        visit.modified = m_bridge->modified - before;
        return visit;
    }
};

TEST_F(PatternEditor, GrepFamilyJoinsTheEditedLines)
{
    EditorVisit cancelled, accepted;
    std::string afterCancel, afterOK;
    int selected = -2;
    bool focusBack = false;
    Accept(kEgrep, {}, "abcd");
    const INT_PTR result = RunOn(kEgrep, [&](KyFindGTabCtrl&, CWnd& page, SettingsHost& host) {
        TypePattern(page, "ab|c");
        cancelled = Edit(page, "changed", IDCANCEL);
        afterCancel = PatternText(page);
        accepted = Edit(page, "ab\r\n\r\ncd\r\n", IDOK);
        afterOK = PatternText(page);
        selected = static_cast<CComboBox*>(page.GetDlgItem(IDC_KY_FIND_PATTERN))->GetCurSel();
        focusBack = FocusInPattern(page);
        host.PressOK();
    });
    EXPECT_TRUE(cancelled.opened);
    EXPECT_EQ("Egrep", cancelled.caption);
    EXPECT_EQ("ab|c", cancelled.shown);
    EXPECT_EQ("ab|c", afterCancel);
    EXPECT_EQ(0, cancelled.modified);
    EXPECT_EQ(1, accepted.modified);
    // The joined text is the listed pattern, which is selected.
    EXPECT_EQ("abcd", afterOK);
    EXPECT_EQ(0, selected);
    EXPECT_TRUE(focusBack);
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ("-eabcd", Argv()[2]);
}

TEST_F(PatternEditor, PerlKeepsTheLinesOfItsPattern)
{
    EditorVisit first, again;
    std::string shown;
    RunOn(kPerl, [&](KyFindGTabCtrl&, CWnd& page, SettingsHost& host) {
        TypePattern(page, "foo");
        first = Edit(page, "foo\r\nbar", IDOK, "find_perl_editor");
        shown = PatternText(page);
        again = Edit(page, nullptr, IDCANCEL);
        host.PressOK();
    });
    EXPECT_EQ("Perl", first.caption);
    EXPECT_EQ("foo", first.shown);
    EXPECT_EQ(1, first.modified);
    EXPECT_EQ(0, again.modified);
    EXPECT_EQ("foo\nbar", shown);
    EXPECT_EQ("foo\r\nbar", again.shown);
    ASSERT_EQ((Args{"-zperl", "-P", "-pfoo\nbar", "-nrY", "@!"}), Argv());

    // The console finder matches the two lines as one group.
    sitest::Fixtures files("perleditor");
    files.Add("perl.txt", "begin\r\nfoo\r\nbar end\r\n");
    Args args = Argv();
    args.push_back(files("perl.txt"));
    std::string out;
    const kytest::ProgramRun run =
        kytest::RunProgram(kytest::ProgramFolder() + "KyFind.exe", args, "", {}, "", 60000, &out);
    EXPECT_EQ(0u, run.exitCode) << run.err;
    EXPECT_EQ(sitest::WithRoot("::2\n{D}perl.txt(2):x(6):foo\n{D}perl.txt(3):x(10):bar end\n",
                               files.Root()),
              out);
}

TEST_F(PatternEditor, FgrepShowsOneAlternativePerLineAndMarksTheTaskModified)
{
    EditorVisit visit;
    std::string shown;
    RunOn(kFgrep, [&](KyFindGTabCtrl&, CWnd& page, SettingsHost& host) {
        TypePattern(page, "a|b\\|c");
        visit = Edit(page, "x\r\ny|z\r\n\r\nc:\\dir\\\r\n", IDOK);
        shown = PatternText(page);
        host.PressOK();
    });
    EXPECT_EQ("Fgrep", visit.caption);
    EXPECT_EQ("a\r\nb|c", visit.shown);
    EXPECT_EQ("x|y\\|z|c:\\\\dir\\\\", shown);
    EXPECT_EQ(1, visit.modified);
    EXPECT_EQ((Args{"-nF", "--kyvant_ide_output", "-ex", "-ey|z", "-ec:\\dir\\", "@!"}), Argv());
}

TEST_F(PatternEditor, ARefusedFgrepPatternOpensNoEditor)
{
    EditorVisit visit;
    bool focusInPattern = false;
    std::string shown;
    RunOn(kFgrep, [&](KyFindGTabCtrl&, CWnd& page, SettingsHost&) {
        TypePattern(page, "a|");
        theApp.m_boxes.clear();
        visit = Edit(page, "never", IDOK);
        focusInPattern = FocusInPattern(page);
        shown = PatternText(page);
    });
    EXPECT_FALSE(visit.opened);
    EXPECT_EQ(Args{ResourceText(IDS_KY_FIND_TRAILING_BAR)}, BoxTexts());
    ASSERT_EQ(1u, theApp.m_boxes.size());
    EXPECT_EQ(static_cast<UINT>(IDS_KY_FIND_TRAILING_BAR), theApp.m_boxes[0].help);
    EXPECT_TRUE(focusInPattern);
    EXPECT_EQ("a|", shown);
}

} // namespace
