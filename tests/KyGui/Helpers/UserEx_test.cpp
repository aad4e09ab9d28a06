// Input-message groups, the busy-loop pump and the visual-styles test.
#include "KyGui/Helpers/UserEx.h"

#include "HelperWindows.h"

#include <afxpriv.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

using Kyvant::UserEx::IsInputMessage;
using Kyvant::UserEx::PumpMessagesDiscardingInputMessages;

namespace {

const UINT kOtherPost = WM_APP + 1;
const UINT_PTR kTimerId = 77;

// A child window that records what reaches it.
class Recorder : public CWnd
{
public:
    std::vector<UINT> m_seen;

    bool Saw(UINT message) const { return std::find(m_seen.begin(), m_seen.end(), message) != m_seen.end(); }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        m_seen.push_back(message);
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class PumpTest : public HelperWindowTest
{
protected:
    void SetUp() override
    {
        HelperWindowTest::SetUp();
        CreateRecorder(m_target, CRect(0, 0, 50, 50));
        CreateRecorder(m_other, CRect(60, 0, 110, 50));
        Drain(nullptr);
        m_target.m_seen.clear();
        m_other.m_seen.clear();
    }
    void TearDown() override
    {
        m_target.DestroyWindow();
        m_other.DestroyWindow();
        HelperWindowTest::TearDown();
    }

    void CreateRecorder(Recorder& recorder, const CRect& rect)
    {
        recorder.CreateEx(0, AfxRegisterWndClass(0), "", WS_CHILD | WS_VISIBLE, rect.left, rect.top, rect.Width(),
                          rect.Height(), m_main->m_hWnd, nullptr);
    }

    static void PostInput(HWND window)
    {
        ::PostMessageA(window, WM_KEYDOWN, 'A', 0);
        ::PostMessageA(window, WM_LBUTTONDOWN, 0, MAKELPARAM(5, 5));
        ::PostMessageA(window, WM_COMMAND, 1, 0);
    }

    static int Drain(HWND busy)
    {
        int taken = 0;
        while (PumpMessagesDiscardingInputMessages(busy))
            ++taken;
        return taken;
    }

    Recorder m_target;
    Recorder m_other;
};

} // namespace

TEST(IsInputMessage, SortsMessagesIntoTheirGroups)
{
    struct Case
    {
        UINT message;
        bool keyboard, mouse, commands;
    };
    const Case cases[] = {
        { WM_KEYDOWN, true, false, false },      { WM_SYSKEYUP, true, false, false },
        { WM_CONTEXTMENU, true, false, true },   { WM_COMMAND, false, false, true },
        { WM_SYSCOMMAND, false, false, true },   { WM_LBUTTONDBLCLK, false, true, false },
        { WM_NCXBUTTONUP, false, true, false },  { WM_MOUSEMOVE, false, false, false },
        { WM_MOUSEWHEEL, false, false, false },  { WM_CHAR, false, false, false },
        { WM_TIMER, false, false, false },
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.keyboard, IsInputMessage(c.message, true, false, false)) << c.message;
        EXPECT_EQ(c.mouse, IsInputMessage(c.message, false, true, false)) << c.message;
        EXPECT_EQ(c.commands, IsInputMessage(c.message, false, false, true)) << c.message;
    }
    int mouseMessages = 0;
    for (UINT message = 0; message < WM_USER; ++message)
        mouseMessages += IsInputMessage(message, false, true, false) ? 1 : 0;
    EXPECT_EQ(24, mouseMessages);
}

TEST_F(PumpTest, WithoutABusyWindowDropsAllInputAndDispatchesTheRest)
{
    PostInput(m_target.m_hWnd);
    ::PostMessageA(m_target.m_hWnd, kOtherPost, 0, 0);
    ::PostMessageA(m_target.m_hWnd, WM_KICKIDLE, 0, 0);
    m_target.SetTimer(kTimerId, 1);
    ::Sleep(20);
    Drain(nullptr);
    m_target.KillTimer(kTimerId);
    EXPECT_FALSE(m_target.Saw(WM_KEYDOWN));
    EXPECT_FALSE(m_target.Saw(WM_LBUTTONDOWN));
    EXPECT_FALSE(m_target.Saw(WM_COMMAND));
    EXPECT_FALSE(m_target.Saw(WM_KICKIDLE));
    EXPECT_TRUE(m_target.Saw(kOtherPost));
    EXPECT_TRUE(m_target.Saw(WM_TIMER));
}

TEST_F(PumpTest, WithABusyWindowDispatchesInputForOtherWindows)
{
    PostInput(m_target.m_hWnd);
    PostInput(m_other.m_hWnd);
    // m_target is busy, its sibling is not.
    Drain(m_target.m_hWnd);
    EXPECT_FALSE(m_target.Saw(WM_KEYDOWN));
    EXPECT_FALSE(m_target.Saw(WM_COMMAND));
    EXPECT_TRUE(m_other.Saw(WM_KEYDOWN));
    EXPECT_TRUE(m_other.Saw(WM_LBUTTONDOWN));
    EXPECT_TRUE(m_other.Saw(WM_COMMAND));

    // Input for a child of the busy window is dropped.
    PostInput(m_other.m_hWnd);
    m_other.m_seen.clear();
    Drain(m_main->m_hWnd);
    EXPECT_FALSE(m_other.Saw(WM_KEYDOWN));
}

TEST_F(PumpTest, AnEmptyQueueGivesFalse)
{
    EXPECT_FALSE(PumpMessagesDiscardingInputMessages(nullptr));
    ::PostMessageA(m_target.m_hWnd, kOtherPost, 0, 0);
    EXPECT_TRUE(PumpMessagesDiscardingInputMessages(nullptr));
}

TEST_F(PumpTest, APostedQuitSurvivesForTheOuterLoop)
{
    ::PostQuitMessage(7);
    EXPECT_FALSE(PumpMessagesDiscardingInputMessages(nullptr));
    EXPECT_FALSE(PumpMessagesDiscardingInputMessages(nullptr));
    MSG msg;
    ASSERT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(7u, msg.wParam);
}

TEST(IsAppThemed, FollowsTheRunsVisualStyles)
{
    EXPECT_EQ(std::getenv("KY_EXPECT_UNTHEMED") == nullptr, Kyvant::UserEx::IsAppThemed());
}
