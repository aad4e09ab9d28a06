// Dialog-like windows, focus moves among dialog controls and push buttons losing the default style.
#include "KyGui/Helpers/DialogEx.h"

#include "HelperWindows.h"

using namespace Kyvant;

namespace {

class DialogExTest : public HelperWindowTest
{
protected:
    void SetUp() override
    {
        HelperWindowTest::SetUp();
        ASSERT_TRUE(m_dialog.Open(m_main));
        m_dialog.SetForegroundWindow();
        PumpPending();
    }
    void TearDown() override
    {
        m_buttons.clear();
        m_dialog.DestroyWindow();
        HelperWindowTest::TearDown();
    }

    CButton& AddButton(CWnd& parent, DWORD style, int y)
    {
        auto button = std::make_unique<CButton>();
        button->Create("b", WS_CHILD | style, CRect(5, y, 80, y + 20), &parent,
                       static_cast<UINT>(500 + m_buttons.size()));
        m_buttons.push_back(std::move(button));
        return *m_buttons.back();
    }

    EmptyDialog m_dialog;
    std::vector<std::unique_ptr<CButton>> m_buttons;
};

} // namespace

TEST_F(DialogExTest, DialogLikeWindows)
{
    EXPECT_TRUE(DialogEx::IsDialogLike(m_dialog));
    EXPECT_FALSE(DialogEx::IsDialogLike(*m_main));

    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = ::DefWindowProcA;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    for (const char* name : { "DialogHost", "dialo" }) {
        windowClass.lpszClassName = name;
        ::RegisterClassA(&windowClass);
        HWND window = ::CreateWindowExA(0, name, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                        windowClass.hInstance, nullptr);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(name[5] == 'g', DialogEx::IsDialogLike(*CWnd::FromHandle(window))) << name;
        ::DestroyWindow(window);
    }
}

TEST_F(DialogExTest, DisablingTheDefaultButtonDropsItsStyleAndFocus)
{
    CButton& ok = AddButton(m_dialog, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 10);
    CButton& other = AddButton(m_dialog, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 40);
    DialogEx::GotoDialogControl(ok);
    ASSERT_EQ(ok.m_hWnd, ::GetFocus());
    ok.SendMessage(BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    ASSERT_TRUE(ok.SendMessage(WM_GETDLGCODE) & DLGC_DEFPUSHBUTTON);

    DialogEx::EnablePushButton(ok, false, m_dialog);
    EXPECT_FALSE(ok.SendMessage(WM_GETDLGCODE) & DLGC_DEFPUSHBUTTON);
    EXPECT_FALSE(ok.IsWindowEnabled());
    EXPECT_EQ(other.m_hWnd, ::GetFocus());

    DialogEx::EnablePushButton(ok, true, m_dialog);
    EXPECT_TRUE(ok.IsWindowEnabled());
}

TEST_F(DialogExTest, ResetFocusSkipsHiddenAndDisabledAndEntersControlParents)
{
    AddButton(m_dialog, WS_TABSTOP, 0);                           // hidden
    AddButton(m_dialog, WS_VISIBLE | WS_TABSTOP | WS_DISABLED, 20);  // disabled
    CWnd& container = AddChild(CRect(0, 40, 100, 100), &m_dialog, "STATIC", WS_TABSTOP, WS_EX_CONTROLPARENT);
    AddButton(container, WS_VISIBLE, 0);                          // no tab stop
    CButton& inner = AddButton(container, WS_VISIBLE | WS_TABSTOP, 25);
    CButton& last = AddButton(m_dialog, WS_VISIBLE | WS_TABSTOP, 110);

    struct Case
    {
        CWnd* after;
        HWND expected;
    };
    for (const Case& c : { Case{ nullptr, inner.m_hWnd }, Case{ &inner, last.m_hWnd }, Case{ &last, inner.m_hWnd } }) {
        DialogEx::ResetFocus(m_dialog, c.after);
        EXPECT_EQ(c.expected, ::GetFocus());
    }

    // Already inside the container: SetFocus leaves it there.
    DialogEx::SetFocus(inner);
    DialogEx::SetFocus(container);
    EXPECT_EQ(inner.m_hWnd, ::GetFocus());
}

TEST_F(DialogExTest, NothingToFocusFocusesTheDialog)
{
    AddButton(m_dialog, WS_VISIBLE, 0);
    DialogEx::ResetFocus(m_dialog, nullptr);
    EXPECT_EQ(m_dialog.m_hWnd, ::GetFocus());
}

TEST_F(DialogExTest, RecoversFromADisabledFocusWindow)
{
    CButton& first = AddButton(m_dialog, WS_VISIBLE | WS_TABSTOP, 0);
    CButton& second = AddButton(m_dialog, WS_VISIBLE | WS_TABSTOP, 30);
    DialogEx::SetFocus(second);
    ASSERT_EQ(second.m_hWnd, ::GetFocus());
    DialogEx::RecoverFromDisabledFocusWindow(m_dialog, nullptr);
    EXPECT_EQ(second.m_hWnd, ::GetFocus());

    second.EnableWindow(FALSE);
    DialogEx::RecoverFromDisabledFocusWindow(m_dialog, nullptr);
    EXPECT_EQ(first.m_hWnd, ::GetFocus());
}

TEST_F(DialogExTest, APostedMoveHappensAtTheNextPump)
{
    AddButton(m_dialog, WS_VISIBLE | WS_TABSTOP, 0);
    CButton& second = AddButton(m_dialog, WS_VISIBLE | WS_TABSTOP, 30);
    DialogEx::GotoDialogControl(second, false);
    EXPECT_NE(second.m_hWnd, ::GetFocus());
    PumpPending();
    EXPECT_EQ(second.m_hWnd, ::GetFocus());
}
