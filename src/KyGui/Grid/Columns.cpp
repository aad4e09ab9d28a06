// Column descriptions, the row description and the rows of cells.
#include "KyGui/Grid/Columns.h"

#include <memory>
#include <stdexcept>

namespace {

const int kCaptionIndent = 4;
const UINT kCaptionFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;

} // namespace

CLB_ColumnDescBase::CLB_ColumnDescBase(int width, int cellHeight, const char* caption)
    : m_width(width), m_cellHeight(cellHeight), m_caption(caption != nullptr ? caption : "")
{
}

CLB_ColumnDescBase::~CLB_ColumnDescBase() = default;

void CLB_ColumnDescBase::DeleteCell(CLB_Cell* cell)
{
    delete cell;
}

void CLB_ColumnDescBase::DrawHeader(CDC& dc, const CRect& rect)
{
    CRect text(rect);
    text.left += kCaptionIndent;
    dc.DrawText(m_caption, -1, &text, kCaptionFormat);
}

CLB_RowDesc::~CLB_RowDesc() = default;

CLB_Row* CLB_RowDesc::NewRow()
{
    return new CLB_Row(m_columns);
}

void CLB_RowDesc::DeleteRow(CLB_Row* row)
{
    delete row;
}

void CLB_RowDesc::InsertColumn(unsigned index, unsigned count, CLB_ColumnDescBase* desc)
{
    Column owner(desc);
    if (index > m_columns.size())
        throw std::out_of_range("CLB_RowDesc::InsertColumn: index past the last column");
    if (count == 0 || desc == nullptr)
        return;
    m_columns.insert(m_columns.begin() + index, count, owner);
    m_rowWidth += desc->GetWidth() * static_cast<int>(count);
}

void CLB_RowDesc::EraseColumn(unsigned first, unsigned last)
{
    if (last > m_columns.size())
        last = static_cast<unsigned>(m_columns.size());
    if (last <= first)
        return;
    for (unsigned i = first; i < last; ++i)
        m_rowWidth -= m_columns[i]->GetWidth();
    m_columns.erase(m_columns.begin() + first, m_columns.begin() + last);
}

CLB_ColumnDescBase& CLB_RowDesc::GetColumn(unsigned index) const
{
    if (index >= m_columns.size())
        throw std::out_of_range("CLB_RowDesc::GetColumn: no such column");
    return *m_columns[index];
}

CLB_Row::CLB_Row(const CLB_RowDesc::Columns& columns)
{
    m_cells.reserve(columns.size());
    for (const CLB_RowDesc::Column& column : columns)
        m_cells.push_back(Cell(column->NewCell()));
}

CLB_Row::CLB_Row(const CLB_Row& other)
{
    m_cells.reserve(other.m_cells.size());
    for (const Cell& cell : other.m_cells)
        m_cells.push_back(Cell(cell->Copy()));
}

CLB_Row& CLB_Row::operator=(const CLB_Row& other)
{
    if (&other != this) {
        CLB_Row copy(other);
        m_cells.swap(copy.m_cells);
    }
    return *this;
}

CLB_Row::~CLB_Row() = default;

CLB_Row* CLB_Row::Clone() const
{
    return new CLB_Row(*this);
}

CLB_Cell& CLB_Row::GetCell(unsigned column) const
{
    if (column >= m_cells.size())
        throw std::out_of_range("CLB_Row::GetCell: no such column");
    return *m_cells[column];
}

void CLB_Row::InsertCells(unsigned index, unsigned count, CLB_ColumnDescBase& desc)
{
    if (index > m_cells.size())
        index = static_cast<unsigned>(m_cells.size());
    Cells made;
    made.reserve(count);
    for (unsigned i = 0; i < count; ++i)
        made.push_back(Cell(desc.NewCell()));
    m_cells.insert(m_cells.begin() + index, made.begin(), made.end());
}
