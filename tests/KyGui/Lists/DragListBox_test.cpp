// Tests of the drag list box in a dialog: its toolbar, moves by command, key
// and toolbar click, the drag-list notifications and the insert mark.
#include "KyGui/Lists/DragListBox.h"

#include "KyGui/Lists/ListsResource.h"
#include "Lists/ListTestDialog.h"
#include "TestApp.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const DWORD kStringListStyle = LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER;

using Strings = std::vector<std::string>;

class DragListBoxTest : public ::testing::Test
{
protected:
    void Open(KyDragListBox& list, const Strings& items)
    {
        ASSERT_TRUE(m_dialog.Open(list));
        for (const std::string& item : items)
            list.AddString(item.c_str());
        PumpPending();
    }

    // Sends the dialog the drag-list message for a client point of the list.
    LRESULT Drag(KyDragListBox& list, UINT code, POINT client)
    {
        DRAGLISTINFO info = {};
        info.uNotification = code;
        info.hWnd = list.m_hWnd;
        info.ptCursor = client;
        ::ClientToScreen(list.m_hWnd, &info.ptCursor);
        return m_dialog.SendMessage(KyDragListBox::DragListMessage(), ListTestDialog::kListId,
                                    reinterpret_cast<LPARAM>(&info));
    }

    ListTestDialog m_dialog{kStringListStyle};
};

