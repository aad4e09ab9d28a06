// The nested message loop on a real queue: a waiting WM_QUIT, sent and posted messages, idle
// passes, signalled handles and a loop that ends on its task's state.
#include "KyGui/Helpers/NestedLoop.h"

#include "HelperWindows.h"

#include <afxpriv.h>

#include <algorithm>
#include <vector>

using Kyvant::UserEx::NestedLoop;
using Kyvant::UserEx::NestedLoopOptions;
using Kyvant::UserEx::QuitWaiting;
using Kyvant::UserEx::Serving;

namespace {

const UINT kPosted = WM_APP + 11;
const UINT kSent = WM_APP + 12;
const UINT kFinish = WM_APP + 13;
// The longest a case waits for another thread before it counts as failed.
const DWORD kBoundMs = 10000;

// A window that records what reaches it, and the thread that handled it.
class Recorder : public CWnd {
public:
    std::vector<UINT> m_seen;
    std::vector<DWORD> m_sentOnThread;
    int m_idleUpdates = 0;
    bool m_finished = false;

    int Count(UINT message) const
    {
        return static_cast<int>(std::count(m_seen.begin(), m_seen.end(), message));
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        m_seen.push_back(message);
        if (message == kSent)
            m_sentOnThread.push_back(::GetCurrentThreadId());
        if (message == kFinish)
            m_finished = true;
        if (message == WM_IDLEUPDATECMDUI)
            ++m_idleUpdates;
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

// A thread that, after an optional delay, sends a message to a window, posts one to a window and/or
// sets an event; the delay only makes a wrongly polling loop miss the event, a right one waits for
// it anyway.
class Helper {
public:
    HWND sendTo = nullptr;
    HWND postTo = nullptr;
    HANDLE setEvent = nullptr;
    DWORD delayMs = 0;
    LRESULT sendResult = 0;

    void Start() { m_thread = ::CreateThread(nullptr, 0, &Run, this, 0, nullptr); }
    ~Helper()
    {
        if (m_thread) {
            ::WaitForSingleObject(m_thread, kBoundMs);
            ::CloseHandle(m_thread);
        }
    }

private:
    static DWORD WINAPI Run(void* self)
    {
        Helper& helper = *static_cast<Helper*>(self);
        ::Sleep(helper.delayMs);
        DWORD_PTR answer = 0;
        if (helper.sendTo)
            helper.sendResult =
                ::SendMessageTimeoutA(helper.sendTo, kSent, 0, 0, SMTO_NORMAL, kBoundMs, &answer);
        if (helper.postTo)
            ::PostMessageA(helper.postTo, kFinish, 0, 0);
        if (helper.setEvent)
            ::SetEvent(helper.setEvent);
        return 0;
    }

    HANDLE m_thread = nullptr;
};

// Sets the event and posts to the window once the bound has passed without the test stopping it:
// a loop that sleeps when it should not then wakes, and the case sees that the guard fired.
class Guard {
public:
    explicit Guard(HANDLE event, HWND window = nullptr) : m_event(event), m_window(window)
    {
        m_stop = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
        m_thread = ::CreateThread(nullptr, 0, &Run, this, 0, nullptr);
    }
    ~Guard()
    {
        Stop();
        ::CloseHandle(m_thread);
        ::CloseHandle(m_stop);
    }
    bool Stop()
    {
        ::SetEvent(m_stop);
        ::WaitForSingleObject(m_thread, INFINITE);
        return m_fired;
    }

private:
    static DWORD WINAPI Run(void* self)
    {
        Guard& guard = *static_cast<Guard*>(self);
        if (::WaitForSingleObject(guard.m_stop, kBoundMs) == WAIT_TIMEOUT) {
            guard.m_fired = true;
            if (guard.m_event)
                ::SetEvent(guard.m_event);
            if (guard.m_window)
                ::PostMessageA(guard.m_window, WM_NULL, 0, 0);
        }
        return 0;
    }

    HANDLE m_event;
    HWND m_window;
    HANDLE m_stop;
    HANDLE m_thread;
    bool m_fired = false;
};

class Event {
public:
    explicit Event(bool set = false) : m_handle(::CreateEventA(nullptr, TRUE, set, nullptr)) {}
    ~Event() { ::CloseHandle(m_handle); }
    Event(const Event&) = delete;
    Event& operator=(const Event&) = delete;
    HANDLE get() const { return m_handle; }

private:
    HANDLE m_handle;
};

DWORD WINAPI TakeAndLeave(void* mutex)
{
    return ::WaitForSingleObject(static_cast<HANDLE>(mutex), 0);
}

// A mutex whose owner thread ended without releasing it.
HANDLE AbandonedMutex()
{
    HANDLE mutex = ::CreateMutexA(nullptr, FALSE, nullptr);
    HANDLE owner = ::CreateThread(nullptr, 0, &TakeAndLeave, mutex, 0, nullptr);
    ::WaitForSingleObject(owner, INFINITE);
    ::CloseHandle(owner);
    return mutex;
}

const char* Name(Serving serving)
{
    switch (serving) {
    case Serving::kSentOnly:
        return "sent only";
    case Serving::kQueueThenIdle:
        return "queue then idle";
    case Serving::kOneStep:
        return "one step";
    }
    return "?";
}

class NestedLoopTest : public HelperWindowTest {
protected:
    void SetUp() override
    {
        HelperWindowTest::SetUp();
        Create(m_target, WS_CHILD | WS_VISIBLE, m_main->m_hWnd, CRect(0, 0, 50, 50));
        Create(m_other, WS_CHILD | WS_VISIBLE, m_main->m_hWnd, CRect(60, 0, 110, 50));
        // The idle passes bring the application's main window up to date.
        Create(m_appMain, WS_POPUP | WS_VISIBLE, nullptr, CRect(0, 0, 20, 20));
        m_savedMain = theApp.m_pMainWnd;
        theApp.m_pMainWnd = &m_appMain;
        Drain();
        for (Recorder* recorder : {&m_target, &m_other, &m_appMain}) {
            recorder->m_seen.clear();
            recorder->m_idleUpdates = 0;
        }
    }
    void TearDown() override
    {
        theApp.m_pMainWnd = m_savedMain;
        m_target.DestroyWindow();
        m_other.DestroyWindow();
        m_appMain.DestroyWindow();
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
        HelperWindowTest::TearDown();
    }

    static void Create(Recorder& recorder, DWORD style, HWND parent, const CRect& rect)
    {
        recorder.CreateEx(0, AfxRegisterWndClass(0), "", style, rect.left, rect.top, rect.Width(),
                          rect.Height(), parent, nullptr);
    }

    static void Drain()
    {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT)
                continue;
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }

    // The quit code still waiting for the outer loop, or -1.
    static int QuitLeft()
    {
        MSG msg;
        if (!::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
            return -1;
        return static_cast<int>(msg.wParam);
    }

    static NestedLoopOptions Options(Serving serving, QuitWaiting quit = QuitWaiting::kLetsSleep,
                                     HWND busy = nullptr)
    {
        return {serving, busy, quit, false};
    }

    Recorder m_target;
    Recorder m_other;
    Recorder m_appMain;
    CWnd* m_savedMain = nullptr;
};

} // namespace

// A WM_QUIT for the outer loop survives every round with its code. Where it keeps the loop awake
// the last round only polls (nothing signalled); where it lets the loop sleep, the last round goes
// on to the message wait, which ends with the event another thread sets later or, when new input
// waits behind the quit, at once with the message index (under Wine either happens); the wait for
// sent messages alone ends with the event. One-step loops sleep only once an idle
// step found no more work, in their second round.
TEST_F(NestedLoopTest, AWaitingQuitIsKeptAndKeepsTheLoopAwakeOrLetsItSleep)
{
    enum Outcome { kPolled, kWaited, kWaitedForTheEvent };
    struct Case {
        Serving serving;
        QuitWaiting quit;
        int rounds;
        Outcome outcome;
    };
    const Case cases[] = {
        {Serving::kQueueThenIdle, QuitWaiting::kKeepsAwake, 1, kPolled},
        {Serving::kOneStep, QuitWaiting::kKeepsAwake, 2, kPolled},
        {Serving::kQueueThenIdle, QuitWaiting::kLetsSleep, 1, kWaited},
        {Serving::kOneStep, QuitWaiting::kLetsSleep, 2, kWaited},
        {Serving::kSentOnly, QuitWaiting::kKeepsAwake, 1, kWaitedForTheEvent},
        {Serving::kSentOnly, QuitWaiting::kLetsSleep, 1, kWaitedForTheEvent},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Name(c.serving));
        SCOPED_TRACE(c.quit == QuitWaiting::kKeepsAwake ? "keeps awake" : "lets sleep");
        Event event;
        ::PostQuitMessage(42);
        Helper helper;
        helper.setEvent = c.outcome == kPolled ? nullptr : event.get();
        helper.delayMs = 50;
        helper.Start();
        Guard guard(event.get());
        NestedLoop loop(Options(c.serving, c.quit));
        const HANDLE handle = event.get();
        DWORD result = WAIT_FAILED;
        for (int round = 0; round < c.rounds; ++round)
            result = loop.Round(&handle, 1);
        // A message the system sent meanwhile ends the wait for sent messages too early.
        for (int more = 0;
             c.outcome == kWaitedForTheEvent && result == WAIT_OBJECT_0 + 1 && more < 100; ++more)
            result = loop.Round(&handle, 1);
        EXPECT_FALSE(guard.Stop());
        switch (c.outcome) {
        case kPolled:
            EXPECT_EQ(WAIT_TIMEOUT, result);
            break;
        case kWaited:
            EXPECT_TRUE(result == WAIT_OBJECT_0 || result == WAIT_OBJECT_0 + 1) << result;
            break;
        case kWaitedForTheEvent:
            EXPECT_EQ(WAIT_OBJECT_0, result);
            break;
        }
        EXPECT_EQ(42, QuitLeft());
    }
}

// The loop a stop runs (one step, no handles) must not sleep in WaitMessage while a quit waits.
TEST_F(NestedLoopTest, AOneStepLoopWithoutHandlesPollsWhileAQuitWaits)
{
    ::PostQuitMessage(3);
    Guard guard(nullptr, m_target.m_hWnd);
    NestedLoop loop(Options(Serving::kOneStep, QuitWaiting::kKeepsAwake, m_main->m_hWnd));
    for (int round = 0; round < 4; ++round)
        loop.Round(nullptr, 0);
    EXPECT_FALSE(guard.Stop());
    EXPECT_EQ(3, QuitLeft());
}

// Another thread's SendMessage is served while the loop waits, on the waiting thread, whatever the
// loop serves otherwise; the other thread sets the event only after its call returned.
TEST_F(NestedLoopTest, SentMessagesAreServedWhileWaiting)
{
    const NestedLoopOptions options[] = {
        Options(Serving::kSentOnly),
        Options(Serving::kQueueThenIdle),
        Options(Serving::kQueueThenIdle, QuitWaiting::kKeepsAwake),
        Options(Serving::kOneStep, QuitWaiting::kKeepsAwake, m_target.m_hWnd),
    };
    for (const NestedLoopOptions& option : options) {
        SCOPED_TRACE(Name(option.serving));
        m_target.m_sentOnThread.clear();
        Event event;
        Helper helper;
        helper.sendTo = m_target.m_hWnd;
        helper.setEvent = event.get();
        helper.Start();
        const HANDLE handle = event.get();
        EXPECT_EQ(0u, NestedLoop(option).WaitForAny(&handle, 1));
        EXPECT_NE(0, helper.sendResult);
        ASSERT_EQ(1u, m_target.m_sentOnThread.size());
        EXPECT_EQ(::GetCurrentThreadId(), m_target.m_sentOnThread[0]);
    }
}

TEST_F(NestedLoopTest, ASentMessageIsSeenWaitingUntilServed)
{
    Helper helper;
    helper.sendTo = m_target.m_hWnd;
    helper.Start();
    const DWORD start = ::GetTickCount();
    while (!Kyvant::UserEx::SentMessageWaiting() && ::GetTickCount() - start < kBoundMs) {
    }
    EXPECT_TRUE(Kyvant::UserEx::SentMessageWaiting());
    EXPECT_EQ(0, m_target.Count(kSent));
    MSG msg;
    ::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
    EXPECT_EQ(1, m_target.Count(kSent));
}

// One round with a signalled handle: how many of three posted messages each serving takes, whose
// input is dropped, and how often the idle passes update the main window.
TEST_F(NestedLoopTest, ARoundServesPostedMessagesAndIdlesAsItsServingSays)
{
    struct Case {
        Serving serving;
        int rounds;
        int servedTarget; // of the three posted messages
        bool otherInput;  // the other window's click reached it
        int idleUpdates;  // idle passes of count 0
        bool leftQueued;  // a posted message is still queued afterwards
    };
    const Case cases[] = {
        {Serving::kSentOnly, 1, 0, false, 0, true},
        {Serving::kQueueThenIdle, 1, 3, true, 1, false},
        {Serving::kQueueThenIdle, 3, 3, true, 3, false},
        // Step by step: the other window's click, the busy window's key and the three messages,
        // then an idle step that has more to do, then one that has not, then the count starts
        // again.
        {Serving::kOneStep, 1, 0, true, 0, true},
        {Serving::kOneStep, 4, 2, true, 0, true},
        {Serving::kOneStep, 5, 3, true, 0, false},
        {Serving::kOneStep, 6, 3, true, 1, false},
        {Serving::kOneStep, 7, 3, true, 1, false},
        {Serving::kOneStep, 8, 3, true, 2, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Name(c.serving));
        SCOPED_TRACE(c.rounds);
        m_target.m_seen.clear();
        m_other.m_seen.clear();
        m_appMain.m_idleUpdates = 0;
        ::PostMessageA(m_other.m_hWnd, WM_LBUTTONDOWN, 0, MAKELPARAM(5, 5));
        ::PostMessageA(m_target.m_hWnd, WM_KEYDOWN, 'B', 0);
        for (int i = 0; i < 3; ++i)
            ::PostMessageA(m_target.m_hWnd, kPosted, i, 0);
        Event signalled(true);
        const HANDLE handle = signalled.get();
        NestedLoop loop(Options(c.serving, QuitWaiting::kLetsSleep, m_target.m_hWnd));
        for (int round = 0; round < c.rounds; ++round)
            EXPECT_EQ(WAIT_OBJECT_0, loop.Round(&handle, 1));
        EXPECT_EQ(c.servedTarget, m_target.Count(kPosted));
        EXPECT_EQ(0, m_target.Count(WM_KEYDOWN)); // input to the busy window is dropped
        EXPECT_EQ(c.otherInput ? 1 : 0, m_other.Count(WM_LBUTTONDOWN));
        EXPECT_EQ(c.idleUpdates, m_appMain.m_idleUpdates);
        MSG msg;
        EXPECT_EQ(c.leftQueued, ::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE) != FALSE);
        Drain();
    }
}

