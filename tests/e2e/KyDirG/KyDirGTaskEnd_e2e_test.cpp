// The end of KyDirG's task when the Dir program goes on running after its
// listing (with its message pipe closed, or still open): the listing is
// complete, the window answers and repaints while it waits for the tool,
// the Task Status dialog offers to end it, and End Task brings "Ready".
#include "KyDirG/KyDirGDriving.h"
#include "TaskEndWaits.h"

using namespace kytest::gui;
using namespace taskend;
using namespace dirge2e;

namespace {

const Lingering kLingering[] = {
    {"KYTEST_TASK_LINK=linger=60000", "20-waiting-for-the-tool"},
    {"KYTEST_TASK_LINK=linger=60000,keep-stderr", "21-waiting-for-the-tool-messages"},
};

} // namespace

TEST(KyDirGTaskEnd, ADirProgramThatRunsOnAfterItsListingIsEndedThroughTaskStatus)
{
    for (const Lingering& lingering : kLingering) {
        SCOPED_TRACE(lingering.switches);
        const std::string folder = WriteFixture();
        HandOverPaths({folder});
        Session session;
        ASSERT_TRUE(session.Start({lingering.switches}));
        ASSERT_TRUE(WaitFor([&] { return ListRowCount(session.list) == kFixtureRows; }, kStartMs));
        // The listing has ended; the window waits for the tool and serves its
        // messages meanwhile.
        EXPECT_TRUE(Answers(session.frame));
        EXPECT_TRUE(Repaints(session.frame, session.list));
        Screenshot(session.frame, kArtifacts, lingering.shot);
        HWND taskStatus =
            WaitForWindow(session.program.Pid(), "#32770", "Task Status", kTaskStatusMs);
        ASSERT_NE(nullptr, taskStatus) << DescribeWindows(session.program.Pid());
        Screenshot(taskStatus, kArtifacts, std::string(lingering.shot) + "-task-status");
        // Still working for the user while the tool runs on.
        EXPECT_TRUE(
            WaitFor([&] { return StatusText(session.status, 0) == "Working..."; }, kStartMs))
            << StatusText(session.status, 0);
        Click(Control(taskStatus, kEndTaskButton));
        EXPECT_TRUE(session.Idle());
        EXPECT_EQ(kFixtureRows, ListRowCount(session.list));
        session.Close();
        EXPECT_EQ(0u, session.program.Wait(kStartMs)) << DescribeWindows(session.program.Pid());
        kytest::RemoveTree(folder);
    }
}
