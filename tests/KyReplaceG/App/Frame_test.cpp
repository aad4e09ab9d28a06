// The frame of the running program: its bars (tool bar, the tab-size bar in
// a rebar band labelled "Tab size", the status bar with the Indexing Service
// pane), the status texts shown through the status timer with the animation,
// the tab-size box driven by keys, and the minimum size.
#include "App/AppUnderTest.h"

#include "KyGui/Helpers/WndEx.h"
#include "KyGuiTool/App/AppResource.h"
#include "KyReplace/Gui/Frame/FrameResource.h"
#include "KyReplace/Gui/View/ReplaceViewResource.h"

#include <gtest/gtest.h>

#include <afxpriv.h>

#include <string>

using namespace apptest;

namespace {

const DWORD kStatusWaitMs = 3000;

class FrameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(StartOnce().result);
        ASSERT_TRUE(WaitForEnd());
        App().boxes.clear();
        App().answerBox = nullptr;
    }
    void TearDown() override { App().answerBox = nullptr; }
};

std::string ComboText()
{
    CString text;
    Frame().GetTabSizeCombo().GetWindowText(text);
    return static_cast<const char*>(text);
}

HWND ComboEdit()
{
    return Frame().GetTabSizeCombo().GetEditCtrl()->m_hWnd;
}

// Typing into the tab-size box and ending with a key, through the program's
// message loop as the keyboard's messages go.
void TypeIntoTabSize(const char* text, UINT endKey)
{
    ::SetFocus(ComboEdit());
    ::SetWindowTextA(ComboEdit(), text);
    ::PostMessageA(ComboEdit(), WM_KEYDOWN, endKey, 0);
    ::PostMessageA(ComboEdit(), WM_KEYUP, endKey, 0);
    PumpPosted();
}

bool BeforeHasFocus()
{
    return ::GetFocus() == View().GetDlgItem(IDC_KY_REPLACE_BEFORE)->m_hWnd;
}

} // namespace

TEST_F(FrameTest, BarsAndPanes)
{
    const HWND bands = Frame().GetReBar().m_hWnd;
    ASSERT_EQ(2, ::SendMessageA(bands, RB_GETBANDCOUNT, 0, 0));
    char label[32] = "";
    REBARBANDINFOA band = {};
    band.cbSize = sizeof band;
    band.fMask = RBBIM_TEXT;
    band.lpText = label;
    band.cch = sizeof label;
    ASSERT_TRUE(::SendMessageA(bands, RB_GETBANDINFOA, 1, reinterpret_cast<LPARAM>(&band)));
    EXPECT_STREQ("Tab size", label);
    CStatusBar& status = Frame().GetStatusBar();
    EXPECT_EQ(1, status.CommandToIndex(ID_KY_INDEXING_SERVICE_MESSAGE));
    EXPECT_EQ(20, Frame().GetTabSizeCombo().GetCount());
}

// Status ids go through the timer: the last one set wins; "Paused" and the
// idle text stop the animation, the others start it.
TEST_F(FrameTest, StatusTextsAndTheAnimation)
{
    const struct {
        UINT id;
        const char* text;
        bool animating;
    } cases[] = {
        {IDS_KY_REPLACE_WORKING, "Working...", true},
        {IDS_KY_REPLACE_PAUSED, "Paused", false},
        {IDS_KY_REPLACE_STOPPING, "Stopping...", true},
        {AFX_IDS_IDLEMESSAGE, "Ready", false},
    };
    for (const auto& c : cases) {
        Frame().SetStatus(IDS_KY_REPLACE_PAUSING);
        Frame().SetStatus(c.id);
        EXPECT_TRUE(PumpUntil([&c] { return StatusText() == c.text; }, kStatusWaitMs))
            << c.text << " / " << StatusText();
        EXPECT_EQ(c.animating, Frame().IsAnimating()) << c.text;
    }
}

// A click on Replace sets the engine working ("Working...", shown once the
// status timer fires unless the next question comes first); at the task's
// end the idle text stops the animation.
TEST_F(FrameTest, WorkingWhileTheEngineWorks)
{
    StartTask({"one cat\n", "two cats\n"}, {"-pcat", "-qdog"});
    ASSERT_TRUE(WaitForQuestion());
    Click(IDC_KY_REPLACE_ANSWER_REPLACE);
    EXPECT_EQ(static_cast<UINT>(IDS_KY_REPLACE_WORKING), Frame().GetStatusId());
    ASSERT_TRUE(WaitForQuestion());
    Click(IDC_KY_REPLACE_ANSWER_SKIP);
    EXPECT_EQ(static_cast<UINT>(IDS_KY_REPLACE_WORKING), Frame().GetStatusId());
    ASSERT_TRUE(WaitForEnd());
    EXPECT_TRUE(PumpUntil([] { return StatusText() == "Ready"; }, kStatusWaitMs));
    EXPECT_FALSE(Frame().IsAnimating());
}

