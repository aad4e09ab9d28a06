// Tests of the check list box's group operations in an extended-selection list:
// a check spreading to the selection, Ctrl and Shift clicks, Space, and the check
// column drawn unselected.
#include "KyGui/CheckList/KyCheckListBox.h"

#include "CheckList/CheckListTest.h"
#include "TestApp.h"

#include <gtest/gtest.h>

namespace {

const DWORD kStyle = LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;

class CheckListGroup : public CheckListFixture<KyCheckListBox> {
protected:
    void Open(DWORD selection)
    {
        CheckListFixture::Open(kStyle | selection, {"zero", "one", "two", "three", "four"});
        m_list.SetCheckStyle(3);
    }
    void TearDown() override
    {
        SetKey(VK_SHIFT, false);
        SetKey(VK_CONTROL, false);
        CheckListFixture::TearDown();
    }
};

// A click on the check of one item, with items 1 to 3 selected.
struct GroupCase {
    const char* name;
    int item;
    UINT flags;
    std::vector<int> before;
    std::vector<int> after;
};

class GroupClicks : public CheckListGroup, public ::testing::WithParamInterface<GroupCase> {};

TEST_P(GroupClicks, SpreadTheNewStateAsTheModifiersSay)
{
    const GroupCase& c = GetParam();
    Open(LBS_EXTENDEDSEL);
    m_list.SelItemRange(TRUE, 1, 3);
    SetChecks(c.before);
    ClickCheck(c.item, c.flags);
    EXPECT_EQ(Checks(), c.after);
    EXPECT_EQ(m_dialog->m_checkChanges.size(), 1u);
    EXPECT_EQ(m_list.GetSelCount(), 3);
}

INSTANTIATE_TEST_SUITE_P(
    Modifiers, GroupClicks,
    ::testing::Values(GroupCase{"Plain", 2, 0, {0, 0, 0, 1, 0}, {0, 1, 1, 1, 0}},
                      GroupCase{"Ctrl", 2, MK_CONTROL, {0, 0, 0, 1, 0}, {0, 0, 1, 1, 0}},
                      GroupCase{"ShiftUnselected", 4, MK_SHIFT, {1, 1, 0, 1, 0}, {0, 0, 0, 0, 1}},
                      GroupCase{"ShiftSelected", 2, MK_SHIFT, {1, 0, 0, 0, 1}, {0, 1, 1, 1, 0}},
                      GroupCase{"UnselectedAlone", 0, 0, {0, 1, 1, 1, 0}, {1, 1, 1, 1, 0}}),
    [](const ::testing::TestParamInfo<GroupCase>& info) { return info.param.name; });

TEST_F(CheckListGroup, DisabledItemsKeepTheirChecks)
{
    Open(LBS_EXTENDEDSEL);
    m_list.SelItemRange(TRUE, 1, 3);
    SetChecks({1, 0, 0, 0, 1});
    m_list.Enable(3, FALSE);
    m_list.Enable(4, FALSE);
    ClickCheck(2, MK_SHIFT);
    EXPECT_EQ(Checks(), (std::vector<int>{0, 1, 1, 0, 1}));
}

TEST_F(CheckListGroup, SpaceSpreadsTheCaretsNewStateAndShiftMakesItARadioChoice)
{
    Open(LBS_EXTENDEDSEL);
    m_list.SelItemRange(TRUE, 1, 2);
    m_list.SetCaretIndex(2);
    SetChecks({1, 0, 0, 0, 0});
    PressKey(m_list.m_hWnd, VK_SPACE, ' ');
    EXPECT_EQ(Checks(), (std::vector<int>{1, 1, 1, 0, 0}));
    SetKey(VK_SHIFT, true);
    m_list.SetCheck(2, 0);
    PressKey(m_list.m_hWnd, VK_SPACE, ' ');
    EXPECT_EQ(Checks(), (std::vector<int>{0, 1, 1, 0, 0}));
}

TEST_F(CheckListGroup, ASpaceThatOnlySelectsChangesNoOtherCheck)
{
    Open(LBS_MULTIPLESEL);
    m_list.SetSel(0);
    m_list.SetSel(1);
    SetChecks({1, 1, 0, 0, 0});
    m_list.SetCaretIndex(3);
    SetKey(VK_SHIFT, true);
    PressKey(m_list.m_hWnd, VK_SPACE, ' ');
    EXPECT_EQ(m_list.GetSel(3), 1);
    EXPECT_EQ(Checks(), (std::vector<int>{1, 1, 0, 0, 0}));
    EXPECT_TRUE(m_dialog->m_checkChanges.empty());
}

TEST_F(CheckListGroup, TheCheckColumnOfASelectedItemIsDrawnUnselected)
{
    Open(LBS_EXTENDEDSEL);
    m_list.SetSel(1);
    m_list.SetCheck(1, 1);
    m_list.UpdateWindow();
    PumpPending();
    SaveWindowPng(m_dialog->m_hWnd,
                  Unthemed() ? "KyCheckListBox_unthemed" : "KyCheckListBox_themed");
    CRect rect;
    m_list.GetItemRect(1, &rect);
    HDC dc = ::GetDC(m_list.m_hWnd);
    EXPECT_EQ(::GetPixel(dc, rect.left + 1, rect.top + 1), ::GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(::GetPixel(dc, rect.right - 2, rect.top + 1), ::GetSysColor(COLOR_HIGHLIGHT));
    ::ReleaseDC(m_list.m_hWnd, dc);
}

} // namespace
