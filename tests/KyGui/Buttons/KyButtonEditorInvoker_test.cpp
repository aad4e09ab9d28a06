// Tests of the editor and menu invokers: arming by mouse, space bar and
// Shift, the message to the parent, and the menu's position, updates and commands.
#include "KyGui/Buttons/KyButtonEditorInvoker.h"

#include "KyGui/Buttons/KyButtonMenuInvoker.h"
#include "ButtonTestDialog.h"

#include <afxres.h>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace ButtonTest;

constexpr UINT kEditorId = kFirstId;
constexpr UINT kMenuId = kFirstId + 1;

class InvokerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dialog.Open({
            {false, BS_OWNERDRAW | WS_TABSTOP, 10, 10, 14, 12, kEditorId, L""},
            {false, BS_OWNERDRAW | WS_TABSTOP, 40, 10, 14, 12, kMenuId, L""},
        }));
        ASSERT_TRUE(m_editor.SubclassDlgItem(kEditorId, &m_dialog));
        ASSERT_TRUE(m_menuButton.SubclassDlgItem(kMenuId, &m_dialog));
        PumpPending();
    }
    void TearDown() override
    {
        SetKey(VK_SHIFT, false);
        SetKey(VK_SPACE, false);
    }
    void Click(CWnd& button, CPoint up)
    {
        button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        button.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(up.x, up.y));
        PumpPending();
    }
    void Reflect(CWnd& button)
    {
        m_dialog.SendMessage(WM_COMMAND, MAKEWPARAM(button.GetDlgCtrlID(), BN_CLICKED),
                             reinterpret_cast<LPARAM>(button.m_hWnd));
        PumpPending();
    }
    // A menu whose first submenu holds the two test commands.
    static CMenu* TestMenu()
    {
        auto* pMenu = new CMenu;
        pMenu->CreateMenu();
        CMenu popup;
        popup.CreatePopupMenu();
        popup.AppendMenu(MF_STRING, kCmdChosen, "&Chosen");
        popup.AppendMenu(MF_STRING, kCmdDisabled, "&Disabled");
        pMenu->AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(popup.Detach()), "Popup");
        return pMenu;
    }

    Dialog m_dialog;
    KyButtonEditorInvoker m_editor;
    KyButtonMenuInvoker m_menuButton;
};

TEST_F(InvokerTest, ClickInsideAsksTheParentForTheEditor)
{
    Click(m_editor, CPoint(3, 3));
    ASSERT_EQ(1u, m_dialog.m_invokes.size());
    EXPECT_EQ(kEditorId, m_dialog.m_invokes[0].first);
    EXPECT_EQ(0, m_dialog.m_invokes[0].second);
    EXPECT_TRUE(m_dialog.m_events.empty());
}

TEST_F(InvokerTest, ReleaseOutsideSendsNothing)
{
    Click(m_editor, CPoint(-20, -20));
    EXPECT_TRUE(m_dialog.m_invokes.empty());
    // The arming is gone: a late click notification does nothing either.
    Reflect(m_editor);
    EXPECT_TRUE(m_dialog.m_invokes.empty());
}

TEST_F(InvokerTest, SpaceBarPressAsksForTheEditor)
{
    m_editor.SetFocus();
    PumpPending();
    SetKey(VK_SPACE, true);
    m_editor.SendMessage(WM_KEYDOWN, VK_SPACE, 0x00390001);
    SetKey(VK_SPACE, false);
    m_editor.SendMessage(WM_KEYUP, VK_SPACE, 0xC0390001);
    PumpPending();
    ASSERT_EQ(1u, m_dialog.m_invokes.size());
    EXPECT_EQ(kEditorId, m_dialog.m_invokes[0].first);
}

TEST_F(InvokerTest, UnarmedClickNeedsShift)
{
    Reflect(m_editor);
    EXPECT_TRUE(m_dialog.m_invokes.empty());
    SetKey(VK_SHIFT, true);
    Reflect(m_editor);
    EXPECT_EQ(1u, m_dialog.m_invokes.size());
    EXPECT_TRUE(m_dialog.m_events.empty());
}

