// Popup menus from the test DLL: a tracked choice comes back or reaches the owner's command routing.
#include "TestApp.h"
#include "TestIds.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Records the menu commands that reach its command routing.
class COwnerWnd : public CWnd
{
public:
    std::vector<UINT> m_commands;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override
    {
        if (nCode == CN_COMMAND && pHandlerInfo == nullptr && nID >= ID_POPUP_FIRST && nID <= ID_POPUP_THIRD) {
            m_commands.push_back(nID);
            return TRUE;
        }
        return CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    }
};

// Chooses the n-th item of the open popup menu with the keyboard.
void ChooseSoon(int nDowns)
{
    RunSoon([nDowns] {
        HWND hMenu = ::FindWindowA("#32768", nullptr);
        if (hMenu == nullptr) {
            ADD_FAILURE() << "no popup menu is open";
            return;
        }
        for (int i = 0; i < nDowns; ++i)
            ::PostMessageA(hMenu, WM_KEYDOWN, VK_DOWN, 0);
        ::PostMessageA(hMenu, WM_KEYDOWN, VK_RETURN, 0);
    }, 100);
}

struct TrackCase
{
    UINT flags;
    int downs;
    BOOL expectedReturn;      // what TrackPopupMenu gives
    UINT expectedCommand;     // what the owner's routing sees (0: nothing)
};

TEST(PopupMenu, TrackedChoiceReturnsOrReachesTheOwner)
{
    const TrackCase cases[] = {
        { TPM_RETURNCMD | TPM_LEFTALIGN, 2, ID_POPUP_SECOND, 0 },
        { TPM_RETURNCMD | TPM_LEFTALIGN | TPM_RIGHTBUTTON, 1, ID_POPUP_FIRST, 0 },
        { TPM_LEFTALIGN, 2, TRUE, ID_POPUP_SECOND },
    };
    for (const TrackCase& c : cases) {
        COwnerWnd owner;
        ASSERT_TRUE(owner.CreateEx(0, AfxRegisterWndClass(0), "Menu owner", WS_POPUP | WS_VISIBLE, 50, 50, 200, 150,
                                   nullptr, nullptr));
        owner.SetForegroundWindow();
        CMenu menu;
        ASSERT_TRUE(menu.LoadMenu(IDR_DLL_POPUP));
        CMenu* pPopup = menu.GetSubMenu(0);
        ASSERT_NE(nullptr, pPopup);
        ChooseSoon(c.downs);
        BOOL result = pPopup->TrackPopupMenu(c.flags, 60, 60, &owner);
        PumpPending();
        EXPECT_EQ(c.expectedReturn, result) << c.flags;
        std::vector<UINT> expected;
        if (c.expectedCommand != 0)
            expected.push_back(c.expectedCommand);
        EXPECT_EQ(expected, owner.m_commands) << c.flags;
        owner.DestroyWindow();
    }
}

TEST(PopupMenu, ItemQueriesAndChanges)
{
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_DLL_POPUP));
    CMenu* pPopup = menu.GetSubMenu(0);
    ASSERT_EQ(4u, pPopup->GetMenuItemCount());
    CString text;
    EXPECT_EQ(7, pPopup->GetMenuString(ID_POPUP_SECOND, text, MF_BYCOMMAND));
    EXPECT_STREQ("&Second", text);
    EXPECT_EQ(static_cast<UINT>(ID_POPUP_THIRD), pPopup->GetMenuItemID(3));
    EXPECT_TRUE(pPopup->ModifyMenu(ID_POPUP_THIRD, MF_BYCOMMAND | MF_STRING, ID_POPUP_THIRD, "&Last"));
    pPopup->GetMenuString(3, text, MF_BYPOSITION);
    EXPECT_STREQ("&Last", text);
    EXPECT_TRUE(pPopup->CheckMenuRadioItem(ID_POPUP_FIRST, ID_POPUP_SECOND, ID_POPUP_SECOND, MF_BYCOMMAND));
    EXPECT_TRUE(pPopup->GetMenuState(ID_POPUP_SECOND, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_FALSE(pPopup->GetMenuState(ID_POPUP_FIRST, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_TRUE(pPopup->DeleteMenu(2, MF_BYPOSITION));
    EXPECT_EQ(3u, pPopup->GetMenuItemCount());
    CMenu created;
    ASSERT_TRUE(created.CreatePopupMenu());
    EXPECT_TRUE(created.AppendMenu(MF_STRING, ID_POPUP_FIRST, "One"));
    EXPECT_TRUE(created.InsertMenu(0, MF_BYPOSITION | MF_STRING, ID_POPUP_SECOND, "Zero"));
    EXPECT_EQ(static_cast<UINT>(ID_POPUP_SECOND), created.GetMenuItemID(0));
    EXPECT_TRUE(created == *CMenu::FromHandle(created.m_hMenu));
}

}  // namespace
