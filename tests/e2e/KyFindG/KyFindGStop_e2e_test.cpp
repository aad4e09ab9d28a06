// Stopping KyFindG's task from outside: a finder that ignores the request
// is offered for termination by the Task Status dialog at the watchdog's
// second tick, End Task ends it and the window stays usable; Stop is
// enabled only while a task runs; closing during a task stops it first.
#include "KyFindG/KyFindGDriving.h"

using namespace kytest::gui;
using namespace findge2e;

namespace {

const int kStopCommand = 32776;
const int kNewCommand = 57600;
const int kDiscardCommand = 32778;
const int kEndTaskButton = 1022;
// The watchdog's first tick comes 500 ms after Stop, the second 10 s later,
// the third 10 s after that. A loaded machine may show the dialog late, but
// not before the second tick, and not as late as the third.
const DWORD kSecondTickMs = 10500;
const DWORD kThirdTickMs = 20500;
const DWORD kTickSlackMs = 1000;
const char kSlowStream[] = "KYTEST_TASK_LINK=slow=20000,slow-ms=20";

} // namespace

TEST(KyFindGStop, TaskStatusDialogEndsAFinderThatIgnoresStop)
{
    const std::string folder = WriteFixture(false);
    HandOverPaths({folder});
    Session session;
    ASSERT_TRUE(session.Start("alpha", {std::string(kSlowStream) + ",ignore-goaway"}));
    HWND list = FileList(session.frame);
    HWND status = StatusBar(session.frame);
    ASSERT_TRUE(WaitFor([&] { return ListRowCount(list) > 0; }, kStartMs))
        << "[" << StatusText(status, 0) << "] " << DescribeWindows(session.program.Pid());
    EXPECT_TRUE(WaitFor([&] { return ButtonEnabled(session.frame, kStopCommand); }, 5000));
    EXPECT_TRUE(WaitFor([&] { return StatusText(status, 0) == "Working..."; }, 5000))
        << StatusText(status, 0);

    const DWORD stopped = GetTickCount();
    Command(session.frame, kStopCommand);
    EXPECT_TRUE(WaitFor([&] { return StatusText(status, 0) == "Stopping..."; }, 5000));
    HWND taskStatus = WaitForWindow(session.program.Pid(), "#32770", "Task Status", kThirdTickMs);
    ASSERT_NE(nullptr, taskStatus) << DescribeWindows(session.program.Pid());
    const DWORD shownAfter = GetTickCount() - stopped;
    EXPECT_GE(shownAfter, kSecondTickMs - kTickSlackMs);
    EXPECT_LT(shownAfter, kThirdTickMs);
    Screenshot(taskStatus, kArtifacts, "03-task-status");
    Click(Control(taskStatus, kEndTaskButton));

    ASSERT_TRUE(session.Idle());
    EXPECT_TRUE(WaitFor([&] { return !ButtonEnabled(session.frame, kStopCommand); }, 5000));
    EXPECT_GT(ListRowCount(list), 0);
    Screenshot(session.frame, kArtifacts, "04-after-end-task");

    // The window goes on: its results can be discarded.
    Command(session.frame, kDiscardCommand);
    EXPECT_TRUE(WaitFor([&] { return ListRowCount(list) == 0; }, 5000));
    EXPECT_TRUE(IsWindowVisible(session.frame));
    session.Close();
    EXPECT_EQ(kInteractiveExitCode, session.program.Wait(kStartMs))
        << DescribeWindows(session.program.Pid());
    kytest::RemoveTree(folder);
}

// A new task whose dialog is cancelled leaves the window usable; closed at
// once (while the start still serves messages) it ends cleanly.
TEST(KyFindGStop, CancelledNewTaskThenClose)
{
    const std::string folder = WriteFixture(false);
    HandOverPaths({folder});
    Session session;
    ASSERT_TRUE(session.Start("alpha"));
    ASSERT_TRUE(session.Idle());
    Command(session.frame, kNewCommand);
    HWND dialog = WaitForWindow(session.program.Pid(), "#32770", kDialogTitle, kStartMs);
    ASSERT_NE(nullptr, dialog);
    Click(Control(dialog, IDCANCEL));
    EXPECT_TRUE(session.Idle());
    EXPECT_TRUE(IsWindowVisible(session.frame));
    session.Close();
    EXPECT_EQ(kInteractiveExitCode, session.program.Wait(kStartMs))
        << DescribeWindows(session.program.Pid());
    kytest::RemoveTree(folder);
}

TEST(KyFindGStop, ClosingDuringATaskStopsItFirst)
{
    const std::string folder = WriteFixture(false);
    HandOverPaths({folder});
    Session session;
    ASSERT_TRUE(session.Start("alpha", {kSlowStream}));
    HWND list = FileList(session.frame);
    ASSERT_TRUE(WaitFor([&] { return ListRowCount(list) > 0; }, kStartMs));
    EXPECT_TRUE(ButtonEnabled(session.frame, kStopCommand));
    session.Close();
    EXPECT_EQ(kInteractiveExitCode, session.program.Wait(kStartMs));
    kytest::RemoveTree(folder);
}