CRect RectInDialog(CWnd& wnd)
{
    CRect rect;
    wnd.GetWindowRect(&rect);
    ::MapWindowPoints(HWND_DESKTOP, ::GetParent(wnd.m_hWnd), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::vector<int> Commands(CToolBarCtrl& bar)
{
    std::vector<int> ids;
    for (int i = 0; i < bar.GetButtonCount(); ++i) {
        TBBUTTON button = {};
        bar.GetButton(i, &button);
        ids.push_back(button.idCommand);
    }
    return ids;
}

// The 4 x 4 pixels around a point (the halftone mark inverts every other one).
std::vector<COLORREF> Pixels(HDC dc, POINT at)
{
    std::vector<COLORREF> pixels;
    for (int dy = -2; dy < 2; ++dy)
        for (int dx = -2; dx < 2; ++dx)
            pixels.push_back(::GetPixel(dc, at.x + dx, at.y + dy));
    return pixels;
}

} // namespace

TEST_F(DragListBoxTest, ToolbarSitsOnTheListsTopRightCorner)
{
    KyDragListBox list;
    Open(list, {"a", "b"});
    CToolBarCtrl& bar = list.GetToolBarCtrl();
    ASSERT_NE(bar.GetSafeHwnd(), nullptr);
    EXPECT_EQ(::GetParent(bar.m_hWnd), m_dialog.m_hWnd);
    EXPECT_EQ(bar.GetDlgCtrlID(), ID_KY_LIST_TOOLBAR);
    const CRect listRect = RectInDialog(list);
    const CRect barRect = RectInDialog(bar);
    EXPECT_EQ(barRect.Width(), 48);
    EXPECT_EQ(barRect.Height(), 20);
    EXPECT_EQ(barRect.right, listRect.right);
    EXPECT_EQ(barRect.bottom, listRect.top);
    EXPECT_EQ(Commands(bar), (std::vector<int>{ID_KY_LIST_MOVE_DOWN, ID_KY_LIST_MOVE_UP}));
}

TEST_F(DragListBoxTest, WithoutTheToolbarFlagThereIsNoneUntilAsked)
{
    KyDragListBox list(true, false, 777);
    Open(list, {"a"});
    EXPECT_EQ(list.GetToolBarCtrl().GetSafeHwnd(), nullptr);
    EXPECT_EQ(::GetDlgItem(m_dialog.m_hWnd, 777), nullptr);
    EXPECT_TRUE(list.CreateToolbar(777));
    EXPECT_NE(::GetDlgItem(m_dialog.m_hWnd, 777), nullptr);
    EXPECT_TRUE(list.CreateToolbar(777)); // a second call changes nothing
    EXPECT_EQ(list.GetToolBarCtrl().GetButtonCount(), 2);
}

// Each way of moving the current item, from item 1 of a, b, c.
struct MoveCase
{
    const char* name;
    int how; // 0 command, 1 Alt key, 2 toolbar click
    bool up;
    Strings after;
    int selected;
};

class DragListMoves : public DragListBoxTest, public ::testing::WithParamInterface<MoveCase>
{
};

TEST_P(DragListMoves, MoveTheCurrentItemWithItsText)
{
    const MoveCase& c = GetParam();
    KyDragListBox list;
    Open(list, {"a", "b", "c"});
    list.SetCurSel(1);
    const UINT command = c.up ? ID_KY_LIST_MOVE_UP : ID_KY_LIST_MOVE_DOWN;
    if (c.how == 0) {
        list.SendMessage(WM_COMMAND, command);
    } else if (c.how == 1) {
        PressAltKey(list.m_hWnd, c.up ? VK_UP : VK_DOWN);
    } else {
        CToolBarCtrl& bar = list.GetToolBarCtrl();
        CRect button;
        bar.GetItemRect(static_cast<int>(bar.CommandToIndex(command)), &button);
        const POINT at = button.CenterPoint();
        Click(bar.m_hWnd, at, at);
        PumpPending();
    }
    EXPECT_EQ(Texts(list), c.after);
    EXPECT_EQ(list.GetCurSel(), c.selected);
}

INSTANTIATE_TEST_SUITE_P(Ways, DragListMoves,
                         ::testing::Values(MoveCase{"CommandUp", 0, true, {"b", "a", "c"}, 0},
                                           MoveCase{"CommandDown", 0, false, {"a", "c", "b"}, 2},
                                           MoveCase{"AltUp", 1, true, {"b", "a", "c"}, 0},
                                           MoveCase{"AltDown", 1, false, {"a", "c", "b"}, 2},
                                           MoveCase{"ToolbarUp", 2, true, {"b", "a", "c"}, 0},
                                           MoveCase{"ToolbarDown", 2, false, {"a", "c", "b"}, 2}),
                         [](const ::testing::TestParamInfo<MoveCase>& info) { return info.param.name; });

// Moves that must be refused, on a list of the given items.
struct RefusedCase
{
    const char* name;
    Strings items;
    int from;
    int to;
};

class DragListRefusals : public DragListBoxTest, public ::testing::WithParamInterface<RefusedCase>
{
};

TEST_P(DragListRefusals, LeaveTheListAsItWas)
{
    const RefusedCase& c = GetParam();
    KyDragListBox list;
    Open(list, c.items);
    EXPECT_EQ(list.MoveItem(c.from, c.to), c.from);
    EXPECT_EQ(Texts(list), c.items);
}

INSTANTIATE_TEST_SUITE_P(Cases, DragListRefusals,
                         ::testing::Values(RefusedCase{"OneItem", {"a"}, 0, 1},
                                           RefusedCase{"SamePlace", {"a", "b"}, 1, 1},
                                           RefusedCase{"FromPastTheEnd", {"a", "b"}, 2, 0},
                                           RefusedCase{"ToNegative", {"a", "b"}, 0, -1},
                                           RefusedCase{"ToCount", {"a", "b", "c"}, 0, 3}),
                         [](const ::testing::TestParamInfo<RefusedCase>& info) { return info.param.name; });

TEST_F(DragListBoxTest, CommandsAtTheEndsMoveNothing)
{
    KyDragListBox list;
    Open(list, {"a", "b"});
    list.SetCurSel(0);
    list.SendMessage(WM_COMMAND, ID_KY_LIST_MOVE_UP);
    list.SetCurSel(1);
    list.SendMessage(WM_COMMAND, ID_KY_LIST_MOVE_DOWN);
    EXPECT_EQ(Texts(list), (Strings{"a", "b"}));
}

TEST_F(DragListBoxTest, DragNotificationsAnswerAndDropMoves)
{
    KyDragListBox list;
    Open(list, {"a", "b", "c", "d", "e"});
    list.SetCurSel(0);
    EXPECT_EQ(Drag(list, DL_BEGINDRAG, ItemCenter(list, 0)), TRUE);
    EXPECT_EQ(Drag(list, DL_DRAGGING, ItemCenter(list, 2)), DL_MOVECURSOR);
    CRect client;
    list.GetClientRect(&client);
    EXPECT_EQ(Drag(list, DL_DRAGGING, POINT{client.right + 40, client.top + 2}), DL_STOPCURSOR);
    Drag(list, DL_DROPPED, ItemCenter(list, 3));
    EXPECT_EQ(Texts(list), (Strings{"b", "c", "d", "a", "e"}));
    EXPECT_EQ(list.GetCurSel(), 3);
}

TEST_F(DragListBoxTest, DropsOutsideOrOnTheOwnPlaceMoveNothing)
{
    KyDragListBox list;
    Open(list, {"a", "b", "c"});
    list.SetCurSel(1);
    CRect client;
    list.GetClientRect(&client);
    const POINT outside{client.right + 40, client.top + 2};
    EXPECT_EQ(Drag(list, DL_BEGINDRAG, outside), FALSE);
    Drag(list, DL_DROPPED, ItemCenter(list, 0)); // no drag began
    ASSERT_EQ(Drag(list, DL_BEGINDRAG, ItemCenter(list, 1)), TRUE);
    Drag(list, DL_DROPPED, outside);
    ASSERT_EQ(Drag(list, DL_BEGINDRAG, ItemCenter(list, 1)), TRUE);
    Drag(list, DL_DROPPED, ItemCenter(list, 1));
    EXPECT_EQ(Texts(list), (Strings{"a", "b", "c"}));
}

TEST_F(DragListBoxTest, InsertMarkInvertsPixelsAndRestoresThem)
{
    KyDragListBox list;
    Open(list, {"a", "b", "c", "d"});
    list.SetCurSel(0);
    list.UpdateWindow();
    CRect item;
    list.GetItemRect(2, &item);
    const POINT mark{(item.left + item.right) / 2, item.bottom};
    HDC dc = ::GetDC(list.m_hWnd);
    const std::vector<COLORREF> before = Pixels(dc, mark);
    ASSERT_EQ(Drag(list, DL_BEGINDRAG, ItemCenter(list, 0)), TRUE);
    EXPECT_EQ(Pixels(dc, mark), before); // none at the dragged item's own place
    Drag(list, DL_DRAGGING, ItemCenter(list, 2));
    EXPECT_NE(Pixels(dc, mark), before);
    Drag(list, DL_DRAGGING, ItemCenter(list, 0));
    EXPECT_EQ(Pixels(dc, mark), before);
    Drag(list, DL_CANCELDRAG, ItemCenter(list, 0));
    ::ReleaseDC(list.m_hWnd, dc);
    EXPECT_EQ(Texts(list), (Strings{"a", "b", "c", "d"}));
}

TEST_F(DragListBoxTest, MovingFromAboveTheTopKeepsTheView)
{
    KyDragListBox list;
    Open(list, {});
    for (int i = 0; i < 30; ++i)
        list.AddString(std::to_string(i).c_str());
    const int height = list.GetItemHeight(0);
    CRect window, client;
    list.GetWindowRect(&window);
    list.GetClientRect(&client);
    ::SetWindowPos(list.m_hWnd, nullptr, 0, 0, window.Width(), 10 * height + window.Height() - client.Height(),
                      SWP_NOMOVE | SWP_NOZORDER);
    list.SetTopIndex(10);
    CString firstBefore;
    list.GetText(list.GetTopIndex(), firstBefore);
    EXPECT_EQ(list.MoveItem(5, 15), 15);
    CString firstAfter;
    list.GetText(list.GetTopIndex(), firstAfter);
    EXPECT_EQ(std::string(firstAfter), std::string(firstBefore));
    CString moved;
    list.GetText(15, moved);
    EXPECT_EQ(std::string(moved), "5");
}
