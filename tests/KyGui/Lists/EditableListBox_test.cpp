// Tests of the editable list box in a dialog: loading and storing, in-place
// editing by key, character, mouse and toolbar, the empty row, moves, and
// the notifications the parent receives.
#include "KyGui/Lists/EditableListBox.h"

#include "KyGui/Lists/ListsResource.h"
#include "Lists/ListTestDialog.h"
#include "TestApp.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

const DWORD kEditableStyle =
    LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER;
const UINT kEnter = 13;
const UINT kEscape = 27;

using Strings = std::vector<std::string>;
using Text = KyEditableListBox::Text;

Strings Stored(KyEditableListBox& list)
{
    std::vector<Text> texts;
    list.StoreContents(Kyvant::back_insert_sequencer<std::vector<Text>>(texts));
    Strings out;
    for (const Text& t : texts)
        out.push_back(t.c_str());
    return out;
}

void Load(KyEditableListBox& list, const Strings& items, bool addEmptyRow)
{
    std::vector<Text> texts;
    for (const std::string& s : items)
        texts.push_back(Text(s.c_str()));
    list.LoadContents(Kyvant::forward_input_sequencer<std::vector<Text>>(texts), addEmptyRow);
}

std::string EditorText(KyEditableListBox& list)
{
    CString text;
    list.GetEditorPtr()->GetEditorWindow().GetWindowText(text);
    return static_cast<LPCSTR>(text);
}

HWND EditorWindow(KyEditableListBox& list)
{
    return list.GetEditorPtr()->GetEditorWindow().m_hWnd;
}

// Replaces the editor's text and presses Enter in it.
void TypeAndEnter(KyEditableListBox& list, const char* text)
{
    HWND edit = EditorWindow(list);
    ::SetWindowTextA(edit, text);
    ::SendMessageA(edit, WM_CHAR, kEnter, 1);
}

class EditableListBoxTest : public ::testing::Test {
protected:
    void Open(KyEditableListBox& list, const Strings& items, bool addEmptyRow = true)
    {
        ASSERT_TRUE(m_dialog.Open(list));
        Load(list, items, addEmptyRow);
        PumpPending();
        m_dialog.m_notes.clear();
    }

    std::vector<UINT> Messages() const
    {
        std::vector<UINT> m;
        for (const ListNote& n : m_dialog.m_notes)
            m.push_back(n.message);
        return m;
    }

    ListTestDialog m_dialog{kEditableStyle};
};

class RefusingList : public KyEditableListBox {
public:
    void ValidateText(int, const char* text) override
    {
        if (std::string(text) == "bad")
            throw std::runtime_error("The text bad is not allowed.");
    }
};

} // namespace

TEST_F(EditableListBoxTest, LoadsWithAnEmptyRowAndStoresWithoutIt)
{
    KyEditableListBox list;
    Open(list, {"a", "b"});
    ASSERT_EQ(list.GetCount(), 3);
    EXPECT_STREQ(list.ItemText(0), "a");
    EXPECT_EQ(list.ItemText(2), nullptr);
    EXPECT_EQ(list.GetEmptyItemIndex(), 2);
    EXPECT_FALSE(list.IsTextuallyEmpty());
    EXPECT_EQ(Stored(list), (Strings{"a", "b"}));
    Load(list, {}, true);
    EXPECT_EQ(list.GetCount(), 1);
    EXPECT_TRUE(list.IsTextuallyEmpty());
    Load(list, {"x"}, false);
    EXPECT_FALSE(list.HasEmptyItem());
}

TEST_F(EditableListBoxTest, ToolbarHasTheEditButtonsAndTips)
{
    KyEditableListBox list;
    Open(list, {"a"});
    CToolBarCtrl& bar = list.GetToolBarCtrl();
    CRect rect;
    bar.GetWindowRect(&rect);
    EXPECT_EQ(rect.Width(), 94);
    const UINT expected[] = {ID_KY_LIST_NEW_ITEM, ID_KY_LIST_DELETE_ITEM, ID_KY_LIST_MOVE_DOWN,
                             ID_KY_LIST_MOVE_UP};
    const char* tips[] = {"New Item", "Delete Item", "Move Item Down", "Move Item Up"};
    ASSERT_EQ(bar.GetButtonCount(), 4);
    HWND tip = reinterpret_cast<HWND>(bar.SendMessage(TB_GETTOOLTIPS));
    ASSERT_NE(tip, nullptr);
    for (int i = 0; i < 4; ++i) {
        TBBUTTON button = {};
        bar.GetButton(i, &button);
        EXPECT_EQ(static_cast<UINT>(button.idCommand), expected[i]);
        char text[80] = {};
        TOOLINFOA info = {};
        info.cbSize = sizeof info;
        info.hwnd = bar.m_hWnd;
        info.uId = expected[i];
        info.lpszText = text;
        ::SendMessageA(tip, TTM_GETTEXTA, 0, reinterpret_cast<LPARAM>(&info));
        EXPECT_STREQ(text, tips[i]) << i;
    }
}

