// The process watchdog on this program's message loop, with shortened
// ticks: the first tick, the ticks the user declines, the "Task Status"
// dialog with its owner disabled, Wait and End Task against a real sleeping
// process, one watchdog at a time, and users and callbacks that end it.
#include "FrontEndTestSupport.h"
#include "KyGuiTool/Module/KyGuiToolModule.h"
#include "KyGuiTool/Watchdog/ProcessKiller.h"
#include "KyGuiTool/Watchdog/WatchdogResource.h"
#include "KyStd/Win32/Resource.h"
#include "TestApp.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>

using namespace Kyvant::ProcessKiller;

namespace {

const unsigned kFirstMs = 50;
const unsigned kPeriodMs = 250;
const char kTaskStatus[] = "Task Status";

struct Calls {
    int firstTicks = 0;
    int prompts = 0;
    int terminated = 0;
    int closed = 0;
    int ended = 0;
};

class TestUser final : public User {
public:
    TestUser(Calls& calls, CWnd* owner, HANDLE process = nullptr)
        : m_calls(calls), m_owner(owner), m_process(process)
    {
    }

    CWnd* GetOwnerWindow() override { return m_owner; }
    HANDLE GetProcessHandle() override { return m_process; }
    bool PromptNow() override
    {
        ++m_calls.prompts;
        return prompt;
    }
    void OnProcessTerminated() override { ++m_calls.terminated; }
    void OnFirstTick() override
    {
        ++m_calls.firstTicks;
        if (onFirstTick)
            onFirstTick();
    }
    void OnStatusDialogClosed() override
    {
        ++m_calls.closed;
        if (onClosed)
            onClosed();
    }
    void OnWatchdogEnded() override { ++m_calls.ended; }

    bool prompt = false;
    std::function<void()> onFirstTick;
    std::function<void()> onClosed;

private:
    Calls& m_calls;
    CWnd* m_owner;
    HANDLE m_process;
};

void PumpFor(DWORD ms)
{
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < ms) {
        PumpPending();
        Sleep(5);
    }
}

HWND StatusDialog()
{
    for (HWND w = FindWindowExA(nullptr, nullptr, "#32770", kTaskStatus); w;
         w = FindWindowExA(nullptr, w, "#32770", kTaskStatus)) {
        DWORD pid = 0;
        GetWindowThreadProcessId(w, &pid);
        if (pid == GetCurrentProcessId())
            return w;
    }
    return nullptr;
}

// Pumps until the status dialog is up (or gone), within ms.
HWND WaitStatusDialog(bool up, DWORD ms = 3000)
{
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < ms) {
        PumpPending();
        HWND w = StatusDialog();
        if (up == (w != nullptr))
            return w;
        Sleep(5);
    }
    return StatusDialog();
}

void Click(HWND dialog, int id)
{
    PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

class Watchdog : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetTickIntervals(kFirstMs, kPeriodMs);
        owner = CreateMainWindow("watchdog owner");
        ASSERT_NE(owner, nullptr);
    }
    void TearDown() override
    {
        SetTickIntervals(500, 10000);
        if (HWND left = StatusDialog())
            DestroyWindow(left);
        owner->DestroyWindow();
        PumpPending();
    }

    CWnd* owner = nullptr;
    Calls calls;
};

} // namespace

TEST_F(Watchdog, CancelledBeforeTheFirstTickItTellsNothing)
{
    TestUser user(calls, owner);
    Manager manager(user);
    EXPECT_EQ(user.GetState(), User::kRunning);
    manager.Cancel();
    EXPECT_EQ(user.GetState(), User::kIdle);
    PumpFor(4 * kFirstMs);
    EXPECT_EQ(calls.firstTicks, 0);
    EXPECT_EQ(calls.ended, 0);
    EXPECT_EQ(calls.prompts, 0);
}

