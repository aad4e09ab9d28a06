// The coordinator's walk through the results: next and previous match and
// file over the selected rows, the notices past the ends, and the last
// match of the last file reached from nothing selected.
#include "Panes/PanesTestSupport.h"

namespace findgtest {
namespace {

class Navigation : public PanesTest {
protected:
    // Two files: the first with two matches, the second with one.
    void RunTwoFiles()
    {
        MakeFile("a.txt", "alpha one\nbeta\nalpha two\n");
        MakeFile("b.txt", "gamma\nalpha three\n");
        RunTask({"a.txt", "b.txt"});
        ASSERT_EQ(2, FileRows().GetItemCount());
        SelectNothing();
    }

    void SelectNothing()
    {
        FileRows().SetItemState(-1, 0, LVIS_SELECTED);
        MatchRows().SetItemState(-1, 0, LVIS_SELECTED);
    }

    void ExpectNotice(UINT id, const char* text)
    {
        EXPECT_EQ((Place{-1, -1}), Selected()) << "both selections cleared";
        EXPECT_EQ(-1, Views().GetCurrentMatch());
        ASSERT_FALSE(frame->m_statusIds.empty());
        EXPECT_EQ(id, frame->m_statusIds.back());
        EXPECT_TRUE(frame->m_statusAtOnce.back()) << "shown at once";
        EXPECT_EQ(text, StatusText());
        EXPECT_TRUE(frame->Status().IsNotice());
    }