// WaitForAny gives the index of the signalled (or abandoned) handle, the lowest when several are,
// also when another thread sets it later; a failed wait throws.
TEST_F(NestedLoopTest, WaitForAnyGivesTheSignalledHandlesIndex)
{
    enum Start { kUnset, kSet, kSetLater, kAbandoned };
    struct Case {
        Serving serving;
        Start first, second;
        DWORD expected;
    };
    const Case cases[] = {
        {Serving::kQueueThenIdle, kUnset, kSet, 1},
        {Serving::kQueueThenIdle, kSet, kSet, 0},
        {Serving::kQueueThenIdle, kUnset, kSetLater, 1},
        {Serving::kSentOnly, kUnset, kSet, 1},
        {Serving::kSentOnly, kSetLater, kUnset, 0},
        {Serving::kOneStep, kUnset, kSetLater, 1},
        {Serving::kSentOnly, kUnset, kAbandoned, 1},
        {Serving::kQueueThenIdle, kAbandoned, kSet, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Name(c.serving));
        Event first(c.first == kSet), second(c.second == kSet);
        const HANDLE abandoned = AbandonedMutex();
        HANDLE handles[2] = {c.first == kAbandoned ? abandoned : first.get(),
                             c.second == kAbandoned ? abandoned : second.get()};
        Helper helper;
        helper.setEvent = c.first == kSetLater    ? first.get()
                          : c.second == kSetLater ? second.get()
                                                  : nullptr;
        helper.Start();
        EXPECT_EQ(c.expected, NestedLoop(Options(c.serving)).WaitForAny(handles, 2));
        ::ReleaseMutex(abandoned);
        ::CloseHandle(abandoned);
    }

    for (Serving serving : {Serving::kSentOnly, Serving::kQueueThenIdle, Serving::kOneStep}) {
        SCOPED_TRACE(Name(serving));
        const HANDLE invalid = reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(0xDEAD0));
        EXPECT_THROW(NestedLoop(Options(serving)).WaitForAny(&invalid, 1), Kyvant::os_error);
    }
}