TEST_F(Watchdog, TicksWithoutADialogWhileTheUserDeclines)
{
    TestUser user(calls, owner);
    Manager manager(user);
    PumpFor(kFirstMs + 3 * kPeriodMs + 100);
    EXPECT_EQ(calls.firstTicks, 1);
    EXPECT_EQ(user.GetState(), User::kFirstTickPassed);
    EXPECT_GE(calls.prompts, 2);
    EXPECT_EQ(StatusDialog(), nullptr);
    manager.Cancel();
    EXPECT_EQ(calls.ended, 1) << "ended after its first tick";
    const int prompts = calls.prompts;
    PumpFor(2 * kPeriodMs);
    EXPECT_EQ(calls.prompts, prompts);
}

TEST_F(Watchdog, TaskStatusDisablesTheOwnerAndWaitAsksAgainLater)
{
    TestUser user(calls, owner);
    user.prompt = true;
    Manager manager(user);
    const HWND dialog = WaitStatusDialog(true);
    ASSERT_NE(dialog, nullptr);
    const Kyvant::Win32::Resource text(
        Kyvant::KyGuiToolModule(), MAKEINTRESOURCEA(IDR_KY_END_TASK_TEXT), KY_MESSAGE_TEXT_TYPE);
    const std::string expected(text.GetBegin(), text.GetEnd());
    EXPECT_EQ(expected.rfind("The task hasn't yet acknowledged your termination request.", 0), 0u);
    EXPECT_EQ(expected.substr(expected.size() - 2), "\r\n");
    EXPECT_EQ(guitest::WindowText(GetDlgItem(dialog, IDC_KY_END_TASK_TEXT)), expected);
    EXPECT_EQ(LOWORD(SendMessageA(dialog, DM_GETDEFID, 0, 0)), IDC_KY_WAIT);
    EXPECT_FALSE(owner->IsWindowEnabled());
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpPending();
    EXPECT_TRUE(SaveWindowPng(dialog, "kyguitool_task_status"));
    // No ticks while it is up.
    const int prompts = calls.prompts;
    PumpFor(2 * kPeriodMs);
    EXPECT_EQ(calls.prompts, prompts);

    Click(dialog, IDC_KY_WAIT);
    EXPECT_EQ(WaitStatusDialog(false), nullptr);
    EXPECT_EQ(calls.closed, 1);
    EXPECT_TRUE(owner->IsWindowEnabled());
    EXPECT_EQ(calls.terminated, 0);
    // The next period asks again.
    EXPECT_NE(WaitStatusDialog(true), nullptr);
    manager.Cancel();
    EXPECT_EQ(StatusDialog(), nullptr) << "closed as by Wait";
    EXPECT_EQ(calls.closed, 2);
    EXPECT_EQ(calls.ended, 1);
    EXPECT_TRUE(owner->IsWindowEnabled());
}

TEST_F(Watchdog, AStatusDialogDestroyedElsewhereCountsAsWait)
{
    TestUser user(calls, owner);
    user.prompt = true;
    Manager manager(user);
    const HWND dialog = WaitStatusDialog(true);
    ASSERT_NE(dialog, nullptr);
    DestroyWindow(dialog);
    EXPECT_EQ(calls.closed, 1);
    EXPECT_TRUE(owner->IsWindowEnabled());
    EXPECT_NE(WaitStatusDialog(true), nullptr) << "the timer runs again";
}

TEST_F(Watchdog, EndTaskEndsTheProcessOrOnlyClosesWithoutOne)
{
    guitest::Scratch dir;
    guitest::Script sleeper(dir);
    sleeper("sleep=60000");
    guitest::Started helper("KyGuiTool_frontend.exe", {},
                            {{"KYTEST_FRONTEND_SCRIPT", sleeper.Write()}}, dir);
    ASSERT_TRUE(helper.Running());
    for (HANDLE process : {helper.Handle(), static_cast<HANDLE>(nullptr)}) {
        SCOPED_TRACE(process ? "a sleeping process" : "no process");
        Calls seen;
        TestUser user(seen, owner, process);
        user.prompt = true;
        Manager manager(user);
        const HWND dialog = WaitStatusDialog(true);
        ASSERT_NE(dialog, nullptr);
        Click(dialog, IDC_KY_END_TASK);
        EXPECT_EQ(WaitStatusDialog(false), nullptr);
        EXPECT_EQ(seen.closed, 1);
        EXPECT_EQ(seen.terminated, process ? 1 : 0);
        EXPECT_TRUE(owner->IsWindowEnabled());
        if (process) {
            EXPECT_EQ(helper.Wait(5000), 1u) << "terminated with exit code 1";
        }
        EXPECT_NE(WaitStatusDialog(true), nullptr) << "the timer runs again";
    }
}

