// The columns and rows of the cell list box: column descriptions, the row
// description (the column list with the row width) and the rows of cells.
#pragma once

#include "KyGui/Grid/Cells.h"
#include "KyGui/KyGuiExport.h"
#include "KyStd/Core/RcPtr.h"

#include <afxwin.h>

#include <vector>

// One column: its width and cell height in pixels, its caption, and the kind of cell it makes.
class KYGUI_API CLB_ColumnDescBase {
public:
    CLB_ColumnDescBase(int width, int cellHeight, const char* caption);
    virtual ~CLB_ColumnDescBase();
    CLB_ColumnDescBase(const CLB_ColumnDescBase&) = delete;
    CLB_ColumnDescBase& operator=(const CLB_ColumnDescBase&) = delete;

    // A new cell of the column's kind.
    virtual CLB_Cell* NewCell() = 0;
    virtual void DeleteCell(CLB_Cell* cell);
    // The caption 4 px in from the left, on one line, vertically centred.
    virtual void DrawHeader(CDC& dc, const CRect& rect);

    int GetWidth() const { return m_width; }
    int GetCellHeight() const { return m_cellHeight; }
    const CString& GetCaption() const { return m_caption; }

protected:
    int m_width;
    int m_cellHeight;
    CString m_caption;
};

// A column making default-constructed cells of type Cell.
template <class Cell>
class CLB_ColumnDesc : public CLB_ColumnDescBase {
public:
    CLB_ColumnDesc(int width, int cellHeight, const char* caption = "")
        : CLB_ColumnDescBase(width, cellHeight, caption)
    {
    }
    CLB_Cell* NewCell() override { return new Cell(); }
};

// A check column: enabled, unchecked, two-state cells without caption.
using CLB_CheckColumnDesc = CLB_ColumnDesc<CLB_CheckCell>;

class CLB_Row;

// The columns of a grid, shared with its rows, and the row width (the sum of the column widths).
class KYGUI_API CLB_RowDesc {
public:
    using Column = Kyvant::rc_ptr<CLB_ColumnDescBase>;
    using Columns = std::vector<Column>;

    CLB_RowDesc() : m_rowWidth(0) {}
    virtual ~CLB_RowDesc();
    CLB_RowDesc(const CLB_RowDesc&) = delete;
    CLB_RowDesc& operator=(const CLB_RowDesc&) = delete;

    // A new row with one new cell per column.
    virtual CLB_Row* NewRow();
    virtual void DeleteRow(CLB_Row* row);

    // Inserts count references to desc at index; the description owns desc from the call on
    // (also when count is 0). An index past the end throws std::out_of_range.
    void InsertColumn(unsigned index, unsigned count, CLB_ColumnDescBase* desc);
    // Removes the columns [first, last).
    void EraseColumn(unsigned first, unsigned last);

    const Columns& GetColumns() const { return m_columns; }
    unsigned GetNumColumns() const { return static_cast<unsigned>(m_columns.size()); }
    CLB_ColumnDescBase& GetColumn(unsigned index) const;
    int GetRowWidth() const { return m_rowWidth; }

private:
    Columns m_columns;
    int m_rowWidth;
};

// One row: a cell per column. Copies copy every cell.
class KYGUI_API CLB_Row {
public:
    using Cell = Kyvant::rc_ptr<CLB_Cell>;
    using Cells = std::vector<Cell>;

    explicit CLB_Row(const CLB_RowDesc::Columns& columns);
    CLB_Row(const CLB_Row& other);
    CLB_Row& operator=(const CLB_Row& other);
    virtual ~CLB_Row();

    // A new copy of the row.
    virtual CLB_Row* Clone() const;

    unsigned size() const { return static_cast<unsigned>(m_cells.size()); }
    // The cell of the column; std::out_of_range past the last one.
    CLB_Cell& GetCell(unsigned column) const;
    // Inserts count new cells of the column's kind at index.
    void InsertCells(unsigned index, unsigned count, CLB_ColumnDescBase& desc);

private:
    Cells m_cells;
};
