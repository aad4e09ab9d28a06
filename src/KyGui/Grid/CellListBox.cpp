// KyCellListBox: construction, rows and columns through the vector view,
// cell geometry and hit tests.
#include "KyGui/Grid/CellListBox.h"

#include "KyGui/Lists/ListsResource.h"

#include <memory>
#include <stdexcept>

KyCellListBox::KyCellListBox() : KyCellListBox(nullptr, true, true, ID_KY_LIST_TOOLBAR) {}

KyCellListBox::KyCellListBox(CLB_RowDesc* columns, bool enableDrag, bool createToolbar,
                             UINT toolbarId)
    : KyEditableListBox(enableDrag, createToolbar, toolbarId),
      Vector(static_cast<CListBox&>(*this)),
      m_rowDesc(columns != nullptr ? columns : new CLB_RowDesc), m_currentColumn(0),
      m_headersShown(false), m_headerHeight(0), m_maxCellHeightComputed(false), m_maxCellHeight(0),
      m_holdsTheme(false)
{
}

KyCellListBox::~KyCellListBox()
{
    // The rows go with the items, and the items with the window: destroy it while the grid is
    // whole.
    if (m_hWnd != nullptr)
        DestroyWindow();
    delete m_rowDesc;
}

void KyCellListBox::DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct)
{
    m_rowDesc->DeleteRow(reinterpret_cast<CLB_Row*>(lpDeleteItemStruct->itemData));
}

bool KyCellListBox::IsTextuallyEmpty()
{
    return GetCount() <= 0;
}

int KyCellListBox::GetEmptyItemIndex()
{
    return -1;
}

CLB_Row* KyCellListBox::CreateRow()
{
    return m_rowDesc->NewRow();
}

int KyCellListBox::CreateNewEmptyItem(int index)
{
    const unsigned count = static_cast<unsigned>(GetCount());
    const unsigned at = static_cast<unsigned>(index) < count ? static_cast<unsigned>(index) : count;
    InsertRow(at, nullptr);
    return static_cast<int>(at);
}

CLB_Row& KyCellListBox::GetRow(unsigned row)
{
    if (row >= static_cast<unsigned>(GetCount()))
        throw std::out_of_range("KyCellListBox::GetRow: no such row");
    CLB_Row* found = (*this)[static_cast<int>(row)].GetData();
    if (found == nullptr)
        throw std::out_of_range("KyCellListBox::GetRow: the item holds no row");
    return *found;
}

CLB_Cell& KyCellListBox::GetCell(unsigned row, unsigned col)
{
    return GetRow(row).GetCell(col);
}

CLB_Cell& KyCellListBox::at(const Vector::reference& row, unsigned col)
{
    if (row.GetIndex() < 0 || row.GetIndex() >= row.GetOps().GetCount())
        throw std::out_of_range("KyCellListBox::at: no such row");
    CLB_Row* found = row.GetData();
    if (found == nullptr)
        throw std::out_of_range("KyCellListBox::at: the item holds no row");
    return found->GetCell(col);
}

CLB_Cell& KyCellListBox::at(CLB_Row& row, unsigned col)
{
    return row.GetCell(col);
}

CLB_Cell& KyCellListBox::at(KyCellListBox& grid, unsigned row, unsigned col)
{
    return grid.GetCell(row, col);
}

void KyCellListBox::InsertRow(unsigned index, CLB_Row* prototype)
{
    InsertRow(index, 1, prototype);
}

void KyCellListBox::InsertRow(unsigned index, unsigned count, CLB_Row* prototype)
{
    std::unique_ptr<CLB_Row> first(prototype);
    const unsigned rows = static_cast<unsigned>(GetCount());
    if (index > rows)
        throw std::out_of_range("KyCellListBox::InsertRow: index past the last row");
    if (count == 0)
        return;
    if (!first)
        first.reset(CreateRow());
    reserve(static_cast<int>(rows + count));
    unsigned inserted = 0;
    try {
        CLB_Row* previous = nullptr;
        for (; inserted < count; ++inserted) {
            std::unique_ptr<CLB_Row> row(inserted == 0 ? first.release() : previous->Clone());
            const int at = insert(static_cast<int>(index + inserted), "");
            (*this)[at].SetData(row.get());
            previous = row.release();
        }
    } catch (...) {
        // The rows already inserted, the prototype among them, go with their items.
        erase(static_cast<int>(index), static_cast<int>(index + inserted));
        throw;
    }
}