TEST_F(EditableListBoxTest, F2OpensAnEditorWithTheTextSelected)
{
    KyEditableListBox list;
    Open(list, {"a", "b"});
    list.SetCurSel(0);
    PressKey(list.m_hWnd, VK_F2);
    ASSERT_TRUE(list.Editing());
    EXPECT_EQ(list.GetEditorIndex(), 0);
    HWND edit = EditorWindow(list);
    EXPECT_EQ(::GetParent(edit), list.m_hWnd);
    char cls[16] = {};
    ::GetClassNameA(edit, cls, sizeof cls);
    EXPECT_STREQ(cls, "Edit");
    EXPECT_EQ(EditorText(list), "a");
    DWORD start = 9, end = 9;
    ::SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                   reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 1u);
    list.UpdateWindow();
    ::UpdateWindow(edit);
    EXPECT_TRUE(SaveWindowPng(m_dialog.m_hWnd, "editable-list-editor-open"));
}

// How an edit of item 0 of a, b ends, and what the parent hears.
struct EndCase {
    const char* name;
    const char* text; // null: Esc
    std::vector<UINT> messages;
    Strings stored;
};

class EditEnds : public EditableListBoxTest, public ::testing::WithParamInterface<EndCase> {};

TEST_P(EditEnds, NotifyTheParent)
{
    const EndCase& c = GetParam();
    KyEditableListBox list;
    Open(list, {"a", "b"});
    list.SetCurSel(0);
    PressKey(list.m_hWnd, VK_F2);
    ASSERT_TRUE(list.Editing());
    if (c.text != nullptr)
        TypeAndEnter(list, c.text);
    else
        ::SendMessageA(EditorWindow(list), WM_CHAR, kEscape, 1);
    EXPECT_FALSE(list.Editing());
    EXPECT_EQ(Messages(), c.messages);
    ASSERT_FALSE(m_dialog.m_notes.empty());
    EXPECT_EQ(m_dialog.m_notes[0].item, 0u);
    EXPECT_EQ(m_dialog.m_notes[0].list, reinterpret_cast<LPARAM>(&list));
    EXPECT_EQ(Stored(list), c.stored);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, EditEnds,
    ::testing::Values(EndCase{"NewText", "x", {WM_KY_LIST_TEXT_CHANGED}, {"x", "b"}},
                      EndCase{"Escape", nullptr, {WM_KY_LIST_EDIT_UNCHANGED}, {"a", "b"}},
                      EndCase{"UnchangedText", "a", {WM_KY_LIST_EDIT_UNCHANGED}, {"a", "b"}},
                      EndCase{"EmptiedText", "", {WM_KY_LIST_ITEM_DELETED}, {"b"}}),
    [](const ::testing::TestParamInfo<EndCase>& info) { return info.param.name; });

TEST_F(EditableListBoxTest, TypingOnTheEmptyRowAddsAnItemAndANewEmptyRow)
{
    KyEditableListBox list;
    Open(list, {"a"});
    list.SetCurSel(1);
    list.SendMessage(WM_CHAR, 'q', 1);
    ASSERT_TRUE(list.Editing());
    EXPECT_EQ(EditorText(list), "q");
    ::SendMessageA(EditorWindow(list), WM_CHAR, kEnter, 1);
    EXPECT_EQ(Messages(), (std::vector<UINT>{WM_KY_LIST_TEXT_CHANGED}));
    EXPECT_EQ(m_dialog.m_notes[0].item, 1u);
    ASSERT_EQ(list.GetCount(), 3);
    EXPECT_EQ(list.GetEmptyItemIndex(), 2);
    EXPECT_EQ(list.GetCurSel(), 2);
    EXPECT_EQ(Stored(list), (Strings{"a", "q"}));
}

