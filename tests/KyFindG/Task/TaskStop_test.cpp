// Stopping a running find task: a finder that goes away when asked, one that
// ignores the request and fails afterwards, and one that ignores it until
// the watchdog's Task Status dialog ends it.
#include "Task/TaskTestSupport.h"

#include "FinderLink/Task/TaskWords.h"
#include "KyGuiTool/Watchdog/ProcessKiller.h"
#include "common/WindowPng.h"

#include <functional>

using namespace findgtest;
namespace FinderLink = Kyvant::FinderLink;

namespace {

const unsigned kSlowFiles = 50; // the made-up stream's files (four lines each)

// Runs a step from a thread timer every period, inside whatever loop serves
// messages then, until the step answers true.
class Repeater {
public:
    Repeater(std::function<bool()> step, UINT periodMs) : m_step(std::move(step))
    {
        s_current = this;
        m_timer = SetTimer(nullptr, 0, periodMs, &Tick);
    }
    ~Repeater()
    {
        KillTimer(nullptr, m_timer);
        s_current = nullptr;
    }
    Repeater(const Repeater&) = delete;
    Repeater& operator=(const Repeater&) = delete;

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        if (s_current && !s_current->m_done)
            s_current->m_done = s_current->m_step();
    }

    static Repeater* s_current;
    std::function<bool()> m_step;
    UINT_PTR m_timer;
    bool m_done = false;
};

Repeater* Repeater::s_current = nullptr;

// Restores the watchdog's delays.
class ShortWatchdogTicks {
public:
    ShortWatchdogTicks(unsigned firstMs, unsigned periodicMs)
    {
        Kyvant::ProcessKiller::SetTickIntervals(firstMs, periodicMs);
    }
    ~ShortWatchdogTicks() { Kyvant::ProcessKiller::SetTickIntervals(500, 10000); }
};

class TaskStopTest : public TaskTest {
protected:
    // Starts a task over the made-up slow stream and waits for its first file.
    void StartSlowTask(const std::string& switches)
    {
        SetVariable(kSwitchesVariable, switches);
        frame->Script(Accept(Args({"-nG", "--kyvant_ide_output", "-ealpha"}, {"a.txt"})));
        ASSERT_TRUE(finder.Start());
        ASSERT_TRUE(finder.IsRunning());
        ASSERT_TRUE(
            PumpUntil([this] { return finder.GetModel().GetFileCount() > 0; }, kTaskTimeoutMs));
    }
};

} // namespace

TEST_F(TaskStopTest, FinderThatGoesAwayEndsTheTaskAtOnce)
{
    StartSlowTask("slow=200,slow-ms=20");
    finder.Stop();
    EXPECT_EQ(nullptr, finder.GetCurrentJob());
    EXPECT_FALSE(finder.IsStopping());
    PumpPending();
    EXPECT_EQ(std::vector<int>{FinderLink::kAllRead}, frame->m_taskEnds);
    EXPECT_LT(finder.GetModel().GetFileCount(), kSlowFiles) << "the stream was cut short";
    EXPECT_TRUE(frame->m_texts.empty());
    EXPECT_TRUE(theApp.m_boxes.empty());
    finder.Stop(); // nothing runs: nothing happens
}

TEST_F(TaskStopTest, ReaderFailingAfterStopShowsNothing)
{
    StartSlowTask("slow=40,slow-ms=20,ignore-goaway,bad-number");
    finder.Stop();
    EXPECT_EQ(nullptr, finder.GetCurrentJob());
    PumpPending();
    EXPECT_EQ(std::vector<int>{FinderLink::kReadFailed}, frame->m_taskEnds);
    EXPECT_TRUE(frame->m_texts.empty());
    EXPECT_TRUE(theApp.m_boxes.empty());
    EXPECT_EQ(10u, finder.GetModel().GetFileCount()) << "the lines before the bad one";
}

// The finder ignores the request and never announced its process: End Task
// of the Task Status dialog still ends it, through the handle its start gave.
TEST_F(TaskStopTest, TaskStatusDialogEndsAFinderThatIgnoresTheRequest)
{
    ShortWatchdogTicks ticks(100, 300);
    StartSlowTask("slow=5000,slow-ms=20,ignore-goaway,no-process-message");
    EXPECT_TRUE(frame->m_announced.empty());

    bool shown = false;
    bool pictured = false;
    Repeater endTask(
        [&] {
            HWND status = FindWindowA("#32770", "Task Status");
            if (!status || !IsWindowVisible(status))
                return false;
            shown = true;
            pictured = kytest::SaveWindowPng(status, "KyFindG-task-status");
            EXPECT_FALSE(frame->IsWindowEnabled()) << "the frame waits for the answer";
            SendMessageA(GetDlgItem(status, 1022), BM_CLICK, 0, 0);
            return true;
        },
        50);
    finder.Stop();
    EXPECT_TRUE(shown);
    EXPECT_TRUE(pictured);
    EXPECT_EQ(nullptr, finder.GetCurrentJob());
    EXPECT_TRUE(frame->IsWindowEnabled());
    PumpPending();
    EXPECT_EQ(std::vector<int>{FinderLink::kAllRead}, frame->m_taskEnds);
    EXPECT_LT(finder.GetModel().GetFileCount(), 5000u / 4);
}