TEST_F(InvokerTest, FocusPostsOneRepaint)
{
    m_dialog.SetFocus();
    m_editor.SetFocus();
    MSG msg;
    EXPECT_TRUE(::PeekMessageA(&msg, m_editor.m_hWnd, KyButtonEditorInvoker::kFocusRepaintMessage,
                               KyButtonEditorInvoker::kFocusRepaintMessage, PM_NOREMOVE));
    PumpPending();
    EXPECT_FALSE(::PeekMessageA(&msg, m_editor.m_hWnd, KyButtonEditorInvoker::kFocusRepaintMessage,
                                KyButtonEditorInvoker::kFocusRepaintMessage, PM_NOREMOVE));
}

TEST(MenuInvoker, MissingMenuThrowsTheResourceException)
{
    bool thrown = false;
    try
    {
        KyButtonMenuInvoker button(UINT(39999));
    }
    catch (CResourceException* e)
    {
        thrown = true;
        e->Delete();
    }
    EXPECT_TRUE(thrown);
}

BOOL CALLBACK NoteVisibleMenu(HWND hWnd, LPARAM result)
{
    char name[16] = {};
    ::GetClassNameA(hWnd, name, sizeof name);
    if (::IsWindowVisible(hWnd) && lstrcmpA(name, "#32768") == 0)
    {
        *reinterpret_cast<HWND*>(result) = hWnd;
        return FALSE;
    }
    return TRUE;
}

HWND FindPopupMenu()
{
    HWND found = nullptr;
    ::EnumWindows(&NoteVisibleMenu, reinterpret_cast<LPARAM>(&found));
    return found;
}

TEST_F(InvokerTest, MenuOpensBelowTheButtonWithUpdatedItems)
{
    m_menuButton.SetMenu(TestMenu());
    CRect popupRect;
    UINT disabledState = 0;
    bool opened = false;
    RunSoon([&] {
        HWND popup = FindPopupMenu();
        opened = popup != nullptr;
        if (popup)
            ::GetWindowRect(popup, &popupRect);
        disabledState = m_menuButton.GetMenuPtr()->GetSubMenu(0)->GetMenuState(kCmdDisabled, MF_BYCOMMAND);
        ::PostMessageA(popup, WM_KEYDOWN, VK_ESCAPE, 0);
        ::PostMessageA(popup, WM_KEYDOWN, VK_ESCAPE, 0);
    }, 200);
    m_menuButton.InvokeEditor();
    ASSERT_TRUE(opened);
    CRect button;
    m_menuButton.GetWindowRect(&button);
    EXPECT_EQ(button.left + 8, popupRect.left);
    EXPECT_EQ(button.bottom, popupRect.top);
    EXPECT_TRUE(disabledState & MF_GRAYED);
    EXPECT_NE(m_dialog.m_events.end(), std::find(m_dialog.m_events.begin(), m_dialog.m_events.end(), "update"));
}

TEST_F(InvokerTest, ChosenCommandReachesTheParent)
{
    m_menuButton.SetMenu(TestMenu());
    RunSoon([] {
        HWND popup = FindPopupMenu();
        ::PostMessageA(popup, WM_KEYDOWN, VK_DOWN, 0);
        ::PostMessageA(popup, WM_KEYDOWN, VK_RETURN, 0);
    }, 200);
    SetKey(VK_SHIFT, true);
    Reflect(m_menuButton);
    SetKey(VK_SHIFT, false);
    PumpPending();
    EXPECT_NE(m_dialog.m_events.end(), std::find(m_dialog.m_events.begin(), m_dialog.m_events.end(), "chosen"));
}

TEST_F(InvokerTest, MenuWithoutSubmenuOpensNothing)
{
    auto* pMenu = new CMenu;
    pMenu->CreatePopupMenu();
    pMenu->AppendMenu(MF_STRING, kCmdChosen, "&Chosen");
    m_menuButton.SetMenu(pMenu);
    bool opened = false;
    RunSoon([&] {
        HWND popup = FindPopupMenu();
        opened = popup != nullptr;
        if (popup)
            ::PostMessageA(popup, WM_KEYDOWN, VK_ESCAPE, 0);
    }, 100);
    m_menuButton.InvokeEditor();
    // Had it tracked, the timer would have run inside the menu's loop.
    Sleep(150);
    PumpPending();
    EXPECT_FALSE(opened);
    EXPECT_TRUE(m_dialog.m_events.empty());
}

} // namespace