TEST_F(EditableListBoxTest, TheEmptyRowCannotBeDeletedOrMoved)
{
    KyEditableListBox list;
    Open(list, {"a", "b"});
    list.SetCurSel(2);
    PressKey(list.m_hWnd, VK_DELETE);
    list.SendMessage(WM_COMMAND, ID_KY_LIST_DELETE_ITEM);
    EXPECT_EQ(list.GetCount(), 3);
    EXPECT_EQ(list.MoveItem(2, 0), 2);
    EXPECT_EQ(list.MoveItem(0, 2), 0);
    list.SendMessage(WM_COMMAND, ID_KY_LIST_MOVE_UP);
    POINT onEmptyRow = ItemCenter(list, 2);
    ::ClientToScreen(list.m_hWnd, &onEmptyRow);
    EXPECT_EQ(list.ItemFromPt(onEmptyRow, false), -1); // no drop target
    EXPECT_EQ(Stored(list), (Strings{"a", "b"}));
    EXPECT_TRUE(m_dialog.m_notes.empty());
}

TEST_F(EditableListBoxTest, DeleteKeyRemovesTheCurrentItem)
{
    KyEditableListBox list;
    Open(list, {"a", "b"});
    list.SetCurSel(1);
    PressKey(list.m_hWnd, VK_DELETE);
    EXPECT_EQ(Stored(list), (Strings{"a"}));
    EXPECT_EQ(Messages(), (std::vector<UINT>{WM_KY_LIST_ITEM_DELETED}));
    EXPECT_EQ(list.GetCurSel(), 1);
}

TEST_F(EditableListBoxTest, NewItemSelectsTheEmptyRowAndOpensTheEditor)
{
    KyEditableListBox list;
    Open(list, {"a", "b"});
    list.SetCurSel(0);
    list.SendMessage(WM_COMMAND, ID_KY_LIST_NEW_ITEM);
    ASSERT_TRUE(list.Editing());
    EXPECT_EQ(list.GetCurSel(), 2);
    EXPECT_EQ(list.GetEditorIndex(), 2);
    EXPECT_EQ(EditorText(list), "");
    list.SendMessage(WM_COMMAND, ID_KY_LIST_DELETE_ITEM); // refused while editing
    EXPECT_TRUE(list.Editing());
    EXPECT_EQ(list.GetCount(), 3);
    TypeAndEnter(list, "c");
    EXPECT_EQ(Stored(list), (Strings{"a", "b", "c"}));
    EXPECT_EQ(list.GetCurSel(), 3);
    list.UpdateWindow();
    EXPECT_TRUE(SaveWindowPng(m_dialog.m_hWnd, "editable-list-after-new-item"));
}

TEST_F(EditableListBoxTest, MovesSendTheNewIndex)
{
    KyEditableListBox list;
    Open(list, {"a", "b", "c"});
    list.SetCurSel(0);
    list.SendMessage(WM_COMMAND, ID_KY_LIST_MOVE_DOWN);
    PressAltKey(list.m_hWnd, VK_DOWN);
    EXPECT_EQ(Stored(list), (Strings{"b", "c", "a"}));
    EXPECT_EQ(Messages(), (std::vector<UINT>{WM_KY_LIST_ITEM_MOVED, WM_KY_LIST_ITEM_MOVED}));
    EXPECT_EQ(m_dialog.m_notes[1].item, 2u);
    EXPECT_EQ(list.MoveItem(2, 3), 2); // onto the empty row
    EXPECT_EQ(list.MoveItem(0, 4), 0); // past the end
    EXPECT_EQ(Stored(list), (Strings{"b", "c", "a"}));
}

TEST_F(EditableListBoxTest, ClickOnTheCurrentItemEditsAndAMovedClickSelects)
{
    KyEditableListBox list;
    Open(list, {"a", "b", "c"});
    list.SetCurSel(1);
    POINT at = ItemCenter(list, 1);
    Click(list.m_hWnd, at, at);
    ASSERT_TRUE(list.Editing());
    EXPECT_EQ(list.GetEditorIndex(), 1);
    ::SendMessageA(EditorWindow(list), WM_CHAR, kEscape, 1);
    ASSERT_FALSE(list.Editing());
    list.SetCurSel(0);
    at = ItemCenter(list, 0);
    Click(list.m_hWnd, at, POINT{at.x + 1, at.y});
    EXPECT_FALSE(list.Editing());
    EXPECT_EQ(list.GetCurSel(), 0);
    Click(list.m_hWnd, ItemCenter(list, 2), ItemCenter(list, 2)); // not current: selects
    EXPECT_FALSE(list.Editing());
    EXPECT_EQ(list.GetCurSel(), 2);
}