void KyCellListBox::InsertColumn(unsigned index, CLB_ColumnDescBase* desc)
{
    InsertColumn(index, 1, desc);
}

void KyCellListBox::InsertColumn(unsigned index, unsigned count, CLB_ColumnDescBase* desc)
{
    m_rowDesc->InsertColumn(index, count, desc);
    if (count == 0 || desc == nullptr)
        return;
    const int rows = GetCount();
    for (int i = 0; i < rows; ++i) {
        CLB_Row* row = (*this)[i].GetData();
        if (row != nullptr)
            row->InsertCells(index, count, *desc);
    }
    m_maxCellHeightComputed = false;
    SetHorizontalExtent(GetRowWidth());
}

int KyCellListBox::GetRowWidth() const
{
    return m_rowDesc->GetRowWidth();
}

unsigned KyCellListBox::GetNumColumns() const
{
    return m_rowDesc->GetNumColumns();
}

int KyCellListBox::GetHorzScrollPos() const
{
    if (m_hWnd == nullptr || (GetStyle() & WS_HSCROLL) == 0)
        return 0;
    return ::GetScrollPos(m_hWnd, SB_HORZ);
}

void KyCellListBox::GetCellPosAndWidth(unsigned col, int& x, int& width, bool scrolled) const
{
    const CLB_RowDesc::Columns& columns = m_rowDesc->GetColumns();
    if (col >= columns.size())
        throw std::out_of_range("KyCellListBox::GetCellPosAndWidth: no such column");
    x = 0;
    for (unsigned i = 0; i < col; ++i)
        x += columns[i]->GetWidth();
    width = columns[col]->GetWidth();
    if (scrolled)
        x -= GetHorzScrollPos();
}

CRect KyCellListBox::GetCellRect(unsigned row, unsigned col, bool scrolled) const
{
    CRect rect;
    GetItemRect(static_cast<int>(row), &rect);
    int x = 0;
    int width = 0;
    GetCellPosAndWidth(col, x, width, scrolled);
    rect.left = x;
    rect.right = x + width;
    return rect;
}

bool KyCellListBox::HitTestCell(CPoint pt, unsigned* row, unsigned* col, CPoint* ptInCell,
                                CRect* cellRect) const
{
    BOOL outside = FALSE;
    const int item = static_cast<int>(ItemFromPoint(pt, outside));
    if (outside || item < 0 || item >= GetCount())
        return false;
    CRect rect;
    GetItemRect(item, &rect);
    if (pt.y >= rect.bottom)
        return false;
    if (!HitTestCell(static_cast<unsigned>(item), pt, col, ptInCell, cellRect))
        return false;
    if (row != nullptr)
        *row = static_cast<unsigned>(item);
    return true;
}

bool KyCellListBox::HitTestCell(unsigned row, CPoint pt, unsigned* col, CPoint* ptInCell,
                                CRect* cellRect) const
{
    if (row >= static_cast<unsigned>(GetCount()))
        return false;
    const CLB_RowDesc::Columns& columns = m_rowDesc->GetColumns();
    const int x = pt.x + GetHorzScrollPos();
    int right = 0;
    for (unsigned c = 0; c < columns.size(); ++c) {
        right += columns[c]->GetWidth();
        if (right > x) {
            const CRect rect = GetCellRect(row, c, true);
            if (col != nullptr)
                *col = c;
            if (ptInCell != nullptr)
                *ptInCell = CPoint(pt.x - rect.left, pt.y - rect.top);
            if (cellRect != nullptr)
                *cellRect = rect;
            return true;
        }
    }
    return false;
}

void KyCellListBox::NotifyCellChanged(unsigned row)
{
    Notify(WM_KY_LIST_TEXT_CHANGED, static_cast<int>(row));
}

int KyCellListBox::MaxCellHeight()
{
    if (!m_maxCellHeightComputed) {
        m_maxCellHeight = 0;
        for (const CLB_RowDesc::Column& column : m_rowDesc->GetColumns())
            if (column->GetCellHeight() > m_maxCellHeight)
                m_maxCellHeight = column->GetCellHeight();
        m_maxCellHeightComputed = true;
    }
    return m_maxCellHeight;
}

int KyCellListBox::GetDefaultItemHeight()
{
    const int text = KyEditableListBox::GetDefaultItemHeight();
    const int cells = MaxCellHeight();
    return cells > text ? cells : text;
}
