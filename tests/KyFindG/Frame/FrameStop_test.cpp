// Stopping a task in the frame made as the program makes it: whatever asks
// for the stop (here closing the document, as closing the window and the
// end of the session do), the status says "Stopping..."; the wait cursor
// comes only after the watchdog's first tick, the working cursor before.
#include "Frame/FrameTestSupport.h"

#include "KyFind/Gui/Finder/Finder.h"
#include "KyFind/Gui/Task/FinderJob.h"

namespace {

using namespace frametest;

struct Seen {
    UINT statusId = 0;
    HCURSOR cursor = nullptr;
};

// What the frame shows while the stop waits, taken by a thread timer.
struct StopProbe {
    static CMainFrame* frame;
    static Finder* finder;
    static std::vector<Seen> seen;
    static UINT_PTR timer;

    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        frame->SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(frame->m_hWnd),
                           MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        seen.push_back({frame->GetStatusTextId(), GetCursor()});
        const size_t kTicksBeforeEnd = 8; // 200 ms apart: past the first tick
        if (seen.size() == kTicksBeforeEnd) {
            KillTimer(nullptr, timer);
            if (Finder::Job* job = finder->GetCurrentJob())
                TerminateProcess(job->GetProcess().get(), 1);
        }
    }
};

CMainFrame* StopProbe::frame = nullptr;
Finder* StopProbe::finder = nullptr;
std::vector<Seen> StopProbe::seen;
UINT_PTR StopProbe::timer = 0;

} // namespace

using FrameStopTest = FrameTest;

TEST_F(FrameStopTest, EveryStopSaysSoAndTheWaitCursorComesAfterTheFirstTick)
{
    SetEnvironmentVariableA("KYTEST_TASK_LINK", "slow=4000,slow-ms=5,ignore-goaway");
    HandOverFixture();
    ASSERT_TRUE(StartTask("alpha"));
    SetEnvironmentVariableA("KYTEST_TASK_LINK", nullptr);
    ASSERT_TRUE(findgtest::PumpUntil([&] { return list->GetListCtrl().GetItemCount() > 0; },
                                     kTaskTimeoutMs));
    StopProbe::frame = frame;
    StopProbe::finder = finder;
    StopProbe::seen.clear();
    StopProbe::timer = SetTimer(nullptr, 0, 200, &StopProbe::Tick);
    const DWORD started = GetTickCount();
    doc->SaveModified(); // the stop closing asks for
    EXPECT_TRUE(TaskEnded());
    EXPECT_LT(GetTickCount() - started, 10000u) << "ended by the probe, not the watchdog";

    const HCURSOR wait = LoadCursor(nullptr, IDC_WAIT);
    ASSERT_EQ(8u, StopProbe::seen.size());
    for (const Seen& seen : StopProbe::seen)
        EXPECT_EQ(static_cast<UINT>(IDS_KYFINDG_STOPPING), seen.statusId);
    EXPECT_NE(wait, StopProbe::seen.front().cursor) << "before the first tick";
    EXPECT_EQ(wait, StopProbe::seen.back().cursor) << "after the first tick";
    findgtest::PumpUntil([&] { return frame->GetStatusTextId() == AFX_IDS_IDLEMESSAGE; }, 2000);
    EXPECT_EQ(static_cast<UINT>(AFX_IDS_IDLEMESSAGE), frame->GetStatusTextId());
}
