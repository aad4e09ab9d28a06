// The Dir frame when the results reader's end message cannot be posted: the
// task still ends, with every file listed and the status "Ready" again; a
// Stop of such a task returns.
#include "Frame/FrameTestSupport.h"

#include "common/RefusedTaskEnds.h"

using namespace dirgtest;

namespace {

using DirFrameTaskEnd = FrameTest;

} // namespace

TEST_F(DirFrameTaskEnd, ARefusedEndMessageStillEndsTheTaskAndTheStatusSaysReady)
{
    kytest::RefusedTaskEnds refused;
    for (const char* name : {"a.txt", "b.txt"})
        kytest::WriteFile(folder + name, name);
    ScriptedFrame::Answers().push_back(Accept({"@p" + folder + "*"}));
    New();
    WaitForListing();
    EXPECT_EQ(1, kytest::RefusedTaskEnds::Count());
    EXPECT_EQ(2, List().GetItemCount());
    EXPECT_TRUE(PumpUntil([this] { return Pane(0) == "Ready"; }, kTimeoutMs)) << Pane(0);
    EXPECT_FALSE(Enabled(ID_TASK_STOP));
}

TEST_F(DirFrameTaskEnd, StopReturnsForATaskWhoseEndMessageWasRefused)
{
    kytest::RefusedTaskEnds refused;
    kytest::WriteFile(folder + "a.txt", "a");
    SetVariable("KYTEST_TASK_LINK", "slow=2000,slow-ms=10");
    ScriptedFrame::Answers().push_back(Accept({"@p" + folder + "*"}));
    New();
    ASSERT_TRUE(GetFinder().IsRunning());
    Command(ID_TASK_STOP);
    EXPECT_EQ(nullptr, GetFinder().GetCurrentJob()) << "Stop waited for the task's end";
    EXPECT_EQ(1, kytest::RefusedTaskEnds::Count());
    Idle();
    EXPECT_TRUE(PumpUntil([this] { return Pane(0) == "Ready"; }, kTimeoutMs)) << Pane(0);
}
