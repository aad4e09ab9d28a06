// The Dir frame at a task's end: when the results reader's end message
// cannot be posted the task still ends, with every file listed and the
// status "Ready" again, and a Stop of such a task returns; a close that
// comes while the end waits for a tool that runs on is put off until the
// tool has ended.
#include "Frame/FrameTestSupport.h"

#include "KyGuiTool/Watchdog/ProcessKiller.h"
#include "common/RefusedTaskEnds.h"

using namespace dirgtest;

namespace {

using DirFrameTaskEnd = FrameTest;

const DWORD kDialogMs = 20000;
const DWORD kAnswerMs = 2000;

// From a thread of its own, once the Task Status dialog shows (the end
// waits then): closes the frame (a sent WM_CLOSE) and notes whether the
// frame is still there.
class CloserDuringTheEnd {
public:
    explicit CloserDuringTheEnd(HWND frame) : m_frame(frame)
    {
        m_thread = CreateThread(nullptr, 0, &Run, this, 0, nullptr);
    }
    ~CloserDuringTheEnd()
    {
        if (m_thread) {
            WaitForSingleObject(m_thread, INFINITE);
            CloseHandle(m_thread);
        }
    }
    CloserDuringTheEnd(const CloserDuringTheEnd&) = delete;
    CloserDuringTheEnd& operator=(const CloserDuringTheEnd&) = delete;

    volatile LONG dialogShown = 0;
    volatile LONG closeAnswered = 0;
    volatile LONG frameKept = 0;

private:
    static DWORD WINAPI Run(LPVOID self)
    {
        static_cast<CloserDuringTheEnd*>(self)->Act();
        return 0;
    }

    void Act()
    {
        HWND status = nullptr;
        for (DWORD waited = 0; waited < kDialogMs && !status; waited += 20) {
            status = FindWindowA("#32770", "Task Status");
            if (!status || !IsWindowVisible(status)) {
                status = nullptr;
                Sleep(20);
            }
        }
        if (!status)
            return;
        dialogShown = 1;
        DWORD_PTR result = 0;
        closeAnswered =
            SendMessageTimeoutA(m_frame, WM_CLOSE, 0, 0, SMTO_NORMAL, kAnswerMs, &result) != 0;
        frameKept = IsWindow(m_frame) != FALSE;
    }

    HWND m_frame;
    HANDLE m_thread = nullptr;
};

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

TEST_F(DirFrameTaskEnd, AClosingWhileTheEndWaitsForTheToolFollowsTheEnd)
{
    Kyvant::ProcessKiller::SetTickIntervals(100, 300);
    kytest::WriteFile(folder + "a.txt", "a");
    SetVariable("KYTEST_TASK_LINK", "linger=3000");
    ScriptedFrame::Answers().push_back(Accept({"@p" + folder + "*"}));
    const HWND window = frameWindow();
    {
        CloserDuringTheEnd closer(window);
        New();
        if (theApp.m_pMainWnd == frame)
            theApp.m_pMainWnd = nullptr; // its end must not end the tests' loop
        EXPECT_TRUE(PumpUntil([window] { return !::IsWindow(window); }, kTimeoutMs));
        EXPECT_TRUE(closer.dialogShown);
        EXPECT_TRUE(closer.closeAnswered) << "the frame served the close while it waited";
        EXPECT_TRUE(closer.frameKept) << "the close waited for the end";
    }
    Kyvant::ProcessKiller::SetTickIntervals(500, 10000);
}
