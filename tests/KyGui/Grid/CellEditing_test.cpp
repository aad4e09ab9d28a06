// Editing the cell list box by mouse and keyboard: check cells toggled by
// clicks (never opening an editor), text cells opened by F2 and typing, Tab
// and Shift+Tab through the row with Space on a check cell, the change
// notifications, Enter keeping the text, and scrolling a cell into view.
#include "KyGui/Grid/CellListBox.h"

#include "Grid/GridTestHelpers.h"
#include "KyGui/Grid/CellEditors.h"
#include "TestApp.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

using namespace GridTest;

namespace {

const UINT kEnter = 13;
const UINT kEscape = 27;

std::string ClassOf(HWND hWnd)
{
    char name[64] = {};
    ::GetClassNameA(hWnd, name, sizeof name);
    return name;
}

class CellEditingTest : public ::testing::Test {
protected:
    // A row [check, text, text] per row; row 0 current.
    void OpenCheckTextText(unsigned rows = 2)
    {
        ASSERT_TRUE(m_fixture.Open(m_grid,
                                   {new CLB_CheckColumnDesc(24, kRowHeight, "A"),
                                    new TextColumn(60, kRowHeight, "Find"),
                                    new TextColumn(60, kRowHeight, "Replace")},
                                   rows));
        for (unsigned r = 0; r < rows; ++r) {
            SetText(m_grid, r, 1, "find");
            SetText(m_grid, r, 2, "replace");
        }
        m_grid.SetCurSel(0);
        PumpPending();
        m_fixture.m_dialog.m_notes.clear();
    }

    HWND Editor() { return m_grid.GetEditorPtr()->GetEditorWindow().m_hWnd; }
    std::string EditorText()
    {
        char text[128] = {};
        ::GetWindowTextA(Editor(), text, sizeof text);
        return text;
    }
    std::vector<UINT> Messages() const { return m_fixture.Messages(); }
    // The editor's window rectangle in the grid's client coordinates.
    CRect EditorRect()
    {
        CRect rect;
        ::GetWindowRect(Editor(), &rect);
        m_grid.ScreenToClient(&rect);
        return rect;
    }

    GridFixture m_fixture;
    KyCellListBox m_grid;
};

const std::vector<UINT> kNone;
const std::vector<UINT> kChanged = {WM_KY_LIST_TEXT_CHANGED};

} // namespace

TEST_F(CellEditingTest, AClickOnACheckCellTogglesItAndOpensNoEditor)
{
    struct Case {
        const char* name;
        bool threeState;
        bool enabled;
        std::vector<int> states; // after each click
    };
    const Case cases[] = {
        {"two states", false, true, {1, 0, 1}},
        {"three states", true, true, {1, 2, 0}},
        {"disabled", false, false, {0, 0}},
    };
    OpenCheckTextText();
    for (const Case& c : cases) {
        CLB_CheckCell& cell = Check(m_grid, 0, 0);
        cell = CLB_CheckCell("", c.threeState, 0, c.enabled);
        m_fixture.m_dialog.m_notes.clear();
        for (int state : c.states) {
            Click(m_grid.m_hWnd, CellCenter(m_grid, 0, 0), CellCenter(m_grid, 0, 0));
            EXPECT_EQ(cell.GetCheck(), state) << c.name;
            EXPECT_FALSE(m_grid.Editing()) << c.name;
        }
        const std::vector<UINT> expected(c.enabled ? c.states.size() : 0, WM_KY_LIST_TEXT_CHANGED);
        EXPECT_EQ(Messages(), expected) << c.name;
        for (const ListNote& note : m_fixture.m_dialog.m_notes) {
            EXPECT_EQ(note.item, 0u);
            EXPECT_EQ(note.list,
                      reinterpret_cast<LPARAM>(static_cast<KyEditableListBox*>(&m_grid)));
        }
    }
}

TEST_F(CellEditingTest, AClickOnATextCellOfTheCurrentRowOpensThatCell)
{
    struct Case {
        const char* name;
        unsigned row;
        unsigned col;
        bool enabled;
        bool opens;
    };
    const Case cases[] = {
        {"second text cell", 0, 2, true, true},
        {"first text cell", 0, 1, true, true},
        {"disabled text cell", 0, 2, false, false},
        {"another row", 1, 1, true, false},
    };
    OpenCheckTextText();
    for (const Case& c : cases) {
        m_grid.SetCurSel(0);
        m_grid.GetCell(c.row, c.col).Enable(c.enabled, nullptr);
        Click(m_grid.m_hWnd, CellCenter(m_grid, c.row, c.col), CellCenter(m_grid, c.row, c.col));
        EXPECT_EQ(m_grid.Editing(), c.opens) << c.name;
        if (c.opens) {
            EXPECT_EQ(m_grid.GetCurrentColumn(), c.col) << c.name;
            EXPECT_EQ(EditorRect().left, m_grid.GetCellRect(c.row, c.col, true).left) << c.name;
            PressKey(Editor(), VK_ESCAPE, kEscape);
        }
        m_grid.GetCell(c.row, c.col).Enable(true, nullptr);
    }
}

