// The Dir frame over the program's document: a New runs a task and lists
// it with the grouped count, the status follows the selection and the
// task, the task commands are enabled by the listing, Find in Current
// Results hands the listed files to a new task, closing stops a running
// task and keeps the placement, a close during a task's start waits for
// it, and the task dialog's request is refused in a modal state or with no
// task starting.
#include "Frame/FrameTestSupport.h"

#include "KyDir/Gui/Task/TaskLink.h"
#include "KyGuiTool/App/KyGuiApp.h"
#include "KyStd/Registry/RegValues.h"
#include "common/SplitText.h"

#include <afxres.h>

using namespace dirgtest;

namespace {

using DirFrame = FrameTest;

const char kAppKey[] = "Software\\Kyvant\\Tools\\KyDirG";

std::string RegistryText(const char* subkey, const char* value)
{
    Kyvant::RegKey key(HKEY_CURRENT_USER, (std::string(kAppKey) + "\\" + subkey).c_str());
    Kyvant::ky_S text;
    text.LoadStringA(key.get(), value, "");
    return text.c_str();
}

} // namespace

TEST_F(DirFrame, CountsAreGroupedAndSingular)
{
    EXPECT_STREQ("1 object", CMainFrame::CountText(1));
    EXPECT_STREQ("0 objects", CMainFrame::CountText(0));
    EXPECT_STREQ("1,234 objects", CMainFrame::CountText(1234));
    EXPECT_STREQ("1,234,567 objects", CMainFrame::CountText(1234567));
}

TEST_F(DirFrame, ATaskListsWithCountAndSelectionInTheStatus)
{
    for (const char* name : {"a.txt", "b.txt", "c.txt"})
        kytest::WriteFile(folder + name, name);
    EXPECT_TRUE(Enabled(ID_FILE_NEW));
    EXPECT_FALSE(Enabled(ID_TASK_DISCARD));
    EXPECT_FALSE(Enabled(ID_TASK_SAVE_AS));
    EXPECT_FALSE(Enabled(ID_TASK_FIND_IN_RESULTS));
    EXPECT_FALSE(Enabled(ID_TASK_STOP));

    RunTask({"@p" + folder + "*"});
    EXPECT_EQ(1, ScriptedFrame::Asks());
    ASSERT_EQ(3, List().GetItemCount());
    EXPECT_EQ("3 objects", Pane(ID_INDICATOR_COUNT));
    EXPECT_EQ("Ready", Pane(0));
    EXPECT_FALSE(frame->IsWorkingCursorShown());
    EXPECT_TRUE(Enabled(ID_TASK_DISCARD));
    EXPECT_TRUE(Enabled(ID_TASK_SAVE_AS));
    EXPECT_TRUE(Enabled(ID_TASK_FIND_IN_RESULTS));
    EXPECT_FALSE(Enabled(ID_TASK_STOP));

    Select({1});
    Idle();
    EXPECT_EQ("1 object selected", Pane(0));
    Select({0, 2});
    Idle();
    EXPECT_EQ("2 objects selected", Pane(0));
    Snapshot("KyDirG-frame-listing");
    Select({});
    Idle();
    EXPECT_EQ("Ready", Pane(0));

    Command(ID_TASK_DISCARD);
    Idle();
    EXPECT_EQ(0, List().GetItemCount());
    EXPECT_EQ("0 objects", Pane(ID_INDICATOR_COUNT));
    EXPECT_FALSE(Enabled(ID_TASK_DISCARD));
}