// The wait-for-a-task forms. One step at a time without handles, the task looked at after each
// step: the loop sleeps in WaitMessage until another thread's message comes whose handler finishes
// the task. Serving and sleeping apart, the task looked at between them (a round that serves the
// whole queue sleeps after it).
TEST_F(NestedLoopTest, LoopsEndOnceTheirTaskIsDone)
{
    {
        Helper helper;
        helper.postTo = m_target.m_hWnd;
        helper.delayMs = 20;
        helper.Start();
        NestedLoop loop(Options(Serving::kOneStep, QuitWaiting::kKeepsAwake, m_other.m_hWnd));
        while (!m_target.m_finished)
            loop.Round(nullptr, 0);
    }

    m_target.m_finished = false;
    Event neverSet;
    Helper helper;
    helper.postTo = m_target.m_hWnd;
    helper.delayMs = 20;
    helper.Start();
    NestedLoop loop(Options(Serving::kQueueThenIdle));
    for (;;) {
        loop.Serve();
        if (m_target.m_finished)
            break;
        const HANDLE pending = neverSet.get();
        ASSERT_NE(WAIT_FAILED, loop.Sleep(&pending, 1, kBoundMs));
    }
}

// A round with a time-out and nothing signalled sleeps until the time-out ends (or a message, sent
// by the system say, wakes it first: then the next round sleeps again).
TEST_F(NestedLoopTest, ARoundEndsWithItsTimeOut)
{
    Event neverSet;
    const HANDLE handle = neverSet.get();
    for (Serving serving : {Serving::kSentOnly, Serving::kQueueThenIdle}) {
        SCOPED_TRACE(Name(serving));
        NestedLoop loop(Options(serving));
        DWORD result = WAIT_OBJECT_0 + 1;
        for (int round = 0; round < 100 && result == WAIT_OBJECT_0 + 1; ++round)
            result = loop.Round(&handle, 1, 1);
        EXPECT_EQ(WAIT_TIMEOUT, result);
    }
}