TEST_F(CellEditingTest, AClickOnAnotherRowsCheckClosesTheEditorAndTogglesIt)
{
    OpenCheckTextText();
    PressKey(m_grid.m_hWnd, VK_F2);
    ::SendMessageA(Editor(), WM_CHAR, 'k', 1);
    m_fixture.m_dialog.m_notes.clear();
    Click(m_grid.m_hWnd, CellCenter(m_grid, 1, 0), CellCenter(m_grid, 1, 0));
    EXPECT_FALSE(m_grid.Editing());
    EXPECT_EQ(Text(m_grid, 0, 1), "k");
    EXPECT_EQ(Check(m_grid, 1, 0).GetCheck(), 1);
    EXPECT_EQ(m_grid.GetCurSel(), 1);
    EXPECT_EQ(Messages(), (std::vector<UINT>{WM_KY_LIST_EDIT_UNCHANGED, WM_KY_LIST_TEXT_CHANGED}));
    EXPECT_EQ(m_fixture.m_dialog.m_notes[1].item, 1u);
}

TEST_F(CellEditingTest, F2AndTypingOpenAnEditInTheFirstTextCell)
{
    OpenCheckTextText();
    PressKey(m_grid.m_hWnd, VK_F2);
    ASSERT_TRUE(m_grid.Editing());
    EXPECT_EQ(ClassOf(Editor()), "Edit");
    EXPECT_EQ(m_grid.GetCurrentColumn(), 1u);
    EXPECT_EQ(EditorText(), "find");
    const CRect cell = m_grid.GetCellRect(0, 1, true);
    EXPECT_EQ(EditorRect().left, cell.left);
    EXPECT_EQ(Messages(), kNone); // loading the editor reports nothing
    PumpPending();
    SaveWindowPng(m_fixture.m_dialog.m_hWnd, "grid-editing-text");
    PressKey(Editor(), VK_ESCAPE, kEscape);
    EXPECT_FALSE(m_grid.Editing());
    EXPECT_EQ(Messages(), std::vector<UINT>{WM_KY_LIST_EDIT_UNCHANGED});

    m_fixture.m_dialog.m_notes.clear();
    PressKey(m_grid.m_hWnd, 'Q', 'q');
    ASSERT_TRUE(m_grid.Editing());
    EXPECT_EQ(m_grid.GetCurrentColumn(), 1u);
    EXPECT_EQ(EditorText(), "q");
    EXPECT_EQ(Messages(), kChanged);
}

TEST_F(CellEditingTest, TabWalksTheRowAndWrapsToTheCheckCell)
{
    OpenCheckTextText();
    PressKey(m_grid.m_hWnd, VK_F2);
    ASSERT_TRUE(m_grid.Editing());
    HWND first = Editor();
    PressKey(Editor(), VK_TAB);
    EXPECT_EQ(m_grid.GetCurrentColumn(), 2u);
    EXPECT_FALSE(::IsWindow(first));
    EXPECT_EQ(EditorText(), "replace");
    PressKey(Editor(), VK_TAB);
    EXPECT_EQ(m_grid.GetCurrentColumn(), 0u);
    EXPECT_NE(ClassOf(Editor()), "Edit");
    EXPECT_EQ(::GetFocus(), Editor());
    PumpPending();
    SaveWindowPng(m_fixture.m_dialog.m_hWnd, "grid-editing-check");

    m_fixture.m_dialog.m_notes.clear();
    PressKey(Editor(), VK_SPACE, ' ');
    EXPECT_EQ(Check(m_grid, 0, 0).GetCheck(), 1);
    EXPECT_EQ(Messages(), kChanged);
    {
        ShiftHeld shift;
        PressKey(Editor(), VK_TAB);
    }
    EXPECT_EQ(m_grid.GetCurrentColumn(), 2u);
    {
        ShiftHeld shift;
        PressKey(Editor(), VK_TAB);
    }
    EXPECT_EQ(m_grid.GetCurrentColumn(), 1u);
    EXPECT_TRUE(m_grid.Editing());
}

TEST_F(CellEditingTest, TextChangesAreReportedAndEnterKeepsTheText)
{
    OpenCheckTextText();
    PressKey(m_grid.m_hWnd, VK_F2);
    ASSERT_TRUE(m_grid.Editing());
    ::SendMessageA(Editor(), WM_CHAR, 'x', 1);
    ::SendMessageA(Editor(), WM_CHAR, 'y', 1);
    EXPECT_EQ(Messages(), (std::vector<UINT>{WM_KY_LIST_TEXT_CHANGED, WM_KY_LIST_TEXT_CHANGED}));
    EXPECT_EQ(m_fixture.m_dialog.m_notes[0].item, 0u);
    PressKey(Editor(), VK_TAB); // saves column 1, loads column 2 silently
    ::SendMessageA(Editor(), EM_SETSEL, 0, -1);
    ::SendMessageA(Editor(), WM_CHAR, 'z', 1);
    m_fixture.m_dialog.m_notes.clear();
    PressKey(Editor(), VK_RETURN, kEnter);
    EXPECT_FALSE(m_grid.Editing());
    EXPECT_EQ(Messages(), std::vector<UINT>{WM_KY_LIST_EDIT_UNCHANGED});
    EXPECT_EQ(Text(m_grid, 0, 1), "xy");
    EXPECT_EQ(dynamic_cast<CLB_StringCellBase&>(m_grid.at(0, 2)).GetText(), std::string("z"));
    EXPECT_EQ(Text(m_grid, 1, 1), "find");
}

