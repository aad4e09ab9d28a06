// The match list: tab expansion, its columns beside the file list's
// Matches column, and the keys and clicks that make a row the current match.
#include "Panes/PanesTestSupport.h"

#include "KyFind/Gui/MatchList/FileMatchListView.h"

namespace findgtest {
namespace {

struct TabCase {
    const char* text;
    int tabSize;
    unsigned buffer;
    const char* shown;
};

TEST(MatchListTabs, ExpandToTheNextMultipleOfTheTabSize)
{
    const TabCase cases[] = {
        {"abc\tX", 8, 260, "abc     X"}, // a tab at column 3: five spaces
        {"\tX", 8, 260, "        X"},
        {"abcdefgh\tX", 8, 260, "abcdefgh        X"},
        {"a\tb\tc", 4, 260, "a   b   c"},
        {"a\tb", 1, 260, "a b"},
        {"a\tb", 0, 260, "a b"}, // a stored 0 acts as 1
        {"a\tb", 25, 260, "a                        b"},
        {"ab\tcd", 8, 6, "ab   "}, // cut to the buffer
        {"abcdef", 8, 4, "abc"},
        {"", 8, 260, ""},
    };
    for (const TabCase& c : cases)
        EXPECT_EQ(c.shown, FileMatchListView::ExpandTabs(c.text, c.tabSize, c.buffer))
            << "\"" << c.text << "\" at " << c.tabSize;
}

class MatchList : public PanesTest {
protected:
    // One file with three matches, and one more line given to the model
    // with a tab.
    void RunWithTab()
    {
        MakeFile("t.txt", "alpha 1\nalpha 2\nalpha 3\n");
        RunTask({"t.txt"});
        const std::string line = folder + "t.txt(9):x(0):abc\talpha";
        finder->GetModel().AddLine(line.c_str(), static_cast<unsigned>(line.size()));
        Kyvant::ListViewEx::SetCurSel(FileRows(), 0);
        frame->Matches().Refresh();
        PumpPending();
        ASSERT_EQ(4, MatchRows().GetItemCount());
    }

