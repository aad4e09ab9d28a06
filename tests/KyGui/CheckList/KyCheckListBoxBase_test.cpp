// Tests of the check list box base in a dialog: item data behind the records,
// check states, item heights, clicks and Space, and the unthemed check images.
#include "KyGui/CheckList/KyCheckListBoxBase.h"

#include "CheckList/CheckListTest.h"
#include "KyGui/Lists/ListsResource.h"
#include "KyGui/Module/KyGuiModule.h"
#include "TestApp.h"

#include <gtest/gtest.h>
#include <vssym32.h>

#include <stdexcept>

BEGIN_MESSAGE_MAP(CheckListDialog, ListTestDialog)
ON_CONTROL(KY_CLBN_CHECK_CHANGED, kListId, OnCheckChanged)
END_MESSAGE_MAP()

void CheckListDialog::OnCheckChanged()
{
    m_checkChanges.push_back(GetCurrentMessage()->lParam);
}

void SetKey(int key, bool down)
{
    BYTE state[256];
    ::GetKeyboardState(state);
    state[key] = down ? 0x80 : 0;
    ::SetKeyboardState(state);
}

int CheckBoxHeight(KyCheckListBoxBase& list)
{
    if (list.GetTheme() == nullptr)
        return 13;
    using PartSizeFn = HRESULT(WINAPI*)(HTHEME, HDC, int, int, const RECT*, int, SIZE*);
    auto query = reinterpret_cast<PartSizeFn>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleA("uxtheme.dll"), "GetThemePartSize")));
    SIZE size = {};
    HDC dc = ::GetDC(list.m_hWnd);
    query(list.GetTheme(), dc, BP_CHECKBOX, CBS_UNCHECKEDNORMAL, nullptr, 1, &size);
    ::ReleaseDC(list.m_hWnd, dc);
    return size.cy;
}