    // A pixel of the message pane beside its text.
    COLORREF MessagePanePixel()
    {
        frame->Status().RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        PumpPending();
        CRect pane;
        frame->Status().GetItemRect(0, &pane);
        HDC dc = ::GetDC(frame->Status().m_hWnd);
        const COLORREF pixel = ::GetPixel(dc, pane.right - 6, (pane.top + pane.bottom) / 2);
        ::ReleaseDC(frame->Status().m_hWnd, dc);
        return pixel;
    }
};

TEST_F(Navigation, NextMatchWalksEveryMatchThenPassesTheLastHighlighted)
{
    RunTwoFiles();
    const std::vector<Place> walk = {{0, 0}, {0, 1}, {1, 0}};
    for (const Place& place : walk) {
        Command(ID_NEXT_MATCH);
        EXPECT_EQ(place, Selected());
        EXPECT_EQ(place.file, Views().GetCurrentFile());
        EXPECT_EQ(place.match, Views().GetCurrentMatch());
        EXPECT_EQ("Ready", StatusText());
        EXPECT_FALSE(frame->Status().IsNotice());
    }
    EXPECT_EQ(&frame->Text(), frame->GetActiveView()) << "each match activates the file view";
    const COLORREF idle = MessagePanePixel();

    Command(ID_NEXT_MATCH);
    ExpectNotice(IDS_PASSED_LAST_MATCH, "Passed the last match");
    EXPECT_EQ(::GetSysColor(COLOR_HIGHLIGHT), MessagePanePixel());
    EXPECT_NE(idle, ::GetSysColor(COLOR_HIGHLIGHT));
    Snapshot("KyFindG-passed-last-match");
    EXPECT_EQ(1, Kyvant::ListViewEx::GetFocusItem(FileRows())) << "the focus stays on the file";

    Command(ID_PREVIOUS_MATCH);
    EXPECT_EQ((Place{1, 0}), Selected()) << "the last match of the last file";
    EXPECT_EQ("Ready", StatusText());
    EXPECT_NE(::GetSysColor(COLOR_HIGHLIGHT), MessagePanePixel());
}

TEST_F(Navigation, PreviousMatchWalksBackToThePassedFirstNotice)
{
    RunTwoFiles();
    Command(ID_PREVIOUS_MATCH);
    EXPECT_EQ((Place{1, 0}), Selected()) << "nothing selected: the very last match";
    Command(ID_PREVIOUS_MATCH);
    EXPECT_EQ((Place{0, 1}), Selected()) << "the last match of the file before";
    Command(ID_PREVIOUS_MATCH);
    EXPECT_EQ((Place{0, 0}), Selected());
    Command(ID_PREVIOUS_MATCH);
    ExpectNotice(IDS_PASSED_FIRST_MATCH, "Passed the first match");
    Command(ID_SINGLE_KEY_BROWSE);
    EXPECT_EQ((Place{0, 0}), Selected()) << "Space starts again at the first match";
}

TEST_F(Navigation, NextAndPreviousFileMoveRowByRow)
{
    MakeFile("a.txt", "alpha\n");
    MakeFile("b.txt", "alpha\nalpha\n");
    MakeFile("c.txt", "alpha\n");
    RunTask({"a.txt", "b.txt", "c.txt"});
    ASSERT_EQ(3, FileRows().GetItemCount());
    SelectNothing();
    for (int file = 0; file < 3; ++file) {
        Command(ID_NEXT_FILE);
        EXPECT_EQ((Place{file, 0}), Selected());
    }
    Command(ID_NEXT_FILE);
    ExpectNotice(IDS_PASSED_LAST_MATCH, "Passed the last match");
    for (int file = 2; file >= 0; --file) {
        Command(ID_PREVIOUS_FILE);
        EXPECT_EQ((Place{file, 0}), Selected()) << "each file's first match";
    }
    Command(ID_PREVIOUS_FILE);
    ExpectNotice(IDS_PASSED_FIRST_MATCH, "Passed the first match");
}

// The first and last match of the current file; a file row chosen in the
// list shows its file and empties the match choice.
TEST_F(Navigation, FirstAndLastMatchOfTheCurrentFile)
{
    RunTwoFiles();
    Kyvant::ListViewEx::SetCurSel(FileRows(), 0);
    PumpPending();
    EXPECT_EQ(0, Views().GetCurrentFile());
    EXPECT_EQ(-1, Views().GetCurrentMatch());
    EXPECT_EQ(2, MatchRows().GetItemCount());
    EXPECT_TRUE(frame->Text().IsShowingFile());
    EXPECT_NE(std::string::npos, Title().find("a.txt - KyFindG"));
    Views().LastMatch();
    EXPECT_EQ((Place{0, 1}), Selected());
    Views().FirstMatch();
    EXPECT_EQ((Place{0, 0}), Selected());

    Views().SetCurrentFile(5);
    EXPECT_EQ(-1, Views().GetCurrentFile()) << "a row outside the list";
    EXPECT_EQ(0, MatchRows().GetItemCount());
    EXPECT_FALSE(frame->Text().IsShowingFile());
    EXPECT_EQ(0, Kyvant::ListViewEx::GetFocusItem(FileRows()));
}

// A file gone since the task: its error is shown and the view stays empty.
TEST_F(Navigation, FileGoneSinceTheTaskIsAnErrorShown)
{
    RunTwoFiles();
    ASSERT_TRUE(DeleteFileA((folder + "b.txt").c_str()));
    Command(ID_NEXT_FILE);
    EXPECT_TRUE(theApp.m_boxes.empty());
    Command(ID_NEXT_FILE);
    ASSERT_EQ(1u, theApp.m_boxes.size());
    EXPECT_NE(std::string::npos, theApp.m_boxes[0].find("No such file")) << theApp.m_boxes[0];
    EXPECT_FALSE(frame->Text().IsShowingFile());
    EXPECT_TRUE(frame->Text().IsEmpty());
    Command(ID_PREVIOUS_FILE);
    EXPECT_EQ((Place{0, 0}), Selected()) << "the other file still shows";
    EXPECT_TRUE(frame->Text().IsShowingFile());
}

// Discarding the results empties every pane and makes the file list active.
TEST_F(Navigation, DiscardEmptiesThePanes)
{
    RunTwoFiles();
    Command(ID_NEXT_MATCH);
    ASSERT_TRUE(frame->Text().IsShowingFile());
    finder->Discard();
    EXPECT_EQ(0, FileRows().GetItemCount());
    EXPECT_EQ(0, MatchRows().GetItemCount());
    EXPECT_FALSE(frame->Text().IsShowingFile());
    EXPECT_TRUE(frame->Text().IsEmpty());
    EXPECT_EQ(&frame->Files(), frame->GetActiveView());
    EXPECT_EQ(-1, Views().GetCurrentFile());
    EXPECT_EQ("KyFindG", Title());
}

// The panes may go before the finder that holds their coordinator: it
// shows nothing any more, and its reset touches no pane.
TEST_F(Navigation, PanesDestroyedBeforeTheirCoordinator)
{
    RunTwoFiles();
    Command(ID_NEXT_MATCH);
    frame->DestroyWindow();
    frame = nullptr;
    EXPECT_FALSE(Views().IsBound());
    Views().Reset();
    Views().NextMatch(true);
    EXPECT_EQ(-1, Views().GetCurrentFile());
}

} // namespace
} // namespace findgtest