TEST_F(DirFrame, ARunningTaskShowsWorkingAndEnablesStopOnly)
{
    kytest::WriteFile(folder + "a.txt", "a");
    // A stream that outlasts the checks below on a loaded machine (40 s).
    SetVariable("KYTEST_TASK_LINK", "slow=4000,slow-ms=10");
    ScriptedFrame::Answers().push_back(Accept({"@p" + folder + "*"}));
    New();
    ASSERT_TRUE(GetFinder().IsRunning());
    ASSERT_TRUE(PumpUntil([this] { return frame->GetStatusId() == IDS_STATUS_WORKING; }, 10000));
    EXPECT_TRUE(PumpUntil([this] { return Pane(0) == "Working..."; }, 10000)) << Pane(0);
    EXPECT_TRUE(PumpUntil([this] { return frame->IsWorkingCursorShown(); }, 10000))
        << "the status timer shows the working cursor";
    EXPECT_TRUE(Enabled(ID_TASK_STOP));
    EXPECT_FALSE(Enabled(ID_TASK_DISCARD));
    EXPECT_FALSE(Enabled(ID_TASK_SAVE_AS));

    Command(ID_TASK_STOP);
    EXPECT_EQ(nullptr, GetFinder().GetCurrentJob()) << "Stop waits for the task's end";
    Idle();
    EXPECT_EQ("Ready", Pane(0));
    EXPECT_FALSE(frame->IsWorkingCursorShown());
    EXPECT_LT(List().GetItemCount(), 4001) << "the task went before it had listed everything";
}

TEST_F(DirFrame, FindInCurrentResultsHandsTheListedFilesToANewTask)
{
    Command(ID_TASK_FIND_IN_RESULTS);
    EXPECT_EQ(0, ScriptedFrame::Asks()) << "an empty list starts nothing";

    for (const char* name : {"a.txt", "b.txt"})
        kytest::WriteFile(folder + name, name);
    RunTask({"@p" + folder + "*"});
    ASSERT_EQ(2, List().GetItemCount());
    ScriptedFrame::Answer cancel;
    cancel.accept = false;
    ScriptedFrame::Answers().push_back(cancel);
    Command(ID_TASK_FIND_IN_RESULTS);
    PumpUntil([this] { return GetFinder().GetCurrentJob() == nullptr; }, kTimeoutMs);
    EXPECT_EQ(2, ScriptedFrame::Asks()) << "New asked for a task dialog";
    const std::string paths = RegistryText("ShellExArgs", "PathsFile");
    ASSERT_NE("", paths);
    std::vector<std::string> lines;
    for (std::string line : kytest::Split(kytest::ReadFile(paths), '\n')) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty())
            lines.push_back(line);
    }
    EXPECT_EQ(std::vector<std::string>({folder + "a.txt", folder + "b.txt"}), lines);
}

TEST_F(DirFrame, ClosingStopsARunningTaskAndKeepsThePlacement)
{
    kytest::WriteFile(folder + "a.txt", "a");
    SetVariable("KYTEST_TASK_LINK", "slow=2000,slow-ms=10");
    ScriptedFrame::Answers().push_back(Accept({"@p" + folder + "*"}));
    New();
    ASSERT_TRUE(GetFinder().IsRunning());
    const HANDLE tool = GetFinder().GetCurrentJob()->GetProcess().get();
    HANDLE watched = nullptr;
    ASSERT_TRUE(DuplicateHandle(GetCurrentProcess(), tool, GetCurrentProcess(), &watched,
                                SYNCHRONIZE, FALSE, 0));
    frame->MoveWindow(30, 40, 700, 400);
    Close();
    EXPECT_FALSE(::IsWindow(frameWindow()));
    EXPECT_EQ(static_cast<DWORD>(WAIT_OBJECT_0), WaitForSingleObject(watched, 10000))
        << "the tool ended";
    CloseHandle(watched);
    Kyvant::RegKey window(HKEY_CURRENT_USER, (std::string(kAppKey) + "\\Window").c_str());
    EXPECT_EQ(700u, Kyvant::GetRegistryDWORD(window.get(), "x2", 0) -
                        Kyvant::GetRegistryDWORD(window.get(), "x1", 0));
}