namespace {

const DWORD kDataList = LBS_OWNERDRAWFIXED | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL;
const DWORD kTextList = kDataList | LBS_HASSTRINGS;

using CheckListBase = CheckListFixture<RecordingCheckList<KyCheckListBoxBase>>;

LPCSTR Value(DWORD_PTR value)
{
    return reinterpret_cast<LPCSTR>(value);
}

TEST_F(CheckListBase, ItemDataIsExactlyTheCallersInAListWithoutStrings)
{
    Open(kDataList);
    EXPECT_EQ(m_list.AddString(Value(0x1234)), 0);
    EXPECT_EQ(m_list.InsertString(0, Value(0xFFFFFFFE)), 0);
    EXPECT_EQ(m_list.InsertString(9, Value(7)), LB_ERR); // refused: nothing kept
    ASSERT_EQ(m_list.GetCount(), 2);
    EXPECT_EQ(m_list.GetItemData(0), 0xFFFFFFFEu);
    EXPECT_EQ(m_list.GetItemData(1), 0x1234u);
    EXPECT_NE(m_list.SetItemData(1, 77), LB_ERR);
    EXPECT_EQ(m_list.GetItemData(1), 77u);
    EXPECT_EQ(m_list.SetItemData(5, 1), LB_ERR);
    EXPECT_EQ(m_list.SendMessage(LB_GETITEMDATA, 5), LB_ERR);

    DWORD_PTR text = 0;
    EXPECT_EQ(m_list.SendMessage(LB_GETTEXT, 1, reinterpret_cast<LPARAM>(&text)),
              static_cast<LRESULT>(sizeof text));
    EXPECT_EQ(text, 77u);
    EXPECT_EQ(m_list.SendMessage(LB_GETTEXT, 2, reinterpret_cast<LPARAM>(&text)), LB_ERR);
    // Checks and enabled states live beside the data and leave it alone.
    m_list.SetCheck(1, 1);
    m_list.Enable(1, FALSE);
    EXPECT_EQ(m_list.GetItemData(1), 77u);
}

TEST_F(CheckListBase, FindAndSelectMatchTheCallersValueFromTheStartIndex)
{
    Open(kDataList);
    for (DWORD_PTR value : {10, 20, 10, 30})
        m_list.AddString(Value(value));
    struct Case {
        UINT message;
        int start;
        DWORD_PTR value;
        int found;
    };
    const Case cases[] = {
        {LB_FINDSTRING, -1, 10, 0},          {LB_FINDSTRING, 0, 10, 0},
        {LB_FINDSTRING, 1, 10, 2},           {LB_FINDSTRING, 3, 10, LB_ERR},
        {LB_FINDSTRING, -1, 99, LB_ERR},     {LB_FINDSTRINGEXACT, -1, 30, 3},
        {LB_FINDSTRINGEXACT, 2, 20, LB_ERR}, {LB_SELECTSTRING, 1, 20, 1},
        {LB_SELECTSTRING, -1, 30, 3},        {LB_SELECTSTRING, 0, 42, LB_ERR},
    };
    for (const Case& c : cases) {
        const int selected = m_list.GetCurSel();
        EXPECT_EQ(m_list.SendMessage(c.message, static_cast<WPARAM>(c.start),
                                     static_cast<LPARAM>(c.value)),
                  c.found)
            << c.message << " " << c.start << " " << c.value;
        if (c.message == LB_SELECTSTRING) {
            EXPECT_EQ(m_list.GetCurSel(), c.found == LB_ERR ? selected : c.found);
        }
    }
}

TEST_F(CheckListBase, SortingAndDeletionSeeTheCallersValues)
{
    Open(kDataList | LBS_SORT);
    for (DWORD_PTR value : {30, 10, 20})
        m_list.AddString(Value(value));
    EXPECT_EQ(m_list.GetItemData(0), 10u);
    EXPECT_EQ(m_list.GetItemData(2), 30u);
    EXPECT_EQ(m_list.FindStringExact(-1, Value(20)), 1);
    for (DWORD_PTR seen : m_list.m_compared)
        EXPECT_TRUE(seen == 10 || seen == 20 || seen == 30) << seen;

    m_list.DeleteString(0);
    EXPECT_EQ(m_list.m_deleted, std::vector<DWORD_PTR>{10});
    m_dialog->DestroyWindow(); // every remaining record goes through the deletion too
    EXPECT_EQ(m_list.m_deleted.size(), 3u);
}

TEST_F(CheckListBase, ItemDataComesBackWholeAsTheTextOfAListWithoutStrings)
{
    Open(kDataList);
    const DWORD_PTR kWide = static_cast<DWORD_PTR>(0x0123456789ABCDEFull); // past 32 bits on 64
    ASSERT_EQ(m_list.AddString(Value(kWide)), 0);
    m_list.SetCheck(0, 1); // a record now holds the data
    EXPECT_EQ(m_list.GetItemData(0), kWide);
    DWORD_PTR text[2] = {0, 0};
    const LRESULT length = m_list.SendMessage(LB_GETTEXT, 0, reinterpret_cast<LPARAM>(text));
    EXPECT_EQ(length, static_cast<LRESULT>(sizeof(DWORD_PTR)));
    EXPECT_EQ(length, m_list.SendMessage(LB_GETTEXTLEN, 0));
    EXPECT_EQ(text[0], kWide);
    EXPECT_EQ(text[1], 0u); // nothing written past the value
}

TEST_F(CheckListBase, WithStringsSetCheckKeepsTheItemDataTheCallerSet)
{
    Open(kTextList, {"one", "two"});
    m_list.SetItemData(0, 55);
    m_list.SetCheck(0, 1);
    m_list.SetCheck(1, 1);
    EXPECT_EQ(m_list.GetItemData(0), 55u);
    EXPECT_EQ(m_list.GetItemData(1), 0u);
    CString text;
    m_list.GetText(1, text);
    EXPECT_STREQ(text, "two");
}

TEST_F(CheckListBase, SetCheckFollowsTheCheckStyle)
{
    Open(kTextList, {"a", "b"});
    EXPECT_EQ(m_list.GetCheck(0), 0); // no record yet
    EXPECT_TRUE(m_list.IsEnabled(0));
    for (UINT style : {2u, 3u, 5u, 6u}) {
        m_list.SetCheckStyle(style);
        m_list.SetCheck(0, 1);
        m_list.SetCheck(0, 2);
        EXPECT_EQ(m_list.GetCheck(0), style <= 3 ? 1 : 2) << style;
    }
    m_list.SetCheck(5, 1); // beyond the list: ignored
    m_list.SetCheck(-1, 1);
    EXPECT_EQ(m_list.GetCount(), 2);
    EXPECT_THROW(m_list.SetCheck(1, 3), std::invalid_argument);
    EXPECT_THROW(m_list.SetCheckStyle(4), std::invalid_argument);
    EXPECT_EQ(m_list.GetCheck(1), 0);
    EXPECT_TRUE(m_dialog->m_checkChanges.empty()); // SetCheck sends nothing
}

TEST_F(CheckListBase, ItemHeightIsRaisedToTheMinimum)
{
    Open(kTextList, {"a"});
    const int check = CheckBoxHeight(m_list);
    CClientDC dc(&m_list);
    CFont* old = dc.SelectObject(CFont::FromHandle(m_list.GetFont()));
    TEXTMETRICA metrics = {};
    dc.GetTextMetrics(&metrics);
    dc.SelectObject(old);
    const int minimum = std::max(check, static_cast<int>(metrics.tmHeight)) + 2;
    EXPECT_EQ(m_list.GetItemHeight(0), minimum); // set at subclassing
    m_list.SetItemHeight(0, 4);
    EXPECT_EQ(m_list.GetItemHeight(0), minimum);
    m_list.SetItemHeight(0, 40);
    EXPECT_EQ(m_list.GetItemHeight(0), 40);

    CFont big;
    ASSERT_TRUE(
        big.CreateFont(-30, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial"));
    m_list.SetFont(static_cast<HFONT>(big.GetSafeHandle()));
    old = dc.SelectObject(&big);
    dc.GetTextMetrics(&metrics);
    dc.SelectObject(old);
    EXPECT_EQ(m_list.GetItemHeight(0), metrics.tmHeight + 2); // measured again in the new font
    m_list.SetFont(nullptr, FALSE);
}

TEST_F(CheckListBase, WithoutStringsTheMinimumIsTheCheckBoxAndTwo)
{
    Open(kDataList);
    m_list.SetItemHeight(0, 3);
    EXPECT_EQ(m_list.GetItemHeight(0), CheckBoxHeight(m_list) + 2);
}

TEST_F(CheckListBase, CreateMakesAFixedOwnerDrawnListMeasuredByTheWrapper)
{
    Open(kTextList);
    RecordingCheckList<KyCheckListBoxBase> fixed;
    ASSERT_TRUE(fixed.Create(WS_CHILD | WS_VISIBLE | LBS_HASSTRINGS, CRect(10, 10, 100, 60),
                             m_dialog.get(), 201));
    EXPECT_NE(fixed.GetStyle() & LBS_OWNERDRAWFIXED, 0u);
    ASSERT_EQ(fixed.m_measured.size(), 1u);
    EXPECT_EQ(fixed.m_measured[0].itemWidth, static_cast<UINT>(-1));
    EXPECT_EQ(fixed.GetItemHeight(0),
              static_cast<int>(fixed.m_measured[0].itemHeight)); // the minimum

    RecordingCheckList<KyCheckListBoxBase> variable;
    variable.m_answerHeight = 30;
    ASSERT_TRUE(variable.Create(WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWVARIABLE,
                                CRect(10, 70, 100, 160), m_dialog.get(), 202));
    EXPECT_EQ(variable.GetStyle() & LBS_OWNERDRAWFIXED, 0u);
    variable.AddString(Value(0xABC));
    variable.m_answerHeight = 1; // too small: raised to the minimum
    variable.AddString(Value(0xDEF));
    ASSERT_EQ(variable.m_measured.size(), 2u);
    EXPECT_EQ(variable.m_measured[0].itemData, 0xABCu);
    EXPECT_EQ(variable.m_measured[1].itemData, 0xDEFu);
    EXPECT_EQ(variable.GetItemHeight(0), 30);
    EXPECT_EQ(variable.GetItemHeight(1), static_cast<int>(variable.m_measured[1].itemHeight));
}

// One click on the check of an item in the given state, under a check style.
struct ToggleCase {
    UINT style;
    int before;
    int after;
};

class CheckClicks : public CheckListBase, public ::testing::WithParamInterface<ToggleCase> {};

TEST_P(CheckClicks, ToggleByTheRuleAndReportEachChange)
{
    const ToggleCase& c = GetParam();
    Open(kTextList, {"a", "b"});
    m_list.SetCheckStyle(c.style);
    m_list.SetCheck(1, c.before);
    ClickCheck(1);
    EXPECT_EQ(m_list.GetCheck(1), c.after);
    const bool toggles = c.style == 3 || c.style == 6;
    EXPECT_EQ(m_dialog->m_checkChanges,
              toggles ? std::vector<LPARAM>{reinterpret_cast<LPARAM>(m_list.m_hWnd)}
                      : std::vector<LPARAM>{});
    EXPECT_EQ(m_list.GetCurSel(), 1); // the click also selects, as any click
}

INSTANTIATE_TEST_SUITE_P(Styles, CheckClicks,
                         ::testing::Values(ToggleCase{3, 0, 1}, ToggleCase{3, 1, 0},
                                           ToggleCase{6, 0, 1}, ToggleCase{6, 1, 2},
                                           ToggleCase{6, 2, 0}, ToggleCase{5, 1, 1},
                                           ToggleCase{5, 2, 2}, ToggleCase{2, 0, 0}));

TEST_F(CheckListBase, ATwoStateIndeterminateItemBecomesUnchecked)
{
    Open(kTextList, {"a"});
    m_list.SetCheck(0, 2); // allowed before a style is chosen
    m_list.SetCheckStyle(3);
    ClickCheck(0);
    EXPECT_EQ(m_list.GetCheck(0), 0);
}

TEST_F(CheckListBase, ADisabledItemNeitherTogglesNorGetsSelected)
{
    Open(kTextList, {"a", "b"});
    m_list.SetCheckStyle(3);
    m_list.Enable(1, FALSE);
    ClickCheck(1);
    const POINT text = ItemCenter(m_list, 1);
    Click(m_list.m_hWnd, text, text);
    EXPECT_EQ(m_list.GetCheck(1), 0);
    EXPECT_EQ(m_list.GetCurSel(), LB_ERR);
    EXPECT_TRUE(m_dialog->m_checkChanges.empty());
    Click(m_list.m_hWnd, ItemCenter(m_list, 0),
          ItemCenter(m_list, 0)); // off the check: selects only
    EXPECT_EQ(m_list.GetCurSel(), 0);
    EXPECT_EQ(m_list.GetCheck(0), 0);
}

TEST_F(CheckListBase, SpaceTogglesTheCaretItem)
{
    Open(kTextList, {"a", "b"});
    m_list.SetCheckStyle(3);
    m_list.SetCurSel(1);
    PressKey(m_list.m_hWnd, VK_SPACE, ' ');
    EXPECT_EQ(Checks(), (std::vector<int>{0, 1}));
    EXPECT_EQ(m_dialog->m_checkChanges.size(), 1u);
    m_list.Enable(1, FALSE);
    PressKey(m_list.m_hWnd, VK_SPACE, ' ');
    EXPECT_EQ(Checks(), (std::vector<int>{0, 1}));
    EXPECT_EQ(m_list.GetCurSel(), LB_ERR); // a disabled item is deselected
}

TEST_F(CheckListBase, SpaceInAMultipleSelectionListTogglesOnlyASelectedItem)
{
    Open(kTextList | LBS_MULTIPLESEL, {"a", "b"});
    m_list.SetCheckStyle(3);
    m_list.SetCaretIndex(0);
    PressKey(m_list.m_hWnd, VK_SPACE, ' '); // unselected: becomes selected, unchecked
    EXPECT_EQ(m_list.GetSel(0), 1);
    EXPECT_EQ(m_list.GetCheck(0), 0);
    PressKey(m_list.m_hWnd, VK_SPACE, ' '); // selected: toggled, then deselected
    EXPECT_EQ(m_list.GetSel(0), 0);
    EXPECT_EQ(m_list.GetCheck(0), 1);
    EXPECT_EQ(m_dialog->m_checkChanges.size(), 1u);
}

TEST_F(CheckListBase, ACheckClickOnASelectedItemGivesTheSelectionItsState)
{
    Open(kTextList | LBS_EXTENDEDSEL, {"a", "b", "c", "d"});
    m_list.SetCheckStyle(3);
    m_list.SelItemRange(TRUE, 0, 2);
    m_list.Enable(2, FALSE);
    ClickCheck(1);
    EXPECT_EQ(Checks(), (std::vector<int>{1, 1, 0, 0}));
    EXPECT_EQ(m_list.GetSelCount(), 3); // the selection stays
}

TEST_F(CheckListBase, InAVariableHeightListTheItemRectanglesDecide)
{
    Open(kDataList & ~static_cast<DWORD>(LBS_OWNERDRAWFIXED));
    RecordingCheckList<KyCheckListBoxBase> list;
    list.m_answerHeight = 16;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWVARIABLE | LBS_NOTIFY,
                            CRect(200, 10, 300, 150), m_dialog.get(), 203));
    list.SetCheckStyle(3);
    for (UINT height : {16u, 40u, 20u}) {
        list.m_answerHeight = height;
        list.AddString(Value(height));
    }
    CRect second;
    list.GetItemRect(1, &second);
    int inCheck = FALSE;
    EXPECT_EQ(list.CheckFromPoint(CPoint(5, second.bottom - 2), inCheck), 1);
    EXPECT_TRUE(inCheck);
    EXPECT_EQ(list.CheckFromPoint(CPoint(60, second.top + 1), inCheck), 1);
    EXPECT_FALSE(inCheck);
    EXPECT_EQ(list.CheckFromPoint(CPoint(5, 130), inCheck), -1);
    const LPARAM at = MAKELPARAM(5, second.bottom - 2);
    list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
    list.SendMessage(WM_LBUTTONUP, 0, at);
    EXPECT_EQ(list.GetCheck(1), 1);
    EXPECT_EQ(list.GetCheck(0) + list.GetCheck(2), 0);
}

// Moves the check box two pixels right, still inside the check column.
class MovedCheckList : public KyCheckListBoxBase {
protected:
    CRect OnGetCheckPosition(CRect, CRect rectCheckBox) override
    {
        rectCheckBox.OffsetRect(2, 0);
        return rectCheckBox;
    }
};

TEST_F(CheckListBase, TheBoxIsDrawnWhereTheDerivedClassPutsIt)
{
    if (!Unthemed())
        GTEST_SKIP() << "the themed box is drawn by the theme";
    Open(kTextList);
    MovedCheckList list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LBS_HASSTRINGS, CRect(200, 10, 300, 60),
                            m_dialog.get(), 204));
    list.AddString("");
    list.SetCheck(0, 1);
    list.UpdateWindow();
    CRect item;
    list.GetItemRect(0, &item);
    const int middle = item.top + item.Height() / 2;
    HDC dc = ::GetDC(list.m_hWnd);
    // The box's grey frame: its left edge at 4, the column's background at the usual place.
    EXPECT_EQ(::GetPixel(dc, 4, middle), RGB(0x80, 0x80, 0x80));
    EXPECT_EQ(::GetPixel(dc, 2, middle), ::GetSysColor(COLOR_WINDOW));
    ::ReleaseDC(list.m_hWnd, dc);
}