// An engine that waits before each file shows "Working..." until Stop
// pauses it: "Paused" shows while the question to stop is asked; OK ends
// the task and the idle text comes back.
TEST_F(FrameTest, WorkingAndPausedInTheStatusBar)
{
    EngineOptions pausing("--test-pause-per-file");
    StartTask({"a cat\n"}, {"-N", "-pcat", "-qdog"});
    ASSERT_TRUE(View().TaskRunning());
    EXPECT_TRUE(PumpUntil([] { return StatusText() == "Working..."; }, kStatusWaitMs))
        << StatusText();
    EXPECT_TRUE(Frame().IsAnimating());
    std::string atQuestion;
    App().answerBox = [&atQuestion](const std::string& prompt) {
        PumpUntil([] { return StatusText() == "Paused"; }, kStatusWaitMs);
        atQuestion = prompt + " / " + StatusText();
        return IDOK;
    };
    Command(ID_TASK_STOP);
    ASSERT_TRUE(WaitForEnd());
    EXPECT_EQ("Stop this Replace Task? / Paused", atQuestion);
    EXPECT_TRUE(PumpUntil([] { return StatusText() == "Ready"; }, kStatusWaitMs));
    EXPECT_FALSE(Frame().IsAnimating());
}

// Enter takes the typed size within 1 to 20; Escape and leaving the box
// show the current size again; a chosen item is taken; the focus goes back
// to Before.
TEST_F(FrameTest, TabSizeBox)
{
    TypeIntoTabSize("0", VK_RETURN);
    EXPECT_EQ(1, View().Options().tabSize);
    EXPECT_EQ("1", ComboText());
    EXPECT_TRUE(BeforeHasFocus());

    TypeIntoTabSize("50", VK_RETURN);
    EXPECT_EQ(20, View().Options().tabSize);
    EXPECT_EQ("20", ComboText());

    TypeIntoTabSize("7", VK_ESCAPE);
    EXPECT_EQ(20, View().Options().tabSize);
    EXPECT_EQ("20", ComboText());
    EXPECT_TRUE(BeforeHasFocus());

    ::SetFocus(ComboEdit());
    ::SetWindowTextA(ComboEdit(), "5");
    View().GetDlgItem(IDC_KY_REPLACE_LOG)->SetFocus();
    PumpPosted();
    EXPECT_EQ(20, View().Options().tabSize);
    EXPECT_EQ("20", ComboText());

    CComboBoxEx& combo = Frame().GetTabSizeCombo();
    combo.SetCurSel(3);
    Frame().SendMessage(WM_COMMAND, MAKEWPARAM(IDC_TAB_SIZE_COMBO, CBN_SELENDOK),
                        reinterpret_cast<LPARAM>(combo.m_hWnd));
    EXPECT_EQ(4, View().Options().tabSize);
    EXPECT_EQ("4", ComboText());
    EXPECT_TRUE(BeforeHasFocus());

    TypeIntoTabSize("8", VK_RETURN);
    EXPECT_EQ(8, View().Options().tabSize);
}

// The frame keeps at least the size it had when its placement was restored.
TEST_F(FrameTest, MinimumTrackingSize)
{
    MINMAXINFO info = {};
    Frame().SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    const CSize least = Frame().GetMinTrackSize();
    EXPECT_GT(least.cx, 0);
    EXPECT_EQ(least.cx, info.ptMinTrackSize.x);
    EXPECT_EQ(least.cy, info.ptMinTrackSize.y);
}

// The end of the session keeps the frame's placement.
TEST_F(FrameTest, EndOfSessionSavesThePlacement)
{
    CRect was;
    Frame().GetWindowRect(&was);
    const CRect moved(was.left + 15, was.top + 10, was.right + 35, was.bottom + 20);
    Frame().MoveWindow(&moved);
    Frame().SendMessage(WM_ENDSESSION, TRUE, 0);
    CWnd probe;
    ASSERT_TRUE(probe.CreateEx(0, AfxRegisterWndClass(0), "probe", WS_OVERLAPPEDWINDOW,
                               CRect(0, 0, 100, 100), nullptr, 0));
    Kyvant::WndEx::RestoreWindowState(probe, App().GetRegKey().get(), CMainFrame::kPlacementValue,
                                      true, CSize(0, 0));
    CRect restored;
    probe.GetWindowRect(&restored);
    probe.DestroyWindow();
    EXPECT_EQ(moved, restored);
    Frame().MoveWindow(&was);
}

// A click on the Indexing Service pane shows the stored message.
TEST_F(FrameTest, IndexingServicePaneShowsTheMessage)
{
    App().SetIndexingServiceMessage("3 files found in the catalog");
    const int pane = Frame().GetStatusBar().CommandToIndex(ID_KY_INDEXING_SERVICE_MESSAGE);
    // The pane announces the message with its icon at the next idle update.
    ASSERT_TRUE(PumpUntil(
        [pane] {
            return Frame().GetStatusBar().SendMessage(SB_GETICON, static_cast<WPARAM>(pane)) != 0;
        },
        kStatusWaitMs));
    NMMOUSE click = {};
    click.hdr.hwndFrom = Frame().GetStatusBar().m_hWnd;
    click.hdr.idFrom = AFX_IDW_STATUS_BAR;
    click.hdr.code = NM_CLICK;
    click.dwItemSpec = static_cast<DWORD_PTR>(pane);
    Frame().SendMessage(WM_NOTIFY, AFX_IDW_STATUS_BAR, reinterpret_cast<LPARAM>(&click));
    ASSERT_EQ(1u, App().boxes.size());
    EXPECT_EQ("3 files found in the catalog", App().boxes.front());
    App().ClearIndexingServiceMessage();
}