    // Client coordinates of a point in the row, or below the rows.
    LPARAM PointOfRow(int row)
    {
        RECT rect = {LVIR_BOUNDS, 0, 0, 0};
        MatchRows().SendMessage(LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&rect));
        const int height = rect.bottom - rect.top;
        return MAKELPARAM(rect.right - 20, rect.top + height / 2 + row * height);
    }
    void Click(UINT down, int row)
    {
        const bool left = down == WM_LBUTTONDOWN || down == WM_LBUTTONDBLCLK;
        const LPARAM at = PointOfRow(row);
        MatchRows().PostMessage(left ? WM_LBUTTONUP : WM_RBUTTONUP, 0, at);
        MatchRows().SendMessage(down, left ? MK_LBUTTON : MK_RBUTTON, at);
        PumpPending();
    }
};

TEST_F(MatchList, ShowsTextWithTabsExpandedAndTheLineRightAligned)
{
    RunWithTab();
    EXPECT_EQ("alpha 1", MatchCell(0, FileMatchListView::TextColumn));
    EXPECT_EQ("1", MatchCell(0, FileMatchListView::LineColumn));
    EXPECT_EQ("3", MatchCell(2, FileMatchListView::LineColumn));
    EXPECT_EQ("abc     alpha", MatchCell(3, FileMatchListView::TextColumn));
    EXPECT_EQ("9", MatchCell(3, FileMatchListView::LineColumn));

    LVCOLUMNA column = {};
    column.mask = LVCF_FMT | LVCF_WIDTH;
    MatchRows().SendMessage(LVM_GETCOLUMNA, FileMatchListView::LineColumn,
                            reinterpret_cast<LPARAM>(&column));
    EXPECT_EQ(LVCFMT_RIGHT, column.fmt & LVCFMT_JUSTIFYMASK);
    const int matchesWidth =
        FileRows().GetColumnWidth(frame->Files().GetColIndexX(FileListView::Matches));
    EXPECT_EQ(matchesWidth, Views().GetMatchesColumnWidth());
    EXPECT_GE(column.cx, matchesWidth);
    int order[2] = {};
    MatchRows().SendMessage(LVM_GETCOLUMNORDERARRAY, 2, reinterpret_cast<LPARAM>(order));
    EXPECT_EQ(FileMatchListView::LineColumn, order[0]) << "Line is shown first";
}

// The finder's lines keep their tabs, which the list expands by the tab
// size; other control bytes arrive as dots.
TEST_F(MatchList, TabsFromTheFinderAreExpandedAndControlBytesAreDots)
{
    MakeFile("t.txt", "#define ONE\talpha\n\tindented alpha\nab\tx\x01 alpha\n");
    RunTask({"t.txt"});
    Kyvant::ListViewEx::SetCurSel(FileRows(), 0);
    PumpPending();
    ASSERT_EQ(3, MatchRows().GetItemCount());
    EXPECT_EQ("#define ONE     alpha", MatchCell(0, FileMatchListView::TextColumn));
    EXPECT_EQ("        indented alpha", MatchCell(1, FileMatchListView::TextColumn));
    EXPECT_EQ("ab      x\xB7 alpha", MatchCell(2, FileMatchListView::TextColumn));
    Snapshot("KyFindG-match-list-tabs");
}

TEST_F(MatchList, EnterAndDoubleClickMakeTheCurrentMatchAndActivateTheFileView)
{
    RunWithTab();
    frame->SetActiveView(&frame->Matches());
    frame->Matches().SetFocus();
    MatchRows().SendMessage(WM_KEYDOWN, VK_RETURN, 0);
    PumpPending();
    EXPECT_EQ(0, Views().GetCurrentMatch()) << "nothing selected: the first row";
    EXPECT_EQ((Place{0, 0}), Selected());
    EXPECT_EQ(&frame->Text(), frame->GetActiveView());

    frame->SetActiveView(&frame->Matches());
    Kyvant::ListViewEx::SetCurSel(MatchRows(), 2);
    PumpPending();
    EXPECT_EQ(2, Views().GetCurrentMatch()) << "a selected row is the current match";
    EXPECT_EQ(&frame->Matches(), frame->GetActiveView()) << "without activation";
    MatchRows().SendMessage(WM_KEYDOWN, VK_RETURN, 0);
    PumpPending();
    EXPECT_EQ(&frame->Text(), frame->GetActiveView()) << "Enter on the current row";

    frame->SetActiveView(&frame->Matches());
    Click(WM_LBUTTONDOWN, 1);
    Click(WM_LBUTTONDBLCLK, 1);
    EXPECT_EQ(1, Views().GetCurrentMatch());
    EXPECT_EQ(&frame->Text(), frame->GetActiveView());
    Snapshot("KyFindG-match-list");

    Click(WM_LBUTTONDOWN, 8);
    EXPECT_EQ((Place{0, 1}), Selected()) << "a click beside the rows keeps the current match";
    Click(WM_RBUTTONDOWN, 8);
    EXPECT_EQ((Place{0, 1}), Selected());
}

// The strip left of the text: highlighted for the selected row while the
// list has the focus, the button face without it, the window colour for
// other rows.
TEST_F(MatchList, StripMarksTheSelectedRow)
{
    RunWithTab();
    Kyvant::ListViewEx::SetCurSel(MatchRows(), 1);
    frame->Matches().SetFocus();
    auto stripPixel = [this](int row) {
        MatchRows().RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
        PumpPending();
        RECT rect = {LVIR_BOUNDS, 0, 0, 0};
        MatchRows().SendMessage(LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&rect));
        RECT header = {};
        const HWND headerWnd = reinterpret_cast<HWND>(MatchRows().SendMessage(LVM_GETHEADER));
        ::SendMessageA(headerWnd, HDM_GETITEMRECT, FileMatchListView::TextColumn,
                       reinterpret_cast<LPARAM>(&header));
        HDC dc = ::GetDC(MatchRows().m_hWnd);
        const COLORREF pixel =
            ::GetPixel(dc, rect.left + header.left + 1, (rect.top + rect.bottom) / 2);
        ::ReleaseDC(MatchRows().m_hWnd, dc);
        return pixel;
    };
    EXPECT_EQ(::GetSysColor(COLOR_HIGHLIGHT), stripPixel(1));
    EXPECT_EQ(::GetSysColor(COLOR_WINDOW), stripPixel(0));
    frame->Files().SetFocus();
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), stripPixel(1));
}

// While a task runs, the rows of the current file grow on the refresh
// timer, which stops with the task.
TEST_F(MatchList, RowsFollowTheRunningTaskOnTheTimer)
{
    // One made-up file of four lines, a line every 500 ms: longer than a tick.
    SetVariable("KYTEST_TASK_LINK", "slow=4,slow-ms=500");
    TaskFrame::Answer answer;
    answer.args = {"KyFind", "-nG", "--kyvant_ide_output", "-ealpha", "@!"};
    task->Script(answer);
    ASSERT_TRUE(finder->Start());
    std::vector<int> counts;
    bool timerSeen = false;
    const bool ended = PumpUntil(
        [&] {
            const int rows = MatchRows().GetItemCount();
            if (counts.empty() || counts.back() != rows)
                counts.push_back(rows);
            timerSeen = timerSeen || frame->Matches().IsRefreshTimerRunning();
            return finder->GetCurrentJob() == nullptr && !frame->Matches().IsRefreshTimerRunning();
        },
        kTaskTimeoutMs);
    SetVariable("KYTEST_TASK_LINK", "");
    ASSERT_TRUE(ended);
    EXPECT_TRUE(timerSeen);
    EXPECT_EQ(0, Views().GetCurrentFile()) << "the first row became the current file";
    const int lines = ViewCoordinator::MatchRows(finder->GetModel().GetFile(0));
    EXPECT_EQ(lines, MatchRows().GetItemCount());
    EXPECT_GT(counts.size(), 2u) << "the rows grew while the task ran";
}

} // namespace
} // namespace findgtest
