// Input-message groups, the busy-loop pump (with the keys of a message box
// up below it) and the visual-styles test.
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
const UINT kTickMs = 10;

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

// Once its timer finds a message box of this thread shown (its timer fires
// inside the box's own loop), presses a key where the keyboard sends it (the
// focus in the active box) and runs the pump until the queue is empty, as a
// wait begun inside the box's loop does; a box still up then is answered
// with its other button, so that it never stays.
class BoxKeyPresser : public CWnd {
public:
    WPARAM m_key = 0;
    int m_otherButton = 0;
    bool m_pressed = false;
    bool m_closedInLoop = false;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_TIMER && wParam == kTimerId) {
            if (const HWND box = ShownBox()) {
                KillTimer(kTimerId);
                PressAndServe(box);
            }
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }

private:
    static const LPARAM kKeyDownBits = 1;        // one press
    static const LPARAM kKeyUpBits = 0xC0000001; // one release

    static BOOL CALLBACK FindBox(HWND window, LPARAM found)
    {
        char name[16] = "";
        ::GetClassNameA(window, name, sizeof name);
        if (lstrcmpA(name, "#32770") != 0 || !::IsWindowVisible(window))
            return TRUE;
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }

    static HWND ShownBox()
    {
        HWND box = nullptr;
        ::EnumThreadWindows(::GetCurrentThreadId(), &FindBox, reinterpret_cast<LPARAM>(&box));
        return box;
    }

    void PressAndServe(HWND box)
    {
        const HWND focus = ::GetFocus();
        m_pressed = ::GetActiveWindow() == box && focus != nullptr &&
                    (focus == box || ::IsChild(box, focus));
        if (m_pressed) {
            ::PostMessageA(focus, WM_KEYDOWN, m_key, kKeyDownBits);
            ::PostMessageA(focus, WM_KEYUP, m_key, kKeyUpBits);
            while (PumpMessagesDiscardingInputMessages(m_hWnd)) {
            }
            m_closedInLoop = !::IsWindowVisible(box);
        }
        if (!m_closedInLoop)
            ::PostMessageA(box, WM_COMMAND, m_otherButton, 0);
    }
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

// A loop that runs inside a message box's own loop gives the box its dialog
// keys: Enter answers with the default button, Esc cancels.
TEST_F(PumpTest, AMessageBoxUpBelowThePumpGetsItsDialogKeys)
{
    struct Case {
        WPARAM key;
        int answer;
        int otherButton;
    };
    const Case cases[] = {{VK_RETURN, IDOK, IDCANCEL}, {VK_ESCAPE, IDCANCEL, IDOK}};
    BoxKeyPresser presser;
    ASSERT_TRUE(presser.CreateEx(0, AfxRegisterWndClass(0), "", WS_CHILD, 0, 0, 1, 1,
                                 m_main->m_hWnd, nullptr));
    for (const Case& c : cases) {
        presser.m_key = c.key;
        presser.m_otherButton = c.otherButton;
        presser.m_pressed = presser.m_closedInLoop = false;
        presser.SetTimer(kTimerId, kTickMs, nullptr);
        const int answer = ::MessageBoxA(m_main->m_hWnd, "Keys", "KyGui pump", MB_OKCANCEL);
        EXPECT_TRUE(presser.m_pressed) << c.key;
        EXPECT_TRUE(presser.m_closedInLoop) << c.key;
        EXPECT_EQ(c.answer, answer) << c.key;
    }
    presser.DestroyWindow();
}

TEST(IsAppThemed, FollowsTheRunsVisualStyles)
{
    EXPECT_EQ(std::getenv("KY_EXPECT_UNTHEMED") == nullptr, Kyvant::UserEx::IsAppThemed());
}
