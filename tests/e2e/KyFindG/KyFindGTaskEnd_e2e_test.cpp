// The end of KyFindG's task when the finder goes on running after its
// results (with its message pipe closed, or still open): every file is
// listed, the window answers and repaints while it waits for the finder,
// the Task Status dialog offers to end it, and End Task brings "Ready".
#include "KyFindG/KyFindGDriving.h"
#include "TaskEndWaits.h"

using namespace kytest::gui;
using namespace taskend;
using namespace findge2e;

namespace {

const int kFixtureRows = 3; // the fixture's files with "alpha"

const Lingering kLingering[] = {
    {"KYTEST_TASK_LINK=linger=60000", "20-waiting-for-the-finder"},
    {"KYTEST_TASK_LINK=linger=60000,keep-stderr", "21-waiting-for-the-finder-messages"},
};

} // namespace

TEST(KyFindGTaskEnd, AFinderThatRunsOnAfterItsResultsIsEndedThroughTaskStatus)
{
    for (const Lingering& lingering : kLingering) {
        SCOPED_TRACE(lingering.switches);
        const std::string folder = WriteFixture(false);
        HandOverPaths({folder});
        Session session;
        ASSERT_TRUE(session.Start("alpha", {lingering.switches}));
        HWND list = FileList(session.frame);
        ASSERT_TRUE(WaitFor([&] { return ListRowCount(list) == kFixtureRows; }, kStartMs));
        // The results have ended; the window waits for the finder and serves
        // its messages meanwhile.
        EXPECT_TRUE(Answers(session.frame));
        EXPECT_TRUE(Repaints(session.frame, list));
        Screenshot(session.frame, kArtifacts, lingering.shot);
        HWND taskStatus =
            WaitForWindow(session.program.Pid(), "#32770", "Task Status", kTaskStatusMs);
        ASSERT_NE(nullptr, taskStatus) << DescribeWindows(session.program.Pid());
        Screenshot(taskStatus, kArtifacts, std::string(lingering.shot) + "-task-status");
        // Still working for the user while the tool runs on.
        EXPECT_TRUE(WaitFor([&] { return StatusText(StatusBar(session.frame), 0) == "Working..."; },
                            kAnswerMs))
            << StatusText(StatusBar(session.frame), 0);
        Click(Control(taskStatus, kEndTaskButton));
        EXPECT_TRUE(session.Idle());
        EXPECT_EQ(kFixtureRows, ListRowCount(list));
        session.Close();
        EXPECT_EQ(kInteractiveExitCode, session.program.Wait(kStartMs))
            << DescribeWindows(session.program.Pid());
        kytest::RemoveTree(folder);
    }
}
