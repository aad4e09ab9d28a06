// The end of a find task when the finder misbehaves: a finder that has
// closed its results but goes on running (with or without its message pipe
// open) is waited for while the window keeps serving its messages, and the
// Task Status dialog ends it; a box of the finder's texts that is up then
// answers its keys; Stop ends a task whose end message could not be posted.
#include "Task/TaskTestSupport.h"

#include "FinderLink/Task/TaskWords.h"
#include "FinderLink/Texts/ToolTextBoxes.h"
#include "KyGuiTool/Watchdog/ProcessKiller.h"
#include "KyStd/Win32/SyncObjects.h"
#include "common/GuiDriver.h"
#include "common/RefusedTaskEnds.h"

using namespace findgtest;
namespace FinderLink = Kyvant::FinderLink;

namespace {

const int kEndTaskButton = 1022;
const DWORD kAnswerMs = 2000;
const DWORD kTerminatedCode = 1;
const DWORD kNoDialogCode = 3;
const DWORD kDialogMs = 20000;

// The watchdog's delays, changed for the test's lifetime: the first tick
// sooner, the later ones (which offer Task Status) as the test needs them.
class WatchdogTicks {
public:
    explicit WatchdogTicks(unsigned periodicMs = 300)
    {
        Kyvant::ProcessKiller::SetTickIntervals(100, periodicMs);
    }
    ~WatchdogTicks() { Kyvant::ProcessKiller::SetTickIntervals(500, 10000); }
};

// Another thread, as another program would act: waits for the Task Status
// dialog, then checks that the frame answers a sent message and repaints,
// and presses End Task. When no dialog comes, it ends the tool itself, so
// that the wait ends and the test fails instead of hanging.
class OutsideUser {
public:
    OutsideUser(HWND frame, HANDLE tool) : m_frame(frame), m_tool(tool)
    {
        m_thread = CreateThread(nullptr, 0, &Run, this, 0, nullptr);
    }
    ~OutsideUser()
    {
        if (m_thread) {
            InterlockedExchange(&m_quit, 1);
            WaitForSingleObject(m_thread, INFINITE);
            CloseHandle(m_thread);
        }
    }
    OutsideUser(const OutsideUser&) = delete;
    OutsideUser& operator=(const OutsideUser&) = delete;

    volatile LONG dialogShown = 0;
    volatile LONG frameAnswered = 0;
    volatile LONG frameRepainted = 0;

private:
    static DWORD WINAPI Run(LPVOID self)
    {
        static_cast<OutsideUser*>(self)->Act();
        return 0;
    }

    void Act()
    {
        HWND status = nullptr;
        const DWORD start = GetTickCount();
        while (!InterlockedCompareExchange(&m_quit, 0, 0)) {
            status = FindWindowA("#32770", "Task Status");
            if (status && IsWindowVisible(status))
                break;
            status = nullptr;
            if (GetTickCount() - start > kDialogMs) {
                TerminateProcess(m_tool, kNoDialogCode);
                return;
            }
            Sleep(20);
        }
        if (!status)
            return;
        dialogShown = 1;
        DWORD_PTR answer = 0;
        frameAnswered =
            SendMessageTimeoutA(m_frame, WM_NULL, 0, 0, SMTO_NORMAL, kAnswerMs, &answer) != 0;
        InvalidateRect(m_frame, nullptr, TRUE);
        for (DWORD waited = 0; waited < kAnswerMs && !frameRepainted; waited += 20) {
            frameRepainted = !GetUpdateRect(m_frame, nullptr, FALSE);
            Sleep(20);
        }
        PostMessageA(status, WM_COMMAND, kEndTaskButton, 0);
    }

    HWND m_frame;
    HANDLE m_tool;
    HANDLE m_thread = nullptr;
    volatile LONG m_quit = 0;
};

// A user at the keyboard, on a thread of its own, while this thread shows a
// box of the finder's texts: once the box is up, the finder's results may
// end; once the task's end waits for the finder (which runs on until it is
// let go), Enter is pressed in the box, which should close while the wait
// goes on; then the finder is let go. A box that stays is clicked away, so
// that the test goes on.
class KeyboardUser {
public:
    KeyboardUser(const Finder& finder, const Kyvant::Win32::Event& results,
                 const Kyvant::Win32::Event& finderExit)
        : m_finder(finder), m_results(results), m_finderExit(finderExit)
    {
        m_thread = CreateThread(nullptr, 0, &Run, this, 0, nullptr);
    }
    ~KeyboardUser()
    {
        if (m_thread) {
            WaitForSingleObject(m_thread, INFINITE);
            CloseHandle(m_thread);
        }
    }
    KeyboardUser(const KeyboardUser&) = delete;
    KeyboardUser& operator=(const KeyboardUser&) = delete;

