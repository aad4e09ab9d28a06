// Stopping a running Dir task: a tool that goes away when asked, and one
// that ignores the request while its records fail after the stop.
#include "Task/DirTaskTestSupport.h"

#include "FinderLink/Task/TaskWords.h"

using namespace dirgtest;
namespace FinderLink = Kyvant::FinderLink;

namespace {

const unsigned kSlowFiles = 200;

class DirTaskStopTest : public TaskTest {
protected:
    // Starts a task over the made-up slow files and waits for its first.
    void StartSlowTask(const std::string& switches)
    {
        SetVariable(kSwitchesVariable, switches);
        frame->Script(Accept(Args({WholeTree("a.txt")})));
        ASSERT_TRUE(finder.Start());
        ASSERT_TRUE(finder.IsRunning());
        ASSERT_TRUE(
            PumpUntil([this] { return finder.GetModel().GetItemCount() > 0; }, kTaskTimeoutMs));
    }
};

} // namespace

TEST_F(DirTaskStopTest, ToolThatGoesAwayEndsTheTaskAtOnce)
{
    StartSlowTask("slow=200,slow-ms=20");
    finder.Stop();
    EXPECT_EQ(nullptr, finder.GetCurrentJob());
    EXPECT_FALSE(finder.IsStopping());
    PumpPending();
    EXPECT_EQ(std::vector<int>{FinderLink::kAllRead}, frame->m_taskEnds);
    EXPECT_LT(finder.GetModel().GetItemCount(), kSlowFiles) << "the listing was cut short";
    EXPECT_TRUE(frame->m_texts.empty());
    EXPECT_TRUE(theApp.m_boxes.empty());
}

TEST_F(DirTaskStopTest, ReaderFailingAfterStopShowsNothing)
{
    StartSlowTask("slow=20,slow-ms=20,ignore-goaway,bad-record");
    finder.Stop();
    EXPECT_EQ(nullptr, finder.GetCurrentJob());
    PumpPending();
    EXPECT_EQ(std::vector<int>{FinderLink::kReadFailed}, frame->m_taskEnds);
    EXPECT_TRUE(frame->m_texts.empty());
    EXPECT_TRUE(theApp.m_boxes.empty());
    EXPECT_EQ(21u, finder.GetModel().GetItemCount()) << "the slow files and the one before";
}