TEST_F(CheckListBase, UnthemedEachStateDrawsItsThirdOfTheBitmap)
{
    Open(kTextList, {"unchecked", "checked", "indeterminate"});
    m_list.SetCheckStyle(6);
    m_list.SetCheck(1, 1);
    m_list.SetCheck(2, 2);
    m_list.SetCurSel(0);
    m_list.UpdateWindow();
    PumpPending();
    SaveWindowPng(m_dialog->m_hWnd,
                  Unthemed() ? "KyCheckListBoxBase_unthemed" : "KyCheckListBoxBase_themed");
    EXPECT_EQ(m_list.GetTheme() == nullptr, Unthemed());
    if (!Unthemed())
        return;
    HBITMAP bitmap = ::LoadBitmapA(Kyvant::KyGuiModule(), MAKEINTRESOURCEA(IDB_KY_CHECK_BOXES));
    HDC images = ::CreateCompatibleDC(nullptr);
    HGDIOBJ old = ::SelectObject(images, bitmap);
    HDC screen = ::GetDC(m_list.m_hWnd);
    const int size = 13;
    for (int item = 0; item < 3; ++item) {
        CRect rect;
        m_list.GetItemRect(item, &rect);
        const int top = rect.top + (rect.Height() - size) / 2;
        int differing = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                differing += ::GetPixel(screen, rect.left + 2 + x, top + y) !=
                             ::GetPixel(images, item * size + x, y);
        EXPECT_EQ(differing, 0) << item;
    }
    // The selected item's check column is highlighted around the image.
    CRect first;
    m_list.GetItemRect(0, &first);
    EXPECT_EQ(::GetPixel(screen, first.left + 1, first.top + 1), ::GetSysColor(COLOR_HIGHLIGHT));
    ::ReleaseDC(m_list.m_hWnd, screen);
    ::SelectObject(images, old);
    ::DeleteDC(images);
    ::DeleteObject(bitmap);
}

} // namespace