TEST_F(CellEditingTest, TabInAOneCellRowStaysInItsCell)
{
    ASSERT_TRUE(m_fixture.Open(m_grid, {new TextColumn(80, kRowHeight, "Only")}, 1));
    m_grid.SetCurSel(0);
    PressKey(m_grid.m_hWnd, VK_F2);
    ASSERT_TRUE(m_grid.Editing());
    HWND editor = Editor();
    m_fixture.m_dialog.m_notes.clear();
    PressKey(editor, VK_TAB);
    EXPECT_EQ(Editor(), editor);
    EXPECT_EQ(m_grid.GetCurrentColumn(), 0u);
    EXPECT_EQ(Messages(), kNone);
}

TEST_F(CellEditingTest, AClickInTheOpenRowMovesTheEditorAndAClickOnACheckTogglesIt)
{
    OpenCheckTextText();
    PressKey(m_grid.m_hWnd, VK_F2);
    ASSERT_TRUE(m_grid.Editing());
    auto& editor = dynamic_cast<KYB_CellListBoxEditor&>(*m_grid.GetEditorPtr());
    CWnd& container = editor.GetContainer();
    CPoint at = CellCenter(m_grid, 0, 2);
    m_grid.ClientToScreen(&at);
    container.ScreenToClient(&at);
    Click(container.m_hWnd, at, at);
    EXPECT_EQ(m_grid.GetCurrentColumn(), 2u);
    EXPECT_EQ(ClassOf(Editor()), "Edit");
    m_fixture.m_dialog.m_notes.clear();
    at = CellCenter(m_grid, 0, 0);
    m_grid.ClientToScreen(&at);
    container.ScreenToClient(&at);
    Click(container.m_hWnd, at, at);
    EXPECT_EQ(m_grid.GetCurrentColumn(), 0u);
    EXPECT_EQ(Check(m_grid, 0, 0).GetCheck(), 1);
    EXPECT_EQ(Messages(), (std::vector<UINT>{WM_KY_LIST_EDIT_UNCHANGED, WM_KY_LIST_TEXT_CHANGED}));
}

TEST_F(CellEditingTest, OpeningACellScrollsItIntoViewLeftEdgeFirst)
{
    struct Case {
        const char* name;
        int middleWidth;
        int lastWidth;
    };
    // The grid shows about 170 px: a last cell that fits is scrolled to end at the right edge, one
    // wider than the grid to start at the left edge.
    const Case cases[] = {{"fits", 100, 80}, {"wider than the grid", 60, 400}};
    for (const Case& c : cases) {
        KyCellListBox grid;
        GridFixture fixture;
        ASSERT_TRUE(fixture.Open(grid,
                                 {new TextColumn(60, kRowHeight, "1"),
                                  new TextColumn(c.middleWidth, kRowHeight, "2"),
                                  new TextColumn(c.lastWidth, kRowHeight, "3")},
                                 1));
        grid.SetCurSel(0);
        CRect client;
        grid.GetClientRect(&client);
        ASSERT_LT(client.Width(), 60 + c.middleWidth + c.lastWidth);
        PressKey(grid.m_hWnd, VK_F2);
        ASSERT_TRUE(grid.Editing()) << c.name;
        PressKey(grid.GetEditorPtr()->GetEditorWindow().m_hWnd, VK_TAB);
        PressKey(grid.GetEditorPtr()->GetEditorWindow().m_hWnd, VK_TAB);
        ASSERT_EQ(grid.GetCurrentColumn(), 2u) << c.name;
        const int left = 60 + c.middleWidth;
        const int expected =
            c.lastWidth > client.Width() ? left : left + c.lastWidth - client.Width();
        EXPECT_EQ(grid.GetHorzScrollPos(), expected) << c.name;
        CRect editor;
        grid.GetEditorPtr()->GetEditorWindow().GetWindowRect(&editor);
        grid.ScreenToClient(&editor);
        EXPECT_EQ(editor.left, grid.GetCellRect(0, 2, true).left) << c.name;
        PumpPending();
        SaveWindowPng(fixture.m_dialog.m_hWnd,
                      c.lastWidth > client.Width() ? "grid-scrolled-wide" : "grid-scrolled");
    }
}
