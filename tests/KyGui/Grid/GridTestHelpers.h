// What the grid tests share: the grid's list-box style, text cells over ky_S,
// a dialog holding one grid, and readers of cells.
#pragma once

#include "KyGui/Grid/CellListBox.h"
#include "KyStd/Strings/String.h"
#include "Lists/ListTestDialog.h"

#include <string>
#include <vector>

namespace GridTest {

using TextCell = CLB_StringCell<Kyvant::ky_S>;
using TextColumn = CLB_ColumnDesc<TextCell>;

const DWORD kGridStyle =
    LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_HSCROLL | WS_BORDER;
const int kRowHeight = 20;

inline std::string Text(KyCellListBox& grid, unsigned row, unsigned col)
{
    return dynamic_cast<CLB_StringCellBase&>(grid.GetCell(row, col)).GetText();
}

inline CLB_CheckCell& Check(KyCellListBox& grid, unsigned row, unsigned col)
{
    return dynamic_cast<CLB_CheckCell&>(grid.GetCell(row, col));
}

inline void SetText(KyCellListBox& grid, unsigned row, unsigned col, const char* text)
{
    dynamic_cast<CLB_StringCellBase&>(grid.GetCell(row, col)).SetText(text, nullptr);
}

// The middle of a cell, in the grid's client coordinates.
inline POINT CellCenter(KyCellListBox& grid, unsigned row, unsigned col)
{
    const CRect rect = grid.GetCellRect(row, col, true);
    return {rect.CenterPoint().x, rect.CenterPoint().y};
}

// Holds the Shift key down (as GetKeyState reads it) for its lifetime.
class ShiftHeld {
public:
    ShiftHeld() { Set(true); }
    ~ShiftHeld() { Set(false); }
    ShiftHeld(const ShiftHeld&) = delete;
    ShiftHeld& operator=(const ShiftHeld&) = delete;

private:
    static void Set(bool down)
    {
        BYTE keys[256] = {};
        ::GetKeyboardState(keys);
        keys[VK_SHIFT] = down ? 0x80 : 0;
        ::SetKeyboardState(keys);
    }
};

// A dialog with one grid (subclassed from its list box) and its columns.
class GridFixture {
public:
    explicit GridFixture(int cx = 120, int cy = 90) : m_dialog(kGridStyle, 20, 30, cx, cy) {}

    // Opens the dialog, adds the columns in order, sets the row height and inserts rows.
    bool Open(KyCellListBox& grid, const std::vector<CLB_ColumnDescBase*>& columns, unsigned rows)
    {
        if (!m_dialog.Open(grid))
            return false;
        for (unsigned i = 0; i < columns.size(); ++i)
            grid.InsertColumn(i, columns[i]);
        grid.SetDefaultItemHeight();
        grid.InsertRow(0, rows, nullptr);
        return true;
    }

    std::vector<UINT> Messages() const
    {
        std::vector<UINT> messages;
        for (const ListNote& note : m_dialog.m_notes)
            messages.push_back(note.message);
        return messages;
    }

    ListTestDialog m_dialog;
};

} // namespace GridTest
