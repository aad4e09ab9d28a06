// The task controller while a start is under way: the job being made is
// left alone, a close is put off until the start is through, and a second
// start from the start's message loop is refused.
#include "FinderLink/Controller/TaskController.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using Kyvant::FinderLink::TaskController;
using Kyvant::FinderLink::TaskJob;

// A job whose making runs the given step after its registration, as a real
// job's making serves messages until the task dialog has ended.
class FakeJob : public TaskJob {
public:
    FakeJob(TaskController& controller, const std::function<void()>& whileMade)
        : m_registration(controller, this)
    {
        whileMade();
    }
    void Stop() override {}
    bool IsDone() const override
    {
        ++m_asked;
        return false;
    }
    HANDLE GetStartedProcess() const override
    {
        ++m_asked;
        return nullptr;
    }
    int Asked() const { return m_asked; }

private:
    TaskController::Registration m_registration;
    mutable int m_asked = 0;
};

class Controller : public TaskController {
public:
    Controller() : TaskController(nullptr) {}
    using TaskController::EndFinishedJob;

    bool Start(const std::function<void()>& whileMade)
    {
        return RunStart([this, whileMade] {
            m_job = new FakeJob(*this, whileMade);
            AdoptJob(m_job);
            return true;
        });
    }
    FakeJob* Job() const { return m_job; }

private:
    FakeJob* m_job = nullptr;
};

bool CloseQueued(HWND window)
{
    MSG msg;
    return PeekMessageA(&msg, window, WM_CLOSE, WM_CLOSE, PM_REMOVE) != FALSE;
}

class TaskControllerStart : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_window =
            CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(nullptr, m_window);
    }
    void TearDown() override { DestroyWindow(m_window); }

    HWND m_window = nullptr;
};

} // namespace

TEST_F(TaskControllerStart, JobBeingMadeIsNotRunningAndNotAsked)
{
    Controller controller;
    bool ran = false;
    ASSERT_TRUE(controller.Start([&] {
        ran = true;
        EXPECT_TRUE(controller.IsStarting());
        EXPECT_FALSE(controller.IsRunning());
        EXPECT_FALSE(controller.EndFinishedJob());
        EXPECT_EQ(nullptr, controller.GetProcessHandle());
    }));
    EXPECT_TRUE(ran);
    EXPECT_EQ(0, controller.Job()->Asked());
    EXPECT_FALSE(controller.IsStarting());
    EXPECT_TRUE(controller.IsRunning());
}

TEST_F(TaskControllerStart, CloseDuringStartIsPostedWhenStartIsThrough)
{
    Controller controller;
    EXPECT_FALSE(controller.PutOffCloseWhileStarting(m_window));
    EXPECT_FALSE(CloseQueued(m_window));
    ASSERT_TRUE(controller.Start([&] {
        EXPECT_TRUE(controller.PutOffCloseWhileStarting(m_window));
        EXPECT_FALSE(CloseQueued(m_window));
    }));
    EXPECT_TRUE(CloseQueued(m_window));
    EXPECT_FALSE(CloseQueued(m_window));
}

TEST_F(TaskControllerStart, CloseOfAWindowGoneMeanwhileIsDropped)
{
    Controller controller;
    ASSERT_TRUE(controller.Start([&] {
        EXPECT_TRUE(controller.PutOffCloseWhileStarting(m_window));
        DestroyWindow(m_window);
    }));
    EXPECT_FALSE(CloseQueued(nullptr));
}

TEST_F(TaskControllerStart, SecondStartFromTheStartsLoopIsRefused)
{
    Controller controller;
    bool nestedStarted = true;
    ASSERT_TRUE(controller.Start([&] { nestedStarted = controller.Start([] {}); }));
    EXPECT_FALSE(nestedStarted);
    EXPECT_TRUE(controller.IsRunning());
}