    volatile LONG boxShown = 0;
    volatile LONG endWaited = 0;
    volatile LONG closedByEnter = 0; // while the end still waited

private:
    static DWORD WINAPI Run(LPVOID self)
    {
        static_cast<KeyboardUser*>(self)->Act();
        return 0;
    }

    bool Ending() const { return m_finder.IsEnding(); }

    void Act()
    {
        using namespace kytest::gui;
        const Box box = WaitForBox(GetCurrentProcessId(), kTaskTimeoutMs);
        boxShown = box.window != nullptr;
        m_results.Set();
        if (boxShown && WaitFor([this] { return Ending(); }, kTaskTimeoutMs)) {
            endWaited = 1;
            PressEnter(box.window);
            const bool closed = WaitFor([&] { return !IsWindowVisible(box.window); }, kCloseMs);
            closedByEnter = closed && Ending();
        }
        m_finderExit.Set();
        if (boxShown && IsWindowVisible(box.window))
            PostMessageA(GetDlgItem(box.window, IDOK), BM_CLICK, 0, 0);
    }

    // The key goes where the keyboard sends it: to the focus in the box.
    static void PressEnter(HWND box)
    {
        HWND focus = kytest::gui::FocusOf(box);
        if (!focus || (focus != box && !IsChild(box, focus)))
            focus = box;
        PostMessageA(focus, WM_KEYDOWN, VK_RETURN, kKeyDownBits);
        PostMessageA(focus, WM_KEYUP, VK_RETURN, kKeyUpBits);
    }

    static const DWORD kCloseMs = 10000;
    static const LPARAM kKeyDownBits = 1;        // one press
    static const LPARAM kKeyUpBits = 0xC0000001; // one release
    const Finder& m_finder;
    const Kyvant::Win32::Event& m_results;
    const Kyvant::Win32::Event& m_finderExit;
    HANDLE m_thread = nullptr;
};

// A name for an event of this test program that the finder waits on.
std::string FinderEventName(const char* role)
{
    return std::string("KyTestFindGTaskEnd") + role + std::to_string(GetCurrentProcessId());
}

using TaskEndTest = TaskTest;

// How the finder goes on after its results.
const char* const kLingering[] = {
    "linger=60000",             // both pipes closed, the process runs on
    "linger=60000,keep-stderr", // the message pipe stays open too
};

} // namespace

TEST_F(TaskEndTest, AFinderThatRunsOnAfterItsResultsIsWaitedForAndEndedByTaskStatus)
{
    WatchdogTicks ticks;
    for (const char* switches : kLingering) {
        SCOPED_TRACE(switches);
        frame->m_taskEnds.clear();
        SetVariable(kSwitchesVariable, std::string("slow=8,slow-ms=0,") + switches);
        frame->Script(Accept(Args({"-nG", "--kyvant_ide_output", "-ealpha"}, {"a.txt"})));
        ASSERT_TRUE(finder.Start());
        HANDLE tool = nullptr;
        ASSERT_TRUE(DuplicateHandle(
            GetCurrentProcess(), finder.GetCurrentJob()->GetProcess().get(), GetCurrentProcess(),
            &tool, SYNCHRONIZE | PROCESS_QUERY_INFORMATION | PROCESS_TERMINATE, FALSE, 0));
        {
            OutsideUser user(frame->m_hWnd, tool);
            EXPECT_TRUE(WaitForTaskEnd());
            EXPECT_TRUE(user.dialogShown);
            EXPECT_TRUE(user.frameAnswered) << "the window served a sent message while it waited";
            EXPECT_TRUE(user.frameRepainted) << "the window repainted while it waited";
        }
        EXPECT_EQ(std::vector<int>{FinderLink::kAllRead}, frame->m_taskEnds);
        EXPECT_EQ(3u, finder.GetModel().GetFileCount()) << "the made-up results, then a.txt";
        DWORD code = 0;
        EXPECT_EQ(static_cast<DWORD>(WAIT_OBJECT_0), WaitForSingleObject(tool, 0));
        GetExitCodeProcess(tool, &code);
        EXPECT_EQ(kTerminatedCode, code) << "End Task ended the finder";
        CloseHandle(tool);
        EXPECT_FALSE(finder.IsStarting());
        EXPECT_EQ(nullptr, FindWindowA("#32770", "Task Status"));
    }
}