TEST_F(EditableListBoxTest, WheelWhileEditingSavesThenScrolls)
{
    KyEditableListBox list;
    Open(list, {});
    std::vector<Text> many;
    Strings expected;
    for (int i = 0; i < 40; ++i) {
        many.push_back(Text(std::to_string(i).c_str()));
        expected.push_back(std::to_string(i));
    }
    list.LoadContents(Kyvant::forward_input_sequencer<std::vector<Text>>(many), true);
    list.SetCurSel(0);
    PressKey(list.m_hWnd, VK_F2);
    ASSERT_TRUE(list.Editing());
    ::SetWindowTextA(EditorWindow(list), "zero");
    const LPARAM where = MAKELPARAM(10, 10);
    list.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), where);
    list.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)),
                     where); // swallowed
    EXPECT_TRUE(list.Editing());
    EXPECT_EQ(list.GetTopIndex(), 0);
    PumpPending();
    EXPECT_FALSE(list.Editing());
    expected[0] = "zero";
    EXPECT_EQ(Stored(list), expected);
    EXPECT_GT(list.GetTopIndex(), 0);
}

TEST_F(EditableListBoxTest, RefusedTextIsShownOnceAndTheOldTextStays)
{
    RefusingList list;
    Open(list, {"a", "b"});
    list.SetCurSel(0);
    PressKey(list.m_hWnd, VK_F2);
    ASSERT_TRUE(list.Editing());
    const size_t boxes = theApp.m_boxes.size();
    TypeAndEnter(list, "bad");
    ASSERT_EQ(theApp.m_boxes.size(), boxes + 1);
    EXPECT_EQ(theApp.m_boxes.back().text, "The text bad is not allowed.");
    EXPECT_STREQ(list.ItemText(0), "a");
    EXPECT_TRUE(m_dialog.m_notes.empty());
}

// A refused text leaves the edit open, and the wheel tries again: once the
// text is acceptable the next turn saves it and scrolls.
TEST_F(EditableListBoxTest, WheelAfterARefusedTextClosesTheEditOnceTheTextIsGood)
{
    RefusingList list;
    Open(list, {});
    std::vector<Text> many;
    for (int i = 0; i < 40; ++i)
        many.push_back(Text(std::to_string(i).c_str()));
    list.LoadContents(Kyvant::forward_input_sequencer<std::vector<Text>>(many), true);
    list.SetCurSel(0);
    PressKey(list.m_hWnd, VK_F2);
    ASSERT_TRUE(list.Editing());
    ::SetWindowTextA(EditorWindow(list), "bad");
    const size_t boxes = theApp.m_boxes.size();
    const LPARAM where = MAKELPARAM(10, 10);
    const WPARAM down = MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA));
    list.SendMessage(WM_MOUSEWHEEL, down, where);
    PumpPending();
    ASSERT_EQ(theApp.m_boxes.size(), boxes + 1)
        << "refused once, not again by the wheel's own turn";
    ASSERT_TRUE(list.Editing());
    EXPECT_EQ(list.GetTopIndex(), 0);

    ::SetWindowTextA(EditorWindow(list), "zero");
    list.SendMessage(WM_MOUSEWHEEL, down, where);
    PumpPending();
    EXPECT_FALSE(list.Editing());
    EXPECT_STREQ(list.ItemText(0), "zero");
    EXPECT_GT(list.GetTopIndex(), 0);
    EXPECT_EQ(theApp.m_boxes.size(), boxes + 1);
}

// A click on the current item waits with the mouse captured; when another
// window takes the mouse the click is over, and a later move replays no
// button-down: nothing is selected and no drag starts.
TEST_F(EditableListBoxTest, LostCaptureEndsAPendingClick)
{
    KyEditableListBox list;
    Open(list, {"a", "b", "c"});
    list.SetCurSel(1);
    const POINT at = ItemCenter(list, 1);
    list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    ASSERT_EQ(::GetCapture(), list.m_hWnd) << "the click waits";
    m_dialog.SetCapture();
    ::ReleaseCapture();
    list.SetCurSel(0);
    const int selChanges = m_dialog.m_selChanges;

    list.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(at.x + 5, at.y));
    PumpPending();
    EXPECT_EQ(list.GetCurSel(), 0);
    EXPECT_EQ(m_dialog.m_selChanges, selChanges);
    EXPECT_NE(::GetCapture(), list.m_hWnd);
    list.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    EXPECT_FALSE(list.Editing());
}
