// The frame when the results reader's end message cannot be posted: the
// task still ends, every file is listed and the status says "Ready" again.
#include "Frame/FrameTestSupport.h"

#include "KyFind/Gui/Finder/Finder.h"
#include "common/RefusedTaskEnds.h"

using namespace frametest;

using FrameTaskEnd = FrameTest;

TEST_F(FrameTaskEnd, ARefusedEndMessageStillEndsTheTaskAndTheStatusSaysReady)
{
    kytest::RefusedTaskEnds refused;
    HandOverFixture();
    ASSERT_TRUE(StartTask("alpha"));
    EXPECT_TRUE(findgtest::PumpUntil([this] { return TaskEnded(); }, kTaskTimeoutMs));
    EXPECT_EQ(1, kytest::RefusedTaskEnds::Count());
    auto pane = [this] {
        return std::string(static_cast<const char*>(frame->GetStatusBar().GetPaneText(0)));
    };
    EXPECT_TRUE(findgtest::PumpUntil([&] { return pane() == "Ready"; }, kTaskTimeoutMs)) << pane();
    EXPECT_TRUE(findgtest::PumpUntil([this] { return list->GetListCtrl().GetItemCount() == 3; },
                                     kTaskTimeoutMs));
    EXPECT_FALSE(Enabled(*frame, ID_KYFINDG_STOP));
}