// Stop's watchdog goes on while the end waits for the finder: the finder
// ignores the request, ends its results long before the watchdog's second
// tick and runs on; that tick offers to end it.
TEST_F(TaskEndTest, StopOfAFinderThatRunsOnAfterItsResultsOffersTaskStatus)
{
    const unsigned kSecondTickMs = 4000;
    WatchdogTicks ticks(kSecondTickMs);
    SetVariable(kSwitchesVariable, "slow=400,slow-ms=1,ignore-goaway,linger=60000");
    frame->Script(Accept(Args({"-nG", "--kyvant_ide_output", "-ealpha"}, {"a.txt"})));
    ASSERT_TRUE(finder.Start());
    HANDLE tool = nullptr;
    ASSERT_TRUE(DuplicateHandle(
        GetCurrentProcess(), finder.GetCurrentJob()->GetProcess().get(), GetCurrentProcess(), &tool,
        SYNCHRONIZE | PROCESS_QUERY_INFORMATION | PROCESS_TERMINATE, FALSE, 0));
    {
        OutsideUser user(frame->m_hWnd, tool);
        finder.Stop();
        EXPECT_TRUE(user.dialogShown);
        EXPECT_TRUE(user.frameAnswered);
    }
    EXPECT_EQ(nullptr, finder.GetCurrentJob());
    EXPECT_EQ(101u, finder.GetModel().GetFileCount()) << "every result came before the end";
    DWORD code = 0;
    GetExitCodeProcess(tool, &code);
    EXPECT_EQ(kTerminatedCode, code);
    CloseHandle(tool);
}

// The task ends while a box of the finder's texts is up (its loop serves the
// end message), and the end waits for a finder that runs on after its
// results: the box's Enter closes it before the wait is over.
TEST_F(TaskEndTest, ABoxUpWhileTheEndWaitsForTheFinderClosesOnEnter)
{
    const unsigned kNoTaskStatusMs = 600000;
    WatchdogTicks ticks(kNoTaskStatusMs);
    const std::string resultsName = FinderEventName("Results");
    const std::string exitName = FinderEventName("Exit");
    const Kyvant::Win32::Event results(true, resultsName.c_str());
    const Kyvant::Win32::Event finderExit(true, exitName.c_str());
    SetVariable(kSwitchesVariable,
                "slow=1,slow-ms=0,hold=" + resultsName + ",linger-until=" + exitName);
    frame->Script(Accept(Args({"-nG", "--kyvant_ide_output", "-ealpha"}, {"a.txt"})));
    ASSERT_TRUE(finder.Start());
    theApp.m_showBoxes = true;
    {
        KeyboardUser user(finder, results, finderExit);
        FinderLink::ShowToolText(new Kyvant::ky_S("KyFind: a text of the finder"));
        theApp.m_showBoxes = false;
        finderExit.Set();
        EXPECT_TRUE(user.boxShown);
        EXPECT_TRUE(user.endWaited) << "the task ended while the box was up";
        EXPECT_TRUE(user.closedByEnter) << "Enter closed the box while the end waited";
    }
    EXPECT_TRUE(WaitForTaskEnd());
    EXPECT_EQ(std::vector<int>{FinderLink::kAllRead}, frame->m_taskEnds);
    EXPECT_EQ(2u, finder.GetModel().GetFileCount()) << "the made-up result, then a.txt";
}

TEST_F(TaskEndTest, StopEndsATaskWhoseEndMessageWasRefused)
{
    kytest::RefusedTaskEnds refused;
    SetVariable(kSwitchesVariable, "slow=400,slow-ms=20");
    frame->Script(Accept(Args({"-nG", "--kyvant_ide_output", "-ealpha"}, {"a.txt"})));
    ASSERT_TRUE(finder.Start());
    ASSERT_TRUE(PumpUntil([this] { return finder.GetModel().GetFileCount() > 0; }, kTaskTimeoutMs));
    finder.Stop();
    EXPECT_EQ(nullptr, finder.GetCurrentJob());
    EXPECT_EQ(1, kytest::RefusedTaskEnds::Count());
    EXPECT_EQ(std::vector<int>{FinderLink::kAllRead}, frame->m_taskEnds)
        << "the end came as the message would have brought it";
}