// A close that comes while a new task starts (its dialog then cancelled)
// waits for the start: the frame, its document and the task controller
// are still there when New returns, and the close follows.
TEST_F(DirFrame, AClosingDuringANewTasksStartWaitsForTheStart)
{
    kytest::WriteFile(folder + "a.txt", "a");
    RunTask({"@p" + folder + "*"});
    ASSERT_EQ(1, List().GetItemCount());
    ScriptedFrame::Answer cancel;
    cancel.accept = false;
    ScriptedFrame::Answers().push_back(cancel);
    frame->PostMessage(WM_CLOSE);
    New();
    EXPECT_EQ(2, ScriptedFrame::Asks());
    ASSERT_TRUE(::IsWindow(frameWindow()));
    EXPECT_EQ(nullptr, GetFinder().GetCurrentJob());
    if (theApp.m_pMainWnd == frame)
        theApp.m_pMainWnd = nullptr; // its end must not end the tests' loop
    PumpPending();
    EXPECT_FALSE(::IsWindow(frameWindow()));
}

TEST_F(DirFrame, TheDialogRequestIsRefusedInAModalState)
{
    kytest::WriteFile(folder + "a.txt", "a");
    ScriptedFrame::Answers().push_back(Accept({"@p" + folder + "*"}));
    frame->BeginModalState();
    New();
    frame->EndModalState();
    PumpUntil([this] { return GetFinder().GetCurrentJob() == nullptr; }, kTimeoutMs);
    EXPECT_EQ(0, ScriptedFrame::Asks());
    EXPECT_EQ(0, List().GetItemCount());
    EXPECT_EQ(1u, ScriptedFrame::Answers().size());
}

// A request that no starting task waits for (none at all, or one already
// running) runs no dialog: nothing could take its answer.
TEST_F(DirFrame, TheDialogRequestWithNoTaskStartingRunsNoDialog)
{
    frame->SendMessage(Kyvant::DirTask::kToolMessage, Kyvant::DirTask::kAskForDialog, 0);
    EXPECT_EQ(0, ScriptedFrame::Asks());

    kytest::WriteFile(folder + "a.txt", "a");
    SetVariable("KYTEST_TASK_LINK", "slow=2000,slow-ms=10");
    ScriptedFrame::Answers().push_back(Accept({"@p" + folder + "*"}));
    ScriptedFrame::Answers().push_back(Accept({"@p" + folder + "*"}));
    New();
    ASSERT_TRUE(GetFinder().IsRunning());
    frame->SendMessage(Kyvant::DirTask::kToolMessage, Kyvant::DirTask::kAskForDialog, 0);
    EXPECT_EQ(1, ScriptedFrame::Asks());
    EXPECT_EQ(1u, ScriptedFrame::Answers().size());
    EXPECT_TRUE(GetFinder().IsRunning());
    EXPECT_TRUE(theApp.m_boxes.empty()) << theApp.m_boxes.front();
    GetFinder().Stop();
}

TEST_F(DirFrame, TheSessionEndsOnlyOutsideModalStatesAndItsEndStopsTheTask)
{
    frame->BeginModalState();
    EXPECT_FALSE(frame->SendMessage(WM_QUERYENDSESSION));
    frame->EndModalState();
    EXPECT_EQ(std::vector<std::string>{"Please close this application before shutting down."},
              theApp.m_boxes);
    EXPECT_TRUE(frame->SendMessage(WM_QUERYENDSESSION));

    kytest::WriteFile(folder + "a.txt", "a");
    SetVariable("KYTEST_TASK_LINK", "slow=2000,slow-ms=10");
    ScriptedFrame::Answers().push_back(Accept({"@p" + folder + "*"}));
    New();
    ASSERT_TRUE(GetFinder().IsRunning());
    frame->SendMessage(WM_ENDSESSION, TRUE);
    EXPECT_EQ(nullptr, GetFinder().GetCurrentJob()) << "the end of the session stopped the task";
}
