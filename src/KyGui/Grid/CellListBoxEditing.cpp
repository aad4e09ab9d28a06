// KyCellListBox: drawing the cells of a row, and opening the row editor on the
// cell that was clicked or on the first cell the keyboard may edit.
#include "KyGui/Grid/CellListBox.h"

#include "KyGui/Grid/CellDrawArea.h"
#include "KyGui/Grid/CellEditors.h"

#include <exception>

void KyCellListBox::DrawItemContents(CDC& dc, const CRect& rect, int item, DRAWITEMSTRUCT& dis)
{
    if (item < 0)
        return;
    if (item == GetEmptyItemIndex()) {
        KyEditableListBox::DrawItemContents(dc, rect, item, dis);
        return;
    }
    CLB_Row* row = (*this)[item].GetData();
    if (row == nullptr)
        return;
    const CPoint origin = dc.GetWindowOrg();
    const CLB_RowDesc::Columns& columns = m_rowDesc->GetColumns();
    int x = rect.left;
    for (unsigned c = 0; c < columns.size() && c < row->size(); ++c) {
        CRect cell(x, rect.top, x + columns[c]->GetWidth(), rect.bottom);
        x = cell.right;
        if (cell.right <= origin.x)
            continue;
        if (cell.left >= origin.x + rect.Width())
            break;
        cell = Kyvant::Grid::CellDrawArea(cell, m_headersShown);
        row->GetCell(c).Draw(dc, cell, *this, dis);
    }
}

bool KyCellListBox::CanEditItem(int item, bool start, SelectType how, CPoint pt)
{
    if (how == KYB_Editor::MouseClick) {
        unsigned col = 0;
        CPoint inCell;
        CRect cellRect;
        if (item < 0 || !HitTestCell(static_cast<unsigned>(item), pt, &col, &inCell, &cellRect))
            return false;
        CLB_Cell& cell = GetCell(static_cast<unsigned>(item), col);
        if (cell.HandleClick(inCell, CLB_Cell::Locator(this, static_cast<unsigned>(item), col),
                             &cellRect))
            return false;
        if (!cell.AcceptsEditing(false))
            return false;
    }
    return KyEditableListBox::CanEditItem(item, start, how, pt);
}

bool KyCellListBox::BeginEditing(SelectType how, CPoint pt)
{
    CancelPendingClick();
    const int item = GetCurSel();
    if (item < 0 || Editing())
        return false;
    const unsigned row = static_cast<unsigned>(item);
    if (how == KYB_Editor::MouseClick) {
        unsigned hitRow = 0;
        unsigned col = 0;
        if (!HitTestCell(pt, &hitRow, &col, nullptr, nullptr) || hitRow != row ||
            !GetCell(row, col).AcceptsEditing(false))
            return false;
        m_currentColumn = col;
    } else {
        const unsigned cells = GetRow(row).size();
        unsigned col = 0;
        while (col < cells && !GetCell(row, col).AcceptsEditing(true))
            ++col;
        if (col == cells)
            return false;
        m_currentColumn = col;
    }
    return KyEditableListBox::BeginEditing(how, pt);
}

KYB_Editor* KyCellListBox::CreateEditor(int item, const CRect& rect)
{
    if (item < 0 || item != GetCurSel())
        return nullptr;
    try {
        if (m_currentColumn >= GetRow(static_cast<unsigned>(item)).size())
            return nullptr;
        return new KYB_CellListBoxEditor(*this, static_cast<unsigned>(item), m_currentColumn, rect,
                                         true);
    } catch (CException* e) {
        e->ReportError();
        e->Delete();
    } catch (const std::exception& e) {
        AfxMessageBox(e.what());
    }
    return nullptr;
}

bool KyCellListBox::HandleClickAfterStoppedEditing(CPoint pt)
{
    unsigned row = 0;
    unsigned col = 0;
    CPoint inCell;
    CRect cellRect;
    if (HitTestCell(pt, &row, &col, &inCell, &cellRect))
        GetCell(row, col).HandleClick(inCell, CLB_Cell::Locator(this, row, col), &cellRect);
    return false;
}