TEST_F(Watchdog, OneAtATimeAndEachManagerEndsOnlyItsOwn)
{
    Calls second;
    TestUser first(calls, owner), other(second, owner);
    {
        Manager one(first);
        try {
            Manager two(other);
            ADD_FAILURE() << "a second watchdog started";
        } catch (const std::runtime_error& e) {
            EXPECT_STREQ(e.what(), "Too many ProcessKillers");
        }
        EXPECT_EQ(other.GetState(), User::kIdle);
        one.Cancel();
        Manager three(other);
        EXPECT_EQ(other.GetState(), User::kRunning);
        // "one" goes first: the running watchdog is not its own.
    }
    EXPECT_EQ(other.GetState(), User::kIdle);
}

TEST_F(Watchdog, CallbacksThatEndTheWatchdogStopTheRest)
{
    guitest::Scratch dir;
    guitest::Script sleeper(dir);
    sleeper("sleep=60000");
    guitest::Started helper("KyGuiTool_frontend.exe", {},
                            {{"KYTEST_FRONTEND_SCRIPT", sleeper.Write()}}, dir);
    {
        SCOPED_TRACE("cancelled when the dialog closed by End Task");
        Calls seen;
        TestUser user(seen, owner, helper.Handle());
        user.prompt = true;
        Manager manager(user);
        user.onClosed = [&] { manager.Cancel(); };
        const HWND dialog = WaitStatusDialog(true);
        ASSERT_NE(dialog, nullptr);
        Click(dialog, IDC_KY_END_TASK);
        EXPECT_EQ(WaitStatusDialog(false), nullptr);
        EXPECT_EQ(seen.closed, 1);
        EXPECT_EQ(seen.ended, 1);
        EXPECT_EQ(seen.terminated, 0) << "the closing ended with the watchdog";
        EXPECT_TRUE(helper.Running());
        EXPECT_TRUE(owner->IsWindowEnabled());
        const int prompts = seen.prompts;
        PumpFor(2 * kPeriodMs);
        EXPECT_EQ(seen.prompts, prompts);
    }
    {
        SCOPED_TRACE("cancelled at the first tick");
        Calls seen;
        TestUser user(seen, owner);
        Manager manager(user);
        user.onFirstTick = [&] { manager.Cancel(); };
        PumpFor(kFirstMs + 2 * kPeriodMs);
        EXPECT_EQ(seen.firstTicks, 1);
        EXPECT_EQ(seen.ended, 1);
        EXPECT_EQ(seen.prompts, 0);
    }
}

TEST_F(Watchdog, AUserGoneWhileItsWatchdogRunsEndsItWithoutCalls)
{
    TestUser* user = new TestUser(calls, owner);
    user->prompt = true;
    Manager manager(*user);
    ASSERT_NE(WaitStatusDialog(true), nullptr);
    EXPECT_FALSE(owner->IsWindowEnabled());
    delete user;
    EXPECT_EQ(StatusDialog(), nullptr);
    EXPECT_TRUE(owner->IsWindowEnabled());
    EXPECT_EQ(calls.closed, 0);
    EXPECT_EQ(calls.ended, 0);
    PumpFor(2 * kPeriodMs);
    manager.Cancel();
    EXPECT_EQ(calls.ended, 0);
}
